#include "F_xccx.h"

namespace exam {
Txccx *xccx = nullptr;
}

Txccx::Txccx()
{
    setLook({Frame::Sizeable, true, true, clientOfOuterSize(381, 284), QStringLiteral("选择车型")});
}
