// The game's side of the page: the requests of the rules, answered for the page's front end, which draws what it
// is told and reports what the player presses (page_front_end.js). The rules, the store and the messages are the
// desktop's own; what each control does is the layout table's, and every press reaches the rules through their
// one dispatcher. The player's own deck is kept by the front end in the browser's database and handed over whole
// before the first game. Composing a deck and its deck file are the page's second module's (deck_page.cpp), which
// arrives when a player first reaches for them.
#include <emscripten.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "choices.h"
#include "error_guard.h"
#include "error_text.h"
#include "game_rules.h"
#include "highscore_store.h"
#include "names_file.h"
#include "photo_faults.h"
#include "page_pictures.h"
#include "page_players.h"
#include "pictures.h"
#include "spoken_text.h"
#include "window_layout.h"

// The front end's half (page_library.js). Elements are named by the layout table; a picture is the address of
// its file, empty for none.
extern "C" {
void pf_set_text(const char* name, const char* text);
void pf_set_visible(const char* name, int visible);
void pf_set_checked(const char* name, int checked);
// Every card at once: its picture, its spoken name and whether it takes a press, position by position.
void pf_set_cards(const char* const* pictures, const char* const* labels, const unsigned char* enabled, int count);
void pf_set_card(int position, const char* picture, const char* label, int enabled);
void pf_announce(const char* text);
// The keyboard focus goes to the element if it is on the cards, whose last pair has just left.
void pf_focus_from_cards(const char* name);
void pf_show_error(const char* title, const char* message);
void pf_close();
void pf_set_face_set(const char* const* pictures, int count);
// The board in play: its pairs, its rows and columns, and how many of the cells hold its cards.
void pf_show_board(int pairs, int rows, int columns, int cards);
void pf_set_enabled(const char* name, int enabled);
// Opens the picture chooser from which the player composes an own deck; once one is kept, the item `chooser` is
// pressed.
void pf_compose_deck(const char* chooser);
// Writes the kept deck's file and offers it to the player (pf_write_deck_file), or opens the chooser of deck files
// (pf_read_deck_file); once an opened deck is kept, the item `chooser` is pressed.
void pf_save_deck();
void pf_open_deck(const char* chooser);
// The computer's next card after `milliseconds`: the front end then presses the command with `move`.
void pf_wait_for_computer(int milliseconds, int command, int move);
// The players' form for the company of the menu item `chooser`, with its OfferedTexts, and for the computer its
// level and pace by their number from 1; once taken, `chooser` is pressed with the answer (pf_players_answer).
void pf_ask_players(const char* chooser, const char* texts, int computer, int level, int pace);
// The players' panel with its SeatsTexts, `turn` the seat to play; no seats hide it.
void pf_show_players(const char* texts, int turn);
}

namespace pairfinder::web {
namespace {

using layout::Command;

// The texts of a list of strings, as the front end's calls take them.
std::vector<const char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<const char*> pointers;
    for (const std::string& text : texts) pointers.push_back(text.c_str());
    return pointers;
}

// The own deck as the front end found it kept: its names file and the address of each picture it could decode, by
// file name.
struct KeptDeck {
    deck::NamesFileRead Names;
    std::vector<std::string> Files;
    std::vector<std::string> Addresses;
};

// One face of the set in use: where its picture is and what it is called.
struct Face {
    std::string Address;
    std::string Name;
    std::string Plural;
};

// The name of the own deck's item, and of the item of choice `choice` numbered k.
std::string ItemName(Command choice, int k) {
    for (const layout::MenuEntry& entry : layout::Menu) {
        if (entry.Does == choice && entry.Purpose == layout::Role::Check) return std::string(entry.Name);
    }
    return std::string(layout::ChoiceStem(choice)) + std::to_string(k);
}

// The name of the menu item that carries out `command`.
std::string CommandItemName(Command command) {
    for (const layout::MenuEntry& entry : layout::Menu) {
        if (entry.Does == command && entry.Purpose == layout::Role::Item) return std::string(entry.Name);
    }
    return {};
}

class Page : public GameRequests {
public:
    Page() : Game(*this) {
        for (const pictures::Picture& back : pictures::Backs) BackAddresses.push_back(PictureAddress(back));
    }

    GameRules Game;

