// The ZIP library linked into the program (Windows, the page): always at hand.
#include "deck_file.h"

namespace pairfinder::deck {

std::string ZipLibraryFault() {
    return {};
}

}  // namespace pairfinder::deck
