#pragma once

#include <QPointer>

#include "../app/form.h"

// The answering-tips page.
class Tdtjq : public TForm
{
    Q_OBJECT
public:
    Tdtjq();
};

namespace exam {
extern QPointer<Tdtjq> dtjq;
}
