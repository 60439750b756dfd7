// What the game says to a player who hears it rather than sees it.
#include "spoken_text.h"

#include "words.h"

namespace pairfinder {

std::string CardLabel(int row, int column, CardView view, std::string_view face) {
    const std::string r = std::to_string(row);
    const std::string c = std::to_string(column);
    switch (view) {
        case CardView::Hidden:
            return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Reihe %1, Spalte %2: verdeckt")), {r, c});
        case CardView::Removed:
            return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Reihe %1, Spalte %2: leer")), {r, c});
        case CardView::Face:
            break;
    }
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Reihe %1, Spalte %2: %3")), {r, c, face});
}

std::string PairSpoken(PictureName first, PictureName second, bool paired) {
    // A picture of the player's own deck has a name but no plural: two of it are "Zweimal Oma im Garten".
    if (!paired) return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1 und %2: kein Paar")), {first.Singular, second.Singular});
    if (first.Plural.empty()) return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Zweimal %1: ein Paar")), {first.Singular});
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Zwei %1: ein Paar")), {first.Plural});
}

std::string TurnSpoken(PictureName first, PictureName second, bool paired, int attempts) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1. Versuche: %2")),
                  {PairSpoken(first, second, paired), std::to_string(attempts)});
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
