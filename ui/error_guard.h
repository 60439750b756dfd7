// The one edge where an error escaping a window handler is caught and handed to the error display.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace pairfinder {

// Shows an error's message to the player. The application frame installs the real one; the window
// layer only knows that there is one.
using ErrorDisplay = std::function<void(const std::string& message)>;

// Returns the display that was installed before, so a caller can put it back.
ErrorDisplay SetErrorDisplay(ErrorDisplay display);
void ShowError(const std::string& message);

// Runs one handler. An error must not unwind through Qt's event dispatch, so it ends the handler
// here, is shown, and the event loop goes on.
template <typename Handler>
void Guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
}

}  // namespace pairfinder
