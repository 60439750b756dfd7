// HKEY_CURRENT_USER kept in a registry export file, for systems without a registry.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "registry_backend.h"

namespace pairfinder {

// $XDG_CONFIG_HOME/pairfinder/registry.reg, or ~/.config/pairfinder/registry.reg; the environment is read
// at each call.
std::filesystem::path DefaultRegistryFilePath();

// How long an operation waits for another program's save before it gives up.
inline constexpr std::chrono::milliseconds DefaultRegistryLockWait{3000};

// One operation (one access object) holds an exclusive lock on the file's folder from its first look at
// the file to its end, and reads and parses the file once. Values set on a key reach the file only when
// the key is committed, all of them in one replace of the file.
class FileRegistryBackend : public RegistryBackend {
public:
    explicit FileRegistryBackend(std::filesystem::path file,
                                 std::chrono::milliseconds lockWait = DefaultRegistryLockWait);
    ~FileRegistryBackend() override;

    // Full access means the file is writable; a missing file holds no keys.
    bool KeyExistsWithFullAccess(const std::string& keyPath) override;
    std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) override;
    void EndOperation() override;

    const std::filesystem::path& File() const { return FilePath; }

    struct Session;

private:
    std::filesystem::path FilePath;
    std::chrono::milliseconds LockWait;
    // What the last key test read, kept for the key that the same operation opens next.
    std::unique_ptr<Session> Kept;
};

}  // namespace pairfinder
