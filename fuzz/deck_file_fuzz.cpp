// libFuzzer entry for the deck file reader: any input is refused with a fault and nothing else, or gives a deck
// with a picture for each of its names, which written out again reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "deck_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pairfinder::deck;
    const DeckFileRead read = ReadDeckFile({data, size});
    if (!read.Deck) {
        if (read.Fault.empty() || !read.Pictures.empty()) std::abort();
        return 0;
    }
    if (!read.Fault.empty() || read.Pictures.size() != read.Deck->Pictures.size()) std::abort();
    const DeckFileRead again = ReadDeckFile(WriteDeckFile(*read.Deck, read.Pictures));
    if (!again.Deck || !(*again.Deck == *read.Deck) || again.Pictures != read.Pictures) std::abort();
    return 0;
}
