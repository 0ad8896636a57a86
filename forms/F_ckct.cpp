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
constexpr int kRed = 255;
constexpr int kBlack = 0;
// The review's card stands 11 pixels higher than the question browser's.
constexpr int kRaise = 11;
} // namespace

Tckct::Tckct() : ado_note(new TableObject(QStringLiteral("note")))
{
    setLook({Frame::None, CaptionButtons::None, true, QSize(795, 576), QString()});
    Image2 = new PictureBox(this, {-5, 0, 800, 89}, PictureBox::Fit::Stretch);
    Image2->setPicture(layoutPicture(QStringLiteral("review_banner.jpg")));
    Label6 = new TextLabel(this, {112, 72, 65, 17}, QStringLiteral("禾川科技"),
                           designFont(kSansSerif, 11, true));
    Label6->setBackground(syscolor::inactiveBorder());

    const CardLayout card = createCardLayout(this, kRaise, 16);
    note = card.note;
    letters = card.letters;
    lb1 = card.lb[0];
    lb2 = card.lb[1];
    lb3 = card.lb[2];
    lb4 = card.lb[3];
    pic = card.pic;
    Label5 = card.Label5;
    info = card.info;

    const auto buttons = createNavigationButtons(
        this, {QRect(96, 538, 75, 25), QRect(200, 538, 75, 25), QRect(304, 538, 75, 25),
               QRect(408, 538, 75, 25), QRect(512, 538, 81, 25)});
    Button1 = buttons[0];
    Button2 = buttons[1];
    Button3 = buttons[2];
    Button4 = buttons[3];
    Button5 = buttons[4];
    onEvent(Button1, &QPushButton::clicked, this, &Tckct::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tckct::Button2Click);
    onEvent(Button3, &QPushButton::clicked, this, &Tckct::Button3Click);
    onEvent(Button4, &QPushButton::clicked, this, &Tckct::Button4Click);
    onEvent(Button5, &QPushButton::clicked, this, &Tckct::Button5Click);
    Button1->setFocus();
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

void Tckct::ShowQuestion()
{
    if (ado_note->recordCount() == 0) {
        showNothingWrong();
        return;
    }
    ado_note->first();
    ado_note->moveBy(CurrentNo - 1);
    const int subId = int(ado_note->asInteger(QStringLiteral("subid")));
    TableObject &subject = *exam::ado->subject;
    card::filterBySubId(subject, subId);
    if (subject.eof())
        throw ExamError(QStringLiteral("题库中找不到试题 %1。").arg(subId));
    card::showNumberAndText(note, CurrentNo, subject.asText(QStringLiteral("subtitle")));
    const qint64 chosen = ado_note->asInteger(QStringLiteral("optionid"));
    card::showExplanation(info, subject);
    card::showPicture(pic, subject.asText(QStringLiteral("subpic")));
    showOptionsWithChoice(subId, chosen);
}

// The chosen option ends in "×", the key in "√" and red; a true/false question uses rows A
// and B only.
void Tckct::showOptionsWithChoice(int subId, qint64 chosen)
{
    TableObject &options = *exam::ado->options;
    card::filterBySubId(options, subId);
    const auto labels = rows();
    for (int k = 0; k < 4 && !options.eof(); ++k, options.next()) {
        QString text = options.asText(QStringLiteral("optcontent"));
        if (options.asInteger(QStringLiteral("optid")) == chosen)
            text += QStringLiteral("×");
        const bool key = options.asInteger(QStringLiteral("iskey")) == 1;
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

// Every answer was right: the card says so and there is nothing to step through.
void Tckct::showNothingWrong()
{
    note->setCaption(QStringLiteral("本次考试没有答错的题目，全部回答正确！"));
    info->setCaption(QString());
    pic->hide();
    for (TextLabel *row : rows())
        row->setCaption(QString());
    for (PushButton *button : {Button1, Button2, Button3, Button4})
        button->setEnabled(false);
}

void Tckct::UpdateButtons()
{
    const auto s = navigation::states(CurrentNo, ado_note->recordCount());
    Button3->setEnabled(s.next);
    Button4->setEnabled(s.last);
    Button2->setEnabled(s.prior);
    Button1->setEnabled(s.first);
}

void Tckct::Button1Click()
{
    CurrentNo = navigation::move(navigation::Button::First, CurrentNo, ado_note->recordCount());
    UpdateButtons();
    ShowQuestion();
}

void Tckct::Button2Click()
{
    CurrentNo = navigation::move(navigation::Button::Prior, CurrentNo, ado_note->recordCount());
    UpdateButtons();
    ShowQuestion();
}

void Tckct::Button3Click()
{
    CurrentNo = navigation::move(navigation::Button::Next, CurrentNo, ado_note->recordCount());
    UpdateButtons();
    ShowQuestion();
}

void Tckct::Button4Click()
{
    CurrentNo = navigation::move(navigation::Button::Last, CurrentNo, ado_note->recordCount());
    UpdateButtons();
    ShowQuestion();
}

void Tckct::Button5Click()
{
    close();
}
