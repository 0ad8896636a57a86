#include "F_dtjq.h"

namespace exam {
QPointer<Tdtjq> dtjq;
}

Tdtjq::Tdtjq()
    : PageWindow({Frame::Sizeable, CaptionButtons::CloseOnly, false, clientOfOuterSize(827, 594),
                  QStringLiteral("禾川信息科技有限公司答题技巧")},
                 QRect(1, 1, 816, 559), QStringLiteral("dtjq.html"))
{
}
