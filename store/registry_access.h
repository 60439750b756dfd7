// The short-lived registry access object: one key of HKEY_CURRENT_USER at a time, typed reads and writes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "registry_backend.h"

namespace pairfinder {

class RegistryAccess {
public:
    // The root is HKEY_CURRENT_USER of the backend; destroying the object closes any open key.
    explicit RegistryAccess(RegistryBackend& backend);
    ~RegistryAccess();
    RegistryAccess(const RegistryAccess&) = delete;
    RegistryAccess& operator=(const RegistryAccess&) = delete;

    // A leading "\" makes the path absolute from the root; there is no other current key to be relative to.
    bool KeyExists(const std::string& keyPath);
    // Makes the key current, creating it when missing; closes the key that was current before.
    bool OpenKey(const std::string& keyPath);
    // The values written since the key was opened reach the store together here, or none of them does:
    // then the error names the first of them. Destroying the object with a key open drops its writes.
    void CloseKey();

    // The type of the current key's value of that name; none when it holds none.
    std::optional<std::uint32_t> TypeOf(const std::string& name);
    bool HasValue(const std::string& name) { return TypeOf(name).has_value(); }
    // A missing or empty value reads as empty text; the text ends at its first zero character.
    std::string ReadString(const std::string& name);
    // The value must be exactly four bytes of REG_DWORD.
    std::int32_t ReadInteger(const std::string& name);
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, std::int32_t value);

private:
    std::optional<RegistryValue> Query(const std::string& name);
    void Set(const std::string& name, const RegistryValue& value);

    RegistryBackend& Backend;
    std::unique_ptr<RegistryKeyHandle> CurrentKey;
    // The first value written since the key was opened; empty when none was.
    std::string FirstUnsaved;
};

}  // namespace pairfinder
