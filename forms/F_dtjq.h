#pragma once

#include "../app/pagewindow.h"

#include <QPointer>

// The answering-tips page.
class Tdtjq : public PageWindow
{
    Q_OBJECT
public:
    Tdtjq();
};

namespace exam {
extern QPointer<Tdtjq> dtjq;
}
