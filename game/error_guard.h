// The one edge where an error escaping a front end's handler is caught and handed to the error display: the
// window's application frame and the page each install theirs.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace pairfinder {

// Shows an error's message to the player. The front end's frame installs the real one; the handlers only know
// that there is one.
using ErrorDisplay = std::function<void(const std::string& message)>;

// Returns the display that was installed before, so a caller can put it back.
ErrorDisplay SetErrorDisplay(ErrorDisplay display);
void ShowError(const std::string& message);

// Runs one handler. An error must not unwind through the toolkit's event dispatch or out of the page's
// WebAssembly, so it ends the handler here, is shown, and the game goes on.
template <typename Handler>
void Guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
}

}  // namespace pairfinder
