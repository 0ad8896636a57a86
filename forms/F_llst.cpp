#include "F_llst.h"

#include "../app/application.h"
#include "../data/F_ado.h"
#include "../data/tableobject.h"
#include "F_lxxc.h"

namespace exam {
QPointer<Tllst> llst;
}

Tllst::Tllst() : QuestionBrowser(0)
{
    noteinfo = new TextLabel(this, {24, 64, 60, 14}, QStringLiteral("浏览试题"),
                             designFont(kSongTi, 14, true));
    noteinfo->setBackground(Qt::white);
}

void Tllst::FormCreate()
{
    noteinfo->setCaption(QStringLiteral("试题类型：") + exam::lxxc->rgp->selectedText());
    noteinfo->adjustSize();
    TableObject &subject = *exam::ado->subject;
    subject.setFiltered(false);
    subject.setFilter(QStringLiteral("sortId=%1").arg(exam::lxxc->Tag));
    subject.setFiltered(true);
    subject.setSort(QStringLiteral("sortId"));
    CurrentNo = 1;
    ShowQuestion();
}

QString Tllst::emptySetText() const
{
    return QStringLiteral("本类试题暂无题目。");
}
