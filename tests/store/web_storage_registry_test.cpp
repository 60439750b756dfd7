// The page's store: the highscore key as one localStorage item of registry export text, and what a full
// storage or a hand edit in the browser's tools does to loading and saving.
#include "web_storage_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "highscore_store.h"
#include "registry_access.h"
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

// An item without the header line, and what every call that reads it says.
const std::string Damaged = "[HKEY_CURRENT_USER\\Software\\Pairfinder]\n\"iErster\"=dword:1\n";
const std::string DamagedError =
    "The registry file 'HKEY_CURRENT_USER\\Software\\Pairfinder' is damaged at line 1: the first line is not "
    "\"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"";

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
        {"an item that does not parse", Damaged.c_str(), "", DamagedError, Damaged, ""},
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

// "yes" or "no" as the call answers, or the message of the RegistryError it raises.
std::string Answer(const std::function<bool()>& call) {
    bool answer = false;
    const std::string error = RegistryErrorOf([&] { answer = call(); });
    return error != "no error" ? error : answer ? "yes" : "no";
}

// Each call of the backend reads the item as it is at that call and keeps nothing for the next: a blocked
// storage has no key and opens none, an item that does not parse is refused by every call until it is
// mended, and what another tab does between a load's key test and its open is what the open finds.
TEST(WebStorage, EachCallFindsTheItemAsItIsAtThatCall) {
    struct Step {
        // The item as a hand edit or another tab leaves it, or null for no change.
        const char* Item = nullptr;
        // As the storage turns: "" no change, "writes" full, "all" blocked.
        const char* Refuse = "";
    };
    struct Case {
        const char* Name;
        Step Before;
        // Between the key test and the open.
        Step Between;
        std::string Exists;
        std::string Opened;
        // sErster read through the opened key.
        std::string FirstName;
    };
    const std::string otherTab = std::string(Saved).replace(Saved.find("Anna"), 4, "Bo");
    const std::vector<Case> cases = {
        {"no item", {}, {}, "no", "yes", ""},
        {"the saved key", {Saved.c_str()}, {}, "yes", "yes", "Anna"},
        {"an item without the key", {"Windows Registry Editor Version 5.00\n"}, {}, "no", "yes", ""},
        {"a full storage", {Saved.c_str(), "writes"}, {}, "yes", "yes", "Anna"},
        {"a blocked storage", {Saved.c_str(), "all"}, {}, "no", "no", ""},
        {"an item that does not parse", {Damaged.c_str()}, {}, DamagedError, DamagedError, ""},
        {"another tab saves after the key test", {Saved.c_str()}, {otherTab.c_str()}, "yes", "yes", "Bo"},
        {"mended after the key test", {Damaged.c_str()}, {Saved.c_str()}, DamagedError, "yes", "Anna"},
        {"the storage is blocked after the key test", {Saved.c_str()}, {nullptr, "all"}, "yes", "no", ""},
    };
    for (const Case& c : cases) {
        ScratchRegistry registry;
        WebStorageRegistryBackend page;
        const auto apply = [&](const Step& step) {
            if (step.Item) registry.SetItemText(step.Item);
            if (std::string(step.Refuse) == "writes") registry.MakeStorageFull();
            if (std::string(step.Refuse) == "all") registry.MakeHighscoreKeyReadOnly();
        };
        apply(c.Before);
        RegistryAccess access(page);
        EXPECT_EQ(Answer([&] { return access.KeyExists(HighscoreKey); }), c.Exists) << c.Name;
        apply(c.Between);
        EXPECT_EQ(Answer([&] { return access.OpenKey(HighscoreKey); }), c.Opened) << c.Name;
        EXPECT_EQ(access.ReadString("sErster"), c.FirstName) << c.Name;
    }
}

}  // namespace
}  // namespace pairfinder::testing
