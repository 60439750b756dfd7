// A deck file (.pfdeck) that carries an own deck from one player to another: a ZIP archive of the names file
// and the deck's pictures as stored, which any unzip tool opens, written and read through libzip.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "own_deck.h"
#include "words.h"

namespace pairfinder::deck {

inline constexpr std::string_view DeckFileExtension = ".pfdeck";
inline constexpr std::string_view NamesEntry = "names.json";
// A front end reads a file whole, so it refuses a larger one before reading it.
inline constexpr std::int64_t LargestDeckFile = 110LL * 1000 * 1000;
// What all the entries of a deck file may unpack to together, judged from what they claim before any inflates.
inline constexpr std::int64_t LargestUnpacked = 100LL * 1000 * 1000;

// Why a deck file is refused, the catalogues' keys of the player's words (Tr); the names file's own faults come
// from ReadNamesFile, said already.
inline constexpr std::string_view NotADeckFile = QT_TRANSLATE_NOOP("Pairfinder", "Die Datei ist kein Pairfinder-Deck.");
inline constexpr std::string_view DeckFileTooLarge =
    QT_TRANSLATE_NOOP("Pairfinder", "Die Datei ist zu groß für ein Deck (über 110 MB).");
inline constexpr std::string_view DeckUnpacksTooLarge =
    QT_TRANSLATE_NOOP("Pairfinder", "Das Deck wäre entpackt zu groß (über 100 MB).");
inline constexpr std::string_view DeckFileDamaged =
    QT_TRANSLATE_NOOP("Pairfinder", "Die Datei ist beschädigt und lässt sich nicht öffnen.");
inline constexpr std::string_view DeckFileEncrypted =
    QT_TRANSLATE_NOOP("Pairfinder", "Das Deck ist verschlüsselt. Pairfinder öffnet nur Decks ohne Passwort.");
inline constexpr std::string_view DeckFileLeavesItself =
    QT_TRANSLATE_NOOP("Pairfinder", "Das Deck enthält einen Dateinamen, der aus dem Deck hinausführt.");
inline constexpr std::string_view DeckPictureMissing =
    QT_TRANSLATE_NOOP("Pairfinder", "Dem Deck fehlt eines der Bilder, die es nennt.");
inline constexpr std::string_view DeckPictureDamaged =
    QT_TRANSLATE_NOOP("Pairfinder", "Ein Bild des Decks ist beschädigt oder kein JPEG.");

inline constexpr std::string_view DeckFileUnwritten =
    QT_TRANSLATE_NOOP("Pairfinder", "Die Deck-Datei konnte nicht geschrieben werden.");
// A program that loads the ZIP library only once a deck file is read or written, and finds it missing.
inline std::string ZipLibraryMissing(std::string_view library) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Deck-Dateien kann Pairfinder hier weder lesen noch schreiben: "
                                                     "Die ZIP-Bibliothek %1 fehlt. Bitte libzip installieren.")),
                  {library});
}

// Why no deck file can be read or written here, in the player's words; empty when one can. Where the ZIP library is
// loaded on demand (Linux), the first call loads it.
std::string ZipLibraryFault();

// The deck's file: the names file first, then each picture under its file name in the deck's order, dated
// 1980-01-01 00:00, so that the same deck gives the same bytes on every machine and in every time zone.
// jpegs are the pictures' bytes in the deck's order. Nothing when it cannot be written, which WriteFault says.
std::vector<unsigned char> WriteDeckFile(const OwnDeck& deck, const std::vector<std::vector<unsigned char>>& jpegs);

// The deck a file carries with its pictures' bytes in the deck's order, each a JPEG that reaches its end (its
// pixels are the front end's to decode); or, when anything in it is wrong, nothing but the fault.
struct DeckFileRead {
    std::optional<OwnDeck> Deck;
    std::vector<std::vector<unsigned char>> Pictures;
    std::string Fault;
};
DeckFileRead ReadDeckFile(std::span<const unsigned char> file);

// Why WriteDeckFile wrote nothing, in the player's words.
inline std::string WriteFault() {
    const std::string missing = ZipLibraryFault();
    return missing.empty() ? Tr(DeckFileUnwritten.data()) : missing;
}

}  // namespace pairfinder::deck
