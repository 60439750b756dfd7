// The page as the build writes it from the layout table: the window's first deal as HTML, and the table's numbers
// for the style sheet that places every control.
#include "page_document.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "choices.h"
#include "deck_file.h"
#include "page_pictures.h"
#include "pictures.h"
#include "spoken_text.h"
#include "start_failure.h"
#include "window_layout.h"

namespace pairfinder::web {

namespace {

using layout::Control;
using layout::Kind;

std::string Number(int n) {
    return std::to_string(n);
}

// Text as HTML text or attribute value: nothing in it can open a tag or end an attribute.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A caption with "&" before its accelerator letter as HTML: the letter underlined.
std::string Accelerated(std::string_view caption) {
    const layout::Unmarked unmarked = layout::Unmark(caption);
    const std::string_view plain = unmarked.Plain;
    if (!unmarked.Marked) return Escaped(plain);
    const std::size_t at = *unmarked.Marked;
    return Escaped(plain.substr(0, at)) + "<u>" + Escaped(plain.substr(at, 1)) + "</u>" +
           Escaped(plain.substr(at + 1));
}

// The keys that reach a control or a menu of the bar, as aria-keyshortcuts writes them: "Alt+M M".
std::string Shortcuts(std::string_view text, bool letterAlone) {
    const char letter = layout::AcceleratorOf(text);
    if (!letter) return {};
    const std::string key(1, static_cast<char>(letter - 'a' + 'A'));
    return " aria-keyshortcuts=\"Alt+" + key + (letterAlone ? " " + key : "") + "\"";
}

// What pressing the element does, for the front end to pass on as it is.
std::string CommandAttributes(layout::Command command, int number = 0, std::string_view takes = {}) {
    std::string out = " data-command=\"" + Number(static_cast<int>(command)) + "\"";
    if (number) out += " data-number=\"" + Number(number) + "\"";
    if (!takes.empty()) out += " data-takes=\"" + Escaped(takes) + "\"";
    return out;
}

// MIX IT, whose look the ended screen's button takes, and whose text it is named by.
const Control& NewGameButton() {
    return layout::FindWhere(
        [](const Control& c) { return c.Does == layout::Command::NewGame && c.Type == Kind::Button; });
}

// Whether a panel shows what the game counts, rather than holding the buttons.
bool IsCounter(const Control& panel) {
    return panel.Name == layout::AttemptsLabel().Parent;
}

// --- The document ---

// What the first deal does not show, inert in a template until the first script puts it in its place at the load
// event, before the game's script runs: the browser builds, styles and lays out none of it for the first deal.
std::string Later(const std::string& markup) {
    return "<template class=\"later\">" + markup + "</template>\n";
}

// An inline part of the first view as the page's policy names it: by the digest of its exact text. The writer of
// the part guarantees it cannot end its element early.
std::string Named(std::string_view digest) {
    return " 'sha256-" + std::string(digest) + "'";
}

// The page's policy: only the page's own scripts and its WebAssembly run, and only its own style applies, the first
// script and the style in the page by their digests, the rest from files beside it; nothing stored, typed or
// loaded can run as code. The game's script fetches its WebAssembly from beside the page or, opened from disk,
// reads it from a data: address inside itself (connect-src). The first deal's back is asked for as soon as its line
// arrives; the player's own pictures are shown from the page's own blob: addresses. The page carries no comment: every byte of it comes before the back is asked for.
std::string Head(const FirstView& first) {
    const std::string title = Escaped(layout::Title);
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'self' "
           "'wasm-unsafe-eval'" + Named(first.ScriptDigest) + "; connect-src 'self' data:; style-src 'self'" +
           Named(first.StyleDigest) + "; img-src 'self' blob:; font-src data:; manifest-src 'self'; worker-src 'self'; "
           "base-uri 'none'; form-action 'none'\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, viewport-fit=cover\">\n"
           "<meta name=\"color-scheme\" content=\"light\">\n<meta name=\"theme-color\" content=\"#efefef\">\n"
           "<title>" +
           title +
           "</title>\n<link rel=\"icon\" href=\"pictures/icon.svg\" type=\"image/svg+xml\">\n"
           "<link rel=\"preload\" as=\"image\" href=\"" + PictureAddress(pictures::Backs.front()) + "\">\n"
           "<style>" + first.Style + "</style>\n<script>" + first.Script + "</script>\n</head>\n";
}

std::string MenuItem(std::string_view id, std::string_view text, std::string_view role, const std::string& does,
                     std::string_view checked = {}) {
    std::string out = "<div id=\"" + Escaped(id) + "\" class=\"item\" role=\"" + std::string(role) +
                      "\" tabindex=\"-1\"" + does;
    if (!checked.empty()) out += " aria-checked=\"" + std::string(checked) + "\"";
    const char letter = layout::AcceleratorOf(text);
    if (letter) out += " data-key=\"" + std::string(1, letter) + "\"";
    return out + "><span class=\"check\"></span><span class=\"text\">" + Accelerated(text) + "</span></div>\n";
}

// The item a choice shows checked in the first view: the first back and face set, and the full board, which the
// first deal is dealt on.
int FirstChecked(layout::Command choice) {
    return choice == layout::Command::ChooseBoard ? MenuNumberOf(FullBoard) : 1;
}

// The menu bar's titles, and one popup per menu with its items; a submenu is an item that opens its popup.
std::string Menus() {
    std::string bar = "<div id=\"MainMenu1\" class=\"menubar\" role=\"menubar\" aria-label=\"" +
                      Escaped(layout::Title) + "\">\n";
    std::string popups;
    for (const layout::MenuEntry& menu : layout::Menu) {
        if (menu.Purpose != layout::Role::Menu) continue;
        const std::string name = Escaped(menu.Name);
        const std::string opens = " aria-haspopup=\"menu\" aria-expanded=\"false\" aria-controls=\"" + name + "\"";
        if (menu.Parent.empty()) {
            bar += "<div id=\"" + name + "-title\" class=\"title\" role=\"menuitem\" tabindex=\"-1\"" + opens +
                   Shortcuts(menu.Caption, false) + "><span class=\"text\">" + Accelerated(menu.Caption) +
                   "</span></div>\n";
        }
        std::string items;
        for (const layout::MenuEntry& entry : layout::Menu) {
            if (entry.Parent != menu.Name) continue;
            switch (entry.Purpose) {
                case layout::Role::Menu:
                    items += MenuItem(std::string(entry.Name) + "-title", entry.Caption, "menuitem",
                                      " data-submenu=\"true\" aria-haspopup=\"menu\" aria-expanded=\"false\" "
                                      "aria-controls=\"" +
                                          Escaped(entry.Name) + "\"");
                    break;
                case layout::Role::Item:
                    items += MenuItem(entry.Name, entry.Caption, "menuitem", CommandAttributes(entry.Does));
                    break;
                case layout::Role::Choice:
                    for (int k = 1; k <= pictures::ChoiceCount(entry.Does); ++k) {
                        items += MenuItem(std::string(entry.Name) + Number(k), layout::ChoiceCaption(entry, k),
                                          "menuitemradio", CommandAttributes(entry.Does, k),
                                          k == FirstChecked(entry.Does) ? "true" : "false");
                    }
                    break;
                case layout::Role::Check:
                    // Chosen apart from the choice above it, yet one of its group: a screen reader hears the own deck
                    // among the face sets, checked in place of them.
                    items += MenuItem(entry.Name, entry.Caption, "menuitemradio", CommandAttributes(entry.Does),
                                      "false");
                    break;
                case layout::Role::Separator:
                    items += "<div id=\"" + Escaped(entry.Name) + "\" class=\"separator\" role=\"separator\"></div>\n";
                    break;
                case layout::Role::Heading:
                    // Which board's table the lines below are: the first view's is the full board's, which needs no
                    // heading, so it waits hidden until the game names another board.
                    items +=
                        MenuItem(entry.Name, "", "menuitem", " data-display=\"true\" aria-hidden=\"true\" hidden");
                    break;
                case layout::Role::Display:
                    // A place of the table says what it holds, and takes no command.
                    items += MenuItem(entry.Name, entry.Caption, "menuitem", " data-display=\"true\"");
                    break;
            }
        }
        popups += "<div id=\"" + name + "\" class=\"popup\" role=\"menu\" aria-labelledby=\"" + name +
                  "-title\" hidden>\n" + items + "</div>\n";
    }
    return bar + "</div>\n" + Later(popups);
}

// Where Tab first reaches a control that `holds` takes: its place in the layout's tab order; after every stop for
// none.
template <typename Holds>
std::size_t FirstStop(Holds holds) {
    for (std::size_t i = 0; i < layout::TabOrder.size(); ++i) {
        if (holds(layout::Find(layout::TabOrder[i]))) return i;
    }
    return layout::TabOrder.size();
}

// Within one box the document keeps the table's order, which must then be the order Tab takes.
constexpr bool StopsOfOneBoxInTableOrder() {
    const auto index = [](std::string_view name) { return &layout::Find(name) - layout::Controls.data(); };
    const auto box = [](const Control& c) { return c.ShownWhen != layout::Outcome::None ? "" : c.Parent; };
    for (std::size_t i = 0; i + 1 < layout::TabOrder.size(); ++i) {
        const Control& a = layout::Find(layout::TabOrder[i]);
        const Control& b = layout::Find(layout::TabOrder[i + 1]);
        if (box(a) == box(b) && index(b.Name) < index(a.Name)) return false;
    }
    return true;
}
static_assert(StopsOfOneBoxInTableOrder(), "the page lists the stops of one box in the table's order");

// The logo's drawing in the page itself, where the window shows it, so that the first view asks for no picture
// of its own but the back; a picture to see, not to read, as the window's logo is.
std::string InlineLogo(const Control& control, std::string_view drawing) {
    const std::size_t at = drawing.find("<svg ");
    return std::string(drawing.substr(0, at + 5)) + "id=\"" + Escaped(control.Name) +
           "\" class=\"logo\" aria-hidden=\"true\" " + std::string(drawing.substr(at + 5));
}

// The players of a game together: the line that says whose turn it is, its name apart from its words so that only
// the name is cut where the line is too narrow, and a row for each seat there may be, which the game fills or hides.
// A row is read whole by its name, which the game sets (the name uncut, the pairs and attempts, whether it is that
// player's turn); what it shows, the turn's mark, the name and the score's line, is for the eye.
std::string PlayersList() {
    std::string rows;
    for (int seat = 1; seat <= layout::MostSeats; ++seat) {
        rows += "<li id=\"Seat" + Number(seat) + "\" class=\"seat\" hidden><span class=\"who\" aria-hidden=\"true\">"
                "<span class=\"mark\">" + Escaped(TurnMark) + "</span><span class=\"name\"></span></span>"
                "<span class=\"line\" aria-hidden=\"true\"></span></li>\n";
    }
    return "<p id=\"TurnLine\" class=\"turn\"><span></span><span class=\"name\"></span><span></span></p>\n"
           "<ul id=\"Seats\" class=\"seats\" aria-label=\"" + Escaped(PlayersFormCaption) + "\">\n" + rows + "</ul>\n";
}

std::string ControlHtml(const Control& control, const FirstView& first) {
    const std::string id = "id=\"" + Escaped(control.Name) + "\"";
    const std::string hidden = control.ShownWhen != layout::Outcome::None ? " hidden" : "";
    switch (control.Type) {
        case Kind::Label: {
            // A phone's arrangement keeps the finish's banner the largest text, and the labels the window writes
            // larger than its own font larger than the rest.
            std::string classes = "label";
            if (control.TextFont && control.TextFont->Pixels > layout::WindowFont.Pixels) classes += " large";
            if (control.ShownWhen == layout::Outcome::Finished) classes += " banner";
            // Who won a game together: names of any length, broken into lines within the label's width.
            if (control.Wraps) classes += " wraps";
            std::string attributes;
            if (control.LeftToRight) attributes += " dir=\"ltr\"";
            return "<div " + id + " class=\"" + classes + "\"" + attributes + hidden + ">" +
                   Escaped(control.Caption) + "</div>\n";
        }
        case Kind::Edit: {
            // Labelled by the label that asks for it: the outcome label just before it in the table.
            std::string labelledBy;
            for (const Control& other : layout::Controls) {
                if (&other == &control) break;
                if (other.Type == Kind::Label && other.ShownWhen == control.ShownWhen) labelledBy = other.Name;
            }
            return "<input " + id + " class=\"edit\" type=\"text\" autocomplete=\"off\" spellcheck=\"false\"" +
                   (labelledBy.empty() ? "" : " aria-labelledby=\"" + Escaped(labelledBy) + "\"") + hidden + ">\n";
        }
        case Kind::Button:
            return "<button " + id + " class=\"button\" type=\"button\"" +
                   CommandAttributes(control.Does, 0, control.Takes) +
                   Shortcuts(control.Caption, layout::LetterAlonePresses(control.Type)) + hidden + ">" +
                   Accelerated(control.Caption) + "</button>\n";
        case Kind::Logo:
            return InlineLogo(control, first.Logo);
        case Kind::Panel:
            break;
    }
    // A panel whose labels show what the game counts is a status, which a screen reader reads when asked; it is
    // not said on its own when it changes, since every turn's announcement ends with the count already.
    std::string children;
    for (const Control& child : layout::Controls) {
        if (child.Parent == control.Name) children += ControlHtml(child, first);
    }
    // The players' list waits hidden until two or more play together.
    if (control.ShowsPlayers) return "<div " + id + " class=\"panel players\" hidden>\n" + PlayersList() + "</div>\n";
    return "<div " + id +
           (IsCounter(control) ? " class=\"panel counter\" role=\"status\" aria-live=\"off\" aria-atomic=\"true\""
                               : " class=\"panel\"") +
           ">\n" + children + "</div>\n";
}

// The client area's controls: the panels, and the outcome controls together in one box above the cards, which a
// phone's arrangement places as a whole. The boxes stand in the order Tab reaches them, the cards' grid after them.
std::string Controls(const FirstView& first) {
    std::string outcome;
    std::vector<std::pair<std::size_t, std::string>> boxes{
        {FirstStop([](const Control& c) { return c.ShownWhen != layout::Outcome::None; }), ""}};
    for (const Control& control : layout::Controls) {
        if (control.ShownWhen != layout::Outcome::None) {
            outcome += ControlHtml(control, first);
        } else if (control.Parent.empty()) {
            boxes.emplace_back(FirstStop([&control](const Control& c) { return c.Parent == control.Name; }),
                               ControlHtml(control, first));
        }
    }
    boxes.front().second = Later("<div id=\"Outcome\" class=\"outcome\">\n" + outcome + "</div>\n");
    std::stable_sort(boxes.begin(), boxes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string out;
    for (const auto& box : boxes) out += box.second;
    return out;
}

// The keys the cards' grid tells a reader of, as its description; among them the key that says the score wherever
// the focus is, which the front end presses as this element's command.
std::string KeysHelp() {
    return "<p id=\"KeysHelp\" hidden" + CommandAttributes(layout::Command::SayScore) + " data-key=\"" +
           Escaped(layout::ScoreKey) + "\">" + Escaped(layout::KeysHelp) + "</p>\n";
}

// The cards as a grid of rows, each card a button named by where it lies and what it shows: the first deal's
// backs on the full board, with one tab stop, the first card. There is a cell for every card of the largest board;
// the front end regroups them into the rows of the board in play and hides those it does not use.
std::string Cards() {
    const std::string back = PictureAddress(pictures::Backs.front());
    // Every card turns its card: the grid says so once, and each card's number is its position.
    std::string out = "<div id=\"Cards\" class=\"cards\" role=\"grid\" aria-label=\"" + Escaped(CardsSpoken) +
                      "\" aria-describedby=\"KeysHelp\" aria-rowcount=\"" + Number(FullBoard.Rows) +
                      "\" aria-colcount=\"" + Number(FullBoard.Columns) + "\"" +
                      CommandAttributes(layout::Command::TurnCard) + ">\n";
    for (int p = 0; p < layout::CellCount; ++p) {
        const int column = layout::CellAt(FullBoard, p).Column;
        if (column == 0) out += "<div class=\"row\" role=\"row\">\n";
        out += "<div class=\"gridcell\" role=\"gridcell\"><button id=\"Image" + Number(p + 1) +
               "\" class=\"cell\" type=\"button\" data-position=\"" + Number(p) + "\" tabindex=\"" +
               (p == 0 ? "0" : "-1") + "\" aria-label=\"" +
               Escaped(layout::CardSpoken(FullBoard, p, CardView::Hidden)) + "\"><img src=\"" + back +
               "\" alt=\"\" draggable=\"false\"></button></div>\n";
        if (column == FullBoard.Columns - 1) out += "</div>\n";
    }
    return out + "</div>\n" + KeysHelp();
}

// The error box, modal for the whole page and titled as the program's is; the ended screen, from which a
// new game starts.
std::string Failure() {
    const auto message = [](std::string_view kind, std::string_view text) {
        return "<p data-failure=\"" + std::string(kind) + "\" hidden>" + Escaped(text) + "</p>";
    };
    return "<div id=\"Failure\" class=\"failure\" role=\"alert\" hidden>" + message("webassembly", NoWebAssembly) +
           message("script", ScriptMissing) + message("stopped", GameStopped) +
           "</div>\n<noscript><div class=\"failure\">" + Escaped(ScriptMissing) + "</div></noscript>\n";
}

// The caption of the menu item that composes an own deck, without the dots that say it opens a form.
std::string ComposeCaption() {
    for (const layout::MenuEntry& entry : layout::Menu) {
        if (entry.Does != layout::Command::ComposeDeck) continue;
        std::string caption = layout::Unmark(entry.Caption).Plain;
        if (const std::size_t dots = caption.rfind(" …"); dots != std::string::npos) caption.erase(dots);
        return caption;
    }
    return {};
}

// The media type a deck file is known by where the system knows it (the desktop's shared-mime-info entry).
constexpr std::string_view DeckFileType = "application/x-pairfinder-deck";

// The form in which the player names the photos of a deck of their own, the file chooser that brings them and the
// one that brings a deck file, which the form shows as it came. Each
// picture's row, shown as its card will look, is copied from the template; the texts the front end shows are here,
// hidden, for it to take.
std::string Composer() {
    const std::string caption = Escaped(ComposeCaption());
    return "<input id=\"DeckFiles\" type=\"file\" accept=\"image/*\" multiple hidden>\n"
           "<input id=\"DeckFile\" type=\"file\" accept=\"" + std::string(deck::DeckFileExtension) + "," +
           std::string(DeckFileType) + "\" hidden>\n"
           "<dialog id=\"Composer\" class=\"message-box composer\" aria-labelledby=\"ComposerCaption\">\n"
           "<form id=\"ComposerForm\" method=\"dialog\" novalidate>\n"
           "<div class=\"caption\" id=\"ComposerCaption\">" + caption + "</div>\n"
           "<div class=\"sheet\">\n"
           "<progress id=\"ComposerProgress\" aria-labelledby=\"ComposerCaption\" max=\"1\" value=\"0\" "
           "hidden></progress>\n"
           "<p id=\"ComposerFault\" class=\"fault\" role=\"alert\" hidden></p>\n"
           "<ul id=\"ComposerRefused\" class=\"refused\" hidden></ul>\n"
           "<ol id=\"ComposerPictures\" class=\"pictures\"></ol>\n"
           "</div>\n"
           "<div class=\"buttons\"><button id=\"ComposerTake\" type=\"submit\" class=\"button\">Übernehmen</button>"
           "<button id=\"ComposerCancel\" type=\"button\" class=\"button\">Abbrechen</button></div>\n"
           "<template id=\"ComposerRow\"><li class=\"picture\"><img alt=\"\" draggable=\"false\">"
           "<span class=\"field\"><label>Name für Bild <span class=\"number\"></span></label>"
           "<input class=\"edit\" type=\"text\" autocomplete=\"off\" spellcheck=\"false\">"
           "<span class=\"fault\" hidden></span></span></li></template>\n"
           "<p data-message=\"full\" hidden>Der Speicher des Browsers ist voll. Das neue Deck wurde nicht gespeichert, "
           "das bisherige bleibt.</p>\n"
           "<p data-message=\"unsaved\" hidden>Das eigene Deck konnte nicht gespeichert werden.</p>\n"
           "<p data-message=\"unloaded\" hidden>" + Escaped(DeckUnreachable) + "</p>\n"
           "</form>\n</dialog>\n"
           "<p id=\"DeckLoading\" class=\"loading\" role=\"status\" hidden>" + Escaped(DeckArriving) + "</p>\n";
}

// One of the computer's choices in the players' form: a group of radio buttons, labelled, each carrying its number
// from 1, which the form's answer passes on.
template <typename Captions>
std::string ChoiceGroup(std::string_view name, std::string_view label, const Captions& captions) {
    std::string out = "<fieldset class=\"choices\"><legend>" + Escaped(label) + "</legend>";
    for (std::size_t i = 0; i < captions.size(); ++i) {
        out += "<label><input type=\"radio\" name=\"" + std::string(name) + "\" value=\"" +
               Number(static_cast<int>(i) + 1) + "\">" + Escaped(captions[i]) + "</label>";
    }
    return out + "</fieldset>\n";
}

// The players' form: a field for each person there may be, which the game labels and fills or hides, its fault beside
// it; the computer's level and pace, which show only against it. Its script arrives when the game first asks.
std::string PlayersForm() {
    std::string fields;
    for (int seat = 1; seat <= layout::MostSeats; ++seat) {
        const std::string n = Number(seat);
        fields += "<p class=\"field\" hidden><label for=\"PlayerName" + n + "\"></label><input id=\"PlayerName" + n +
                  "\" class=\"edit\" type=\"text\" autocomplete=\"off\" spellcheck=\"false\">"
                  "<span id=\"PlayerFault" + n + "\" class=\"fault\" hidden></span></p>\n";
    }
    return "<dialog id=\"PlayersForm\" class=\"message-box players-form\" aria-labelledby=\"PlayersCaption\">\n"
           "<form method=\"dialog\" novalidate>\n"
           "<div class=\"caption\" id=\"PlayersCaption\">" + Escaped(PlayersFormCaption) + "</div>\n"
           "<div class=\"sheet\">\n" + fields +
           "<div id=\"Computer\" class=\"computer\" hidden>\n" + ChoiceGroup("level", LevelLabel, LevelCaptions) +
           ChoiceGroup("pace", PaceLabel, PaceCaptions) + "</div>\n</div>\n"
           "<div class=\"buttons\"><button type=\"submit\" class=\"button\">" + Escaped(PlayersFormTake) +
           "</button><button id=\"PlayersCancel\" type=\"button\" class=\"button\">" + Escaped(PlayersFormCancel) +
           "</button></div>\n<p data-message=\"unloaded\" hidden>" + Escaped(PlayersFormUnreachable) +
           "</p>\n</form>\n</dialog>\n";
}

// The ended screen's logo is asked for when the screen shows (lazy), not with the first view.
std::string Boxes() {
    const std::string restart = layout::Unmark(NewGameButton().Caption).Plain;
    return Later("<dialog id=\"ErrorBox\" class=\"message-box\" role=\"alertdialog\" aria-modal=\"true\" "
                 "aria-labelledby=\"ErrorCaption\" aria-describedby=\"ErrorMessage\">\n"
                 "<div class=\"caption\" id=\"ErrorCaption\"></div>\n"
                 "<div class=\"body\"><span class=\"stop\" aria-hidden=\"true\"></span><p class=\"message\" "
                 "id=\"ErrorMessage\"></p></div>\n"
                 "<div class=\"buttons\"><button type=\"button\" class=\"button\" autofocus>OK</button></div>\n"
                 "</dialog>\n"
                 "<div id=\"Ended\" class=\"ended\" hidden><img src=\"" +
                 PictureAddress(pictures::Logo) +
                 "\" alt=\"\" draggable=\"false\" loading=\"lazy\"><button id=\"Restart\" type=\"button\" "
                 "class=\"button\" aria-label=\"" +
                 Escaped(restart) + "\">&#x21bb;</button></div>\n" + Composer() + PlayersForm());
}

// --- The layout's numbers, for the style sheet ---

std::string Property(std::string_view name, const std::string& value) {
    return " --" + std::string(name) + ": " + value + ";";
}

std::string Colour(const layout::Rgb& rgb) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", static_cast<unsigned>(rgb.Red), static_cast<unsigned>(rgb.Green),
                  static_cast<unsigned>(rgb.Blue));
    return hex;
}

// A face the browser may lack is followed by its stand-in, which keeps the texts as wide as the layout meant them.
std::string FontProperties(const layout::Font& font) {
    const layout::FaceNames names = layout::NamesOf(font.Family);
    const std::string families = "\"" + std::string(names.Named) + "\", \"" + std::string(names.StandIn) + "\", " +
                                 (font.Family == layout::Face::Times ? "serif" : "sans-serif");
    return Property("font-size", Number(font.Pixels)) + Property("font-family", families) +
           Property("font-weight", font.Bold ? "700" : "400");
}

std::string SizeProperties(int width, int height) {
    return Property("width", Number(width)) + Property("height", Number(height));
}

// What a control takes from the table; a control without a font or a colour of its own inherits its parent's, as
// the custom properties do.
std::string ControlProperties(const Control& control) {
    const layout::Rect& r = control.Geometry;
    std::string out = "#" + std::string(control.Name) + " {" + Property("left", Number(r.Left)) +
                      Property("top", Number(r.Top)) + SizeProperties(r.Width, r.Height);
    if (control.TextFont) out += FontProperties(*control.TextFont);
    if (control.TextInk.From == layout::Ink::WindowText) out += Property("ink", "CanvasText");
    if (control.TextInk.From == layout::Ink::Own) out += Property("ink", Colour(control.TextInk.Colour));
    return out + " }\n";
}

// A board's rows and columns, and its cards' side, pitch and first card's corner in the window's cards' area.
std::string BoardProperties(const BoardSize& board) {
    const layout::Rect first = layout::CellGeometry(board, 0);
    return Property("rows", Number(board.Rows)) + Property("columns", Number(board.Columns)) +
           Property("board-side", Number(first.Width)) + Property("board-pitch", Number(layout::PitchOf(board))) +
           Property("board-left", Number(first.Left)) + Property("board-top", Number(first.Top));
}

}  // namespace