    // Where the arrow keys, Home and End take the focus from `from`: over the cards still in play. -1 for a key
    // that moves nothing.
    int Move(int from, std::string_view key) const {
        // The keys in the order of layout::Step.
        static constexpr std::string_view StepKeys[] = {"ArrowLeft", "ArrowRight", "ArrowUp",
                                                        "ArrowDown", "Home",       "End"};
        static_assert(std::size(StepKeys) == static_cast<std::size_t>(layout::Step::RowEnd) + 1);
        const auto step = std::find(std::begin(StepKeys), std::end(StepKeys), key);
        if (step == std::end(StepKeys)) return -1;
        if (!Game.Board.IsPosition(from)) return from;
        return layout::NextCell(Game.Board.Size, from, static_cast<layout::Step>(step - std::begin(StepKeys)),
                                [this](int p) { return !Game.Board.Matched[static_cast<std::size_t>(p)]; });
    }

    void HideOutcome() override {
        for (const layout::Control& control : layout::Controls) {
            if (control.ShownWhen != layout::Outcome::None) pf_set_visible(std::string(control.Name).c_str(), 0);
        }
    }

    void ShowAttempts(int n) override {
        pf_set_text(std::string(layout::AttemptsLabel().Name).c_str(), std::to_string(n).c_str());
    }

    void ShowBacks() override {
        if (Game.Board.IsReleased()) return;
        const int back = Game.Board.BackIndex();
        const std::string none;
        const std::string& picture = back >= 0 && static_cast<std::size_t>(back) < BackAddresses.size()
                                         ? BackAddresses[static_cast<std::size_t>(back)]
                                         : none;
        std::vector<std::string> pictures;
        std::vector<std::string> labels;
        std::vector<unsigned char> enabled;
        for (int p = 0; p < Game.Board.CardCount; ++p) {
            const bool matched = Game.Board.Matched[static_cast<std::size_t>(p)] != 0;
            labels.push_back(layout::CardSpoken(Game.Board.Size, p, matched ? CardView::Removed : CardView::Hidden));
            pictures.push_back(matched ? none : picture);
            enabled.push_back(matched ? 0 : 1);
        }
        pf_set_cards(Pointers(pictures).data(), Pointers(labels).data(), enabled.data(), Game.Board.CardCount);
    }

    void ShowFace(int p) override {
        if (!Game.Board.IsPosition(p) || p >= Game.Board.CardCount) return;
        const Face* face = FaceOf(p);
        const std::string label =
            layout::CardSpoken(Game.Board.Size, p, CardView::Face, face ? face->Name : std::string_view());
        pf_set_card(p, face ? face->Address.c_str() : "", label.c_str(), 1);
    }

    void ShowOutcome(bool qualifies) override { ShowFinish(false, qualifies, {}); }

    void LoadHighscores() override { pairfinder::LoadHighscores(Game.Highscores, Game.Board.Size); }

    void StoreHighscores() override { pairfinder::StoreHighscores(Game.Highscores, Game.Board.Size); }

    // The menu shows the table of the board in play, headed by which board that is unless it is the full one.
    void ShowHighscoreMenu() override {
        const auto captions = Game.Highscores.HighscoreCaptions();
        const std::string heading = HighscoreHeading(Game.Board.Size);
        std::size_t place = 0;
        for (const layout::MenuEntry& entry : layout::Menu) {
            if (entry.Purpose == layout::Role::Heading) {
                pf_set_text(std::string(entry.Name).c_str(), heading.c_str());
                pf_set_visible(std::string(entry.Name).c_str(), heading.empty() ? 0 : 1);
            }
            if (entry.Purpose != layout::Role::Display || place >= captions.size()) continue;
            pf_set_text(std::string(entry.Name).c_str(), captions[place++].c_str());
        }
    }

    void LoadFaceSet() override {
        Faces.clear();
        const int set = Game.Board.FaceSetIndex();
        if (Game.Board.OwnDeckInUse()) {
            Faces = OwnFaces();
        } else if (set < pictures::ChoiceCount(Command::ChooseFaceSet)) {
            for (const pictures::Picture& face : pictures::FaceSets[static_cast<std::size_t>(set)])
                Faces.push_back({PictureAddress(face), std::string(face.Name), std::string(face.Plural)});
        }
        std::vector<std::string> addresses;
        for (const Face& face : Faces) addresses.push_back(face.Address);
        pf_set_face_set(Pointers(addresses).data(), static_cast<int>(addresses.size()));
    }

    void ShowChoice(Command choice, int k) override {
        if (choice == Command::ChooseOwnDeck) {
            pf_set_checked(ItemName(choice, 1).c_str(), k == 1 ? 1 : 0);
            return;
        }
        for (int item = 1; item <= pictures::ChoiceCount(choice); ++item)
            pf_set_checked(ItemName(choice, item).c_str(), item == k ? 1 : 0);
    }

