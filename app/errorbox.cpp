#include "errorbox.h"

#include "../data/errors.h"
#include "messagebox.h"

#include <QDebug>
#include <exception>

const QString kApplicationTitle = QStringLiteral("驾驶员理论考试系统");

void showError(const QString &text)
{
    // Also on standard error, so a run without a screen leaves a trace.
    qWarning().noquote() << kApplicationTitle + QStringLiteral("：") + text;
    msgbox::show({kApplicationTitle, text, msgbox::Icon::Stop, msgbox::Buttons::Ok});
}

void runGuarded(void (*call)(void *), void *context)
{
    try {
        call(context);
    } catch (const ExamError &e) {
        showError(e.message());
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
}
