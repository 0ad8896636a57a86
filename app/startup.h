#pragma once

class Application;

// Start-up in its fixed order: the main menu, the traffic-signs and driving-school pages, the
// vehicle-class chooser, the data module with the question bank, the answering-tips page.
// An error in one creation is shown in the error box and start-up goes on.
void createWindowSet();

// Shows the main menu and runs the message loop until it is closed.
int runMessageLoop(Application &app);

// The end of the run: every window and the data module are destroyed, the connection string
// is cleared.
void destroyWindowSet();
