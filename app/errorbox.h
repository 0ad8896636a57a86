#pragma once

#include <QObject>
#include <QString>
#include <utility>

extern const QString kApplicationTitle;

// The application's error box: the error's text, the application title, a stop icon.
void showError(const QString &text);

// Runs one handler; an error it raises ends it and is shown once in the error box.
void runGuarded(void (*call)(void *), void *context);

template <class F> void guarded(F &&handler)
{
    runGuarded([](void *f) { (*static_cast<F *>(f))(); }, &handler);
}

// Connects a signal to a window's handler, run through the error box.
template <class Sender, class Signal, class Receiver>
void onEvent(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(sender, signal, receiver,
                     [receiver, handler] { guarded([&] { (receiver->*handler)(); }); });
}
