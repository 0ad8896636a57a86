#include "F_ycst.h"

#include "../app/application.h"
#include "../data/F_ado.h"
#include "../data/tableobject.h"

namespace exam {
QPointer<Tycst> ycst;
}

namespace {
// Every control below the banner stands 8 pixels higher than in the question browser.
constexpr int kRaise = 8;
constexpr int kMostMissed = 200;
} // namespace

Tycst::Tycst() : QuestionBrowser(kRaise)
{
    Label6 = new TextLabel(this, {32, 64, 130, 16}, QStringLiteral("易错试题(200题)"),
                           designFont(kSongTi, 16, true));
    Label6->setBackground(syscolor::menuBar());
}

void Tycst::FormCreate()
{
    TableObject &subject = *exam::ado->subject;
    subject.setFiltered(false);
    subject.setSort(QStringLiteral("errorTimes DESC"));
    subject.first();
    if (!subject.eof()) {
        subject.moveBy(kMostMissed - 1);
        const qint64 threshold = subject.asInteger(QStringLiteral("errorTimes"));
        subject.setFilter(QStringLiteral("errorTimes>=%1").arg(threshold));
        subject.setFiltered(true);
    }
    CurrentNo = 1;
    ShowQuestion();
}

QString Tycst::emptySetText() const
{
    return QStringLiteral("题库中暂无试题。");
}
