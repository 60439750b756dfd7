// The window's layout as data: every control with its place, size, text, font and colour, the menu and the
// tab order. The desktop window and the page are both built from this one table, so they cannot drift apart.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "card_metrics.h"
#include "command.h"
#include "game_board.h"
#include "language.h"
#include "players.h"
#include "spoken_text.h"

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

// What pressing a button, choosing a menu item or turning a card does: the rules' own commands.
using pairfinder::Command;

// When one of a finished game's outcome controls shows: at every finish, or only when the result does or does
// not make the highscore table, or at the finish of a game together. The others are never outcome controls.
enum class Outcome { None, Finished, Qualified, Missed, Together };

struct Control {
    std::string_view Name{};
    Kind Type = Kind::Label;
    // Empty for the client area; otherwise the panel it lies in.
    std::string_view Parent{};
    Rect Geometry{};
    // What it says; "&" marks the following letter as the keyboard accelerator.
    std::string_view Caption{};
    // None for the window's default font.
    std::optional<Font> TextFont{};
    Ink TextInk{};
    // Hidden during play and above the cards when shown.
    layout::Outcome ShownWhen = Outcome::None;
    // Reads left to right whatever the reading order of the system.
    bool LeftToRight = false;
    Command Does = Command::None;
    // The control whose text goes with the command (the name a result is saved under).
    std::string_view Takes{};
    // Its caption is the attempt count, which the game sets.
    bool ShowsAttempts = false;
    // Its text, which the game sets, breaks into lines within its width.
    bool Wraps = false;
    // It shows only while two or more play together: the players, their pairs and attempts, and whose turn it is.
    bool ShowsPlayers = false;
};

inline constexpr std::string_view Title = "Pairfinder";
inline constexpr Point WindowPosition{188, 70};
inline constexpr Size WindowOuterSize{739, 645};
// The extent of the controls: the right edge of the panels and the bottom edge of the last card row.
inline constexpr Size ClientSize{721, 572};
inline constexpr Font WindowFont{Face::Window, 11};
inline constexpr Rgb Purple{128, 0, 128};
inline constexpr Rgb Navy{0, 0, 128};

// One cell for every card of the largest board; a smaller board uses the first of them.
inline constexpr int CellCount = GameBoard::DefaultCardCount;
static_assert(CellCount == FullBoard.Cards(), "the full board lies on the window's cards' area");

// The cards' area: the full board's cells, each with the gap beside and below it. Every board divides it into
// the largest square cards that fit, each with its gap in the same proportion as the full board's, and lies
// centred in it.
inline constexpr int CardArea = metrics::CardPitch * metrics::CardColumns;
static_assert(FullBoard.Columns == metrics::CardColumns && FullBoard.Rows == metrics::CardColumns,
              "the full board's cards are the metrics' cards");

// From one card's corner to the next one's, across and down.
constexpr int PitchOf(const BoardSize& board) {
    return CardArea / (board.Rows > board.Columns ? board.Rows : board.Columns);
}
// A card's side.
constexpr int CardSideOf(const BoardSize& board) {
    return PitchOf(board) * metrics::CardSize / metrics::CardPitch;
}
constexpr bool OnWholePixels(const BoardSize& board) {
    const int lines = board.Rows > board.Columns ? board.Rows : board.Columns;
    return CardArea % lines == 0 && PitchOf(board) * metrics::CardSize % metrics::CardPitch == 0 &&
           (CardArea - metrics::CardPitch + metrics::CardSize - board.Columns * PitchOf(board) +
            PitchOf(board) - CardSideOf(board)) % 2 == 0 &&
           (CardArea - metrics::CardPitch + metrics::CardSize - board.Rows * PitchOf(board) + PitchOf(board) -
            CardSideOf(board)) % 2 == 0;
}
static_assert([] {
    for (const BoardSize& board : BoardSizes) {
        if (!OnWholePixels(board)) return false;
    }
    return true;
}(), "every board's cards lie on whole pixels");

// Card cell k (1-based) is "Image<k>"; position p = k - 1 lies in this row and column of its board, counted
// from 0.
struct Cell {
    int Row = 0;
    int Column = 0;
};
constexpr Cell CellAt(const BoardSize& board, int p) {
    return {p / board.Columns, p % board.Columns};
}

