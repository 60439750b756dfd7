// The pictures as the page has them: each one's address beside the page.
#pragma once

#include <string>

#include "pictures.h"

namespace pairfinder::web {

inline std::string PictureAddress(const pictures::Picture& picture) {
    return "pictures/" + std::string(picture.File) + ".svg";
}

}  // namespace pairfinder::web
