// The page's second module, which arrives only when a player first composes an own deck or opens, drops or saves a
// deck file: what a photo's header claims, the names' rules for the naming form, and the deck file read and written
// through the ZIP library. The game's module (page.cpp) never carries any of it, so the first deal waits for none of
// it. The front end's rooms for the form and the deck file (deck_form.js, deck_file.js) run inside this module and
// reach the page through the one object it is handed (Module.page).
#include <emscripten.h>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "board_size.h"
#include "deck_file.h"
#include "error_guard.h"
#include "error_text.h"
#include "names_file.h"
#include "own_deck.h"
#include "photo_faults.h"
#include "photo_header.h"
#include "window_layout.h"

extern "C" {
// The page's error box (deck_library.js), titled as the game's is.
void pf_deck_error(const char* message);
}

namespace pairfinder::web {
namespace {

// The name the menu gives the own deck, which a deck composed from photos is kept under.
std::string OwnDeckCaption() {
    for (const layout::MenuEntry& entry : layout::Menu) {
        if (entry.Does == layout::Command::ChooseOwnDeck) return layout::Unmark(entry.Caption).Plain;
    }
    return {};
}

// A fault of this module is said in the page's error box, as the game's own are.
void Framed() {
    static const bool framed = [] {
        SetErrorDisplay([](const std::string& message) {
            pf_deck_error(WithFullStop(message).c_str());
        });
        return true;
    }();
    static_cast<void>(framed);
}

// The deck file the player opened last, kept while the front end checks its pictures and takes them over.
deck::DeckFileRead& OpenedFile() {
    static deck::DeckFileRead read;
    return read;
}

}  // namespace
}  // namespace pairfinder::web

