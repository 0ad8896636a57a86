#pragma once

#include "../app/controls.h"
#include "../app/form.h"

#include <QPointer>

class Tksxz;
class Tmnks;

// The result dialog: scores the paper of the exam window, judges it against the pass mark,
// and ends the exam when the learner leaves it.
class Txxts : public TForm
{
    Q_OBJECT
public:
    Txxts();

    Shape *Shape1 = nullptr;
    TextLabel *Label2 = nullptr;
    Shape *Shape2 = nullptr;
    TextLabel *Label3 = nullptr;
    Shape *Shape3 = nullptr;
    TextLabel *lb_tsxx = nullptr;
    TextLabel *lbksfs = nullptr;
    TextLabel *lb_ksjg = nullptr;
    Shape *Shape4 = nullptr;
    Shape *Shape5 = nullptr;
    PushButton *Button1 = nullptr;
    PushButton *Button2 = nullptr;
    TextLabel *Label1 = nullptr;

    void FormCreate() override;
    void Button1Click();
    void Button2Click();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;

private:
    void endExam();

    // The exam this dialog scored: a later exam's windows are never touched from here.
    QPointer<Tmnks> m_exam;
    QPointer<Tksxz> m_notice;
};

namespace exam {
extern QPointer<Txxts> xxts;
}
