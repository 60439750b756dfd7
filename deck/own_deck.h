// What an own deck is, whichever front end composes it: how many pictures it holds, which boards it fills, the
// names its pictures are heard by and their rules, and the name a photo's file name offers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board_size.h"
#include "typed_names.h"

namespace pairfinder::deck {

inline constexpr int FewestPictures = 4;
inline constexpr int MostPictures = 32;
// In characters as a reader counts them, not bytes.
inline constexpr int LongestName = 40;

// One picture of a deck: the file it is kept in beside the names, and what it is called.
struct OwnPicture {
    std::string File;
    std::string Name;

    bool operator==(const OwnPicture&) const = default;
};

struct OwnDeck {
    std::string Name;
    std::vector<OwnPicture> Pictures;

    bool operator==(const OwnDeck&) const = default;
};

// What is wrong with a deck's number of pictures, in the player's words; empty when nothing is.
std::string PictureCountFault(int pictures);

// A name as it is kept, and how many characters it has (typed_names.h).
using pairfinder::CharacterCount;
using pairfinder::NormalName;

// What is wrong with each name of a deck, in the same order, each in the player's words to stand beside its
// field; empty where nothing is. The names are judged as NormalName keeps them: required, at most LongestName
// characters, and unlike every other name of the deck, letter case aside, so that no two cards sound alike.
std::vector<std::string> NameFaults(const std::vector<std::string>& names);

// The name a photo's file name offers, as NormalName keeps it: "Oma im Garten.jpg" offers "Oma im Garten", with
// underscores read as blanks and at most LongestName characters. A name a camera or phone gave ("IMG_4711",
// "DSC01234", "PXL_20260614_101502123", "image"), or digits and separators alone, says nothing of the picture and
// offers nothing.
std::string OfferedName(std::string_view fileName);

}  // namespace pairfinder::deck
