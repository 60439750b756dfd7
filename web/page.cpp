// The game's side of the page: the window's requests and handlers, answered for the page's front end, which
// draws what it is told and reports what the player presses (page_front_end.js). The rules, the store and the
// messages are the desktop's own; what each control does is the layout table's.
#include <emscripten.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "error_text.h"
#include "game_rules.h"
#include "highscore_store.h"
#include "page_pictures.h"
#include "pictures.h"
#include "spoken_text.h"
#include "window_layout.h"

static_assert(pairfinder::layout::CellCount == pairfinder::GameBoard::DefaultCardCount,
              "one cell for every card of the board");

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
}

namespace pairfinder::web {
namespace {

using layout::Command;

std::string Text(std::string_view text) {
    return std::string(text);
}

class Page : public GameRequests {
public:
    Page() : Game(*this) {
        for (const pictures::Picture& back : pictures::Backs) BackAddresses.push_back(PictureAddress(back));
    }

    void OnCreate() {
        Check(Command::ChooseBack, 1);
        Check(Command::ChooseFaceSet, 1);
        Game.StartFirstGame();
    }

    // A button, menu item or card was pressed: what it does is what the table says.
    void Run(Command command, int k, const char* text) {
        if (Closed) return;
        switch (command) {
            case Command::NewGame:
                Game.NewGame();
                break;
            case Command::End:
                // A page cannot close its tab: it ends the game as closing the window does, and says so.
                Game.Release();
                Closed = true;
                pf_close();
                break;
            case Command::Save:
                Game.SaveResult(text ? text : "");
                break;
            case Command::ChooseBack:
                Check(command, k);
                Game.ChooseBack(k - 1);
                break;
            case Command::ChooseFaceSet:
                Check(command, k);
                Game.ChooseFaceSet(k - 1);
                break;
            case Command::TurnCard:
                Game.CardClicked(k);
                break;
            case Command::None:
                break;
        }
    }

    void TableChanged() {
        if (!Closed) Game.TableChanged();
    }

    // Where the arrow keys, Home and End take the focus from `from`: over the cards still in play.
    int Move(int from, layout::Step step) const {
        if (!Game.Board.IsPosition(from)) return from;
        return layout::NextCell(from, step, [this](int p) { return !Game.Board.Matched[static_cast<std::size_t>(p)]; });
    }

    void HideOutcome() override {
        for (const layout::Control& control : layout::Controls) {
            if (control.ShownWhen != layout::Outcome::None) pf_set_visible(Text(control.Name).c_str(), 0);
        }
    }

    void ShowAttempts(int n) override {
        pf_set_text(Text(layout::Showing(layout::Shows::Attempts).Name).c_str(), std::to_string(n).c_str());
    }

    void ShowBacks() override {
        if (Game.Board.IsReleased()) return;
        const int back = Game.Board.BackIndex();
        const std::string none;
        const std::string& picture =
            back >= 0 && static_cast<std::size_t>(back) < BackAddresses.size() ? BackAddresses[static_cast<std::size_t>(back)]
                                                                               : none;
        std::vector<std::string> labels;
        std::vector<const char*> pictures;
        std::vector<const char*> texts;
        std::vector<unsigned char> enabled;
        for (int p = 0; p < layout::CellCount; ++p) {
            const bool matched = Game.Board.Matched[static_cast<std::size_t>(p)] != 0;
            labels.push_back(Label(p, matched ? CardView::Removed : CardView::Hidden));
            pictures.push_back(matched ? none.c_str() : picture.c_str());
            enabled.push_back(matched ? 0 : 1);
        }
        for (const std::string& label : labels) texts.push_back(label.c_str());
        pf_set_cards(pictures.data(), texts.data(), enabled.data(), layout::CellCount);
    }

    void ShowFace(int p) override {
        if (!Game.Board.IsPosition(p) || p >= layout::CellCount) return;
        const pictures::Picture* face = FaceOf(p);
        pf_set_card(p, face ? PictureAddress(*face).c_str() : "", Label(p, CardView::Face).c_str(), 1);
    }

    void ShowOutcome(bool qualifies) override {
        std::string spoken;
        std::string entry;
        for (const layout::Control& control : layout::Controls) {
            if (!layout::ShownAtFinish(control.ShownWhen, qualifies)) continue;
            pf_set_visible(Text(control.Name).c_str(), 1);
            if (control.Type == layout::Kind::Label) spoken += (spoken.empty() ? "" : " ") + Text(control.Text);
            if (control.Type == layout::Kind::Edit) entry = Text(control.Name);
        }
        pf_announce(spoken.c_str());
        if (!entry.empty()) pf_focus_from_cards(entry.c_str());
    }

