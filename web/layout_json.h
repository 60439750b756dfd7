// The layout table, with the pictures and choices of this build, as JSON for the page's front end.
#pragma once

#include <string>

namespace pairfinder::web {

std::string LayoutJson();

}  // namespace pairfinder::web
