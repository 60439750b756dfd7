// The small file that keeps an own deck's name and its pictures' names in order beside the pictures, in the player's
// folder and inside a deck file alike: UTF-8 JSON with a format version.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "own_deck.h"

namespace pairfinder::deck {

inline constexpr int NamesFormat = 1;
// Far more than 32 names of 40 characters need; a larger file is refused before it is parsed.
inline constexpr std::size_t LargestNamesFile = 64 * 1024;

// The same deck gives the same bytes, so that a deck written twice is the same file.
std::string WriteNamesFile(const OwnDeck& deck);

// The deck a names file describes, with its names as NormalName keeps them; or, for a file that is not one, of a
// newer format, or that breaks a deck's rules, what is wrong with it in the player's words.
struct NamesFileRead {
    std::optional<OwnDeck> Deck;
    std::string Fault;
};
NamesFileRead ReadNamesFile(std::string_view text);

// Whether a picture's file name may be kept beside the names: letters, digits, "-", "_" and ".", not starting with
// a dot, at most 64 characters, so that it names a file in the deck's own folder and nowhere else.
bool IsPictureFileName(std::string_view file);

}  // namespace pairfinder::deck