std::string LayoutCss() {
    std::string css = ":root {" +
                      Property("window-w", Number(layout::WindowOuterSize.Width)) +
                      Property("window-h", Number(layout::WindowOuterSize.Height)) +
                      Property("client-w", Number(layout::ClientSize.Width)) +
                      Property("client-h", Number(layout::ClientSize.Height)) +
                      Property("menu-bar", Number(metrics::MenuBarHeight)) +
                      Property("card-size", Number(metrics::CardSize)) +
                      Property("card-pitch", Number(metrics::CardPitch)) +
                      Property("card-margin", Number(metrics::CardMargin)) +
                      BoardProperties(FullBoard) + FontProperties(layout::WindowFont) + " }\n";
    // The board in play is the document's data-board, its number of pairs, which the front end sets.
    for (const BoardSize& board : BoardSizes)
        css += ":root[data-board=\"" + Number(board.Pairs) + "\"] {" + BoardProperties(board) + " }\n";
    for (const Control& control : layout::Controls) css += ControlProperties(control);
    // Within the players' panel: the turn's line, and the seats' rows from the first one's place, a pitch apart.
    const layout::Rect turn = layout::TurnLine;
    const layout::Rect row = layout::ScoreRow;
    css += "#TurnLine {" + Property("left", Number(turn.Left)) + Property("top", Number(turn.Top)) +
           SizeProperties(turn.Width, turn.Height) + " }\n#Seats {" + Property("left", Number(row.Left)) +
           Property("top", Number(row.Top)) + SizeProperties(row.Width, row.Height) +
           Property("pitch", Number(layout::ScoreRowPitch)) + " }\n";
    // The ended screen's button is as large as MIX IT, and its logo is the window's.
    const layout::Rect button = NewGameButton().Geometry;
    const layout::Rect logo = layout::Logo().Geometry;
    return css + "#Restart {" + SizeProperties(button.Width, button.Height) + " }\n#Ended img {" +
           SizeProperties(logo.Width, logo.Height) + " }\n";
}

// The whole page is the game: one main landmark, headed by the window's caption, which the window's frame would
// show and the page keeps for a screen reader alone.
std::string PageHtml(const FirstView& first) {
    return Head(first) + "<body>\n<main>\n<h1 class=\"unseen\">" + Escaped(layout::Title) +
           "</h1>\n<div id=\"Form1\" class=\"window\">\n" + Menus() +
           "<div id=\"ClientArea\" class=\"client\"><div id=\"Canvas\" class=\"canvas\">\n" + Controls(first) +
           Cards() +
           "</div></div>\n</div>\n<div id=\"Announcer\" class=\"unseen\" aria-live=\"polite\"></div>\n" + Boxes() +
           Failure() + "</main>\n</body>\n</html>\n";
}

}  // namespace pairfinder::web