    void EnableChoice(Command choice, int k, bool enabled) override {
        pf_set_enabled(ItemName(choice, k).c_str(), enabled ? 1 : 0);
    }

    int FaceCount() const override { return static_cast<int>(Faces.size()); }

    bool HasOwnDeck() const override { return Kept && Damage().empty(); }

    void ComposeDeck() override { pf_compose_deck(ItemName(Command::ChooseOwnDeck, 1).c_str()); }

    void EnableCommand(Command command, bool enabled) override {
        pf_set_enabled(CommandItemName(command).c_str(), enabled ? 1 : 0);
    }

    void SaveDeck() override { pf_save_deck(); }

    void OpenDeck() override { pf_open_deck(ItemName(Command::ChooseOwnDeck, 1).c_str()); }

    bool LoadOwnDeckInUse() override { return LoadOwnDeckChoice(); }

    void StoreOwnDeckInUse(bool inUse) override { StoreOwnDeckChoice(inUse); }

    // The own deck as the front end now keeps it, or none.
    void Keep(std::optional<KeptDeck> kept) { Kept = std::move(kept); }

    // A page cannot close its tab: it ends the game as closing the window does, and says so.
    void Close() override { pf_close(); }

    PictureName FaceName(int pair) const override {
        if (pair < 0 || static_cast<std::size_t>(pair) >= Faces.size()) return {};
        const Face& face = Faces[static_cast<std::size_t>(pair)];
        return {face.Name, face.Plural};
    }

    void Announce(const std::string& text) override { pf_announce(text.c_str()); }

    void ShowBoard() override {
        const BoardSize& board = Game.Board.Size;
        pf_show_board(board.Pairs, board.Rows, board.Columns, Game.Board.CardCount);
    }

    std::optional<int> LoadBoard() override { return LoadBoardChoice(); }

    void AskPlayers(const PlayersChoice& offered) override {
        pf_ask_players(ItemName(Command::ChoosePlayers, static_cast<int>(offered.Who) + 1).c_str(),
                       OfferedTexts(offered).c_str(), offered.Who == Company::Computer,
                       static_cast<int>(offered.Strength) + 1, static_cast<int>(offered.Speed) + 1);
    }

    void ShowPlayers(const std::vector<Seat>& seats, int turn) override {
        pf_show_players(SeatsTexts(seats, turn).c_str(), turn);
    }

    void WaitForComputer(int milliseconds, int move) override {
        pf_wait_for_computer(milliseconds, static_cast<int>(Command::ComputerMove), move);
    }

    void ShowWinner(const std::string& winner) override { ShowFinish(true, false, winner); }

    std::optional<PlayersChoice> LoadPlayers() override { return LoadPlayersChoice(); }

    void StorePlayers(const PlayersChoice& choice) override { StorePlayersChoice(choice); }

    void StoreBoard() override { StoreBoardChoice(Game.Board.Size); }

private:
    // The outcome controls of a finish: alone, as the result does or does not qualify, with the name entry focused
    // if the keyboard was on the cards; together, who won written into the label that takes it. Each label's caption,
    // the banner's, is said with the rest of the press; who won the rules say.
    void ShowFinish(bool together, bool qualifies, const std::string& winner) {
        std::string entry;
        for (const layout::Control& control : layout::Controls) {
            if (!(together ? layout::ShownAtFinishTogether(control.ShownWhen)
                           : layout::ShownAtFinish(control.ShownWhen, qualifies)))
                continue;
            const std::string name(control.Name);
            pf_set_visible(name.c_str(), 1);
            if (control.Wraps) pf_set_text(name.c_str(), winner.c_str());
            else if (control.Type == layout::Kind::Label) Game.Say(control.Caption);
            if (control.Type == layout::Kind::Edit) entry = control.Name;
        }
        if (!entry.empty()) pf_focus_from_cards(entry.c_str());
    }

    // The face the card at p shows, from the face set in use; none before a set is loaded.
    const Face* FaceOf(int p) const {
        const auto pair = static_cast<std::size_t>(Game.Board.PairOf[static_cast<std::size_t>(p)]);
        return pair < Faces.size() ? &Faces[pair] : nullptr;
    }

