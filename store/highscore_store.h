// Reading and writing the highscore tables, the chosen board and whether the own deck is in play, in the current
// user's registry: Windows' own, the registry file elsewhere, or the browser's localStorage in the page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board_size.h"
#include "highscore_table.h"
#include "players.h"

namespace pairfinder {

class RegistryBackend;

// The full board's table and the board last chosen live here; every other board's table in a key of its own
// below it, named as the menu names the board ("\Software\Pairfinder\8 Paare").
inline constexpr const char* HighscoreKey = "\\Software\\Pairfinder";
// The DWORD that keeps the board last chosen, by its number of pairs.
inline constexpr const char* BoardValue = "iPaare";
// The DWORD that keeps whether the player's own deck is in play (1) or a built-in face set (0); written only by a
// player who has chosen the own deck.
inline constexpr const char* OwnDeckValue = "iEigenesDeck";

// Who played last, written only once a player chose: the DWORD of the menu's item (1 alone, 2 to 4 people, 5
// against the computer), the names used ("sSpieler1" ...), the computer's level and pace (DWORDs from 1).
inline constexpr const char* PlayersValue = "iMitspieler";
inline constexpr const char* PlayerNameStem = "sSpieler";
inline constexpr const char* LevelValue = "iStufe";
inline constexpr const char* PaceValue = "iTempo";
// The language chosen last, by its code ("de", "en"); written only once a player chose.
inline constexpr const char* LanguageValue = "sSprache";

// The key of the board's highscore table.
std::string HighscoreKeyOf(const BoardSize& board);

// Fills the table from the registry when the board's highscore key holds a table; otherwise the table stays as
// it is. Raises RegistryError; the values read before the error stay in the table.
void LoadHighscores(HighscoreTable& table, const BoardSize& board = FullBoard);
void LoadHighscores(HighscoreTable& table, RegistryBackend& backend, const BoardSize& board = FullBoard);

// Writes all six values to the board's key, names first. Raises RegistryError. The Windows registry keeps the
// values written before an error; the registry file takes the six in one replace and the page's storage in one
// write of the key's item, so each of them keeps all six or none.
void StoreHighscores(const HighscoreTable& table, const BoardSize& board = FullBoard);
void StoreHighscores(const HighscoreTable& table, RegistryBackend& backend, const BoardSize& board = FullBoard);

// The number of pairs of the board chosen last; none when none was ever chosen. A value of another type than
// REG_DWORD, or a number no board has, raises RegistryError saying what was found.
std::optional<int> LoadBoardChoice();
std::optional<int> LoadBoardChoice(RegistryBackend& backend);
void StoreBoardChoice(const BoardSize& board);
void StoreBoardChoice(const BoardSize& board, RegistryBackend& backend);

// Whether the own deck was in play at the last choice of a face set; false when it was never chosen. A value of
// another type than REG_DWORD, or another number than 0 or 1, raises RegistryError saying what was found.
bool LoadOwnDeckChoice();
bool LoadOwnDeckChoice(RegistryBackend& backend);
void StoreOwnDeckChoice(bool inUse);
void StoreOwnDeckChoice(bool inUse, RegistryBackend& backend);

// Who played last; none when nobody ever chose. A value of another type, a number no item has, or a name the company
// needs that is missing or no player's name raises RegistryError naming the value.
std::optional<PlayersChoice> LoadPlayersChoice();
std::optional<PlayersChoice> LoadPlayersChoice(RegistryBackend& backend);
// All of it in one change of the key.
void StorePlayersChoice(const PlayersChoice& choice);
void StorePlayersChoice(const PlayersChoice& choice, RegistryBackend& backend);

// The code of the language chosen last; none when never chosen. A value of another type than text, or a code the
// game speaks no language of, raises RegistryError naming it.
std::optional<std::string> LoadLanguageChoice();
std::optional<std::string> LoadLanguageChoice(RegistryBackend& backend);
void StoreLanguageChoice(std::string_view code);
void StoreLanguageChoice(std::string_view code, RegistryBackend& backend);

}  // namespace pairfinder
