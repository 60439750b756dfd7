// What the game says to a player who hears it rather than sees it: how a card reads and what a turn came to,
// the same words on every front end.
#pragma once

#include <string>
#include <string_view>

#include "words.h"

namespace pairfinder {

// A picture's name, as the artwork gives it: "Stern", and two of them "Sterne"; a picture of the player's own deck
// has the name the player gave it, and no plural.
struct PictureName {
    std::string_view Singular;
    std::string_view Plural;
};

// The cards' grid as a whole (in the catalogues: words.h).
inline constexpr const char* CardsSpoken = QT_TRANSLATE_NOOP("Pairfinder", "Spielfeld");

enum class CardView { Hidden, Face, Removed };

// "Reihe 3, Spalte 5: verdeckt", "...: Stern" or "...: leer"; row and column count from 1.
std::string CardLabel(int row, int column, CardView view, std::string_view face = {});

// What the second card of a turn came to: "Stern und Hund: kein Paar" or "Zwei Sterne: ein Paar"; two of an own
// picture "Zweimal Oma im Garten: ein Paar".
std::string PairSpoken(PictureName first, PictureName second, bool paired);

// The same with the count, which every turn's announcement of a player alone ends with, so that the count itself is
// not said again: "Stern und Hund: kein Paar. Versuche: 7".
std::string TurnSpoken(PictureName first, PictureName second, bool paired, int attempts);

// Adds one part of what a press came to to what it has said so far, as one piece read aloud: a part that does
// not end a sentence is closed with a full stop.
void JoinSpoken(std::string& said, std::string_view part);

}  // namespace pairfinder
