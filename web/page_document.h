// The page as the build writes it: the window's first deal as HTML, and the style sheet that places every control,
// both from the layout table, so that the browser shows the window before the script arrives and the
// WebAssembly takes over the same elements.
#pragma once

#include <string>

namespace pairfinder::web {

// index.html: the menu bar and its menus, the 64 cards showing the first back, the panels with "Versuche:" and
// 0, the buttons, the hidden outcome controls, the error box and the ended screen. Every element that does
// something says what in its data-command (and data-number, data-takes), as the table says it.
std::string PageHtml();

// The second half of the page's style sheet, after its look: where each control lies and how large it is, its
// font and colour, as the table gives them, in the window's arrangement and in a phone's.
std::string WindowCss();

// The phones' arrangements and the screens they are measured on, for the page's tests to read.
std::string ArrangementsJson();

}  // namespace pairfinder::web
