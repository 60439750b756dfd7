// What the page says when the game cannot start in the browser, or stops: in the window's two languages, since it
// may come before anything else of the game is on the screen. The build writes it into the page's markup.
#pragma once

#include <string_view>

namespace pairfinder::web {

// The browser runs no WebAssembly, so the rules cannot run in it.
inline constexpr std::string_view NoWebAssembly =
    "Pairfinder läuft in diesem Browser nicht: er führt kein WebAssembly aus. "
    "Pairfinder cannot run in this browser: it does not run WebAssembly.";

// The game's script did not arrive: missing beside the page, or blocked.
inline constexpr std::string_view ScriptMissing =
    "Pairfinder konnte nicht geladen werden: pairfinder.js fehlt oder wurde blockiert. "
    "Pairfinder could not be loaded: pairfinder.js is missing or was blocked.";

// The game stopped and cannot go on; a new start can.
inline constexpr std::string_view GameStopped =
    "Pairfinder ist stehen geblieben. Bitte die Seite neu laden. "
    "Pairfinder has stopped. Please reload the page.";

// The deck's module, which comes only when a player first reaches for an own deck or a deck file: said while it
// takes a moment, and when it cannot be fetched (offline before the page was ever kept for offline play).
inline constexpr std::string_view DeckArriving = "wird geladen";
inline constexpr std::string_view DeckUnreachable =
    "Eigene Decks konnten nicht geladen werden. Bitte die Verbindung prüfen und es noch einmal versuchen.";

}  // namespace pairfinder::web
