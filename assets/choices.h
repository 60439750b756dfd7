// How many items each choice of the menu offers: one per back picture or face set the build found.
#pragma once

#include <iterator>

#include "command.h"
#include "pictures.h"

namespace pairfinder::pictures {

constexpr int ChoiceCount(Command choice) {
    switch (choice) {
        case Command::ChooseBack:
            return static_cast<int>(Backs.size());
        case Command::ChooseFaceSet:
            return static_cast<int>(std::size(FaceSets));
        default:
            return 0;
    }
}

}  // namespace pairfinder::pictures
