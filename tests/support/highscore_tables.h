// A highscore table written out in one line: names and counts of places 1 to 3.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "highscore_table.h"

namespace pairfinder::testing {

inline HighscoreTable Table(std::array<std::string, HighscoreTable::Places> names,
                            std::array<std::int32_t, HighscoreTable::Places> tries) {
    HighscoreTable table;
    table.HighscoreName = std::move(names);
    table.HighscoreTries = tries;
    return table;
}

// The table of one save in a run of saves: every name and count differs from every other round's, so a
// table mixed from two saves never passes for one.
inline HighscoreTable RoundTable(int round) {
    const std::string name = "R" + std::to_string(round);
    return Table({name + "a", name + "b", name + "c"}, {round * 3 + 1, round * 3 + 2, round * 3 + 3});
}

}  // namespace pairfinder::testing
