// A private HKEY_CURRENT_USER for one test on the platform's own backend, looked at from outside the store.
#include "scratch_registry.h"

#include <algorithm>
#include <stdexcept>

#include "registry_error.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <aclapi.h>
#include <windows.h>

#include <atomic>

#include "windows_registry.h"
#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "web_storage_registry.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "file_registry.h"
#include "reg_file_reader.h"
#include "reg_file_writer.h"
#endif

namespace pairfinder::testing {

RegistryValue Utf16Raw(std::uint32_t type, std::u16string_view characters) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t c : characters) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return {type, std::move(bytes)};
}

RegistryValue Sz(std::u16string_view text, std::uint32_t type) {
    std::u16string terminated(text);
    terminated += u'\0';
    return Utf16Raw(type, terminated);
}

RegistryValue Dword(std::uint32_t number) {
    return {RegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

RegistryValue Raw(std::uint32_t type, std::vector<std::uint8_t> bytes) {
    return {type, std::move(bytes)};
}

std::string RegistryErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "no error";
}

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

struct ScratchRegistry::Impl {
    std::string Base;
    WindowsRegistryBackend Backend;

    explicit Impl(std::string base) : Base(std::move(base)), Backend(Base) {}

    std::wstring HighscorePath(const std::string& subkey = {}) const {
        return Wide(Base + "\\" + KeyPathOf(subkey));
    }
};

ScratchRegistry::ScratchRegistry() {
    static std::atomic<int> counter{0};
    const std::string base = "Software\\PairfinderTests\\" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(counter++);
    Self = std::make_unique<Impl>(base);
}

ScratchRegistry::~ScratchRegistry() {
    // Full access first, or a key made read-only would outlive the test.
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Self->HighscorePath().c_str(), 0, WRITE_DAC, &key) ==
        ERROR_SUCCESS) {
        ::SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                          nullptr);
        ::RegCloseKey(key);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, Wide(Self->Base).c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, Wide(Self->Base).c_str());
}

RegistryBackend& ScratchRegistry::Backend() {
    return Self->Backend;
}

void ScratchRegistry::Plant(const std::string& name, const RegistryValue& value, const std::string& subkey) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, Self->HighscorePath(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create the scratch key");
    }
    const LONG result = ::RegSetValueExW(key, Wide(name).c_str(), 0, value.Type, value.Data.data(),
                                         static_cast<DWORD>(value.Data.size()));
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot plant " + name);
}

std::optional<RegistryValue> ScratchRegistry::Stored(const std::string& name, const std::string& subkey) const {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Self->HighscorePath(subkey).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    std::optional<RegistryValue> value;
    if (::RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<std::uint8_t> data(size);
        if (::RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type, data.data(), &size) ==
            ERROR_SUCCESS) {
            data.resize(size);
            value = RegistryValue{type, std::move(data)};
        }
    }
    ::RegCloseKey(key);
    return value;
}

bool ScratchRegistry::HighscoreKeyPresent() const {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Self->HighscorePath().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

void ScratchRegistry::MakeHighscoreKeyReadOnly() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Self->HighscorePath().c_str(), 0, WRITE_DAC, &key) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("cannot open the scratch key to change its access");
    }
    // Everyone may read; nobody, the owner included, is granted anything else.
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = KEY_READ;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL acl = nullptr;
    ::SetEntriesInAclW(1, &access, nullptr, &acl);
    const DWORD result = ::SetSecurityInfo(key, SE_REGISTRY_KEY,
                                           DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                           nullptr, nullptr, acl, nullptr);
    ::LocalFree(acl);
    ::FreeSid(everyone);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot make the scratch key read-only");
}

#elif defined(__EMSCRIPTEN__)

