// HKEY_CURRENT_USER of the Windows registry, through the wide-character API.
#pragma once

#include <memory>
#include <string>

#include "registry_backend.h"

namespace pairfinder {

class WindowsRegistryBackend : public RegistryBackend {
public:
    // Tests root every path under a base key of their own, so they never touch a player's highscores.
    explicit WindowsRegistryBackend(std::string baseKey = {});

    // Full access is KEY_ALL_ACCESS: a key this user may read but not change counts as missing.
    bool KeyExistsWithFullAccess(const std::string& keyPath) override;
    std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) override;

private:
    std::string FullPath(const std::string& keyPath) const;

    std::string BaseKey;
};

}  // namespace pairfinder
