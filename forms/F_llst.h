#pragma once

#include "../app/questionbrowser.h"

#include <QPointer>

// The question browser: the questions of the category chosen in the practice chooser.
class Tllst : public QuestionBrowser
{
    Q_OBJECT
public:
    Tllst();

    TextLabel *noteinfo = nullptr;

    void FormCreate() override;

protected:
    QString emptySetText() const override;
};

namespace exam {
extern QPointer<Tllst> llst;
}
