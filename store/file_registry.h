// HKEY_CURRENT_USER kept in a registry export file, for systems without a registry.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "registry_backend.h"

namespace pairfinder {

// $XDG_CONFIG_HOME/pairfinder/registry.reg, or ~/.config/pairfinder/registry.reg; the environment is read
// at each call.
std::filesystem::path DefaultRegistryFilePath();

class FileRegistryBackend : public RegistryBackend {
public:
    explicit FileRegistryBackend(std::filesystem::path file);

    // Full access means the file is writable; a missing file holds no keys.
    bool KeyExistsWithFullAccess(const std::string& keyPath) override;
    // Holds an exclusive lock on the file's folder until the key is closed, so one save is never interleaved
    // with another process's save.
    std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) override;

    const std::filesystem::path& File() const { return FilePath; }

private:
    std::filesystem::path FilePath;
};

}  // namespace pairfinder
