// SIGINT and SIGTERM close the window as Exit does: the exchange under way is
// cut off, its port closed, and what that leaves in the servo is said.
#pragma once

class QWidget;

namespace tessaro::app {

// From now on a SIGINT or SIGTERM closes window; a second one ends the program at once.
void closeOnSignals(QWidget &window);
// The signal that closed the window; 0 when none did.
int closingSignal();

} // namespace tessaro::app
