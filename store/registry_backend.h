// The raw key and value access that each of the store's three registries offers it: Windows' own, the
// registry file elsewhere, and the browser's localStorage in the page.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "registry_value.h"

namespace pairfinder {

// One open key. A backend may hold the values set through it until Commit; destroying the handle without
// a Commit drops them, so an operation cut off half-way leaves the store as it was.
class RegistryKeyHandle {
public:
    virtual ~RegistryKeyHandle() = default;
    // Empty when the value is missing or cannot be read.
    virtual std::optional<RegistryValue> QueryValue(const std::string& name) = 0;
    // False when the value could not be stored.
    virtual bool SetValue(const std::string& name, const RegistryValue& value) = 0;
    // Makes every value set so far permanent at once; false when none of them could be. The Windows
    // registry stores each value as it is set, so there is nothing left to do.
    virtual bool Commit() { return true; }
};

// The HKEY_CURRENT_USER root of one backend. Key paths are relative to it, parts separated by "\".
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    // True when the key is there and this user may change it. Raises RegistryBusyError when another
    // program keeps the store busy for longer than a player should wait.
    virtual bool KeyExistsWithFullAccess(const std::string& keyPath) = 0;
    // Null when the key can be neither opened with full access nor created.
    virtual std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) = 0;
    // The access object that did the calls so far is done. The registry file holds its lock and what it
    // read from a key test on to the open that follows, and lets them go here; the others keep nothing
    // between calls.
    virtual void EndOperation() {}
};

// The registry of the platform: Windows' own, the browser's localStorage in the page, or the file under the
// user's configuration folder elsewhere.
std::unique_ptr<RegistryBackend> MakeDefaultRegistryBackend();

}  // namespace pairfinder
