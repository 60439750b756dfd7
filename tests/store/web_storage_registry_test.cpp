// The page's store: the highscore key as one localStorage item of registry export text, and what a full
// storage or a hand edit in the browser's tools does to loading and saving.
#include "web_storage_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "highscore_store.h"
#include "scratch_registry.h"

namespace pairfinder::testing {
namespace {

const std::string Saved =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
    "\"sErster\"=\"Anna\"\n"
    "\"sZweiter\"=\" \"\n"
    "\"sDritter\"=\" \"\n"
    "\"iErster\"=dword:00000029\n"
    "\"iZweiter\"=dword:ffffffff\n"
    "\"iDritter\"=dword:ffffffff\n";

// A save lands in one item that the browser's tools show as regedit would export the key; loading it back
// gives the table. What a player may do to the item, or the browser to the storage, and what follows.
TEST(WebStorage, TheKeyIsOneItemOfRegistryTextAndEachFaultHasTheDesktopsMessage) {
    struct Case {
        const char* Name;
        // The item as the player left it before the save, or null for none.
        const char* Before;
        // What the storage does: "" takes everything, "writes" is full, "all" is blocked.
        const char* Refuse;
        std::string SaveError;
        // The item after the save.
        std::string After;
        std::string LoadError;
    };
    const std::string edited =
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n"
        "\"sErster\"=\"Bo\"\n\"sZweiter\"=\" \"\n\"sDritter\"=\" \"\n\"iErster\"=\"7\"\n";
    const std::vector<Case> cases = {
        {"a first save", nullptr, "", "no error", Saved, "no error"},
        {"a count edited into text", edited.c_str(), "", "no error", Saved, "no error"},
        {"a full storage", edited.c_str(), "writes", "Failed to set data for 'sErster'", edited,
         "Invalid data type for 'iErster'"},
        {"a blocked storage", edited.c_str(), "all", "Failed to set data for 'sErster'", edited, "no error"},
        {"an item that does not parse", "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"iErster\"=dword:1\n",
         "",
         "The registry file 'HKEY_CURRENT_USER\\Software\\Pairfinder' is damaged at line 1: the first line "
         "is "
         "not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"",
         "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"iErster\"=dword:1\n", ""},
    };
    for (const Case& c : cases) {
        ScratchRegistry registry;
        WebStorageRegistryBackend page;
        if (c.Before) registry.SetItemText(c.Before);
        HighscoreTable before;
        const std::string loadBefore = RegistryErrorOf([&] { LoadHighscores(before, page); });
        if (std::string(c.Refuse) == "writes") registry.MakeStorageFull();
        if (std::string(c.Refuse) == "all") registry.MakeHighscoreKeyReadOnly();
        HighscoreTable table;
        table.InsertHighscore("Anna", 41);
        EXPECT_EQ(RegistryErrorOf([&] { StoreHighscores(table, page); }), c.SaveError) << c.Name;
        EXPECT_EQ(registry.ItemText(), c.After) << c.Name;
        HighscoreTable loaded;
        const std::string loadAfter = RegistryErrorOf([&] { LoadHighscores(loaded, page); });
        if (c.LoadError.empty()) {
            EXPECT_EQ(loadAfter, loadBefore) << c.Name << ": the item is read as before the save";
        } else {
            EXPECT_EQ(loadAfter, c.LoadError) << c.Name;
        }
        if (c.SaveError == "no error") EXPECT_EQ(loaded, table) << c.Name;
    }
}

}  // namespace
}  // namespace pairfinder::testing
