#pragma once

#include "../app/form.h"

// The driving-school page.
class Tjxjs : public TForm
{
    Q_OBJECT
public:
    Tjxjs();
};

namespace exam {
extern Tjxjs *jxjs;
}