namespace {

// The storage as the browser's tools show it, past any refusal (node_local_storage.js).
// clang-format off
EM_JS(char*, PeekItem, (const char* name), {
    const text = globalThis.localStorage.peek(UTF8ToString(name));
    if (text === null) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, PokeItem, (const char* name, const char* text), {
    globalThis.localStorage.poke(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, RefuseStorage, (const char* what), {
    globalThis.localStorage.refuse = UTF8ToString(what);
});
EM_JS(void, ClearStorage, (), {
    globalThis.localStorage.refuse = "";
    globalThis.localStorage.clear();
});
// clang-format on

}  // namespace

struct ScratchRegistry::Impl {
    WebStorageRegistryBackend Backend;
    std::string Item = Backend.ItemName(HighscoreKeyPath);

    // Each key is an item of its own.
    RegFileDocument Document(const std::string& subkey = {}) const {
        const std::string item = Backend.ItemName(KeyPathOf(subkey));
        const std::unique_ptr<char, decltype(&std::free)> text(PeekItem(item.c_str()), &std::free);
        return text ? ParseRegFile(text.get(), item) : RegFileDocument{};
    }

    void Write(const RegFileDocument& document, const std::string& subkey = {}) const {
        PokeItem(Backend.ItemName(KeyPathOf(subkey)).c_str(), FormatRegFile(document).c_str());
    }
};

ScratchRegistry::ScratchRegistry() : Self(std::make_unique<Impl>()) {
    ClearStorage();
}

ScratchRegistry::~ScratchRegistry() {
    ClearStorage();
}

RegistryBackend& ScratchRegistry::Backend() {
    return Self->Backend;
}

// A browser has no key that may be read but not written: what comes closest is a storage it blocks for the
// page, which can then be neither read nor written.
void ScratchRegistry::MakeHighscoreKeyReadOnly() {
    RefuseStorage("all");
}

void ScratchRegistry::MakeStorageFull() {
    RefuseStorage("writes");
}

std::string ScratchRegistry::ItemText() const {
    const std::unique_ptr<char, decltype(&std::free)> text(PeekItem(Self->Item.c_str()), &std::free);
    return text ? text.get() : "(none)";
}

void ScratchRegistry::SetItemText(const std::string& text) {
    PokeItem(Self->Item.c_str(), text.c_str());
}

#else

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pairfinder-store-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temp folder");
    Root = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Read-only folders left by a test must become writable again before they can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(Root, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(Root, ignored);
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct ScratchRegistry::Impl {
    TempFolder Folder;
    std::filesystem::path File = Folder.Path() / "pairfinder" / "registry.reg";
    FileRegistryBackend Backend{File};

    // One file holds every key.
    RegFileDocument Document(const std::string& /*subkey*/ = {}) const {
        return std::filesystem::exists(File) ? ParseRegFile(ReadBytes(File), File.string())
                                             : RegFileDocument{};
    }

    void Write(const RegFileDocument& document, const std::string& /*subkey*/ = {}) const {
        WriteBytes(File, FormatRegFile(document));
    }
};

ScratchRegistry::ScratchRegistry() : Self(std::make_unique<Impl>()) {}

ScratchRegistry::~ScratchRegistry() = default;

RegistryBackend& ScratchRegistry::Backend() {
    return Self->Backend;
}

void ScratchRegistry::MakeHighscoreKeyReadOnly() {
    std::filesystem::permissions(Self->File, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::group_read |
                                                 std::filesystem::perms::others_read);
}

#endif

#ifndef _WIN32

// The file and the page's storage both hold the key as registry text, looked at and changed here as a hand
// edit would.
void ScratchRegistry::Plant(const std::string& name, const RegistryValue& value, const std::string& subkey) {
    RegFileDocument document = Self->Document(subkey);
    document.FindOrAddKey(KeyPathOf(subkey)).SetValue(name, value);
    Self->Write(document, subkey);
}

std::optional<RegistryValue> ScratchRegistry::Stored(const std::string& name, const std::string& subkey) const {
    const RegFileDocument document = Self->Document(subkey);
    const RegFileKey* key = document.FindKey(KeyPathOf(subkey));
    const RegistryValue* value = key ? key->FindValue(name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

bool ScratchRegistry::HighscoreKeyPresent() const {
    return Self->Document().HasKey(HighscoreKeyPath);
}

#endif

}  // namespace pairfinder::testing