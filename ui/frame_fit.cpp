// Keeps the layout's outer size once the window manager has framed the window, and leaves alone every size
// that the player or the window manager gives it.
#include "frame_fit.h"

namespace pairfinder {

std::optional<QSize> FrameFit::Settle(const Look& look) {
    // The layout's size includes the frame, which only the window system knows, and only once it has framed
    // the window; a later theme may change it. A new frame round a client of the same size is taken off the
    // client size once. Where the client's size changed as well, someone gave the window that size: the
    // player dragging it, the manager maximising or restoring it or keeping its outer size itself. A
    // minimised window has no size of its own to keep, and one coming back into the frame already taken off
    // has nothing to fit.
    const bool reframed = !Settled || (look.Frame != Settled->Frame && look.Client == Settled->Client);
    Settled = look;
    if (!reframed || (look.State & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) ||
        look.Frame == FittedFrame) {
        return std::nullopt;
    }
    const QSize change = look.Frame - FittedFrame;
    FittedFrame = look.Frame;
    return look.Client - change;
}

}  // namespace pairfinder
