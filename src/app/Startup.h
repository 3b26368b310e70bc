#pragma once
// Start-up in its fixed order: main window, data module (which connects), then the event loop.
#include <QString>

namespace app {

// Runs the program with config.ini read from `programDir`. When the connection fails the
// database error is shown and the function returns 1 before the main window is shown.
// `runLoop` false returns right after showing (tests).
int run(const QString &programDir, bool runLoop = true);

} // namespace app
