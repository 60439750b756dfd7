// Why a photo cannot become a card of an own deck, in the player's words, the same in the window and in the
// page.
#pragma once

#include <string>
#include <string_view>

namespace pairfinder::deck {

inline constexpr std::string_view NotAPicture = "Kein Bild, das Pairfinder lesen kann.";
inline constexpr std::string_view EmptyFile = "Die Datei ist leer.";
inline constexpr std::string_view FileTooLarge = "Die Datei ist zu groß (über 50 MB).";
inline constexpr std::string_view PictureTooLarge = "Das Bild ist zu groß (über 100 Megapixel).";
inline constexpr std::string_view DamagedPicture = "Das Bild ist beschädigt oder unvollständig.";
inline constexpr std::string_view AlreadyTaken = "Dieses Bild ist schon im Deck.";
inline constexpr std::string_view HeicUnreadable =
    "HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf "
    "„Maximale Kompatibilität“ stellen.";

// A kept deck that cannot be played: this, then what is wrong with it.
inline constexpr std::string_view DeckDamaged = "Das eigene Deck ist beschädigt: ";
inline constexpr std::string_view NamesListMissing = "Das eigene Deck ist beschädigt: Die Namensliste fehlt.";

// A kept deck whose picture `file` is gone, or no longer a JPEG that decodes.
inline std::string KeptPictureMissing(std::string_view file) {
    return std::string(DeckDamaged) + "Das Bild „" + std::string(file) + "“ fehlt.";
}
inline std::string KeptPictureUnreadable(std::string_view file) {
    return std::string(DeckDamaged) + "Das Bild „" + std::string(file) + "“ ist kein lesbares JPEG.";
}

}  // namespace pairfinder::deck
