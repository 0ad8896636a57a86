#include "F_jtbz.h"

namespace exam {
Tjtbz *jtbz = nullptr;
}

Tjtbz::Tjtbz()
{
    setLook({Frame::Single, true, true, QSize(821, 560),
             QStringLiteral("禾川信息科技驾驶员理论模拟考试系统")});
}
