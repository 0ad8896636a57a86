#include "F_ksqr.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../app/keys.h"
#include "F_mnks.h"

namespace exam {
QPointer<Tksqr> ksqr;
}

Tksqr::Tksqr()
{
    setLook({Frame::Single, CaptionButtons::None, true, QSize(459, 402),
             QStringLiteral("禾川信息科技理论模拟考试系统-交卷确认")});
    KeyPreview = true;
    const QFont big = designFont(kSongTi, 29);
    Shape1 = new Shape(this, {0, -1, 460, 60}, QColor(0, 128, 128), Qt::white);
    Label2 = new TextLabel(this, {96, 8, 288, 48}, QStringLiteral("考试确认窗口"),
                           designFont(kSongTi, 48), kRed);
    Shape2 = new Shape(this, {0, 60, 460, 40}, windowsColor(kGreenBand), Qt::white);
    Label1 = new TextLabel(this, {8, 68, 145, 29}, QStringLiteral("操作提示："), big);
    Shape3 = new Shape(this, {0, 101, 460, 210}, windowsColor(kGreenBand), Qt::white);
    Label4 = new TextLabel(this, {16, 112, 433, 57},
                           QStringLiteral("1：点击【确认交卷】，将提交考试成绩，结束考试！"), big);
    Label4->setWordWrap(true);
    Label5 = new TextLabel(this, {16, 184, 421, 58},
                           QStringLiteral("1：点击【继续考试】，将关闭本窗口，继续考试！"), big);
    Label5->setWordWrap(true);
    Shape4 = new Shape(this, {0, 313, 460, 90}, windowsColor(kVioletBand), Qt::white);
    const QFont button = designFont(kSongTi, 16);
    Button1 = new PushButton(this, {104, 324, 100, 38}, QStringLiteral("确认交卷"), button,
                             PushButton::Focus::NoTabStop);
    Button2 = new PushButton(this, {216, 324, 100, 38}, QStringLiteral("继续考试"), button,
                             PushButton::Focus::NoTabStop);
    Label3 = new TextLabel(this, {24, 372, 402, 16},
                           QStringLiteral("键盘操作：小键盘0键确认交卷 小键盘Del键继续考试"),
                           designFont(kSongTi, 16, true), kRed);
    onEvent(Button1, &QPushButton::clicked, this, &Tksqr::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tksqr::Button2Click);
}

void Tksqr::Button1Click()
{
    close();
    if (exam::mnks)
        exam::mnks->HandIn();
}

void Tksqr::Button2Click()
{
    close();
    if (exam::mnks)
        exam::mnks->Show();
}

void Tksqr::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == vk::Numpad0)
        Button1Click();
    else if (key == vk::Decimal)
        Button2Click();
}
