// A UI Automation client's first contact with the game's window, which starts Qt's bridge: the window is
// asked for its root element as UI Automation asks for it. Exits 1 when no window is called Pairfinder.
#include <windows.h>

namespace {

// The object UI Automation asks a window for (UiaRootObjectId).
constexpr LPARAM RootObject = -25;

}  // namespace

int main() {
    const HWND game = FindWindowW(nullptr, L"Pairfinder");
    if (!game) return 1;
    SendMessageW(game, WM_GETOBJECT, 0, RootObject);
    return 0;
}