constexpr Rect CellGeometry(const BoardSize& board, int p) {
    const int pitch = PitchOf(board);
    const int side = CardSideOf(board);
    // The full board's cards end a gap short of the area's edge; a smaller board is centred in what they cover.
    const int covered = CardArea - (metrics::CardPitch - metrics::CardSize);
    const int left = metrics::CardMargin + (covered - (board.Columns * pitch - (pitch - side))) / 2;
    const int top = metrics::CardMargin + (covered - (board.Rows * pitch - (pitch - side))) / 2;
    return {left + pitch * CellAt(board, p).Column, top + pitch * CellAt(board, p).Row, side, side};
}

// What a screen reader says of the card at p: "Reihe 1, Spalte 3: verdeckt".
inline std::string CardSpoken(const BoardSize& board, int p, CardView view, std::string_view face = {}) {
    return CardLabel(CellAt(board, p).Row + 1, CellAt(board, p).Column + 1, view, face);
}

inline constexpr Font Times21{Face::Times, 21};

// In declaration order, which is also the order in which they lie above one another, the last on top; the
// edit box and the buttons lie above every card and label.
inline constexpr std::array<Control, 14> Controls{{
    {.Name = "lbl_ferdisch",
     .Type = Kind::Label,
     .Geometry = {136, 104, 289, 73},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "FERTIG!!"),
     .TextFont = Font{Face::Times, 64, true},
     .TextInk = {Ink::Own, Purple},
     .ShownWhen = Outcome::Finished},
    {.Name = "lbl_Name",
     .Type = Kind::Label,
     .Geometry = {184, 216, 230, 13},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "Namen für die Highsorce noch schnell eingeben:"),
     .ShownWhen = Outcome::Qualified},
    {.Name = "edt_Name", .Type = Kind::Edit, .Geometry = {184, 232, 233, 21}, .ShownWhen = Outcome::Qualified},
    {.Name = "btn_Save",
     .Type = Kind::Button,
     .Geometry = {248, 272, 113, 25},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "&Save"),
     .ShownWhen = Outcome::Qualified,
     .Does = Command::Save,
     .Takes = "edt_Name"},
    {.Name = "lbl_Looser",
     .Type = Kind::Label,
     .Geometry = {120, 248, 382, 27},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "Leider reicht es für die Highscore nicht."),
     .TextFont = Font{Face::Times, 24},
     .TextInk = {Ink::Own, Navy},
     .ShownWhen = Outcome::Missed},
    // Who won a game together, under the banner, in place of the name entry.
    {.Name = "lbl_Sieger",
     .Type = Kind::Label,
     .Geometry = {40, 200, 496, 112},
     .TextFont = Font{Face::Times, 24},
     .TextInk = {Ink::Own, Navy},
     .ShownWhen = Outcome::Together,
     .Wraps = true},
    {.Name = "Panel1", .Type = Kind::Panel, .Geometry = {592, 328, 129, 241}},
    {.Name = "btn_Mix",
     .Type = Kind::Button,
     .Parent = "Panel1",
     .Geometry = {16, 24, 97, 33},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "&MIX IT"),
     .Does = Command::NewGame},
    {.Name = "Image65", .Type = Kind::Logo, .Parent = "Panel1", .Geometry = {16, 88, 96, 69}},
    {.Name = "btn_End",
     .Type = Kind::Button,
     .Parent = "Panel1",
     .Geometry = {16, 184, 97, 33},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "&END IT"),
     .Does = Command::End},
    // The panel writes in navy, but its labels ask for the ordinary text colour.
    {.Name = "Panel2",
     .Type = Kind::Panel,
     .Geometry = {592, 152, 129, 81},
     .TextFont = WindowFont,
     .TextInk = {Ink::Own, Navy}},
    {.Name = "Label1",
     .Type = Kind::Label,
     .Parent = "Panel2",
     .Geometry = {16, 8, 84, 23},
     .Caption = QT_TRANSLATE_NOOP("Pairfinder", "Versuche:"),
     .TextFont = Times21,
     .TextInk = {Ink::WindowText, {}}},
    {.Name = "lbl_Count",
     .Type = Kind::Label,
     .Parent = "Panel2",
     .Geometry = {72, 40, 11, 23},
     .Caption = "0",
     .TextFont = Times21,
     .TextInk = {Ink::WindowText, {}},
     .LeftToRight = true,
     .ShowsAttempts = true},
    // The players of a game together, above the count: whose turn it is in words, then a row each (ScoreRow).
    {.Name = "Panel3", .Type = Kind::Panel, .Geometry = {592, 8, 129, 137}, .ShowsPlayers = true},
}};

