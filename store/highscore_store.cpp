// Reading and writing the highscore tables, the chosen board and whether the own deck is in play, in the
// current user's registry.
#include "highscore_store.h"

#include <algorithm>
#include <array>

#include "registry_access.h"
#include "registry_backend.h"
#include "language.h"
#include "registry_error.h"
#include "typed_names.h"

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
// Opens the full board's key to read the choice kept in `value`: false when there is no key yet. A store another
// program holds too long fails the read of that value.
bool OpenChoices(RegistryAccess& registry, const char* value) {
    bool exists = false;
    try {
        exists = registry.KeyExists(HighscoreKey);
    } catch (const RegistryBusyError&) {
        throw RegistryError::GetDataFailed(value);
    }
    if (exists) registry.OpenKey(HighscoreKey);
    return exists;
}

template <typename Takes>
std::optional<std::int32_t> LoadChoice(RegistryBackend& backend, const char* value, Takes takes) {
    RegistryAccess registry(backend);
    if (!OpenChoices(registry, value)) return std::nullopt;
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

std::optional<PlayersChoice> LoadPlayersChoice(RegistryBackend& backend) {
    RegistryAccess registry(backend);
    if (!OpenChoices(registry, PlayersValue)) return std::nullopt;
    // A number from 1 up to `count`, judged by its type first; `fallback` when the value was never written.
    const auto numbered = [&registry](const char* value, std::size_t count, int fallback) {
        const std::optional<std::uint32_t> type = registry.TypeOf(value);
        if (!type) return fallback;
        if (*type != RegDword) throw RegistryError::InvalidDataType(value);
        const std::int32_t chosen = registry.ReadInteger(value);
        if (chosen < 1 || static_cast<std::size_t>(chosen) > count) throw RegistryError::InvalidValue(value, chosen);
        return static_cast<int>(chosen) - 1;
    };
    if (!registry.HasValue(PlayersValue)) return std::nullopt;
    PlayersChoice choice;
    choice.Who = static_cast<Company>(numbered(PlayersValue, CompanyCaptions.size(), 0));
    choice.Strength = static_cast<Level>(numbered(LevelValue, LevelCaptions.size(), static_cast<int>(choice.Strength)));
    choice.Speed = static_cast<Pace>(numbered(PaceValue, PaceCaptions.size(), static_cast<int>(choice.Speed)));
    const int needed = choice.Who == Company::Alone ? 0 : PeopleOf(choice.Who);
    for (int seat = 1; seat <= 4; ++seat) {
        const std::string value = PlayerNameStem + std::to_string(seat);
        const std::optional<std::uint32_t> type = registry.TypeOf(value);
        if (!type) {
            if (seat <= needed) throw RegistryError::GetDataFailed(value);
            break;
        }
        if (*type != RegSz && *type != RegExpandSz) throw RegistryError::InvalidDataType(value);
        choice.Names.push_back(registry.ReadString(value));
    }
    // Every name kept must be a name a player could have typed, the computer's and each other's excepted.
    const std::vector<std::string> faults = PlayerNameFaults(choice.Names);
    for (std::size_t i = 0; i < faults.size(); ++i) {
        if (!faults[i].empty() || NormalName(choice.Names[i]) != choice.Names[i])
            throw RegistryError::InvalidText(PlayerNameStem + std::to_string(i + 1));
    }
    return choice;
}

void StorePlayersChoice(const PlayersChoice& choice, RegistryBackend& backend) {
    RegistryAccess registry(backend);
    if (!registry.OpenKey(HighscoreKey)) throw RegistryError::SetDataFailed(PlayersValue);
    registry.WriteInteger(PlayersValue, static_cast<std::int32_t>(choice.Who) + 1);
    for (std::size_t i = 0; i < choice.Names.size() && i < 4; ++i)
        registry.WriteString(PlayerNameStem + std::to_string(i + 1), choice.Names[i]);
    registry.WriteInteger(LevelValue, static_cast<std::int32_t>(choice.Strength) + 1);
    registry.WriteInteger(PaceValue, static_cast<std::int32_t>(choice.Speed) + 1);
    registry.CloseKey();
}

std::optional<std::string> LoadLanguageChoice(RegistryBackend& backend) {
    RegistryAccess registry(backend);
    if (!OpenChoices(registry, LanguageValue)) return std::nullopt;
    const std::optional<std::uint32_t> type = registry.TypeOf(LanguageValue);
    if (!type) return std::nullopt;
    if (*type != RegSz && *type != RegExpandSz) throw RegistryError::InvalidDataType(LanguageValue);
    std::string code = registry.ReadString(LanguageValue);
    if (!LanguageOf(code)) throw RegistryError::InvalidText(LanguageValue);
    return code;
}

void StoreLanguageChoice(std::string_view code, RegistryBackend& backend) {
    RegistryAccess registry(backend);
    if (!registry.OpenKey(HighscoreKey)) throw RegistryError::SetDataFailed(LanguageValue);
    registry.WriteString(LanguageValue, std::string(code));
    registry.CloseKey();
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

std::optional<PlayersChoice> LoadPlayersChoice() {
    return LoadPlayersChoice(*MakeDefaultRegistryBackend());
}

void StorePlayersChoice(const PlayersChoice& choice) {
    StorePlayersChoice(choice, *MakeDefaultRegistryBackend());
}

std::optional<std::string> LoadLanguageChoice() {
    return LoadLanguageChoice(*MakeDefaultRegistryBackend());
}

void StoreLanguageChoice(std::string_view code) {
    StoreLanguageChoice(code, *MakeDefaultRegistryBackend());
}

}  // namespace pairfinder
