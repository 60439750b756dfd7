// Reading and writing the highscore table in the current user's registry: Windows' own, the registry file
// elsewhere, or the browser's localStorage in the page.
#pragma once

#include "highscore_table.h"

namespace pairfinder {

class RegistryBackend;

inline constexpr const char* HighscoreKey = "\\Software\\Pairfinder";

// Fills the table from the registry when the highscore key exists; otherwise the table stays as it is.
// Raises RegistryError; the values read before the error stay in the table.
void LoadHighscores(HighscoreTable& table);
void LoadHighscores(HighscoreTable& table, RegistryBackend& backend);

// Writes all six values, names first. Raises RegistryError. The Windows registry keeps the values written
// before an error; the registry file takes the six in one replace and the page's storage in one write of
// the key's item, so each of them keeps all six or none.
void StoreHighscores(const HighscoreTable& table);
void StoreHighscores(const HighscoreTable& table, RegistryBackend& backend);

}  // namespace pairfinder
