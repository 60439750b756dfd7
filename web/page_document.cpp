// The page as the build writes it: the window's first deal as HTML and the style sheet that places every
// control, both from the layout table.
#include "page_document.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "pictures.h"
#include "spoken_text.h"
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

// A text with "&" before its accelerator letter as HTML: the letter underlined, "&&" a plain "&".
std::string Accelerated(std::string_view text) {
    std::string out;
    bool marked = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && !marked) {
                marked = true;
                out += "<u>" + Escaped(text.substr(i, 1)) + "</u>";
                continue;
            }
        }
        out += Escaped(text.substr(i, 1));
    }
    return out;
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

std::string PictureAddress(const pictures::Picture& picture) {
    return "pictures/" + std::string(picture.File) + ".svg";
}

int ChoiceCount(layout::Command command) {
    return static_cast<int>(command == layout::Command::ChooseBack ? pictures::Backs.size()
                                                                     : std::size(pictures::FaceSets));
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
           "manifest-src 'self'; base-uri 'none'; form-action 'none'\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, viewport-fit=cover\">\n"
           "<meta name=\"color-scheme\" content=\"light\">\n<meta name=\"theme-color\" content=\"#efefef\">\n"
           "<title>" +
           title +
           "</title>\n<link rel=\"icon\" href=\"pictures/icon.svg\" type=\"image/svg+xml\">\n"
           "<link rel=\"stylesheet\" href=\"fonts.css\">\n<link rel=\"stylesheet\" href=\"pairfinder.css\">\n"
           "<link rel=\"stylesheet\" href=\"window.css\">\n<script src=\"pairfinder.js\" defer></script>\n"
           "</head>\n";
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
                   Shortcuts(menu.Text, false) + "><span class=\"text\">" + Accelerated(menu.Text) +
                   "</span></div>\n";
        }
        std::string items;
        for (const layout::MenuEntry& entry : layout::Menu) {
            if (entry.Parent != menu.Name) continue;
            switch (entry.Purpose) {
                case layout::Role::Menu:
                    items += MenuItem(std::string(entry.Name) + "-title", entry.Text, "menuitem",
                                      " data-submenu=\"true\" aria-haspopup=\"menu\" aria-expanded=\"false\" "
                                      "aria-controls=\"" +
                                          Escaped(entry.Name) + "\"");
                    break;
                case layout::Role::Item:
                    items += MenuItem(entry.Name, entry.Text, "menuitem", CommandAttributes(entry.Does));
                    break;
                case layout::Role::Choice:
                    for (int k = 1; k <= ChoiceCount(entry.Does); ++k) {
                        items += MenuItem(std::string(entry.Name) + Number(k), std::string(entry.Text) + Number(k),
                                          "menuitemradio", CommandAttributes(entry.Does, k), k == 1 ? "true" : "false");
                    }
                    break;
                case layout::Role::Display:
                    // A place of the table says what it holds, and takes no command.
                    items += MenuItem(entry.Name, entry.Text, "menuitem", " data-display=\"true\"");
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
            return "<div " + id + " class=\"label\"" + attributes + hidden + ">" + Escaped(control.Text) +
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
                   Shortcuts(control.Text, layout::LetterAlonePresses(control.Type)) + hidden + ">" +
                   Accelerated(control.Text) + "</button>\n";
        case Kind::Logo:
            return "<img " + id + " class=\"logo\" src=\"" + PictureAddress(pictures::Logo) +
                   "\" alt=\"\" draggable=\"false\">\n";
        case Kind::Panel:
            break;
    }
    // A panel whose labels show what the game counts is a status: a screen reader says it when it changes.
    bool status = false;
    std::string children;
    for (const Control& child : layout::Controls) {
        if (child.Parent != control.Name) continue;
        status = status || child.Showing != layout::Shows::Text;
        children += ControlHtml(child);
    }
    return "<div " + id + " class=\"panel\"" + (status ? " role=\"status\" aria-atomic=\"true\"" : "") + ">\n" +
           children + "</div>\n";
}

// The client area's controls, in the order Tab reaches them: the panels with the buttons first, then the
// outcome controls; their stacking comes from the style sheet.
std::string Controls() {
    std::string panels;
    std::string others;
    for (const Control& control : layout::Controls) {
        if (!control.Parent.empty()) continue;
        (control.Type == Kind::Panel ? panels : others) += ControlHtml(control);
    }
    return panels + others;
}

// The cards as a grid of rows, each card a button named by where it lies and what it shows: the first deal's
// backs, with one tab stop, the first card.
std::string Cards() {
    const std::string back = PictureAddress(pictures::Backs.front());
    // The keys that move over the cards, in the order of layout::Step, for the front end to pass on by number.
    std::string out = "<div id=\"Cards\" class=\"cards\" role=\"grid\" aria-label=\"" + Escaped(CardsSpoken) +
                      "\" data-steps=\"ArrowLeft ArrowRight ArrowUp ArrowDown Home End\">\n";
    for (int p = 0; p < layout::CellCount; ++p) {
        const int row = p / metrics::CardColumns;
        const int column = p % metrics::CardColumns;
        if (column == 0) out += "<div class=\"row\" role=\"row\">\n";
        out += "<div class=\"gridcell\" role=\"gridcell\"><button id=\"Image" + Number(p + 1) +
               "\" class=\"cell\" type=\"button\" data-position=\"" + Number(p) + "\" tabindex=\"" +
               (p == 0 ? "0" : "-1") + "\" aria-label=\"" +
               Escaped(CardLabel(row + 1, column + 1, CardView::Hidden)) + "\"><img src=\"" + back +
               "\" alt=\"\" draggable=\"false\"></button></div>\n";
        if (column == metrics::CardColumns - 1) out += "</div>\n";
    }
    return out + "</div>\n";
}

// The error box, modal for the whole page and titled as the program's is; the ended screen, from which a
// new game starts.
std::string Boxes() {
    const Control* mix = nullptr;
    for (const Control& control : layout::Controls) {
        if (control.Does == layout::Command::NewGame && control.Type == Kind::Button) mix = &control;
    }
    std::string restart;
    for (const char c : mix ? mix->Text : std::string_view()) {
        if (c != '&') restart += c;
    }
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
    // The outcome controls lie above the cards; the edit box and the button above the labels too.
    if (control.ShownWhen != layout::Outcome::None) rule += control.Type == Kind::Label ? " z-index: 1;" : " z-index: 2;";
    return rule + " }\n";
}

}  // namespace

// The whole page is the game: one main landmark, headed by the window's caption, which the window's frame would
// show and the page keeps for a screen reader alone.
std::string PageHtml() {
    return Head() + "<body>\n<main>\n<h1 class=\"unseen\">" + Escaped(layout::Title) +
           "</h1>\n<div id=\"Form1\" class=\"window\">\n" + Menus() +
           "<div id=\"ClientArea\" class=\"client\"><div id=\"Canvas\" class=\"canvas\">\n" + Controls() + Cards() +
           "</div></div>\n</div>\n<div id=\"Announcer\" class=\"unseen\" aria-live=\"polite\"></div>\n" + Boxes() +
           "</main>\n</body>\n</html>\n";
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
    for (const Control& control : layout::Controls) {
        if (control.Does != layout::Command::NewGame || control.Type != Kind::Button) continue;
        css += ".ended .button { width: " + Number(control.Geometry.Width) + "px; height: " +
               Number(control.Geometry.Height) + "px; }\n";
    }
    css += ".ended img { width: " + Number(2 * logo.Width) + "px; height: " + Number(2 * logo.Height) + "px; }\n";
    return css;
}

}  // namespace pairfinder::web
