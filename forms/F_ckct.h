#pragma once

#include "../app/questionstepper.h"

#include <QPointer>
#include <array>

class TableObject;

// The wrong-answer review: the questions of the last paper not answered correctly, in paper
// order, with the chosen option marked "×" and the key "√" in red.
class Tckct : public QuestionStepper
{
    Q_OBJECT
public:
    Tckct();
    ~Tckct() override;

    PictureBox *Image2 = nullptr;
    TextLabel *Label6 = nullptr;
    TableObject *ado_note = nullptr;

    void FormCreate() override;
    void ShowQuestion() override;

protected:
    int count() const override;

private:
    void showOptionsWithChoice(qint64 subId, qint64 chosen);
};

namespace exam {
extern QPointer<Tckct> ckct;
}