// Within the players' panel: the line that says whose turn it is, and each player's row below it, its name (with
// the turn's mark beside it, cut with an ellipsis where it is too long) above its pairs and attempts.
inline constexpr Rect TurnLine{6, 4, 117, 14};
inline constexpr Rect ScoreRow{6, 21, 117, 28};
inline constexpr int ScoreRowPitch = 28;
inline constexpr int MostSeats = 4;
static_assert(ScoreRow.Top + MostSeats * ScoreRowPitch <= 137, "four players fit the panel");


// The first control of the table that `is` picks; the table holds every control the front ends look up.
template <typename Picks>
constexpr const Control& FindWhere(Picks is) {
    for (const Control& control : Controls) {
        if (is(control)) return control;
    }
    throw "no such control in the layout";
}

// The control of that name.
constexpr const Control& Find(std::string_view name) {
    return FindWhere([name](const Control& control) { return control.Name == name; });
}

// The label that shows the attempt count.
constexpr const Control& AttemptsLabel() {
    return FindWhere([](const Control& control) { return control.ShowsAttempts; });
}

// The players' panel.
constexpr const Control& PlayersPanel() {
    return FindWhere([](const Control& control) { return control.ShowsPlayers; });
}

// The logo between the buttons.
constexpr const Control& Logo() {
    return FindWhere([](const Control& control) { return control.Type == Kind::Logo; });
}

// The application icon's side: one picture, which the window system scales down for its smaller sizes.
inline constexpr int IconSize = 64;

// Whether an outcome control shows at the end of a game whose result does or does not qualify.
constexpr bool ShownAtFinish(Outcome when, bool qualifies) {
    return when == Outcome::Finished || when == (qualifies ? Outcome::Qualified : Outcome::Missed);
}

// Whether an outcome control shows at the end of a game together.
constexpr bool ShownAtFinishTogether(Outcome when) {
    return when == Outcome::Finished || when == Outcome::Together;
}

// The order in which Tab moves between the controls that take the keyboard; the cards' grid comes after them.
inline constexpr std::array<std::string_view, 4> TabOrder{"btn_Mix", "btn_End", "edt_Name", "btn_Save"};

// A menu of the menu bar or a submenu, an item that carries out a command, a group of choices with check marks
// (one item per back picture or per face set the build found, one per board), a line that only displays (a place
// of the highscore table, in order), the line that names the board the table below it is of, shown only
// while it has something to say, an item with a check mark of its own, set while what it chose is in play (the
// own deck, which the face sets' choice unchecks), or a line between groups of items.
enum class Role { Menu, Item, Choice, Display, Heading, Check, Separator };

struct MenuEntry {
    // For a choice, the stem of the names of its items: "Blatt" gives Blatt1, Blatt2, ...
    std::string_view Name;
    // For a choice, the stem of the items' captions, followed by the item's number; empty for the boards, which
    // the menu names by their own captions (ChoiceCaption).
    std::string_view Caption;
    // Empty for the menu bar.
    std::string_view Parent;
    Role Purpose = Role::Item;
    // For an item, what it does; for a choice, what each of its items does with its number.
    Command Does = Command::None;
};

