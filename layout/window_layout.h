// The window's layout as data: every control with its place, size, text, font and colour, the menu and the
// tab order. The desktop window and the page are both built from this one table, so they cannot drift apart.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "card_metrics.h"

namespace pairfinder::layout {

struct Point {
    int X = 0;
    int Y = 0;
};

struct Size {
    int Width = 0;
    int Height = 0;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct Rgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// The two faces the layout names. Where one is missing (Linux, Wine, a browser), its metric-compatible
// stand-in keeps the texts as wide as the layout meant them.
enum class Face { Window, Times };

struct FaceNames {
    std::string_view Named;
    std::string_view StandIn;
};

constexpr FaceNames NamesOf(Face face) {
    return face == Face::Window ? FaceNames{"MS Sans Serif", "Liberation Sans"}
                                : FaceNames{"Times New Roman", "Liberation Serif"};
}

// A height in pixels is the character height without internal leading, that is the em size.
struct Font {
    Face Family = Face::Window;
    int Pixels = 11;
    bool Bold = false;
};

// Where a control's text colour comes from: its parent's, the system's window-text colour, or its own.
struct Ink {
    enum Source { Parent, WindowText, Own } From = Parent;
    Rgb Colour{};
};

enum class Kind { Label, Edit, Button, Panel, Logo };

struct Control {
    std::string_view Name;
    Kind Type = Kind::Label;
    // Empty for the client area; otherwise the panel it lies in.
    std::string_view Parent;
    Rect Geometry;
    // "&" marks the following letter as the keyboard accelerator.
    std::string_view Text;
    // None for the window's default font.
    std::optional<Font> TextFont;
    Ink TextInk;
    // One of a finished game's outcome controls: hidden during play, above the cards when shown.
    bool Outcome = false;
    // Reads left to right whatever the reading order of the system.
    bool LeftToRight = false;
};

inline constexpr std::string_view Title = "Pairfinder";
inline constexpr Point WindowPosition{188, 70};
inline constexpr Size WindowOuterSize{739, 645};
// The extent of the controls: the right edge of the panels and the bottom edge of the last card row.
inline constexpr Size ClientSize{721, 572};
inline constexpr Font WindowFont{Face::Window, 11};
inline constexpr Rgb Purple{128, 0, 128};
inline constexpr Rgb Navy{0, 0, 128};

inline constexpr int CellCount = 64;
// Card cell k (1-based) is "Image<k>"; position p = k - 1 lies in row p / CardColumns, column p %
// CardColumns.
constexpr Rect CellGeometry(int p) {
    return {metrics::CardMargin + metrics::CardPitch * (p % metrics::CardColumns),
            metrics::CardMargin + metrics::CardPitch * (p / metrics::CardColumns), metrics::CardSize,
            metrics::CardSize};
}

inline constexpr Font Times21{Face::Times, 21};

// In declaration order, which is also the order in which they lie above one another, the last on top; the
// edit box and the buttons lie above every card and label.
inline constexpr std::array<Control, 12> Controls{{
    {"lbl_ferdisch",
     Kind::Label,
     "",
     {136, 104, 289, 73},
     "FERTIG!!",
     Font{Face::Times, 64, true},
     {Ink::Own, Purple},
     true},
    {"lbl_Name",
     Kind::Label,
     "",
     {184, 216, 230, 13},
     "Namen für die Highsorce noch schnell eingeben:",
     {},
     {},
     true},
    {"edt_Name", Kind::Edit, "", {184, 232, 233, 21}, "", {}, {}, true},
    {"btn_Save", Kind::Button, "", {248, 272, 113, 25}, "&Save", {}, {}, true},
    {"lbl_Looser",
     Kind::Label,
     "",
     {120, 248, 382, 27},
     "Leider reicht es für die Highscore nicht.",
     Font{Face::Times, 24},
     {Ink::Own, Navy},
     true},
    {"Panel1", Kind::Panel, "", {592, 328, 129, 241}, "", {}, {}, false},
    {"btn_Mix", Kind::Button, "Panel1", {16, 24, 97, 33}, "&MIX IT", {}, {}, false},
    {"Image65", Kind::Logo, "Panel1", {16, 88, 96, 69}, "", {}, {}, false},
    {"btn_End", Kind::Button, "Panel1", {16, 184, 97, 33}, "&END IT", {}, {}, false},
    // The panel writes in navy, but its labels ask for the ordinary text colour.
    {"Panel2", Kind::Panel, "", {592, 152, 129, 81}, "", WindowFont, {Ink::Own, Navy}, false},
    {"Label1", Kind::Label, "Panel2", {16, 8, 84, 23}, "Versuche:", Times21, {Ink::WindowText, {}}, false},
    {"lbl_Count", Kind::Label, "Panel2", {72, 40, 11, 23}, "0", Times21, {Ink::WindowText, {}}, false, true},
}};

// The control of that name; the table names every control the front ends look up.
constexpr const Control& Find(std::string_view name) {
    for (const Control& control : Controls) {
        if (control.Name == name) return control;
    }
    throw "no control of that name in the layout";
}

// The order in which Tab moves between the controls that take the keyboard.
inline constexpr std::array<std::string_view, 4> TabOrder{"btn_Mix", "btn_End", "edt_Name", "btn_Save"};

// A menu of the menu bar or a submenu, a command, a group of choices with check marks (one item per back
// picture or per face set the build found), or a line that only displays.
enum class Role { Menu, Command, BackChoice, FaceSetChoice, Display };

struct MenuEntry {
    // For a choice, the stem of the names of its items: "Blatt" gives Blatt1, Blatt2, ...
    std::string_view Name;
    // For a choice, the stem of the items' texts, followed by the item's number.
    std::string_view Text;
    // Empty for the menu bar.
    std::string_view Parent;
    Role Purpose = Role::Command;
};

// The menu bar and its menus in order.
inline constexpr std::array<MenuEntry, 12> Menu{{
    {"Game1", "&Game", "", Role::Menu},
    {"Mixitnew1", "&Mix it", "Game1", Role::Command},
    {"Ferdisch1", "&Ferdisch", "Game1", Role::Command},
    {"Ansicht1", "&Ansicht", "", Role::Menu},
    {"Deckblatt", "Deckblatt", "Ansicht1", Role::Menu},
    {"Blatt", "Deckblatt ", "Deckblatt", Role::BackChoice},
    {"Spieldeck", "Spieldeck", "Ansicht1", Role::Menu},
    {"Deck", "Deck ", "Spieldeck", Role::FaceSetChoice},
    {"Highscore1", "&Highscore", "", Role::Menu},
    {"Erster", "Erster", "Highscore1", Role::Display},
    {"Zweiter", "Zweiter", "Highscore1", Role::Display},
    {"Dritter", "Dritter", "Highscore1", Role::Display},
}};

// The stem of the names of a choice's items ("Blatt" for the back pictures).
constexpr std::string_view ChoiceStem(Role choice) {
    for (const MenuEntry& entry : Menu) {
        if (entry.Purpose == choice) return entry.Name;
    }
    throw "no such choice in the menu";
}

}  // namespace pairfinder::layout
