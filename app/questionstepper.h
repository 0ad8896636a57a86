#pragma once

#include "../data/navigation.h"
#include "cardlayout.h"
#include "form.h"

#include <array>

// A window that steps through a set of questions one card at a time with "第一题", "上一题",
// "下一题", "最末题" and leaves by "返回主窗口": the question browsers and the review. The
// set and how a question is shown belong to each window.
class QuestionStepper : public TForm
{
    Q_OBJECT
public:
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

    int CurrentNo = 1;

    virtual void ShowQuestion() = 0;
    void UpdateButtons();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

protected:
    // The card `raise` pixels higher than the question browser's, the explanation in
    // `infoPixelSize`-pixel type, the five buttons at `buttons`.
    QuestionStepper(const Look &look, int raise, int infoPixelSize,
                    const std::array<QRect, 5> &buttons);

    // The number of questions in the set.
    virtual int count() const = 0;
    // An empty set: the card says `text` and there is nothing to step through.
    void showEmptySet(const QString &text);

    std::array<TextLabel *, 4> rows() const { return {lb1, lb2, lb3, lb4}; }

private:
    void step(navigation::Button button);
};
