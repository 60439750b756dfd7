// The page as the build writes it from the layout table: the window's first deal as HTML, so that the browser shows
// the window before the script arrives and the WebAssembly takes over the same elements, and the table's numbers
// for the style sheet that places every control.
#pragma once

#include <string>

namespace pairfinder::web {

// What the first view carries inside the page, so that it asks for nothing but the page and the first deal's back:
// the style sheet, the first script and the logo's drawing. The page's policy names the style and the script by
// the base64 SHA-256 digests of their exact text, which must not hold "</".
struct FirstView {
    std::string Style;
    std::string StyleDigest;
    std::string Script;
    std::string ScriptDigest;
    std::string Logo;
};

// index.html: the style and the first script, the menu bar and its menus, the 64 cards showing the first back,
// the panels with "Versuche:" and 0, the buttons, the hidden outcome controls, the error box and the ended
// screen. Every element that does something says what in its data-command (and data-number, data-takes), as the
// table says it.
std::string PageHtml(const FirstView& first);

// The numbers the style sheet places the window by, as CSS custom properties in layout pixels: the window's and
// the client area's size, the menu bar's height, the cards' measures and the window's font, and each control's
// place, size, font and colour. A control without a font or colour of its own has none of these properties and
// inherits its parent's.
std::string LayoutCss();

}  // namespace pairfinder::web