// The menu bar and its menus in order.
inline constexpr std::array<MenuEntry, 24> Menu{{
    {"Game1", QT_TRANSLATE_NOOP("Pairfinder", "&Game"), "", Role::Menu},
    {"Mixitnew1", QT_TRANSLATE_NOOP("Pairfinder", "&Mix it"), "Game1", Role::Item, Command::NewGame},
    {"Ferdisch1", QT_TRANSLATE_NOOP("Pairfinder", "&Ferdisch"), "Game1", Role::Item, Command::End},
    {"Mitspieler", QT_TRANSLATE_NOOP("Pairfinder", "Mitspieler"), "Game1", Role::Menu},
    {"Spieler", "", "Mitspieler", Role::Choice, Command::ChoosePlayers},
    {"Ansicht1", QT_TRANSLATE_NOOP("Pairfinder", "&Ansicht"), "", Role::Menu},
    {"Deckblatt", QT_TRANSLATE_NOOP("Pairfinder", "Deckblatt"), "Ansicht1", Role::Menu},
    {"Blatt", QT_TRANSLATE_NOOP("Pairfinder", "Deckblatt %1"), "Deckblatt", Role::Choice, Command::ChooseBack},
    {"Spieldeck", QT_TRANSLATE_NOOP("Pairfinder", "Spieldeck"), "Ansicht1", Role::Menu},
    {"Deck", QT_TRANSLATE_NOOP("Pairfinder", "Deck %1"), "Spieldeck", Role::Choice, Command::ChooseFaceSet},
    {"EigenesDeck1", QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck"), "Spieldeck", Role::Check, Command::ChooseOwnDeck},
    {"N1", "", "Spieldeck", Role::Separator},
    {"Zusammenstellen1", QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck zusammenstellen …"),
     "Spieldeck", Role::Item, Command::ComposeDeck},
    {"Speichern1", QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck speichern …"),
     "Spieldeck", Role::Item, Command::SaveDeck},
    {"Oeffnen1", QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck öffnen …"), "Spieldeck", Role::Item, Command::OpenDeck},
    {"Spielfeld", QT_TRANSLATE_NOOP("Pairfinder", "Spielfeld"), "Ansicht1", Role::Menu},
    {"Feld", "", "Spielfeld", Role::Choice, Command::ChooseBoard},
    {"Sprache", QT_TRANSLATE_NOOP("Pairfinder", "Sprache"), "Ansicht1", Role::Menu},
    {"Sprache", "", "Sprache", Role::Choice, Command::ChooseLanguage},
    {"Highscore1", QT_TRANSLATE_NOOP("Pairfinder", "&Highscore"), "", Role::Menu},
    {"Tabelle1", "", "Highscore1", Role::Heading},
    {"Erster", QT_TRANSLATE_NOOP("Pairfinder", "Erster"), "Highscore1", Role::Display},
    {"Zweiter", QT_TRANSLATE_NOOP("Pairfinder", "Zweiter"), "Highscore1", Role::Display},
    {"Dritter", QT_TRANSLATE_NOOP("Pairfinder", "Dritter"), "Highscore1", Role::Display},
}};

// The stem of the names of the items of the choice that carries out `command` ("Blatt" for the back pictures).
constexpr std::string_view ChoiceStem(Command command) {
    for (const MenuEntry& entry : Menu) {
        if (entry.Purpose == Role::Choice && entry.Does == command) return entry.Name;
    }
    throw "no such choice in the menu";
}

// The caption of item k (from 1) of a choice in the player's language: "Deckblatt 2", a board's own, "8 Paare", or a
// company's, "Zu zweit".
inline std::string ChoiceCaption(const MenuEntry& choice, int k) {
    if (choice.Does == Command::ChooseBoard) {
        if (k < 1 || static_cast<std::size_t>(k) > BoardSizes.size()) return {};
        return BoardCaption(BoardSizes[static_cast<std::size_t>(k - 1)]);
    }
    if (choice.Does == Command::ChoosePlayers) {
        if (k < 1 || static_cast<std::size_t>(k) > CompanyCaptions.size()) return {};
        return Tr(CompanyCaptions[static_cast<std::size_t>(k - 1)].data());
    }
    // Each language in its own words, whatever the language in play.
    if (choice.Does == Command::ChooseLanguage) {
        if (k < 1 || static_cast<std::size_t>(k) > std::size(Languages)) return {};
        return std::string(Languages[static_cast<std::size_t>(k - 1)].Name);
    }
    return Filled(Tr(std::string(choice.Caption).c_str()), {std::to_string(k)});
}

// --- The keyboard ---

// A caption as it reads, with the letter that "&" marks in it: "&&" is a plain "&", and only the first single
// "&" marks a letter.
struct Unmarked {
    std::string Plain;
    // Where the marked letter lies in Plain; none without one.
    std::optional<std::size_t> Marked;
};

inline Unmarked Unmark(std::string_view caption) {
    Unmarked out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && !out.Marked) out.Marked = out.Plain.size();
        }
        out.Plain += caption[i];
    }
    return out;
}

