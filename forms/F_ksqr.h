#pragma once

#include "../app/controls.h"
#include "../app/form.h"

#include <QPointer>

// The submission dialog: "确认交卷" hands the paper in, "继续考试" goes back to the exam.
class Tksqr : public TForm
{
    Q_OBJECT
public:
    Tksqr();

    Shape *Shape1 = nullptr;
    TextLabel *Label2 = nullptr;
    Shape *Shape2 = nullptr;
    TextLabel *Label1 = nullptr;
    Shape *Shape3 = nullptr;
    TextLabel *Label4 = nullptr;
    TextLabel *Label5 = nullptr;
    Shape *Shape4 = nullptr;
    PushButton *Button1 = nullptr;
    PushButton *Button2 = nullptr;
    TextLabel *Label3 = nullptr;

    void Button1Click();
    void Button2Click();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;
};

namespace exam {
extern QPointer<Tksqr> ksqr;
}
