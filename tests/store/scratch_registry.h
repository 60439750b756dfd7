// A private HKEY_CURRENT_USER for one test on the platform's own backend, looked at from outside the store.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "highscore_table.h"
#include "highscore_tables.h"
#include "registry_backend.h"

namespace pairfinder::testing {

inline constexpr const char* HighscoreKeyPath = "Software\\Pairfinder";

// The highscore key, or its subkey of that name.
inline std::string KeyPathOf(const std::string& subkey) {
    return subkey.empty() ? std::string(HighscoreKeyPath) : std::string(HighscoreKeyPath) + "\\" + subkey;
}

// A string value as the registry's writers store it: the text and its terminating zero.
RegistryValue Sz(std::u16string_view text, std::uint32_t type = RegSz);
// Exactly these UTF-16 characters, with no terminator added.
RegistryValue Utf16Raw(std::uint32_t type, std::u16string_view characters);
RegistryValue Dword(std::uint32_t number);
RegistryValue Raw(std::uint32_t type, std::vector<std::uint8_t> bytes);

// The message of the RegistryError that action raises, or "no error".
std::string RegistryErrorOf(const std::function<void()>& action);

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    RegistryBackend& Backend();

    // Writes straight into the highscore key, or into its subkey of that name (a smaller board's table), as
    // another program or a hand edit would.
    void Plant(const std::string& name, const RegistryValue& value, const std::string& subkey = {});
    // What the highscore key or its subkey holds, read without the store's help; empty when key or value is
    // missing.
    std::optional<RegistryValue> Stored(const std::string& name, const std::string& subkey = {}) const;
    bool HighscoreKeyPresent() const;
    // Leaves the key readable but not writable for this user.
    void MakeHighscoreKeyReadOnly();
#ifdef __EMSCRIPTEN__
    // The storage takes no more: every read works, every write fails.
    void MakeStorageFull();
    // The highscore key's localStorage item as the browser's tools show and change it; "(none)" for none.
    std::string ItemText() const;
    void SetItemText(const std::string& text);
#endif

private:
    struct Impl;
    std::unique_ptr<Impl> Self;
};

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
// A folder that is removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return Root; }

private:
    std::filesystem::path Root;
};

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// Every entry of the folder, by name, so a forgotten temp file shows up in a failure message.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);
#endif

}  // namespace pairfinder::testing
