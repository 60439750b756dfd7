// Picks the registry of the platform: Windows' own, or the file-backed one everywhere else.
#include "registry_backend.h"

#ifdef _WIN32
#include "windows_registry.h"
#else
#include "file_registry.h"
#endif

namespace pairfinder {

std::unique_ptr<RegistryBackend> MakeDefaultRegistryBackend() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistryBackend>();
#else
    return std::make_unique<FileRegistryBackend>(DefaultRegistryFilePath());
#endif
}

}  // namespace pairfinder