// The letter that "&" marks in a caption, in lower case; 0 for none.
inline char AcceleratorOf(std::string_view caption) {
    const Unmarked unmarked = Unmark(caption);
    if (!unmarked.Marked) return 0;
    const char marked = unmarked.Plain[*unmarked.Marked];
    return marked >= 'A' && marked <= 'Z' ? static_cast<char>(marked - 'A' + 'a') : marked;
}

// How an accelerator reaches what it marks: Alt with the letter opens a menu of the bar or presses a push button
// at any time; a push button's letter alone presses it too, unless the keyboard focus is in a text entry, where
// the letter is typed. A hidden or disabled button takes no key.
constexpr bool LetterAlonePresses(Kind kind) {
    return kind == Kind::Button;
}

// The key that says the score on demand wherever the focus is (Command::SayScore), and the keys the cards' grid
// tells a reader of, as its description.
inline constexpr std::string_view ScoreKey = "F2";
inline constexpr std::string_view KeysHelp = QT_TRANSLATE_NOOP(
    "Pairfinder", "Pfeiltasten, Pos1 und Ende wählen eine Karte, Eingabe oder Leertaste dreht sie um, F2 sagt den "
                  "Spielstand.");

// The cards' grid, read as a player moves over it with the arrow keys, Home and End.
enum class Step { Left, Right, Up, Down, RowStart, RowEnd };

// The cell the focus moves to from `from`, keeping the grid's shape, so that where a card lies stays what a
// player remembers, and skipping the empty cells:
// - Left and Right go to the next card in reading order: along the row, and past its end on to the nearest row
//   that still holds a card, so that every card can be reached;
// - Up and Down go to the next card straight up or down the column, or, when the column holds none that way, to
//   the card nearest to the column in the next row that holds one (the left one of two as near);
// - Home and End go to the first and the last card of the row.
// `from` itself when no card lies that way.
template <typename HoldsCard>
constexpr int NextCell(const BoardSize& board, int from, Step step, HoldsCard holdsCard) {
    const int columns = board.Columns;
    const int rows = board.Rows;
    const int cells = board.Cards();
    const int row = from / columns;
    const int column = from % columns;
    const auto first = [&](int start, int stride, int count) {
        for (int i = 0, cell = start; i < count; ++i, cell += stride) {
            if (holdsCard(cell)) return cell;
        }
        return -1;
    };
    // The card nearest to the column in the first row that holds one, going `stride` rows at a time.
    const auto nearestInNextRow = [&](int stride) {
        for (int r = row + stride; r >= 0 && r < rows; r += stride) {
            for (int distance = 0; distance < columns; ++distance) {
                for (const int c : {column - distance, column + distance}) {
                    if (c >= 0 && c < columns && holdsCard(r * columns + c)) return r * columns + c;
                }
            }
        }
        return -1;
    };
    int found = -1;
    switch (step) {
        case Step::Left:
            found = first(from - 1, -1, from);
            break;
        case Step::Right:
            found = first(from + 1, 1, cells - 1 - from);
            break;
        case Step::Up:
            found = first(from - columns, -columns, row);
            if (found < 0) found = nearestInNextRow(-1);
            break;
        case Step::Down:
            found = first(from + columns, columns, rows - 1 - row);
            if (found < 0) found = nearestInNextRow(1);
            break;
        case Step::RowStart:
            found = first(row * columns, 1, columns);
            break;
        case Step::RowEnd:
            found = first(row * columns + columns - 1, -1, columns);
            break;
    }
    return found < 0 ? from : found;
}

}  // namespace pairfinder::layout
