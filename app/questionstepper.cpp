#include "questionstepper.h"

#include "errorbox.h"

QuestionStepper::QuestionStepper(const Look &look, int raise, int infoPixelSize,
                                 const std::array<QRect, 5> &buttons)
{
    setLook(look);
    const CardLayout card = createCardLayout(this, raise, infoPixelSize);
    note = card.note;
    letters = card.letters;
    lb1 = card.lb[0];
    lb2 = card.lb[1];
    lb3 = card.lb[2];
    lb4 = card.lb[3];
    pic = card.pic;
    Label5 = card.Label5;
    info = card.info;
    const auto created = createNavigationButtons(this, buttons);
    Button1 = created[0];
    Button2 = created[1];
    Button3 = created[2];
    Button4 = created[3];
    Button5 = created[4];
    onEvent(Button1, &QPushButton::clicked, this, &QuestionStepper::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &QuestionStepper::Button2Click);
    onEvent(Button3, &QPushButton::clicked, this, &QuestionStepper::Button3Click);
    onEvent(Button4, &QPushButton::clicked, this, &QuestionStepper::Button4Click);
    onEvent(Button5, &QPushButton::clicked, this, &QuestionStepper::Button5Click);
    Button1->setFocus();
}

void QuestionStepper::showEmptySet(const QString &text)
{
    note->setCaption(text);
    info->setCaption(QString());
    pic->hide();
    for (TextLabel *row : rows())
        row->setCaption(QString());
    for (PushButton *button : {Button1, Button2, Button3, Button4})
        button->setEnabled(false);
}

void QuestionStepper::UpdateButtons()
{
    const auto s = navigation::states(CurrentNo, count());
    Button3->setEnabled(s.next);
    Button4->setEnabled(s.last);
    Button2->setEnabled(s.prior);
    Button1->setEnabled(s.first);
}

// Every navigation press updates the buttons and shows the question again, moved or not.
void QuestionStepper::step(navigation::Button button)
{
    CurrentNo = navigation::move(button, CurrentNo, count());
    UpdateButtons();
    ShowQuestion();
}

void QuestionStepper::Button1Click()
{
    step(navigation::Button::First);
}

void QuestionStepper::Button2Click()
{
    step(navigation::Button::Prior);
}

void QuestionStepper::Button3Click()
{
    step(navigation::Button::Next);
}

void QuestionStepper::Button4Click()
{
    step(navigation::Button::Last);
}

void QuestionStepper::Button5Click()
{
    close();
}
