// What the operating system says about how the program was started: its show state and its program file.
#pragma once

#include <string>

namespace pairfinder {

enum class StartShowState { Normal, Maximised, Minimised };

// Windows' show commands: SW_SHOWMAXIMIZED (3) starts the window maximised, SW_SHOWMINNOACTIVE (7)
// minimised to the task bar, every other command normally.
StartShowState ShowStateFor(int showCommand);

// The show command the process was started with, or -1 where the platform passes none.
int StartupShowCommand();

// The program file's path as the title is read from it, in UTF-8; empty where the platform has no
// such rule, and the caller then asks the toolkit.
std::string ProgramFilePath();

// True where the window system takes the program's icon from the program file itself (Windows, from its
// resources); elsewhere the program hands the icon to each window.
bool ProgramFileCarriesIcon();

// The Qt platform and its options the program starts with unless QT_QPA_PLATFORM names one; empty for Qt's
// own choice. On Windows text is drawn through FreeType, as on Linux: Qt's GDI font engine leaves out
// one-pixel-wide glyphs such as "I" under Wine, and FreeType draws the same everywhere.
std::string DefaultQtPlatform();

}  // namespace pairfinder
