// The page as the build writes it: the window's first deal as HTML and the style sheet that places every
// control, both from the layout table.
#include "page_document.h"

#include <cstdio>
#include <string_view>

#include "arrangements.h"
#include "choices.h"
#include "page_pictures.h"
#include "pictures.h"
#include "spoken_text.h"
#include "start_failure.h"
#include "window_layout.h"

namespace pairfinder::web {

namespace {

using layout::Control;
using layout::Kind;

std::string PhoneCss(const layout::Arrangement& a);

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

std::string Head() {
    const std::string title = Escaped(layout::Title);
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<!-- Only the page's own script and its WebAssembly run; nothing stored, typed or loaded can run as "
           "code. The\n     WebAssembly travels inside the script, which reads it from a data: address "
           "(connect-src). -->\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'self' "
           "'wasm-unsafe-eval'; connect-src data:; style-src 'self'; img-src 'self'; font-src data:; "
           "manifest-src 'self'; worker-src 'self'; base-uri 'none'; form-action 'none'\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, viewport-fit=cover\">\n"
           "<meta name=\"color-scheme\" content=\"light\">\n<meta name=\"theme-color\" content=\"#efefef\">\n"
           "<title>" +
           title +
           "</title>\n<link rel=\"icon\" href=\"pictures/icon.svg\" type=\"image/svg+xml\">\n"
           "<!-- The first deal's pictures, fetched beside the style sheets. -->\n"
           "<link rel=\"preload\" as=\"image\" href=\"" + PictureAddress(pictures::Backs.front()) + "\">\n"
           "<link rel=\"preload\" as=\"image\" href=\"" + PictureAddress(pictures::Logo) + "\">\n"
           "<link rel=\"stylesheet\" href=\"pairfinder.css\">\n"
           "<!-- The fonts the page carries (fonts.css) and the game's own script (pairfinder.js) are fetched by this one\n"
           "     once the first deal is on the screen, which shows in the fonts the system has meanwhile. -->\n"
           "<script src=\"boot.js\" defer></script>\n</head>\n";
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
                        items += MenuItem(std::string(entry.Name) + Number(k), std::string(entry.Caption) + Number(k),
                                          "menuitemradio", CommandAttributes(entry.Does, k), k == 1 ? "true" : "false");
                    }
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
    return bar + "</div>\n" + popups;
}

std::string ControlHtml(const Control& control) {
    const std::string id = "id=\"" + Escaped(control.Name) + "\"";
    const std::string hidden = control.ShownWhen != layout::Outcome::None ? " hidden" : "";
    switch (control.Type) {
        case Kind::Label: {
            std::string attributes;
            if (control.LeftToRight) attributes += " dir=\"ltr\"";
            return "<div " + id + " class=\"label\"" + attributes + hidden + ">" + Escaped(control.Caption) +
                   "</div>\n";
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
            return "<img " + id + " class=\"logo\" src=\"" + PictureAddress(pictures::Logo) +
                   "\" alt=\"\" draggable=\"false\">\n";
        case Kind::Panel:
            break;
    }
    // A panel whose labels show what the game counts is a status, which a screen reader reads when asked; it is
    // not said on its own when it changes, since every turn's announcement ends with the count already.
    std::string children;
    for (const Control& child : layout::Controls) {
        if (child.Parent == control.Name) children += ControlHtml(child);
    }
    return "<div " + id + " class=\"panel\"" + (IsCounter(control) ? " role=\"status\" aria-live=\"off\" aria-atomic=\"true\"" : "") + ">\n" +
           children + "</div>\n";
}

// The client area's controls, in the order Tab reaches them: the panels with the buttons first, then the
// outcome controls, together in one box above the cards, which a phone's arrangement places as a whole.
std::string Controls() {
    std::string panels;
    std::string outcome;
    std::string others;
    for (const Control& control : layout::Controls) {
        if (!control.Parent.empty()) continue;
        std::string& into = control.Type == Kind::Panel                    ? panels
                            : control.ShownWhen != layout::Outcome::None ? outcome
                                                                         : others;
        into += ControlHtml(control);
    }
    return panels + "<div id=\"Outcome\" class=\"outcome\">\n" + outcome + "</div>\n" + others;
}

// The cards as a grid of rows, each card a button named by where it lies and what it shows: the first deal's
// backs, with one tab stop, the first card.
std::string Cards() {
    const std::string back = PictureAddress(pictures::Backs.front());
    // Every card turns its card: the grid says so once, and each card's number is its position.
    std::string out = "<div id=\"Cards\" class=\"cards\" role=\"grid\" aria-label=\"" + Escaped(CardsSpoken) +
                      "\"" + CommandAttributes(layout::Command::TurnCard) + ">\n";
    for (int p = 0; p < layout::CellCount; ++p) {
        const int column = layout::CellAt(p).Column;
        if (column == 0) out += "<div class=\"row\" role=\"row\">\n";
        out += "<div class=\"gridcell\" role=\"gridcell\"><button id=\"Image" + Number(p + 1) +
               "\" class=\"cell\" type=\"button\" data-position=\"" + Number(p) + "\" tabindex=\"" +
               (p == 0 ? "0" : "-1") + "\" aria-label=\"" +
               Escaped(layout::CardSpoken(p, CardView::Hidden)) + "\"><img src=\"" + back +
               "\" alt=\"\" draggable=\"false\"></button></div>\n";
        if (column == metrics::CardColumns - 1) out += "</div>\n";
    }
    return out + "</div>\n";
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

std::string Boxes() {
    const std::string restart = layout::Unmark(NewGameButton().Caption).Plain;
    return "<dialog id=\"ErrorBox\" class=\"message-box\" role=\"alertdialog\" aria-modal=\"true\" "
           "aria-labelledby=\"ErrorCaption\" aria-describedby=\"ErrorMessage\">\n"
           "<div class=\"caption\" id=\"ErrorCaption\"></div>\n"
           "<div class=\"body\"><span class=\"stop\" aria-hidden=\"true\"></span><p class=\"message\" "
           "id=\"ErrorMessage\"></p></div>\n"
           "<div class=\"buttons\"><button type=\"button\" class=\"button\" autofocus>OK</button></div>\n"
           "</dialog>\n"
           "<div id=\"Ended\" class=\"ended\" hidden><img src=\"" +
           PictureAddress(pictures::Logo) +
           "\" alt=\"\" draggable=\"false\"><button id=\"Restart\" type=\"button\" class=\"button\" aria-label=\"" +
           Escaped(restart) + "\">&#x21bb;</button></div>\n";
}

// --- The style sheet ---

// A length of the layout in CSS: layout pixels times the window's unit, which fits the window to the screen.
std::string Units(int pixels) {
    return "calc(" + Number(pixels) + " * var(--u))";
}

std::string Box(const layout::Rect& r, bool sizesItself) {
    return "left: " + Units(r.Left) + "; top: " + Units(r.Top) + (sizesItself ? "; min-width: " : "; width: ") +
           Units(r.Width) + (sizesItself ? "; min-height: " : "; height: ") + Units(r.Height) + ";";
}

std::string FontCss(const layout::Font& font) {
    const layout::FaceNames names = layout::NamesOf(font.Family);
    return std::string(font.Bold ? "bold " : "") + Units(font.Pixels) + " \"" + std::string(names.Named) +
           "\", \"" + std::string(names.StandIn) + "\", " + (font.Family == layout::Face::Times ? "serif" : "sans-serif");
}

std::string Colour(const layout::Rgb& rgb) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", static_cast<unsigned>(rgb.Red), static_cast<unsigned>(rgb.Green),
                  static_cast<unsigned>(rgb.Blue));
    return hex;
}

std::string ControlCss(const Control& control) {
    std::string rule = "#" + std::string(control.Name) + " { " +
                       Box(control.Geometry, control.Type == Kind::Label);
    if (control.TextFont) rule += " font: " + FontCss(*control.TextFont) + ";";
    if (control.TextInk.From == layout::Ink::WindowText) rule += " color: CanvasText;";
    if (control.TextInk.From == layout::Ink::Own) rule += " color: " + Colour(control.TextInk.Colour) + ";";
    // Among the outcome controls, the edit box and the button lie above the labels.
    if (control.ShownWhen != layout::Outcome::None && control.Type != Kind::Label) rule += " z-index: 1;";
    return rule + " }\n";
}

std::string Px(int pixels) {
    return Number(pixels) + "px";
}

// One control in a phone's arrangement: a panel placed below or beside the cards; what lies in a panel or in the
// outcome laid out by its box, a finger's height where it is pressed or typed into.
std::string PhoneControlCss(const Control& control, const layout::Arrangement& a, const std::string& gridLeft,
                            const std::string& gridTop) {
    const std::string touch = Px(a.Touch);
    const std::string gap = Px(a.Gap);
    std::string rule;
    if (control.Type == Kind::Panel) {
        const bool counter = IsCounter(control);
        if (a.PanelsBeside) {
            const std::string left = "calc(var(--grid-w) + " + gap + ")";
            const std::string width = "calc(var(--room-w) - var(--grid-w) - " + Px(2 * a.Gap) + ")";
            rule = counter ? "left: " + left + "; top: " + Px(a.Touch + a.Gap) + "; width: " + width +
                                 "; height: " + Px(a.Touch + a.Gap) + ";"
                           : "left: " + left + "; top: " + Px(2 * a.Touch + 3 * a.Gap) + "; width: " + width +
                                 "; height: auto; bottom: " + gap + "; flex-direction: column;";
        } else {
            const std::string top = "calc(" + gridTop + " + var(--grid-h) + " + gap + ")";
            rule = counter ? "left: " + gridLeft + "; top: " + top + "; width: calc(var(--grid-w) * 0.4 - " +
                                 Px(a.Gap / 2) + "); height: " + Px(a.PanelRoom) + ";"
                           : "left: calc(" + gridLeft + " + var(--grid-w) * 0.4 + " + Px(a.Gap / 2) + "); top: " +
                                 top + "; width: calc(var(--grid-w) * 0.6 - " + Px(a.Gap / 2) + "); height: " +
                                 Px(a.PanelRoom) + ";";
        }
    } else if (!control.Parent.empty() || control.ShownWhen != layout::Outcome::None) {
        rule = "position: static; width: auto; height: auto; min-width: 0; min-height: 0;";
        const bool inCounter = !control.Parent.empty() && IsCounter(layout::Find(control.Parent));
        switch (control.Type) {
            case Kind::Button:
                rule += " height: " + touch + "; min-width: 40%; padding: 0 " + Px(2 * a.Gap) + "; font-size: " +
                        Px(a.Text) + ";";
                break;
            case Kind::Edit:
                rule += " width: 80%; height: " + touch + "; font-size: " + Px(a.Text) + ";";
                break;
            case Kind::Logo:
                if (!a.PanelsBeside) rule += " display: none;";
                break;
            case Kind::Label: {
                // The banner stays the largest text, the counter and the loser's label larger than the rest.
                const bool banner = control.ShownWhen == layout::Outcome::Finished;
                const bool large = inCounter || (control.TextFont && control.TextFont->Pixels > layout::WindowFont.Pixels);
                rule += " font-size: " + Px(banner ? a.BannerText : large ? a.CounterText : a.Text) + ";";
                if (control.ShownWhen != layout::Outcome::None)
                    rule += " white-space: normal; text-align: center; padding: 0 " + gap + ";";
                if (inCounter) rule += " background: transparent;";
                break;
            }
            case Kind::Panel:
                break;
        }
    }
    return rule.empty() ? std::string() : "#" + std::string(control.Name) + " { " + rule + " }\n";
}

// A phone's arrangement: the same elements, placed for the screen instead of scaled. The cards fill the width
// (upright) or the height (on its side), each card's button a whole pitch of the grid with its picture inside,
// as the window's gap keeps it; the panels in a row below or a column beside; the menus, buttons and name
// entry a finger's height; the outcome over the cards, which are all gone when it shows.
std::string PhoneCss(const layout::Arrangement& a) {
    const std::string touch = Px(a.Touch);
    const std::string gap = Px(a.Gap);
    const int columns = metrics::CardColumns;
    const int rows = layout::CellCount / columns;
    // The cards' pitch: as much as the screen gives them beside the menu bar and the panels, in whole pixels, so
    // that every card's picture lies on the screen's pixels and is drawn as sharp as the next one.
    const std::string across = a.PanelsBeside ? "calc((var(--room-w) - " + Px(a.PanelRoom + a.Gap) + ") / " +
                                                    Number(columns) + ")"
                                              : "calc(var(--room-w) / " + Number(columns) + ")";
    const std::string down = a.PanelsBeside ? "calc(var(--room-h) / " + Number(rows) + ")"
                                            : "calc((var(--room-h) - " + Px(a.Touch + a.PanelRoom + a.Gap) +
                                                  ") / " + Number(rows) + ")";
    std::string css = "\n/* " + std::string(a.Name) + " */\n@media " + std::string(a.Media) + " {\n";
    css += ".window { --room-w: calc(100vw - env(safe-area-inset-left, 0px) - env(safe-area-inset-right, 0px)); "
           "--room-h: calc(100dvh - env(safe-area-inset-top, 0px) - env(safe-area-inset-bottom, 0px)); "
           "--u: calc(" + Number(a.Text) + "px / " + Number(layout::WindowFont.Pixels) + "); --pitch: round(down, min(" +
           across + ", " + down + "), 1px); --grid-w: calc(" + Number(columns) + " * var(--pitch)); --grid-h: calc(" +
           Number(rows) + " * var(--pitch)); left: env(safe-area-inset-left, 0px); top: "
           "env(safe-area-inset-top, 0px); width: var(--room-w); height: var(--room-h); font-size: " + Px(a.Text) +
           "; box-shadow: none; }\n";
    // Where the cards and the panels begin.
    const std::string gridLeft = a.PanelsBeside ? "0px" : "round(down, calc((var(--room-w) - var(--grid-w)) / 2), 1px)";
    // Upright, the cards and the panels below them stand in the middle of the room under the menu bar.
    const std::string gridTop = a.PanelsBeside
                                    ? "round(down, calc((var(--room-h) - var(--grid-h)) / 2), 1px)"
                                    : "max(0px, round(down, calc((var(--room-h) - var(--grid-h) - " +
                                          Px(a.Touch + a.Gap + a.PanelRoom) + ") / 2), 1px))";
    const std::string side = "calc(var(--grid-w) + " + gap + ")";
    css += ".menubar { box-sizing: content-box; height: " + touch + "; padding-left: 0; " +
           (a.PanelsBeside ? "left: " + side + "; right: " + gap + "; " : std::string()) + "}\n";
    css += ".menubar .title { line-height: " + touch + "; padding: 0 " + Px(a.TitlePadding) + "; }\n";
    css += ".popup .item { height: " + touch + "; }\n";
    css += ".client { top: " + (a.PanelsBeside ? std::string("0px") : touch) +
           "; }\n.canvas { width: 100%; height: 100%; }\n";
    css += ".cards, .outcome { left: " + gridLeft + "; top: " + gridTop +
           "; width: var(--grid-w); height: var(--grid-h); }\n";
    css += ".row { top: calc(var(--row) * var(--pitch)); height: var(--pitch); }\n"
           ".gridcell { left: calc(var(--column) * var(--pitch)); width: var(--pitch); height: var(--pitch); }\n";
    // The picture keeps the window's proportion of card to gap.
    css += ".cell img { box-sizing: border-box; padding: round(calc(var(--pitch) * " +
           Number(metrics::CardPitch - metrics::CardSize) + " / " + Number(2 * metrics::CardPitch) + "), 1px); }\n";
    // The panels: the counter's and the buttons', their contents in a row or a column of their own; the outcome
    // a column in the middle of the emptied cards. Each control's rule replaces the window's rule for it.
    css += ".panel { display: flex; align-items: center; justify-content: space-evenly; gap: " + gap + "; }\n"
           ".outcome { display: flex; flex-direction: column; align-items: center; justify-content: center; gap: " +
           gap + "; }\n.panel > [hidden], .outcome > [hidden] { display: none; }\n";
    for (const Control& control : layout::Controls) css += PhoneControlCss(control, a, gridLeft, gridTop);
    // The boxes outside the window: the error box and the ended screen.
    css += ".message-box { font-size: " + Px(a.Text) + "; }\n.message-box .button, .ended .button { height: " +
           touch + "; width: auto; min-width: " + Px(3 * a.Touch) + "; }\n";
    return css + "}\n";
}

}  // namespace

