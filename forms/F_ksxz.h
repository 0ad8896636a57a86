#pragma once

#include <QPointer>

#include "../app/controls.h"
#include "../app/form.h"

#include <array>

class TableObject;

// The exam-notice screen: the rules of the examination room; its "确定" draws a new paper
// into the answer sheet and opens the exam window.
class Tksxz : public TForm
{
    Q_OBJECT
public:
    Tksxz();
    ~Tksxz() override;

    PictureBox *Image1 = nullptr;
    Shape *Shape1 = nullptr;
    Shape *Shape2 = nullptr;
    TextLabel *Label1 = nullptr;
    std::array<TextLabel *, 8> rules{}; // Label2 to Label9
    TextLabel *Label10 = nullptr;
    TextLabel *Label11 = nullptr;
    TextLabel *Label12 = nullptr;
    TextLabel *Label13 = nullptr;
    TextLabel *Label14 = nullptr;
    PushButton *BitBtn1 = nullptr;
    TableObject *ADO_note = nullptr;

    void FormCreate() override;
    void BitBtn1Click();
    void DrawQuestions(int count, int sortId, int typeId);
};

namespace exam {
extern QPointer<Tksxz> ksxz;
}
