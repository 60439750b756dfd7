// The three best results, fewest attempts first, with the rules that rank a result and caption the menu.
#include "highscore_table.h"

#include <utility>

#include "words.h"

namespace pairfinder {

bool HighscoreTable::Qualifies(std::int32_t attempts) const {
    return attempts < HighscoreTries[2] || HighscoreTries[2] < 1;
}

int HighscoreTable::InsertHighscore(const std::string& name, std::int32_t attempts) {
    int place = -1;
    if (attempts <= HighscoreTries[0] || HighscoreTries[0] <= 0) {
        place = 0;
    } else if (attempts <= HighscoreTries[1] || HighscoreTries[1] <= 0) {
        place = 1;
    } else if (attempts <= HighscoreTries[2] || HighscoreTries[2] <= 0) {
        place = 2;
    }
    if (place < 0) return place;

    for (int i = Places - 1; i > place; --i) {
        HighscoreName[static_cast<std::size_t>(i)] =
            std::move(HighscoreName[static_cast<std::size_t>(i - 1)]);
        HighscoreTries[static_cast<std::size_t>(i)] = HighscoreTries[static_cast<std::size_t>(i - 1)];
    }
    HighscoreName[static_cast<std::size_t>(place)] = name;
    HighscoreTries[static_cast<std::size_t>(place)] = attempts;
    return place;
}

std::array<std::string, HighscoreTable::Places> HighscoreTable::HighscoreCaptions() const {
    // The count is written as it is stored, -1 included, so the sentence takes no plural form.
    const auto line = [this](std::size_t i) {
        return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1. %2 mit %3 Versuchen")),
                      {std::to_string(i + 1), HighscoreName[i], std::to_string(HighscoreTries[i])});
    };
    if (HighscoreTries[0] <= 0) return {"", Tr(QT_TRANSLATE_NOOP("Pairfinder", "Noch alles zu schaffen!")), ""};
    if (HighscoreTries[1] <= 0) return {"", line(0), ""};
    if (HighscoreTries[2] <= 0) return {line(0), line(1), ""};
    return {line(0), line(1), line(2)};
}

}  // namespace pairfinder
