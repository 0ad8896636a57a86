#include "F_jtbz.h"

namespace exam {
QPointer<Tjtbz> jtbz;
}

Tjtbz::Tjtbz()
{
    setLook({Frame::Single, CaptionButtons::CloseOnly, true, QSize(821, 560),
             QStringLiteral("禾川信息科技驾驶员理论模拟考试系统")});
}
