#pragma once

#include "../app/form.h"

// The vehicle-class chooser; created once at start-up, so its group and Tag persist.
class Txccx : public TForm
{
    Q_OBJECT
public:
    Txccx();
};

namespace exam {
extern Txccx *xccx;
}
