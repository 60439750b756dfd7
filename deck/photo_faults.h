// Why a photo cannot become a card of an own deck, in the player's words, the same in the window and in the
// page: each constant the catalogues' key of its words (Tr).
#pragma once

#include <string>
#include <string_view>

#include "words.h"

namespace pairfinder::deck {

inline constexpr std::string_view NotAPicture =
    QT_TRANSLATE_NOOP("Pairfinder", "Kein Bild, das Pairfinder lesen kann.");
inline constexpr std::string_view EmptyFile = QT_TRANSLATE_NOOP("Pairfinder", "Die Datei ist leer.");
inline constexpr std::string_view FileTooLarge = QT_TRANSLATE_NOOP("Pairfinder", "Die Datei ist zu groß (über 50 MB).");
inline constexpr std::string_view PictureTooLarge =
    QT_TRANSLATE_NOOP("Pairfinder", "Das Bild ist zu groß (über 100 Megapixel).");
inline constexpr std::string_view DamagedPicture =
    QT_TRANSLATE_NOOP("Pairfinder", "Das Bild ist beschädigt oder unvollständig.");
inline constexpr std::string_view AlreadyTaken = QT_TRANSLATE_NOOP("Pairfinder", "Dieses Bild ist schon im Deck.");
inline constexpr std::string_view HeicUnreadable = QT_TRANSLATE_NOOP(
    "Pairfinder", "HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy "
                  "auf „Maximale Kompatibilität“ stellen.");

// A kept deck that cannot be played, and what is wrong with it.
inline std::string DeckDamagedBy(std::string_view fault) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck ist beschädigt: %1")), {fault});
}
inline std::string NamesListMissing() {
    return Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck ist beschädigt: Die Namensliste fehlt."));
}

// A kept deck whose picture `file` is gone, or no longer a JPEG that decodes.
inline std::string KeptPictureMissing(std::string_view file) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck ist beschädigt: Das Bild „%1“ fehlt.")), {file});
}
inline std::string KeptPictureUnreadable(std::string_view file) {
    return Filled(
        Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck ist beschädigt: Das Bild „%1“ ist kein lesbares JPEG.")),
        {file});
}

}  // namespace pairfinder::deck
