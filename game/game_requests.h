// The requests through which the game rules reach the screen, the pictures and the highscore store.
#pragma once

#include <cstdint>

namespace pairfinder {

// The window implements this; the rules call it at fixed points, and the order of the calls is
// part of the behaviour.
class GameRequests {
public:
    virtual ~GameRequests() = default;

    virtual void HideOutcome() = 0;
    virtual void ShowAttempts(int n) = 0;
    virtual void ShowBacks() = 0;
    virtual void ShowFace(int p) = 0;
    virtual void ShowOutcome(bool qualifies) = 0;
    virtual void LoadHighscores() = 0;
    virtual void ShowHighscoreMenu() = 0;
    // Puts the chosen face set in the working list that faces are drawn from.
    virtual void LoadFaceSet() = 0;
    // Writes the highscore table to the store; the counterpart of LoadHighscores.
    virtual void StoreHighscores() = 0;
    // The second card of a turn was turned: the turn's two positions, and whether they made a pair. Comes
    // after the count is shown and before the end of the game is judged, for front ends that announce it.
    virtual void AnnounceTurn(std::int32_t first, std::int32_t second, bool paired) {
        static_cast<void>(first);
        static_cast<void>(second);
        static_cast<void>(paired);
    }
};

}  // namespace pairfinder
