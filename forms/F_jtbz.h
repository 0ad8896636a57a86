#pragma once

#include <QPointer>

#include "../app/form.h"

// The traffic-signs page.
class Tjtbz : public TForm
{
    Q_OBJECT
public:
    Tjtbz();
};

namespace exam {
extern QPointer<Tjtbz> jtbz;
}