    // The address of the kept picture in `file`: empty for one the front end could not decode, none for one it did
    // not find.
    std::optional<std::string> AddressOf(const std::string& file) const {
        const auto at = std::find(Kept->Files.begin(), Kept->Files.end(), file);
        if (at == Kept->Files.end()) return std::nullopt;
        return Kept->Addresses[static_cast<std::size_t>(at - Kept->Files.begin())];
    }

    // What is wrong with the kept deck in the player's words; empty when it can be played.
    std::string Damage() const {
        if (!Kept->Names.Deck) return Kept->Names.Fault;
        for (const deck::OwnPicture& picture : Kept->Names.Deck->Pictures) {
            const std::optional<std::string> address = AddressOf(picture.File);
            if (!address) return deck::KeptPictureMissing(picture.File);
            if (address->empty()) return deck::KeptPictureUnreadable(picture.File);
        }
        return {};
    }

    std::vector<Face> OwnFaces() const {
        if (!Kept) throw std::runtime_error(deck::NamesListMissing());
        if (const std::string damage = Damage(); !damage.empty()) throw std::runtime_error(damage);
        std::vector<Face> faces;
        for (const deck::OwnPicture& picture : Kept->Names.Deck->Pictures)
            faces.push_back({*AddressOf(picture.File), picture.Name, {}});
        return faces;
    }

    std::vector<std::string> BackAddresses;
    // The face set in use, which faces are drawn from.
    std::vector<Face> Faces;
    std::optional<KeptDeck> Kept;
};

Page& ThePage() {
    // The page's application frame: an error is shown in the error box, titled as the desktop's is by its
    // program, and the game goes on.
    static const bool framed = [] {
        SetErrorDisplay([](const std::string& message) {
            pf_show_error(std::string(layout::Title).c_str(), WithFullStop(message).c_str());
        });
        return true;
    }();
    static_cast<void>(framed);
    static Page page;
    return page;
}

}  // namespace
}  // namespace pairfinder::web

// What the front end calls: each runs inside the error guard.
extern "C" {

EMSCRIPTEN_KEEPALIVE void pf_start() {
    pairfinder::Guarded([] { pairfinder::web::ThePage().Game.StartFirstGame(); });
}

// The command a card, button or menu item carries (a card's is TurnCard with its position; a button's its
// data-command), its number, and the text of the control it takes. The page shares its store with the page's
// other tabs: a command that stores the table ranks into the table as stored at this moment, read again here; the
// front end runs it under the lock every tab takes for it (pf_stores_table), so that no tab stores in between.
EMSCRIPTEN_KEEPALIVE void pf_command(int command, int number, const char* text) {
    pairfinder::Guarded([command, number, text] {
        const auto does = static_cast<pairfinder::Command>(command);
        pairfinder::GameRules& game = pairfinder::web::ThePage().Game;
        if (pairfinder::StoresTable(does) && !game.Board.IsReleased()) game.TableChanged();
        game.Run(does, number, text ? text : "");
    });
}

// Whether the command waits for the lock every tab takes before it writes to the store. A chosen board is kept in
// the full board's key, which the page's storage writes whole: without the lock, a choice could write back a copy of
// the table another tab has just replaced.
EMSCRIPTEN_KEEPALIVE int pf_stores_table(int command) {
    return pairfinder::WritesStore(static_cast<pairfinder::Command>(command)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void pf_table_changed() {
    pairfinder::Guarded([] { pairfinder::web::ThePage().Game.TableChanged(); });
}

// The own deck as the front end found it kept, before the first game or once a new one is stored: its names file, and
// the picture files it found with each one's address, empty for a picture it could not decode. Without a names
// file, no deck is kept.
EMSCRIPTEN_KEEPALIVE void pf_keep_own_deck(const char* names, const char* const* files, const char* const* addresses,
                                           int count) {
    pairfinder::Guarded([=] {
        std::optional<pairfinder::web::KeptDeck> kept;
        if (names) {
            kept.emplace();
            kept->Names = pairfinder::deck::ReadNamesFile(names);
            for (int i = 0; i < count; ++i) {
                kept->Files.emplace_back(files[i]);
                kept->Addresses.emplace_back(addresses[i]);
            }
        }
        pairfinder::web::ThePage().Keep(std::move(kept));
    });
}

// Where a key pressed on the card at `from` takes the focus; -1 for a key that is not the grid's.
EMSCRIPTEN_KEEPALIVE int pf_move(int from, const char* key) {
    int to = -1;
    pairfinder::Guarded([&to, from, key] { to = pairfinder::web::ThePage().Move(from, key ? key : ""); });
    return to;
}
}
