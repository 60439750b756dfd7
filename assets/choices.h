// How many items each choice of the menu offers: one per back picture or face set the build found, one per board,
// one per company of players.
#pragma once

#include <iterator>

#include "board_size.h"
#include "command.h"
#include "pictures.h"
#include "language.h"
#include "players.h"

namespace pairfinder::pictures {

constexpr int ChoiceCount(Command choice) {
    switch (choice) {
        case Command::ChooseBack:
            return static_cast<int>(Backs.size());
        case Command::ChooseFaceSet:
            return static_cast<int>(std::size(FaceSets));
        case Command::ChooseBoard:
            return static_cast<int>(pairfinder::BoardSizes.size());
        case Command::ChoosePlayers:
            return static_cast<int>(pairfinder::CompanyCaptions.size());
        case Command::ChooseLanguage:
            return static_cast<int>(std::size(pairfinder::Languages));
        default:
            return 0;
    }
}

}  // namespace pairfinder::pictures
