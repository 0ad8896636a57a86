#pragma once

#include "questionstepper.h"

// The question browsers: a set of the shared `subject` table shown with the question card,
// the key marked and the explanation beside it. Each opens its own set.
class QuestionBrowser : public QuestionStepper
{
    Q_OBJECT
public:
    PictureBox *Image1 = nullptr;

    void ShowQuestion() override;

protected:
    // The browser's layout, every control below the banner `raise` pixels higher.
    explicit QuestionBrowser(int raise);

    int count() const override;
    // Shown instead of a card when the set holds no question.
    virtual QString emptySetText() const = 0;
};
