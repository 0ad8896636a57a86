#pragma once

#include <QPointer>

#include "../app/controls.h"
#include "../app/form.h"

class QComboBox;

// The vehicle-class chooser; created once at start-up, so its group and Tag persist.
class Txccx : public TForm
{
    Q_OBJECT
public:
    Txccx();

    TextLabel *Label1 = nullptr;
    TextLabel *Label2 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    PushButton *Button1 = nullptr;
    PushButton *Button2 = nullptr;
    TextLabel *Label3 = nullptr;
    TextLabel *Label4 = nullptr;

    void Button1Click();
    void Button2Click();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;
};

namespace exam {
extern QPointer<Txccx> xccx;
}
