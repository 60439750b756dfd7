// The keys and values of a registry export file, as the reader finds them and the writer writes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "registry_value.h"

namespace pairfinder {

inline constexpr std::string_view RegFileHeader = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view RegFileHeaderV4 = "REGEDIT4";
// The one root the file holds; key paths are relative to it.
inline constexpr std::string_view RegFileRoot = "HKEY_CURRENT_USER";

// Values keep the order they were found or added in, which is the order they are written back in. Change
// them through SetValue only: it keeps the index that makes a lookup independent of the key's size.
struct RegFileKey {
    explicit RegFileKey(std::string path = {}) : Path(std::move(path)) {}

    // Relative to HKEY_CURRENT_USER; empty for the root itself.
    std::string Path;
    std::vector<std::pair<std::string, RegistryValue>> Values;

    // Names compare without regard to ASCII case, as the registry does.
    const RegistryValue* FindValue(std::string_view name) const;
    void SetValue(const std::string& name, const RegistryValue& value);

    bool operator==(const RegFileKey& other) const { return Path == other.Path && Values == other.Values; }

private:
    // Lower-case name to its place in Values.
    std::unordered_map<std::string, std::size_t> ValueIndex;
};

// Keys keep the order they were found or added in. Add them through FindOrAddKey only.
struct RegFileDocument {
    std::vector<RegFileKey> Keys;

    RegFileKey* FindKey(std::string_view path);
    const RegFileKey* FindKey(std::string_view path) const;
    // A key also exists when only one of its subkeys has a section of its own.
    bool HasKey(std::string_view path) const;
    RegFileKey& FindOrAddKey(std::string_view path);

    bool operator==(const RegFileDocument& other) const { return Keys == other.Keys; }

private:
    // Lower-case path to its place in Keys, and the lower-case paths of every key's parents.
    std::unordered_map<std::string, std::size_t> KeyIndex;
    std::unordered_set<std::string> ParentPaths;
};

// Past these sizes a file or a value is taken for damage rather than data.
inline constexpr std::size_t MaxRegFileBytes = 8u << 20;
inline constexpr std::size_t MaxRegValueBytes = 1u << 20;

// The registry's own comparison of key and value names: ASCII letters without regard to case.
std::string AsciiLower(std::string_view text);

// The key path as the registry takes it: doubled and trailing separators count as one. A store must not grow
// a key with an empty part, which its own reader would refuse.
std::string NormalizedKeyPath(const std::string& keyPath);

}  // namespace pairfinder
