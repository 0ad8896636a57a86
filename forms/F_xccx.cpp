#include "F_xccx.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../app/keys.h"
#include "../data/examgroups.h"
#include "F_ksxz.h"

#include <QComboBox>

namespace exam {
QPointer<Txccx> xccx;
}

Txccx::Txccx()
{
    setLook({Frame::Sizeable, CaptionButtons::CloseOnly, true, clientOfOuterSize(381, 284),
             QStringLiteral("选择车型")});
    KeyPreview = true;

    Label1 = new TextLabel(this, {72, 24, 185, 25}, QStringLiteral("请选择您所学的车型"),
                           designFont(kSongTi, 19));
    Label2 = new TextLabel(this, {24, 64, 95, 19}, QStringLiteral("所有车型："),
                           designFont(kSongTi, 19));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(128, 64, 161, 22);
    ComboBox1->setFont(designFont(kSongTi, 14));
    for (int g = 0; g < vehicleclass::kGroups; ++g)
        ComboBox1->addItem(vehicleclass::groupName(g));
    ComboBox1->setCurrentIndex(0);
    const QFont buttonFont = font();
    Button1 = new PushButton(this, {88, 112, 80, 32}, QStringLiteral("确定"), buttonFont,
                             PushButton::Focus::NoTabStop);
    Button2 = new PushButton(this, {192, 112, 80, 32}, QStringLiteral("取消"), buttonFont,
                             PushButton::Focus::NoTabStop);
    Label3 = new TextLabel(this, {48, 168, 162, 16}, QStringLiteral("小键盘+切换所学车型"),
                           designFont(kSongTi, 16, true));
    Label4 =
        new TextLabel(this, {48, 192, 269, 16}, QStringLiteral("小键盘Enter确定 小键盘 DEL 取消"),
                      designFont(kSongTi, 16, true));
    onEvent(Button1, &QPushButton::clicked, this, &Txccx::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Txccx::Button2Click);
    ComboBox1->setFocus();
}

void Txccx::Button1Click()
{
    close();
    createForm(exam::ksxz);
    exam::ksxz->Tag = Tag;
    exam::ksxz->Show();
}

void Txccx::Button2Click()
{
    Button1->setFocus();
    close();
}

void Txccx::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case vk::Add:
        ComboBox1->setCurrentIndex((ComboBox1->currentIndex() + 1) % ComboBox1->count());
        break;
    case vk::Return:
        Button1Click();
        break;
    case vk::Decimal:
        Button2Click();
        break;
    default:
        break;
    }
}
