#pragma once

#include "../app/questionbrowser.h"

#include <QPointer>

// The frequently-missed questions: the 200 most-missed of the bank, with every question that
// ties with the 200th, most-missed first.
class Tycst : public QuestionBrowser
{
    Q_OBJECT
public:
    Tycst();

    TextLabel *Label6 = nullptr;

    void FormCreate() override;

protected:
    QString emptySetText() const override;
};

namespace exam {
extern QPointer<Tycst> ycst;
}
