#pragma once

#include "../app/controls.h"
#include "../app/form.h"

#include <QPointer>
#include <array>

class TableObject;

// The wrong-answer review: the questions of the last paper not answered correctly, in paper
// order, with the chosen option marked "×" and the key "√" in red.
class Tckct : public TForm
{
    Q_OBJECT
public:
    Tckct();
    ~Tckct() override;

    PictureBox *Image2 = nullptr;
    TextLabel *Label6 = nullptr;
    TextLabel *note = nullptr;
    std::array<TextLabel *, 4> letters{}; // Label1 to Label4
    TextLabel *lb1 = nullptr;
    TextLabel *lb2 = nullptr;
    TextLabel *lb3 = nullptr;
    TextLabel *lb4 = nullptr;
    PictureBox *pic = nullptr;
    TextLabel *Label5 = nullptr;
    TextLabel *info = nullptr;
    PushButton *Button1 = nullptr;
    PushButton *Button2 = nullptr;
    PushButton *Button3 = nullptr;
    PushButton *Button4 = nullptr;
    PushButton *Button5 = nullptr;
    TableObject *ado_note = nullptr;

    int CurrentNo = 1;

    void FormCreate() override;
    void ShowQuestion();
    void UpdateButtons();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

private:
    void createFrames();
    void showOptionsWithChoice(int subId, qint64 chosen);
    void showNothingWrong();
    std::array<TextLabel *, 4> rows() const { return {lb1, lb2, lb3, lb4}; }
};

namespace exam {
extern QPointer<Tckct> ckct;
}
