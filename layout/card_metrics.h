// The board's measures in layout pixels, defined here only: the window, the picture lists and the artwork
// tools include this file, and the build writes it out for the scripts that click the real program.
#pragma once

namespace pairfinder::metrics {

// Every card picture is a square of this side.
inline constexpr int CardSize = 60;
// A card and the gap beside it, across and down.
inline constexpr int CardPitch = 72;
// From the client area's top-left corner to the first card.
inline constexpr int CardMargin = 8;
inline constexpr int CardColumns = 8;
// The menu bar's height with the fonts the install script brings: the client area starts this far below
// the window's top edge.
inline constexpr int MenuBarHeight = 18;

}  // namespace pairfinder::metrics
