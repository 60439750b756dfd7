// Whether the window has a display to open on, decided before the toolkit starts and aborts without one.
#pragma once

#include <string>

namespace pairfinder {

// What the program's environment says about its display: QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY,
// each null or empty when unset.
struct DisplayEnvironment {
    const char* Platform = nullptr;
    const char* X11Display = nullptr;
    const char* WaylandDisplay = nullptr;
};

// Why there is no display to open the window on, as one line for the player; empty when there may be one.
// Only the X11 and Wayland connections need a display; a platform such as offscreen does not.
std::string MissingDisplayReason(const DisplayEnvironment& environment);

// The same for the environment this process was started with; always empty on Windows and macOS.
std::string MissingDisplayReason();

}  // namespace pairfinder
