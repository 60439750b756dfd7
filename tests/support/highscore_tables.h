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

}  // namespace pairfinder::testing
