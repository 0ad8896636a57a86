#include "F_jtbz.h"

namespace exam {
QPointer<Tjtbz> jtbz;
}

Tjtbz::Tjtbz()
    : PageWindow({Frame::Single, CaptionButtons::CloseOnly, true, QSize(821, 560),
                  QStringLiteral("禾川信息科技驾驶员理论模拟考试系统")},
                 QRect(1, 2, 816, 559), QStringLiteral("jiaojingshoushi.html"))
{
}
