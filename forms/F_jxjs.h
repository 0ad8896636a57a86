#pragma once

#include "../app/pagewindow.h"

#include <QPointer>

// The driving-school page.
class Tjxjs : public PageWindow
{
    Q_OBJECT
public:
    Tjxjs();
};

namespace exam {
extern QPointer<Tjxjs> jxjs;
}
