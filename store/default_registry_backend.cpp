// Picks the registry of the platform: Windows' own, the browser's localStorage in the page, or the
// file-backed one everywhere else.
#include "registry_backend.h"

#if defined(_WIN32)
#include "windows_registry.h"
#elif defined(__EMSCRIPTEN__)
#include "web_storage_registry.h"
#else
#include "file_registry.h"
#endif

namespace pairfinder {

std::unique_ptr<RegistryBackend> MakeDefaultRegistryBackend() {
#if defined(_WIN32)
    return std::make_unique<WindowsRegistryBackend>();
#elif defined(__EMSCRIPTEN__)
    return std::make_unique<WebStorageRegistryBackend>();
#else
    return std::make_unique<FileRegistryBackend>(DefaultRegistryFilePath());
#endif
}

}  // namespace pairfinder
