#include "F_jxjs.h"

namespace exam {
QPointer<Tjxjs> jxjs;
}

Tjxjs::Tjxjs()
    : PageWindow({Frame::Sizeable, CaptionButtons::Usual, true, clientOfOuterSize(837, 590),
                  QStringLiteral("禾川信息科技驾驶员理论模拟考试系统")},
                 QRect(0, 0, 825, 545), QStringLiteral("zhanshi.html"))
{
}
