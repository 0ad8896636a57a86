#include "F_ckct.h"

#include "../app/application.h"
#include "../app/cardlayout.h"
#include "../app/errorbox.h"
#include "../data/F_ado.h"
#include "../data/errors.h"
#include "../data/navigation.h"
#include "../data/questioncard.h"
#include "../data/tableobject.h"

namespace exam {
QPointer<Tckct> ckct;
}

namespace {
// The review's card stands 11 pixels higher than the question browser's.
constexpr int kRaise = 11;
} // namespace

Tckct::Tckct()
    : QuestionStepper({Frame::None, CaptionButtons::None, true, QSize(795, 576), QString()}, kRaise,
                      16,
                      {QRect(96, 538, 75, 25), QRect(200, 538, 75, 25), QRect(304, 538, 75, 25),
                       QRect(408, 538, 75, 25), QRect(512, 538, 81, 25)}),
      ado_note(new TableObject(QStringLiteral("note")))
{
    Image2 = new PictureBox(this, {-5, 0, 800, 89}, PictureBox::Fit::Stretch);
    Image2->setLayoutPicture(QStringLiteral("review_banner.jpg"));
    Image2->lower();
    Label6 = new TextLabel(this, {112, 72, 65, 17}, QStringLiteral("禾川科技"),
                           designFont(kSansSerif, 11, true));
    Label6->setBackground(syscolor::inactiveBorder());
}

Tckct::~Tckct()
{
    delete ado_note;
}

void Tckct::FormCreate()
{
    exam::ado->subject->setFiltered(false);
    exam::ado->options->setFiltered(false);
    ado_note->setConnectionString(exam::connstr);
    ado_note->open();
    // The wrong answers in the order of the paper.
    ado_note->setSort(QStringLiteral("noteId"));
    ado_note->first();
    ado_note->setFilter(QStringLiteral("isright=%1").arg(0));
    ado_note->setFiltered(true);
    ado_note->first();
    CurrentNo = 1;
    ShowQuestion();
}

int Tckct::count() const
{
    return ado_note->recordCount();
}

void Tckct::ShowQuestion()
{
    // Every answer was right: the card says so and there is nothing to step through.
    if (count() == 0) {
        showEmptySet(QStringLiteral("本次考试没有答错的题目，全部回答正确！"));
        return;
    }
    card::clearRows(rows());
    ado_note->first();
    ado_note->moveBy(CurrentNo - 1);
    const qint64 subId = ado_note->asInteger(QStringLiteral("subid"));
    TableObject &subject = *exam::ado->subject;
    card::filterBySubId(subject, subId);
    if (subject.eof())
        throw ExamError(QStringLiteral("题库中找不到试题 %1。").arg(subId));
    card::showNumberAndText(note, CurrentNo, subject.asText(QStringLiteral("subtitle")));
    const qint64 chosen = ado_note->asInteger(QStringLiteral("optionid"));
    card::showExplanation(info, subject);
    const QString picture = subject.asText(QStringLiteral("subpic"));
    showOptionsWithChoice(subId, chosen);
    // Last: a picture that cannot be shown is reported with the rest of the card in place.
    card::showPicture(pic, picture);
}

// The chosen option ends in "×", the key in "√" and red; a true/false question uses rows A
// and B only.
void Tckct::showOptionsWithChoice(qint64 subId, qint64 chosen)
{
    TableObject &options = *exam::ado->options;
    card::filterBySubId(options, subId);
    const auto labels = rows();
    for (int k = 0; k < 4 && !options.eof(); ++k, options.next()) {
        QString text = options.asText(QStringLiteral("optcontent"));
        if (options.asInteger(QStringLiteral("optid")) == chosen)
            text += QStringLiteral("×");
        const bool key = card::isKey(options);
        if (key)
            text += QStringLiteral("√");
        if (k < 2) {
            lb3->hide();
            lb4->hide();
        } else {
            labels[k]->show();
        }
        labels[k]->setCaption(text);
        labels[k]->setFontColor(key ? kRed : kBlack);
    }
}
