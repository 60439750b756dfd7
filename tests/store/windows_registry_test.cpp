// Windows only: the store reaches the real HKEY_CURRENT_USER, at the highscore key, through the wide API.
#include "windows_registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "highscore_store.h"
#include "scratch_registry.h"

namespace pairfinder {
namespace {

using testing::Table;

// Maps HKEY_CURRENT_USER of this process onto a scratch key, so the store's default path can be followed
// without touching a player's highscores.
class RedirectedCurrentUser {
public:
    RedirectedCurrentUser() {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, ScratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &Scratch, nullptr);
        Active = Scratch != nullptr && ::RegOverridePredefKey(HKEY_CURRENT_USER, Scratch) == ERROR_SUCCESS;
    }
    ~RedirectedCurrentUser() {
        End();
        if (Scratch != nullptr) ::RegCloseKey(Scratch);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, ScratchPath.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, ScratchPath.c_str());
    }
    RedirectedCurrentUser(const RedirectedCurrentUser&) = delete;
    RedirectedCurrentUser& operator=(const RedirectedCurrentUser&) = delete;

    void End() {
        if (Active) ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        Active = false;
    }

    // Read straight from the real registry once the redirection has ended.
    std::wstring StoredText(const std::wstring& keyBelowScratch, const wchar_t* value) const {
        const std::wstring path = ScratchPath + L"\\" + keyBelowScratch;
        wchar_t text[64] = {};
        DWORD size = sizeof text;
        if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_REG_SZ, nullptr, text, &size) !=
            ERROR_SUCCESS) {
            return L"<missing>";
        }
        return text;
    }

    DWORD StoredDword(const std::wstring& keyBelowScratch, const wchar_t* value) const {
        const std::wstring path = ScratchPath + L"\\" + keyBelowScratch;
        DWORD number = 0;
        DWORD size = sizeof number;
        ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_REG_DWORD, nullptr, &number, &size);
        return number;
    }

    bool Active = false;

private:
    const std::wstring ScratchPath =
        L"Software\\PairfinderTests\\Redirected-" + std::to_wstring(::GetCurrentProcessId());
    HKEY Scratch = nullptr;
};

TEST(WindowsRegistry, ThePlatformsOwnBackendIsTheRegistry) {
    const auto backend = MakeDefaultRegistryBackend();
    EXPECT_NE(dynamic_cast<WindowsRegistryBackend*>(backend.get()), nullptr);
}

TEST(WindowsRegistry, TheGamesSaveLandsInSoftwarePairfinderOfTheCurrentUserAsWideText) {
    RedirectedCurrentUser currentUser;
    ASSERT_TRUE(currentUser.Active);
    StoreHighscores(Table({"J\xC3\xBCrgen \xE2\x82\xAC", " ", " "}, {17, -1, -1}));
    HighscoreTable table;
    LoadHighscores(table);
    currentUser.End();

    EXPECT_EQ(table, Table({"J\xC3\xBCrgen \xE2\x82\xAC", " ", " "}, {17, -1, -1}));
    EXPECT_EQ(currentUser.StoredText(L"Software\\Pairfinder", L"sErster"), L"J\u00fcrgen \u20ac");
    EXPECT_EQ(currentUser.StoredText(L"Software\\Pairfinder", L"sDritter"), L" ");
    EXPECT_EQ(currentUser.StoredDword(L"Software\\Pairfinder", L"iErster"), 17u);
    EXPECT_EQ(currentUser.StoredDword(L"Software\\Pairfinder", L"iZweiter"), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace pairfinder