std::string ArrangementsJson() {
    const auto shape = [](layout::Shape is) {
        for (const layout::Arrangement& a : layout::PhoneArrangements) {
            if (a.Is == is) return "\"" + std::string(a.Name) + "\"";
        }
        return std::string("\"window\"");
    };
    std::string json = "{\"phones\": [";
    for (const layout::Arrangement& a : layout::PhoneArrangements) {
        json += std::string(&a == layout::PhoneArrangements.data() ? "" : ", ") + "{\"name\": " + shape(a.Is) +
                ", \"text\": " + Number(a.Text) + ", \"touch\": " + Number(a.Touch) + "}";
    }
    json += "], \"screens\": [";
    for (const layout::Screen& screen : layout::MeasuredScreens) {
        json += std::string(&screen == layout::MeasuredScreens.data() ? "" : ", ") + "{\"width\": " +
                Number(screen.Width) + ", \"height\": " + Number(screen.Height) + ", \"gets\": " +
                shape(screen.Gets) + ", \"leastCard\": " + Number(screen.LeastCard) + "}";
    }
    return json + "]}\n";
}

// The whole page is the game: one main landmark, headed by the window's caption, which the window's frame would
// show and the page keeps for a screen reader alone.
std::string PageHtml() {
    return Head() + "<body>\n<main>\n<h1 class=\"unseen\">" + Escaped(layout::Title) +
           "</h1>\n<div id=\"Form1\" class=\"window\">\n" + Menus() +
           "<div id=\"ClientArea\" class=\"client\"><div id=\"Canvas\" class=\"canvas\">\n" + Controls() + Cards() +
           "</div></div>\n</div>\n<div id=\"Announcer\" class=\"unseen\" aria-live=\"polite\"></div>\n" + Boxes() +
           Failure() + "</main>\n</body>\n</html>\n";
}

