// The three best results, fewest attempts first, with the rules that rank a result and caption the menu.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pairfinder {

struct HighscoreTable {
    static constexpr int Places = 3;

    // Index 0 is place 1. A count of 0 or less marks an empty place; -1 one that never held a result.
    std::array<std::string, Places> HighscoreName{" ", " ", " "};
    std::array<std::int32_t, Places> HighscoreTries{-1, -1, -1};

    // True when a finished game with this many attempts earns a place.
    bool Qualifies(std::int32_t attempts) const;
    // Ranks the result in; an equal count goes ahead of the older result. Returns the place index it
    // took, or -1 when the table had no place for it.
    int InsertHighscore(const std::string& name, std::int32_t attempts);
    // The texts of the menu items Erster, Zweiter and Dritter.
    std::array<std::string, Places> HighscoreCaptions() const;

    bool operator==(const HighscoreTable&) const = default;
};

}  // namespace pairfinder
