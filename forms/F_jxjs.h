#pragma once

#include <QPointer>

#include "../app/form.h"

// The driving-school page.
class Tjxjs : public TForm
{
    Q_OBJECT
public:
    Tjxjs();
};

namespace exam {
extern QPointer<Tjxjs> jxjs;
}