// What the deck's rooms call. Each answer that is text stays valid until the same function is called again.
extern "C" {

// Why a photo is refused from what its file claims, empty when it may be decoded; `data` is the whole file of `size`
// bytes. `upright` receives its width and height as it is shown.
EMSCRIPTEN_KEEPALIVE const char* pf_photo_refusal(const unsigned char* data, int size, int* upright) {
    static std::string refusal;
    const std::span<const unsigned char> bytes(data, static_cast<std::size_t>(std::max(size, 0)));
    refusal = pairfinder::deck::RefusalOf(bytes, size);
    const pairfinder::deck::PhotoClaim claim = pairfinder::deck::ClaimOf(bytes);
    const auto side = [](std::int64_t n) { return static_cast<int>(std::min<std::int64_t>(n, 1 << 30)); };
    upright[0] = side(claim.QuarterTurned ? claim.Height : claim.Width);
    upright[1] = side(claim.QuarterTurned ? claim.Width : claim.Height);
    return refusal.c_str();
}

// Why a file of `size` bytes is refused before it is read, empty when it may be.
EMSCRIPTEN_KEEPALIVE const char* pf_file_refusal(double size) {
    static std::string refusal;
    refusal = pairfinder::deck::RefusalOf({}, static_cast<std::int64_t>(size));
    return refusal == pairfinder::deck::NotAPicture ? "" : refusal.c_str();
}

// Why a photo that passed its header is refused after all: 0 it did not decode, 1 the deck has its picture already.
EMSCRIPTEN_KEEPALIVE const char* pf_photo_fault(int kind) {
    return (kind == 0 ? pairfinder::deck::DamagedPicture : pairfinder::deck::AlreadyTaken).data();
}

// The side of the square picture kept of a photo: twice the largest card's, so that it stays sharp on the smallest
// board on a 2x screen.
EMSCRIPTEN_KEEPALIVE int pf_photo_side() {
    return 2 * pairfinder::layout::CardSideOf(*pairfinder::BoardOfPairs(4));
}

EMSCRIPTEN_KEEPALIVE const char* pf_offered_name(const char* file) {
    static std::string offered;
    offered = pairfinder::deck::OfferedName(file ? file : "");
    return offered.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* pf_picture_count_fault(int pictures) {
    static std::string fault;
    fault = pairfinder::deck::PictureCountFault(pictures);
    return fault.c_str();
}

// What is wrong with each name, one line each; when nothing is, the names file of the deck of these names and
// files, whose text does not start with a line break. The deck keeps the name it came with from a deck file
// (`deckName`), else the menu's.
EMSCRIPTEN_KEEPALIVE const char* pf_names_file(const char* deckName, const char* const* names,
                                               const char* const* files, int count) {
    static std::string answer;
    std::vector<std::string> typed(names, names + std::max(count, 0));
    const std::vector<std::string> faults = pairfinder::deck::NameFaults(typed);
    answer.clear();
    if (std::any_of(faults.begin(), faults.end(), [](const std::string& fault) { return !fault.empty(); })) {
        for (const std::string& fault : faults) answer += "\n" + fault;
        return answer.c_str();
    }
    pairfinder::deck::OwnDeck deck{deckName ? deckName : pairfinder::web::OwnDeckCaption(), {}};
    for (int i = 0; i < count; ++i)
        deck.Pictures.push_back({files[i], pairfinder::deck::NormalName(typed[static_cast<std::size_t>(i)])});
    answer = pairfinder::deck::WriteNamesFile(deck);
    return answer.c_str();
}

// The kept deck's file, from its names file and its pictures as the front end keeps them, each `sizes[i]` bytes
// under its file name: its size, its bytes at `*bytes` until the next call; -1 when the deck cannot be written,
// which the error box has said.
EMSCRIPTEN_KEEPALIVE int pf_write_deck_file(const char* names, const char* const* files,
                                            const unsigned char* const* pictures, const int* sizes, int count,
                                            const unsigned char** bytes) {
    static std::vector<unsigned char> written;
    int size = -1;
    pairfinder::web::Framed();
    pairfinder::Guarded([&] {
        namespace deck = pairfinder::deck;
        written.clear();
        const deck::NamesFileRead read = deck::ReadNamesFile(names ? names : "");
        if (!read.Deck) throw std::runtime_error(deck::DeckDamagedBy(read.Fault));
        std::vector<std::vector<unsigned char>> jpegs;
        const char* const* end = files + std::max(count, 0);
        for (const deck::OwnPicture& picture : read.Deck->Pictures) {
            const auto at = std::find_if(files, end, [&picture](const char* file) { return picture.File == file; });
            if (at == end) throw std::runtime_error(deck::KeptPictureMissing(picture.File));
            const auto i = static_cast<std::size_t>(at - files);
            jpegs.emplace_back(pictures[i], pictures[i] + std::max(sizes[i], 0));
        }
        written = deck::WriteDeckFile(*read.Deck, jpegs);
        // Nothing written is said, never offered as an empty file.
        if (written.empty()) throw std::runtime_error(deck::WriteFault());
        *bytes = written.data();
        size = static_cast<int>(written.size());
    });
    return size;
}

// The file name the kept deck's file is offered under: the deck's name where it is a plain file name as it is (a
// deck opened from another player's file brings its own, which may be anything), else the menu's name of the own
// deck.
EMSCRIPTEN_KEEPALIVE const char* pf_deck_file_name(const char* names) {
    static std::string offered;
    const pairfinder::deck::NamesFileRead read = pairfinder::deck::ReadNamesFile(names ? names : "");
    const std::string name = read.Deck ? read.Deck->Name : std::string();
    const bool safe = !name.empty() && name.size() <= 100 && name.front() != '.' && name.front() != ' ' &&
                      name.back() != '.' && name.back() != ' ' &&
                      std::none_of(name.begin(), name.end(), [](char c) {
                          return static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
                                 std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
                      });
    offered = (safe ? name : pairfinder::web::OwnDeckCaption()) + std::string(pairfinder::deck::DeckFileExtension);
    return offered.c_str();
}

// Why a deck file of `size` bytes is refused before it is read, empty when it may be.
EMSCRIPTEN_KEEPALIVE const char* pf_deck_file_refusal(double size) {
    return size > static_cast<double>(pairfinder::deck::LargestDeckFile) ? pairfinder::deck::DeckFileTooLarge.data()
                                                                         : "";
}

// The deck file of `size` bytes read: the number of its pictures, each then asked for by pf_opened_picture; or -1,
// and `*fault` says why it is refused (a picture the front end cannot draw at the deck's size refuses it as
// DeckPictureDamaged does, which is `*damaged`).
EMSCRIPTEN_KEEPALIVE int pf_read_deck_file(const unsigned char* data, int size, const char** fault,
                                           const char** damaged) {
    pairfinder::deck::DeckFileRead& read = pairfinder::web::OpenedFile();
    read = pairfinder::deck::ReadDeckFile({data, static_cast<std::size_t>(std::max(size, 0))});
    *fault = read.Fault.c_str();
    *damaged = pairfinder::deck::DeckPictureDamaged.data();
    return read.Deck ? static_cast<int>(read.Deck->Pictures.size()) : -1;
}

// The deck file last read: with i = -1 its deck's name, else picture i's name and, at `*bytes`, its `*size` bytes.
EMSCRIPTEN_KEEPALIVE const char* pf_opened_picture(int i, const unsigned char** bytes, int* size) {
    const pairfinder::deck::DeckFileRead& read = pairfinder::web::OpenedFile();
    if (!read.Deck || i >= static_cast<int>(read.Pictures.size())) return "";
    if (i < 0) return read.Deck->Name.c_str();
    const auto at = static_cast<std::size_t>(i);
    *bytes = read.Pictures[at].data();
    *size = static_cast<int>(read.Pictures[at].size());
    return read.Deck->Pictures[at].Name.c_str();
}
}
