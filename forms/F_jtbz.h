#pragma once

#include "../app/pagewindow.h"

#include <QPointer>

// The traffic-signs and police-signals page.
class Tjtbz : public PageWindow
{
    Q_OBJECT
public:
    Tjtbz();
};

namespace exam {
extern QPointer<Tjtbz> jtbz;
}
