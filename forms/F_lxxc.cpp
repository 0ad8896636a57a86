#include "F_lxxc.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../data/F_ado.h"
#include "../data/examgroups.h"
#include "../data/paper.h"
#include "../data/tableobject.h"
#include "F_llst.h"

#include <QComboBox>
#include <QScopeGuard>

namespace exam {
QPointer<Tlxxc> lxxc;
}

Tlxxc::Tlxxc()
{
    setLook({Frame::None, CaptionButtons::None, true, QSize(798, 586),
             QStringLiteral("禾川信息科技有限公司")});
    Image1 = new PictureBox(this, {0, 0, 801, 89}, PictureBox::Fit::Stretch);
    Image1->setLayoutPicture(QStringLiteral("browser_banner.jpg"));
    Label6 = new TextLabel(this, {32, 64, 68, 16}, QStringLiteral("浏览试题"),
                           designFont(kSongTi, 16, true));
    Label6->setBackground(syscolor::menuBar());
    Label1 = new TextLabel(this, {24, 112, 84, 13}, QStringLiteral("选择考试车型："));
    cbx = new QComboBox(this);
    cbx->setGeometry(128, 104, 161, 22);
    cbx->setFont(designFont(kSongTi, 14));
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        cbx->addItem(vehicleclass::groupName(g));
    rgp = new RadioGroup(this, {24, 144, 745, 393}, QStringLiteral("请选择题目类型："));
    rgp->setFont(designFont(kSongTi, 13));
    QPalette blue = rgp->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    rgp->setPalette(blue);
    Button1 = new PushButton(this, {296, 545, 80, 25}, QStringLiteral("浏览题库"), font());
    Button2 = new PushButton(this, {403, 545, 80, 25}, QStringLiteral("返回主界面"), font());
    setTabOrder(cbx, rgp);
    setTabOrder(rgp, Button1);
    setTabOrder(Button1, Button2);
    // Every choice of a group rebuilds the list, the group already shown included.
    onEvent(cbx, &QComboBox::activated, this, &Tlxxc::LoadCategories);
    onEvent(Button1, &QPushButton::clicked, this, &Tlxxc::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tlxxc::Button2Click);
    cbx->setFocus();
}

void Tlxxc::FormCreate()
{
    LoadCategories();
}

// The categories of the chosen group, in ascending id, each with all its questions counted.
void Tlxxc::LoadCategories()
{
    TableObject &sort = *exam::ado->sort;
    TableObject &subject = *exam::ado->subject;
    sort.setFiltered(false);
    sort.first();
    rgp->setItems({});
    SortIds.clear();
    QStringList entries;
    const QString column = paper::countColumn(cbx->currentIndex());
    // The entries listed so far are shown also when a later row fails; only a whole list
    // gets its first entry selected.
    bool whole = false;
    const auto show = qScopeGuard([&] {
        rgp->setItems(entries);
        if (whole)
            rgp->setItemIndex(0);
    });
    for (; !sort.eof(); sort.next()) {
        if (sort.asInteger(column) <= 0)
            continue;
        const qint64 sortId = sort.asInteger(QStringLiteral("sortId"));
        subject.setFiltered(false);
        subject.setFilter(QStringLiteral("sortID=%1").arg(sortId));
        subject.setFiltered(true);
        entries.append(QStringLiteral("%1 (%2 题)")
                           .arg(sort.asText(QStringLiteral("sortname")))
                           .arg(subject.recordCount()));
        SortIds.append(sortId);
    }
    whole = true;
}

void Tlxxc::Button1Click()
{
    const int index = rgp->itemIndex();
    if (index < 0 || index >= SortIds.size())
        return;
    Tag = SortIds.at(index);
    createForm(exam::llst)->Show();
}

void Tlxxc::Button2Click()
{
    close();
}
