#include "startup.h"

#include "../data/F_ado.h"
#include "../data/connection.h"
#include "../forms/F_dtjq.h"
#include "../forms/F_jtbz.h"
#include "../forms/F_jxjs.h"
#include "../forms/F_main.h"
#include "../forms/F_xccx.h"
#include "application.h"
#include "errorbox.h"

void createWindowSet(const std::function<void()> &mainCreated)
{
    createForm(exam::main);
    if (mainCreated)
        mainCreated();
    addProgramFonts();
    createForm(exam::jtbz);
    createForm(exam::jxjs);
    createForm(exam::xccx);
    exam::ado = new Tado();
    adoptWindow(exam::ado);
    guarded([] { exam::ado->DataModuleCreate(); });
    // A bank that opened but cannot be written is reported now, not at the first answer.
    if (exam::ado->subject->isOpen())
        guarded([] { requireWritableBank(exam::connstr); });
    createForm(exam::dtjq);
}

void showMainWindowEarly()
{
    exam::main->Show();
    // After the window is on its way to the screen: loading the font database takes a while.
    addProgramFonts();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int runMessageLoop(Application &app)
{
    exam::main->Show();
    return app.exec();
}

void destroyWindowSet()
{
    destroyAdoptedWindows();
    exam::connstr.clear();
}
