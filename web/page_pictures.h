// The pictures as the page has them: each one's address beside the page, and how many items a choice of the
// menu offers, one per back picture or face set the build found.
#pragma once

#include <iterator>
#include <string>

#include "pictures.h"
#include "window_layout.h"

namespace pairfinder::web {

inline std::string PictureAddress(const pictures::Picture& picture) {
    return "pictures/" + std::string(picture.File) + ".svg";
}

inline int ChoiceCount(layout::Command choice) {
    return static_cast<int>(choice == layout::Command::ChooseBack ? pictures::Backs.size()
                                                                    : std::size(pictures::FaceSets));
}

}  // namespace pairfinder::web
