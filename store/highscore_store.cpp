// Reading and writing the highscore tables, the chosen board and whether the own deck is in play, in the
// current user's registry.
#include "highscore_store.h"

#include <algorithm>
#include <array>

#include "registry_access.h"
#include "registry_backend.h"
#include "registry_error.h"

namespace pairfinder {

namespace {

constexpr std::array<const char*, HighscoreTable::Places> NameValues = {"sErster", "sZweiter", "sDritter"};
constexpr std::array<const char*, HighscoreTable::Places> TriesValues = {"iErster", "iZweiter", "iDritter"};

// Whether the open key holds a table: a key that holds none of its six values (only the board last chosen, or
// nothing but the keys of the other boards' tables) has never had one saved.
bool HoldsTable(RegistryAccess& registry) {
    const auto held = [&registry](const char* name) { return registry.HasValue(name); };
    return std::any_of(NameValues.begin(), NameValues.end(), held) ||
           std::any_of(TriesValues.begin(), TriesValues.end(), held);
}

}  // namespace

std::string HighscoreKeyOf(const BoardSize& board) {
    if (board == FullBoard) return HighscoreKey;
    return std::string(HighscoreKey) + "\\" + std::string(board.Caption);
}

void LoadHighscores(HighscoreTable& table, RegistryBackend& backend, const BoardSize& board) {
    const std::string key = HighscoreKeyOf(board);
    RegistryAccess registry(backend);
    bool exists = false;
    try {
        exists = registry.KeyExists(key);
    } catch (const RegistryBusyError&) {
        throw RegistryError::GetDataFailed(NameValues[0]);
    }
    if (!exists) return;
    // Whether the open worked is not asked: without a key the reads find nothing and say so themselves.
    registry.OpenKey(key);
    if (!HoldsTable(registry)) return;
    for (std::size_t i = 0; i < NameValues.size(); ++i)
        table.HighscoreName[i] = registry.ReadString(NameValues[i]);
    for (std::size_t i = 0; i < TriesValues.size(); ++i) {
        table.HighscoreTries[i] = registry.ReadInteger(TriesValues[i]);
    }
}

void StoreHighscores(const HighscoreTable& table, RegistryBackend& backend, const BoardSize& board) {
    RegistryAccess registry(backend);
    // Dropping the save here would let the player believe the result was kept until the next start;
    // reporting the first value that could not be written keeps the name entry up for another try.
    if (!registry.OpenKey(HighscoreKeyOf(board))) throw RegistryError::SetDataFailed(NameValues[0]);
    for (std::size_t i = 0; i < NameValues.size(); ++i)
        registry.WriteString(NameValues[i], table.HighscoreName[i]);
    for (std::size_t i = 0; i < TriesValues.size(); ++i) {
        registry.WriteInteger(TriesValues[i], table.HighscoreTries[i]);
    }
    // Where the store holds the writes back, all six reach it here as one change, or none does.
    registry.CloseKey();
}

namespace {

// A choice kept as a DWORD beside the full board's table: none when it was never made; a value of another type,
// or one `takes` refuses, raises RegistryError saying what was found.
template <typename Takes>
std::optional<std::int32_t> LoadChoice(RegistryBackend& backend, const char* value, Takes takes) {
    RegistryAccess registry(backend);
    bool exists = false;
    try {
        exists = registry.KeyExists(HighscoreKey);
    } catch (const RegistryBusyError&) {
        throw RegistryError::GetDataFailed(value);
    }
    if (!exists) return std::nullopt;
    registry.OpenKey(HighscoreKey);
    const std::optional<std::uint32_t> type = registry.TypeOf(value);
    if (!type) return std::nullopt;
    // The type is judged first: a text "8" is a damaged choice, not a number that could not be read.
    if (*type != RegDword) throw RegistryError::InvalidDataType(value);
    const std::int32_t chosen = registry.ReadInteger(value);
    if (!takes(chosen)) throw RegistryError::InvalidValue(value, chosen);
    return chosen;
}

void StoreChoice(RegistryBackend& backend, const char* value, std::int32_t chosen) {
    RegistryAccess registry(backend);
    if (!registry.OpenKey(HighscoreKey)) throw RegistryError::SetDataFailed(value);
    registry.WriteInteger(value, chosen);
    registry.CloseKey();
}

}  // namespace

std::optional<int> LoadBoardChoice(RegistryBackend& backend) {
    return LoadChoice(backend, BoardValue, [](std::int32_t pairs) { return BoardOfPairs(pairs).has_value(); });
}

void StoreBoardChoice(const BoardSize& board, RegistryBackend& backend) {
    StoreChoice(backend, BoardValue, board.Pairs);
}

bool LoadOwnDeckChoice(RegistryBackend& backend) {
    return LoadChoice(backend, OwnDeckValue, [](std::int32_t inUse) { return inUse == 0 || inUse == 1; }) == 1;
}

void StoreOwnDeckChoice(bool inUse, RegistryBackend& backend) {
    StoreChoice(backend, OwnDeckValue, inUse ? 1 : 0);
}

void LoadHighscores(HighscoreTable& table, const BoardSize& board) {
    LoadHighscores(table, *MakeDefaultRegistryBackend(), board);
}

void StoreHighscores(const HighscoreTable& table, const BoardSize& board) {
    StoreHighscores(table, *MakeDefaultRegistryBackend(), board);
}

std::optional<int> LoadBoardChoice() {
    return LoadBoardChoice(*MakeDefaultRegistryBackend());
}

void StoreBoardChoice(const BoardSize& board) {
    StoreBoardChoice(board, *MakeDefaultRegistryBackend());
}

bool LoadOwnDeckChoice() {
    return LoadOwnDeckChoice(*MakeDefaultRegistryBackend());
}

void StoreOwnDeckChoice(bool inUse) {
    StoreOwnDeckChoice(inUse, *MakeDefaultRegistryBackend());
}

}  // namespace pairfinder
