// Names a player types, for a picture of an own deck or for a player: how they are kept and judged, the same way
// wherever they are typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pairfinder {

// A name as it is kept: blanks at either end dropped, every run of blanks, tabs or line breaks inside one blank.
std::string NormalName(std::string_view typed);

// The number of characters of UTF-8 text; a byte that starts no character counts as one.
int CharacterCount(std::string_view text);

// The first `count` characters of UTF-8 text.
std::string FirstCharacters(std::string_view text, int count);

// Letter case aside, as two names sound alike to a player: ASCII letters folded, everything else as it is.
std::string Folded(std::string_view name);

// What is wrong with each of a group's names, in the same order, each in the player's words to stand beside its
// field; empty where nothing is. The names are judged as NormalName keeps them: required, at most `longest`
// characters, and unlike every other name of the group and every name `taken`, letter case aside, so that no two
// sound alike; `same` says the last.
std::vector<std::string> NameFaults(const std::vector<std::string>& names, int longest, std::string_view same,
                                    const std::vector<std::string_view>& taken = {});

}  // namespace pairfinder
