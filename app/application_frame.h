// The application frame: the error display and the run of the one main window.
#pragma once

#include <string>

namespace pairfinder {

// Shows the message in a critical message box with one OK button, modal for the whole program.
void ShowErrorBox(const std::string& message);

// Names the installed desktop entry as the running application's, so that the window and its launcher meet.
void SetApplicationIdentity();

// Creates the application and Form1, runs the event loop until the window closes, and returns the
// process's exit code: 0, or 1 when there is no display to open the window on.
int RunApplication(int& argc, char** argv);

}  // namespace pairfinder
