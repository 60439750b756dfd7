// HKEY_CURRENT_USER kept in the browser's localStorage, for the page.
#pragma once

#include <memory>
#include <string>

#include "registry_backend.h"

namespace pairfinder {

// Every key is one localStorage item, named by its path ("HKEY_CURRENT_USER\Software\Pairfinder") and holding
// the key as a registry export file holds it ("Windows Registry Editor Version 5.00" text), so the values
// keep their types and a player can read and mend them in the browser's tools. A key's values reach the
// storage only when it is committed, all of them in one write of the item: a save lands whole or not at all.
// Each call reads the item once and keeps nothing after it; an open key reads its values from the open's
// one read, so a load sees one whole table whatever another tab saves meanwhile.
class WebStorageRegistryBackend : public RegistryBackend {
public:
    // Items are named root + "\" + key path; the page uses HKEY_CURRENT_USER, tests a root of their own.
    explicit WebStorageRegistryBackend(std::string root = "HKEY_CURRENT_USER");

    // The key's item is there and the page may use the storage. Raises RegistryFileError for an item that
    // does not parse.
    bool KeyExistsWithFullAccess(const std::string& keyPath) override;
    // Null when the page may not use the storage. Raises RegistryFileError for an item that does not parse,
    // which is then never overwritten.
    std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) override;

    std::string ItemName(const std::string& keyPath) const;

private:
    std::string Root;
};

}  // namespace pairfinder