    void LoadHighscores() override { pairfinder::LoadHighscores(Game.Highscores); }

    void StoreHighscores() override { pairfinder::StoreHighscores(Game.Highscores); }

    void ShowHighscoreMenu() override {
        const auto captions = Game.Highscores.HighscoreCaptions();
        std::size_t place = 0;
        for (const layout::MenuEntry& entry : layout::Menu) {
            if (entry.Purpose != layout::Role::Display || place >= captions.size()) continue;
            pf_set_text(Text(entry.Name).c_str(), captions[place++].c_str());
        }
    }

    void LoadFaceSet() override {
        FakeList.clear();
        const int set = Game.Board.FaceSetIndex();
        if (set >= 0 && static_cast<std::size_t>(set) < std::size(pictures::FaceSets)) {
            for (const pictures::Picture& face : pictures::FaceSets[static_cast<std::size_t>(set)])
                FakeList.push_back(&face);
        }
        std::vector<std::string> addresses;
        for (const pictures::Picture* face : FakeList) addresses.push_back(PictureAddress(*face));
        std::vector<const char*> list;
        for (const std::string& address : addresses) list.push_back(address.c_str());
        pf_set_face_set(list.data(), static_cast<int>(list.size()));
    }

    void AnnounceTurn(std::int32_t first, std::int32_t second, bool paired) override {
        const pictures::Picture* one = FaceOf(first);
        const pictures::Picture* two = FaceOf(second);
        if (!one || !two) return;
        pf_announce(TurnSpoken({one->Name, one->Plural}, {two->Name, two->Plural}, paired, Game.Board.Attempts).c_str());
    }

private:
    // The face the card at p shows, from the face set in use; none before a set is loaded.
    const pictures::Picture* FaceOf(int p) const {
        const auto pair = static_cast<std::size_t>(Game.Board.PairOf[static_cast<std::size_t>(p)]);
        return pair < FakeList.size() ? FakeList[pair] : nullptr;
    }

    std::string Label(int p, CardView view) const {
        const pictures::Picture* face = view == CardView::Face ? FaceOf(p) : nullptr;
        return CardLabel(p / metrics::CardColumns + 1, p % metrics::CardColumns + 1, view,
                         face ? face->Name : std::string_view());
    }

    // One item of a choice checked, the others not, in menu order.
    static void Check(Command choice, int chosen) {
        const std::string stem = Text(layout::ChoiceStem(choice));
        for (int k = 1; k <= ChoiceCount(choice); ++k)
            pf_set_checked((stem + std::to_string(k)).c_str(), k == chosen ? 1 : 0);
    }

    GameRules Game;
    std::vector<std::string> BackAddresses;
    std::vector<const pictures::Picture*> FakeList;
    bool Closed = false;
};

Page& ThePage() {
    static Page page;
    return page;
}

// Every handler runs inside this guard, the page's application frame: an error is shown in the error box,
// titled as the desktop's is by its program, and the game goes on.
template <typename Handler>
void Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        pf_show_error(Text(layout::Title).c_str(), WithFullStop(error.what()).c_str());
    }
}

}  // namespace
}  // namespace pairfinder::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void pf_start() {
    pairfinder::web::Guarded([] { pairfinder::web::ThePage().OnCreate(); });
}

EMSCRIPTEN_KEEPALIVE void pf_card(int position) {
    pairfinder::web::Guarded([position] { pairfinder::web::ThePage().Run(pairfinder::layout::Command::TurnCard, position, nullptr); });
}

// The command a button or menu item carries (its data-command), its number, and the text of the control it takes.
EMSCRIPTEN_KEEPALIVE void pf_command(int command, int number, const char* text) {
    pairfinder::web::Guarded([command, number, text] {
        pairfinder::web::ThePage().Run(static_cast<pairfinder::layout::Command>(command), number, text);
    });
}

EMSCRIPTEN_KEEPALIVE void pf_table_changed() {
    pairfinder::web::Guarded([] { pairfinder::web::ThePage().TableChanged(); });
}

EMSCRIPTEN_KEEPALIVE int pf_move(int from, int step) {
    return pairfinder::web::ThePage().Move(from, static_cast<pairfinder::layout::Step>(step));
}
}
