#pragma once

#include <functional>

class Application;

// Start-up in its fixed order: the main menu, the traffic-signs and driving-school pages, the
// vehicle-class chooser, the data module with the question bank, the answering-tips page.
// An error in one creation is shown in the error box and start-up goes on. `mainCreated`
// runs as soon as the main menu exists.
void createWindowSet(const std::function<void()> &mainCreated = {});

// The main menu on the screen at once, drawn, while the rest of the window set is created;
// the learner's input waits until start-up is done.
void showMainWindowEarly();

// Shows the main menu and runs the message loop until it is closed.
int runMessageLoop(Application &app);

// The end of the run: every window and the data module are destroyed, the connection string
// is cleared.
void destroyWindowSet();
