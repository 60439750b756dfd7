// The requests through which the game rules reach the screen, the pictures and the highscore store.
#pragma once

#include <optional>
#include <string>

#include "command.h"
#include "spoken_text.h"

namespace pairfinder {

// Each front end implements this, the window and the page alike; the rules call it at fixed points, and the
// order of the calls is part of the behaviour.
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
    // Item k (from 1) of the choice that carries out `choice` is checked, the others of it not.
    virtual void ShowChoice(Command choice, int k) = 0;
    // The player ended the game: a window closes, a page ends.
    virtual void Close() = 0;
    // The name of face `pair` of the face set in use; empty before a set is loaded.
    virtual PictureName FaceName(int pair) const = 0;
    // Says to a player who hears the game what one press came to, once, in one piece.
    virtual void Announce(const std::string& text) = 0;
    // Lays the cells out for the board in play (the board's Size): its rows and columns, the largest cards that
    // fit; cells beyond its CardCount are not shown.
    virtual void ShowBoard() = 0;
    // The number of pairs of the board the player chose last, as the store keeps it; none when it keeps none.
    // Raises the store's error for a value it cannot take.
    virtual std::optional<int> LoadBoard() = 0;
    // Keeps the board in play as the one to start with next time.
    virtual void StoreBoard() = 0;
};

}  // namespace pairfinder
