// Keeps the layout's outer size once the window manager has framed the window, and leaves alone every size
// that the player or the window manager gives it.
#pragma once

#include <QSize>
#include <Qt>
#include <optional>

namespace pairfinder {

// The window manager tells one change of the window (its new frame, its new size and its new state) in a
// burst of reports, in any order. The window settles what it sees once the manager has been quiet for a
// moment, so only whole changes are looked at, never a frame that has come without its size.
class FrameFit {
public:
    // What the window shows of itself: the frame round the client (the outer size less the client's), the
    // client's size and its state.
    struct Look {
        QSize Frame;
        QSize Client;
        Qt::WindowStates State;
    };

    // The client size that keeps the outer size after a new frame, or none when the window is to be left
    // as it is.
    std::optional<QSize> Settle(const Look& look);

private:
    // The frame size already taken off the client size.
    QSize FittedFrame{0, 0};
    // The frame and client size at the last settling; none before the first.
    std::optional<Look> Settled;
};

}  // namespace pairfinder