std::string WindowCss() {
    const int width = layout::WindowOuterSize.Width;
    const int height = layout::WindowOuterSize.Height;
    std::string css = "/* Where the window's controls lie, from the layout table (web/page_document.cpp). */\n";
    // The window fits the screen whole, its proportions kept: one layout pixel is --u CSS pixels.
    css += ".window { --u: min(calc(100vw / " + Number(width) + "), calc(100vh / " + Number(height) +
           ")); width: " + Units(width) + "; height: " + Units(height) + "; left: max(0px, calc((100vw - " +
           Units(width) + ") / 2)); top: max(0px, calc((100vh - " + Units(height) + ") / 2)); font: " +
           FontCss(layout::WindowFont) + "; }\n";
    css += ".menubar { height: " + Units(metrics::MenuBarHeight) + "; }\n.client { top: " +
           Units(metrics::MenuBarHeight) + "; }\n.canvas { width: " + Units(layout::ClientSize.Width) +
           "; height: " + Units(layout::ClientSize.Height) + "; }\n";
    const layout::Rect first = layout::CellGeometry(0);
    css += ".row { top: calc((" + Number(first.Top) + " + " + Number(metrics::CardPitch) +
           " * var(--row)) * var(--u)); height: " + Units(first.Height) + "; }\n.gridcell { left: calc((" +
           Number(first.Left) + " + " + Number(metrics::CardPitch) + " * var(--column)) * var(--u)); width: " +
           Units(first.Width) + "; height: " + Units(first.Height) + "; }\n";
    for (int i = 0; i < metrics::CardColumns; ++i) {
        css += ".gridcell:nth-child(" + Number(i + 1) + ") { --column: " + Number(i) + "; }\n";
    }
    for (int i = 0; i < layout::CellCount / metrics::CardColumns; ++i) {
        css += ".row:nth-child(" + Number(i + 1) + ") { --row: " + Number(i) + "; }\n";
    }
    for (const Control& control : layout::Controls) css += ControlCss(control);
    // The ended screen shows the logo twice its size above a button as large as MIX IT.
    const layout::Rect logo = layout::Logo().Geometry;
    const layout::Rect button = NewGameButton().Geometry;
    css += ".ended .button { width: " + Number(button.Width) + "px; height: " + Number(button.Height) + "px; }\n";
    css += ".ended img { width: " + Number(2 * logo.Width) + "px; height: " + Number(2 * logo.Height) + "px; }\n";
    for (const layout::Arrangement& arrangement : layout::PhoneArrangements) css += PhoneCss(arrangement);
    return css;
}

}  // namespace pairfinder::web
