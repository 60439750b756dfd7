// Reading and writing the highscore table in the current user's registry.
#include "highscore_store.h"

#include <array>

#include "registry_access.h"
#include "registry_backend.h"
#include "registry_error.h"

namespace pairfinder {

namespace {

constexpr std::array<const char*, HighscoreTable::Places> NameValues = {"sErster", "sZweiter", "sDritter"};
constexpr std::array<const char*, HighscoreTable::Places> TriesValues = {"iErster", "iZweiter", "iDritter"};

}  // namespace

void LoadHighscores(HighscoreTable& table, RegistryBackend& backend) {
    RegistryAccess registry(backend);
    bool exists = false;
    try {
        exists = registry.KeyExists(HighscoreKey);
    } catch (const RegistryBusyError&) {
        throw RegistryError::GetDataFailed(NameValues[0]);
    }
    if (!exists) return;
    // Whether the open worked is not asked: without a key the reads find nothing and say so themselves.
    registry.OpenKey(HighscoreKey);
    for (std::size_t i = 0; i < NameValues.size(); ++i)
        table.HighscoreName[i] = registry.ReadString(NameValues[i]);
    for (std::size_t i = 0; i < TriesValues.size(); ++i) {
        table.HighscoreTries[i] = registry.ReadInteger(TriesValues[i]);
    }
}

void StoreHighscores(const HighscoreTable& table, RegistryBackend& backend) {
    RegistryAccess registry(backend);
    // Dropping the save here would let the player believe the result was kept until the next start;
    // reporting the first value that could not be written keeps the name entry up for another try.
    if (!registry.OpenKey(HighscoreKey)) throw RegistryError::SetDataFailed(NameValues[0]);
    for (std::size_t i = 0; i < NameValues.size(); ++i)
        registry.WriteString(NameValues[i], table.HighscoreName[i]);
    for (std::size_t i = 0; i < TriesValues.size(); ++i) {
        registry.WriteInteger(TriesValues[i], table.HighscoreTries[i]);
    }
    // Where the store holds the writes back, all six reach it here as one change, or none does.
    registry.CloseKey();
}

void LoadHighscores(HighscoreTable& table) {
    LoadHighscores(table, *MakeDefaultRegistryBackend());
}

void StoreHighscores(const HighscoreTable& table) {
    StoreHighscores(table, *MakeDefaultRegistryBackend());
}

}  // namespace pairfinder
