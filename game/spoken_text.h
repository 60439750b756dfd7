// What the game says to a player who hears it rather than sees it: how a card reads and what a turn came to,
// the same words on every front end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pairfinder {

// A picture's name, as the artwork gives it: "Stern", and two of them "Sterne".
struct PictureName {
    std::string_view Singular;
    std::string_view Plural;
};

// The cards' grid as a whole.
inline constexpr std::string_view CardsSpoken = "Spielfeld";

enum class CardView { Hidden, Face, Removed };

// "Reihe 3, Spalte 5: verdeckt", "...: Stern" or "...: leer"; row and column count from 1.
std::string CardLabel(int row, int column, CardView view, std::string_view face = {});

// What the second card of a turn came to: "Stern und Hund: kein Paar" or "Zwei Sterne: ein Paar"; with the
// count where the front end has no status of its own that says it: "...: kein Paar. Versuche: 7".
std::string TurnSpoken(PictureName first, PictureName second, bool paired,
                       std::optional<int> attempts = std::nullopt);

}  // namespace pairfinder
