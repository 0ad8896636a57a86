#include "application.h"
#include "startup.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    createWindowSet(showMainWindowEarly);
    const int code = runMessageLoop(app);
    destroyWindowSet();
    return code;
}
