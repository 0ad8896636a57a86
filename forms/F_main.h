#pragma once

#include <QPointer>

#include "../app/controls.h"
#include "../app/form.h"

// The main menu: a borderless picture screen with a column of eight picture buttons, from
// which every function is opened and the program is ended.
class Tmain : public TForm
{
    Q_OBJECT
public:
    Tmain();

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    Shape *Shape1 = nullptr;
    PictureBox *Image9 = nullptr;
    PictureBox *Image8 = nullptr;
    PictureBox *Image7 = nullptr;
    PictureBox *Image6 = nullptr;
    PictureBox *Image10 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image5 = nullptr;
    PictureBox *Image3 = nullptr;
    Shape *Shape2 = nullptr;
    TextLabel *Label1 = nullptr;

    void Image9Click();
    void Image8Click();
    void Image7Click();
    void Image6Click();
    void Image10Click();
    void Image4Click();
    void Image5Click();
    void Image3Click();
    void Label1Click();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;

    static const QString kContactUrl;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    PictureBox *menuButton(int top, const QString &picture, void (Tmain::*click)());
};

namespace exam {
extern QPointer<Tmain> main;
}
