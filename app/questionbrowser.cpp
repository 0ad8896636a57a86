#include "questionbrowser.h"

#include "../data/F_ado.h"
#include "../data/questioncard.h"
#include "../data/tableobject.h"
#include "application.h"

namespace {
QRect buttonAt(int left, int top)
{
    return QRect(left, top, 80, 25);
}
} // namespace

QuestionBrowser::QuestionBrowser(int raise)
    : QuestionStepper({Frame::None, CaptionButtons::None, true, QSize(795, 585),
                       QStringLiteral("禾川信息科技有限公司")},
                      raise, 14,
                      {buttonAt(152, 544 - raise), buttonAt(254, 544 - raise),
                       buttonAt(356, 544 - raise), buttonAt(458, 544 - raise),
                       buttonAt(560, 544 - raise)})
{
    setFont(designFont(kSansSerif, 11));
    Image1 = new PictureBox(this, {0, 0, 793, 89});
    Image1->setLayoutPicture(QStringLiteral("browser_banner.jpg"));
    Image1->lower();
}

int QuestionBrowser::count() const
{
    return exam::ado->subject->recordCount();
}

void QuestionBrowser::ShowQuestion()
{
    if (count() == 0) {
        showEmptySet(emptySetText());
        return;
    }
    card::showQuestion({note, pic, {lb1, lb2, lb3, lb4}, info}, *exam::ado->subject,
                       *exam::ado->options, CurrentNo);
}
