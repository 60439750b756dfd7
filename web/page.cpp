// The game's side of the page: the window's requests and handlers, answered for the page's front end, which
// draws what it is told and reports what the player clicks (page_front_end.js). The rules, the store and the
// messages are the desktop's own; the layout is the one table both are built from.
#include <emscripten.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "error_text.h"
#include "game_rules.h"
#include "highscore_store.h"
#include "layout_json.h"
#include "page_pictures.h"
#include "window_layout.h"

// The front end's half (page_library.js). Names are the layout's; a picture is the address of its file, empty
// for none.
extern "C" {
void pf_set_text(const char* name, const char* text);
void pf_set_visible(const char* name, int visible);
void pf_set_checked(const char* name, int checked);
void pf_set_picture(int position, const char* picture, int enabled);
// The control's text, in memory the caller frees.
char* pf_text_of(const char* name);
void pf_show_error(const char* title, const char* message);
void pf_close();
void pf_set_face_set(const char* const* pictures, int count);
}

namespace pairfinder::web {
namespace {

std::string Name(std::string_view stem, int k) {
    return std::string(stem) + std::to_string(k);
}

class Page : public GameRequests {
public:
    Page() : Game(*this) {}

    void OnCreate() {
        pf_set_checked(Name(BackStem, 1).c_str(), 1);
        pf_set_checked(Name(FaceSetStem, 1).c_str(), 1);
        Game.StartFirstGame();
    }

    // The player clicked or tapped the control, menu item or card of that name.
    void Click(std::string_view name) {
        if (Closed) return;
        if (name == "btn_Mix" || name == "Mixitnew1") {
            Game.NewGame();
        } else if (name == "btn_End" || name == "Ferdisch1") {
            // A page cannot close its tab: it ends the game as closing the window does, and says so.
            Game.Release();
            Closed = true;
            pf_close();
        } else if (name == "btn_Save") {
            const std::unique_ptr<char, decltype(&std::free)> text(pf_text_of("edt_Name"), &std::free);
            Game.SaveResult(text ? text.get() : "");
        } else if (const int k = Numbered(name, BackStem, BackCount()); k > 0) {
            Check(BackStem, BackCount(), k);
            Game.ChooseBack(k - 1);
        } else if (const int d = Numbered(name, FaceSetStem, FaceSetCount()); d > 0) {
            Check(FaceSetStem, FaceSetCount(), d);
            Game.ChooseFaceSet(d - 1);
        } else if (const int p = Numbered(name, "Image", layout::CellCount); p > 0) {
            Game.CardClicked(p - 1);
        }
    }

    void HideOutcome() override {
        for (const layout::Control& control : layout::Controls) {
            if (control.Outcome) pf_set_visible(std::string(control.Name).c_str(), 0);
        }
    }

    void ShowAttempts(int n) override { pf_set_text("lbl_Count", std::to_string(n).c_str()); }

    void ShowBacks() override {
        if (Game.Board.IsReleased()) return;
        const int back = Game.Board.BackIndex();
        const char* picture =
            back >= 0 && back < BackCount() ? pictures::Backs[static_cast<std::size_t>(back)] : "";
        for (int p = 0; p < layout::CellCount; ++p) {
            const bool matched = Game.Board.Matched[static_cast<std::size_t>(p)] != 0;
            pf_set_picture(p, matched ? "" : picture, matched ? 0 : 1);
        }
    }

    void ShowFace(int p) override {
        if (!Game.Board.IsPosition(p) || p >= layout::CellCount) return;
        const auto pair = static_cast<std::size_t>(Game.Board.PairOf[static_cast<std::size_t>(p)]);
        pf_set_picture(p, pair < FakeList.size() ? FakeList[pair] : "", 1);
    }

    void ShowOutcome(bool qualifies) override {
        pf_set_visible("lbl_ferdisch", 1);
        if (qualifies) {
            pf_set_visible("lbl_Name", 1);
            pf_set_visible("edt_Name", 1);
            pf_set_visible("btn_Save", 1);
        } else {
            pf_set_visible("lbl_Looser", 1);
        }
    }

    void LoadHighscores() override { pairfinder::LoadHighscores(Game.Highscores); }

    void StoreHighscores() override { pairfinder::StoreHighscores(Game.Highscores); }

    void ShowHighscoreMenu() override {
        const auto captions = Game.Highscores.HighscoreCaptions();
        pf_set_text("Erster", captions[0].c_str());
        pf_set_text("Zweiter", captions[1].c_str());
        pf_set_text("Dritter", captions[2].c_str());
    }

    void LoadFaceSet() override {
        FakeList.clear();
        const int set = Game.Board.FaceSetIndex();
        if (set >= 0 && set < FaceSetCount()) {
            const auto& pictures = pictures::FaceSets[static_cast<std::size_t>(set)];
            FakeList.assign(pictures.begin(), pictures.end());
        }
        pf_set_face_set(FakeList.data(), static_cast<int>(FakeList.size()));
    }

private:
    static constexpr std::string_view BackStem = layout::ChoiceStem(layout::Role::BackChoice);
    static constexpr std::string_view FaceSetStem = layout::ChoiceStem(layout::Role::FaceSetChoice);

    static int BackCount() { return static_cast<int>(pictures::Backs.size()); }
    static int FaceSetCount() { return static_cast<int>(std::size(pictures::FaceSets)); }

    // k for the name stem + k, with k from 1 to count; 0 for any other name.
    static int Numbered(std::string_view name, std::string_view stem, int count) {
        for (int k = 1; k <= count; ++k) {
            if (name == Name(stem, k)) return k;
        }
        return 0;
    }

    // One item of a choice checked, the others not, in menu order.
    static void Check(std::string_view stem, int count, int chosen) {
        for (int k = 1; k <= count; ++k) pf_set_checked(Name(stem, k).c_str(), k == chosen ? 1 : 0);
    }

    GameRules Game;
    std::vector<const char*> FakeList;
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
        pf_show_error(std::string(layout::Title).c_str(), WithFullStop(error.what()).c_str());
    }
}

}  // namespace
}  // namespace pairfinder::web

extern "C" {

// The layout table, its pictures and the counts of the choices, as JSON for the front end to build the page
// from.
EMSCRIPTEN_KEEPALIVE const char* pf_layout() {
    static const std::string json = pairfinder::web::LayoutJson();
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE void pf_start() {
    pairfinder::web::Guarded([] { pairfinder::web::ThePage().OnCreate(); });
}

EMSCRIPTEN_KEEPALIVE void pf_click(const char* name) {
    pairfinder::web::Guarded([name] { pairfinder::web::ThePage().Click(name); });
}
}
