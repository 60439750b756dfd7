// The application frame: the error display and the run of the one main window.
#pragma once

#include <string>

namespace pairfinder {

// Shows the message in a critical message box with one OK button, modal for the whole program.
void ShowErrorBox(const std::string& message);

// Creates the application and Form1, runs the event loop until the window closes, and returns the
// process's exit code, which is always 0.
int RunApplication(int& argc, char** argv);

}  // namespace pairfinder
