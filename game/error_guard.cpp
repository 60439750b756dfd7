// The one edge where an error escaping a front end's handler is caught and handed to the error display.
#include "error_guard.h"

#include <cstdio>
#include <utility>

namespace pairfinder {

namespace {

ErrorDisplay& CurrentDisplay() {
    static ErrorDisplay display;
    return display;
}

}  // namespace

ErrorDisplay SetErrorDisplay(ErrorDisplay display) {
    return std::exchange(CurrentDisplay(), std::move(display));
}

void ShowError(const std::string& message) {
    if (CurrentDisplay()) {
        CurrentDisplay()(message);
    } else {
        // Without a frame (a window used on its own) the message must still go somewhere; not through printf,
        // which the page would otherwise carry whole.
        std::fputs((message + "\n").c_str(), stderr);
    }
}

}  // namespace pairfinder
