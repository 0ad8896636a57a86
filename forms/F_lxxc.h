#pragma once

#include "../app/controls.h"
#include "../app/form.h"

#include <QPointer>
#include <QVector>

class QComboBox;

// The practice chooser: a vehicle-class group, then one of its categories to browse.
class Tlxxc : public TForm
{
    Q_OBJECT
public:
    Tlxxc();

    PictureBox *Image1 = nullptr;
    TextLabel *Label6 = nullptr;
    TextLabel *Label1 = nullptr;
    QComboBox *cbx = nullptr;
    RadioGroup *rgp = nullptr;
    PushButton *Button1 = nullptr;
    PushButton *Button2 = nullptr;
    // The category id of each entry of rgp, in the same order.
    QVector<qint64> SortIds;

    void FormCreate() override;
    void LoadCategories();
    void Button1Click();
    void Button2Click();
};

namespace exam {
extern QPointer<Tlxxc> lxxc;
}
