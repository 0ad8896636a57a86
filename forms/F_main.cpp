#include "F_main.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../app/keys.h"
#include "../app/messagebox.h"
#include "../app/shell.h"
#include "../data/examgroups.h"
#include "F_dtjq.h"
#include "F_jtbz.h"
#include "F_jxjs.h"
#include "F_lxxc.h"
#include "F_xccx.h"
#include "F_ycst.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace exam {
QPointer<Tmain> main;
}

const QString Tmain::kContactUrl = QStringLiteral("http://www.hechuan-jiakao.example/");

Tmain::Tmain()
{
    setLook({Frame::None, CaptionButtons::None, false, QSize(792, 576), kApplicationTitle});
    KeyPreview = true;

    Image1 = new PictureBox(this, {0, 0, 800, 90});
    Image1->setLayoutPicture(QStringLiteral("main_banner.jpg"));
    Image2 = new PictureBox(this, {0, 90, 580, 460}, PictureBox::Fit::Stretch);
    Image2->setLayoutPicture(QStringLiteral("main_picture.jpg"));
    Shape1 = new Shape(this, {575, 96, 220, 481}, syscolor::highlight(),
                       syscolor::gradientActiveCaption());
    Image9 = menuButton(102, QStringLiteral("menu_study.jpg"), &Tmain::Image9Click);
    Image8 = menuButton(159, QStringLiteral("menu_exam.jpg"), &Tmain::Image8Click);
    Image7 = menuButton(216, QStringLiteral("menu_errors.jpg"), &Tmain::Image7Click);
    Image6 = menuButton(274, QStringLiteral("menu_bank.jpg"), &Tmain::Image6Click);
    Image10 = menuButton(331, QStringLiteral("menu_tips.jpg"), &Tmain::Image10Click);
    Image4 = menuButton(389, QStringLiteral("menu_signs.jpg"), &Tmain::Image4Click);
    Image5 = menuButton(446, QStringLiteral("menu_school.jpg"), &Tmain::Image5Click);
    Image3 = menuButton(504, QStringLiteral("menu_exit.jpg"), &Tmain::Image3Click);
    Shape2 = new Shape(this, {0, 550, 580, 27}, syscolor::gradientActiveCaption(),
                       syscolor::gradientActiveCaption());
    Label1 = new TextLabel(this, {165, 557, 332, 13},
                           QStringLiteral("咨询热线：400-800-6688   禾川信息科技欢迎您"));
    Label1->setFont(designFont(kSansSerif, 11, true));
    Label1->setFontColor(0xffffff);
    Label1->setBackground(syscolor::gradientActiveCaption());
    Label1->setCursor(Qt::PointingHandCursor);
    onEvent(Label1, &TextLabel::clicked, this, &Tmain::Label1Click);
}

PictureBox *Tmain::menuButton(int top, const QString &picture, void (Tmain::*click)())
{
    auto *button = new PictureBox(this, {576, top, 220, 46});
    button->setLayoutPicture(picture);
    button->setCursor(Qt::PointingHandCursor);
    onEvent(button, &PictureBox::clicked, this, click);
    return button;
}

void Tmain::Image9Click()
{
    exam::xccx->Tag = StudyRun;
    exam::xccx->Show();
}

void Tmain::Image8Click()
{
    exam::xccx->Tag = MockExam;
    exam::xccx->Show();
}

void Tmain::Image7Click()
{
    createForm(exam::ycst)->Show();
}

void Tmain::Image6Click()
{
    createForm(exam::lxxc)->Show();
}

void Tmain::Image10Click()
{
    exam::dtjq->Show();
}

void Tmain::Image4Click()
{
    exam::jtbz->Show();
}

void Tmain::Image5Click()
{
    exam::jxjs->Show();
}

void Tmain::Image3Click()
{
    const auto answer =
        msgbox::show({QStringLiteral("提示"), QStringLiteral("你确定要退出本程序吗?"),
                      msgbox::Icon::Question, msgbox::Buttons::YesNo});
    if (answer == msgbox::Answer::Yes)
        close();
}

void Tmain::Label1Click()
{
    shell::openUrl(QUrl(kContactUrl));
}

void Tmain::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == vk::Multiply)
        Image8Click();
}

// The main window is the program: closing it ends the run.
void Tmain::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}
