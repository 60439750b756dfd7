// HKEY_CURRENT_USER of the Windows registry, through the wide-character API.
#include "windows_registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>
#include <vector>

#include "text_encoding.h"

namespace pairfinder {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide API takes UTF-16");

std::wstring Wide(const std::string& text) {
    const std::u16string wide = Utf8ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

class WindowsKeyHandle : public RegistryKeyHandle {
public:
    explicit WindowsKeyHandle(HKEY key) : Key(key) {}
    ~WindowsKeyHandle() override { ::RegCloseKey(Key); }
    WindowsKeyHandle(const WindowsKeyHandle&) = delete;
    WindowsKeyHandle& operator=(const WindowsKeyHandle&) = delete;

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        const std::wstring wideName = Wide(name);
        DWORD type = 0;
        DWORD size = 0;
        LONG result = ::RegQueryValueExW(Key, wideName.c_str(), nullptr, &type, nullptr, &size);
        std::vector<std::uint8_t> data;
        // The value may grow between asking its size and reading it, when another program writes it.
        while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
            data.resize(size);
            result = ::RegQueryValueExW(Key, wideName.c_str(), nullptr, &type,
                                        data.empty() ? nullptr : data.data(), &size);
            if (result == ERROR_SUCCESS) {
                data.resize(size);
                return RegistryValue{type, std::move(data)};
            }
        }
        return std::nullopt;
    }

    bool SetValue(const std::string& name, const RegistryValue& value) override {
        return ::RegSetValueExW(Key, Wide(name).c_str(), 0, value.Type, value.Data.data(),
                                static_cast<DWORD>(value.Data.size())) == ERROR_SUCCESS;
    }

private:
    HKEY Key;
};

}  // namespace

WindowsRegistryBackend::WindowsRegistryBackend(std::string baseKey) : BaseKey(std::move(baseKey)) {}

std::string WindowsRegistryBackend::FullPath(const std::string& keyPath) const {
    if (BaseKey.empty()) return keyPath;
    return keyPath.empty() ? BaseKey : BaseKey + "\\" + keyPath;
}

bool WindowsRegistryBackend::KeyExistsWithFullAccess(const std::string& keyPath) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Wide(FullPath(keyPath)).c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

std::unique_ptr<RegistryKeyHandle> WindowsRegistryBackend::CreateOrOpenKey(const std::string& keyPath) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, Wide(FullPath(keyPath)).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<WindowsKeyHandle>(key);
}

}  // namespace pairfinder
