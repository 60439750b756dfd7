// Whether the window has a display to open on, decided before the toolkit starts and aborts without one.
#include "display_check.h"

#include <cstdlib>
#include <string_view>

namespace pairfinder {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// A platform name may carry options after a colon ("xcb:nomitshm"), and a list of names is tried in order.
bool NeedsWindowSystem(std::string_view platformList) {
    while (!platformList.empty()) {
        const std::size_t end = platformList.find(';');
        std::string_view name = platformList.substr(0, end);
        name = name.substr(0, name.find(':'));
        if (name != "xcb" && !name.starts_with("wayland")) return false;
        if (end == std::string_view::npos) break;
        platformList.remove_prefix(end + 1);
    }
    return true;
}

}  // namespace

std::string MissingDisplayReason(const DisplayEnvironment& environment) {
    if (IsSet(environment.Platform) && !NeedsWindowSystem(environment.Platform)) return {};
    if (IsSet(environment.X11Display) || IsSet(environment.WaylandDisplay)) return {};
    return "no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string MissingDisplayReason() {
#if defined(_WIN32) || defined(__APPLE__)
    return {};
#else
    return MissingDisplayReason(
        {std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")});
#endif
}

}  // namespace pairfinder
