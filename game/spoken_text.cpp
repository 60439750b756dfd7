// What the game says to a player who hears it rather than sees it.
#include "spoken_text.h"

namespace pairfinder {

std::string CardLabel(int row, int column, CardView view, std::string_view face) {
    std::string label = "Reihe " + std::to_string(row) + ", Spalte " + std::to_string(column) + ": ";
    switch (view) {
        case CardView::Hidden:
            return label + "verdeckt";
        case CardView::Removed:
            return label + "leer";
        case CardView::Face:
            break;
    }
    return label.append(face);
}

std::string PairSpoken(PictureName first, PictureName second, bool paired) {
    // A picture of the player's own deck has a name but no plural: two of it are "Zweimal Oma im Garten".
    if (!paired) return std::string(first.Singular) + " und " + std::string(second.Singular) + ": kein Paar";
    return (first.Plural.empty() ? "Zweimal " + std::string(first.Singular) : "Zwei " + std::string(first.Plural)) +
           ": ein Paar";
}

std::string TurnSpoken(PictureName first, PictureName second, bool paired, int attempts) {
    return PairSpoken(first, second, paired) + ". Versuche: " + std::to_string(attempts);
}

void JoinSpoken(std::string& said, std::string_view part) {
    if (part.empty()) return;
    if (!said.empty()) {
        const char last = said.back();
        said += last == '.' || last == '!' || last == ':' ? " " : ". ";
    }
    said += part;
}

}  // namespace pairfinder
