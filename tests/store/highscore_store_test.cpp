// The highscore table kept in the registry: a player's results from the first run on, and every way the
// stored values can disappoint a read or a write. Runs against the platform's own registry backend.
#include "highscore_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry_access.h"
#include "scratch_registry.h"

namespace pairfinder {
namespace {

using testing::Dword;
using testing::Raw;
using testing::RegistryErrorOf;
using testing::ScratchRegistry;
using testing::Sz;
using testing::Table;
using testing::Utf16Raw;

// Passes everything on to the real backend, noting each write and failing where a test asks it to.
class RecordingBackend : public RegistryBackend {
public:
    explicit RecordingBackend(RegistryBackend& inner) : Inner(inner) {}

    bool KeyExistsWithFullAccess(const std::string& keyPath) override {
        return Inner.KeyExistsWithFullAccess(keyPath);
    }

    std::unique_ptr<RegistryKeyHandle> CreateOrOpenKey(const std::string& keyPath) override {
        if (RefuseOpen) return nullptr;
        auto key = Inner.CreateOrOpenKey(keyPath);
        return key ? std::make_unique<Key>(*this, std::move(key)) : nullptr;
    }

    // The registry file holds its lock from the key test until here.
    void EndOperation() override { Inner.EndOperation(); }

    std::vector<std::string> Writes;
    std::string FailAt;
    bool RefuseOpen = false;

private:
    struct Key : RegistryKeyHandle {
        Key(RecordingBackend& owner, std::unique_ptr<RegistryKeyHandle> inner)
            : Owner(owner), Inner(std::move(inner)) {}
        std::optional<RegistryValue> QueryValue(const std::string& name) override {
            return Inner->QueryValue(name);
        }
        bool SetValue(const std::string& name, const RegistryValue& value) override {
            Owner.Writes.push_back(name);
            return name != Owner.FailAt && Inner->SetValue(name, value);
        }
        bool Commit() override { return Inner->Commit(); }
        RecordingBackend& Owner;
        std::unique_ptr<RegistryKeyHandle> Inner;
    };

    RegistryBackend& Inner;
};

class HighscoreStore : public ::testing::Test {
protected:
    // A key as an earlier run leaves it: three places filled.
    void PlantEarlierRun() {
        Registry.Plant("sErster", Sz(u"Anna"));
        Registry.Plant("sZweiter", Sz(u"Bernd"));
        Registry.Plant("sDritter", Sz(u"Carla"));
        Registry.Plant("iErster", Dword(31));
        Registry.Plant("iZweiter", Dword(40));
        Registry.Plant("iDritter", Dword(52));
    }

    std::string LoadError(HighscoreTable& table) {
        return RegistryErrorOf([&] { LoadHighscores(table, Registry.Backend()); });
    }

    ScratchRegistry Registry;
};

// --- The first run and the first save ---

TEST_F(HighscoreStore, FirstRunFindsNoKeySoTheTableKeepsItsDefaultsAndNothingIsWritten) {
    HighscoreTable table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table, HighscoreTable{});
    EXPECT_FALSE(Registry.HighscoreKeyPresent());
}

TEST_F(HighscoreStore, WithoutAKeyLoadingKeepsWhatThisRunRankedIn) {
    HighscoreTable table;
    table.InsertHighscore("Dora", 44);
    const HighscoreTable ranked = table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table, ranked);
}

TEST_F(HighscoreStore, FirstSaveCreatesTheKeyWithAllSixValuesAndMinusOneForEmptyPlaces) {
    HighscoreTable table;
    table.InsertHighscore("Anna", 41);
    StoreHighscores(table, Registry.Backend());

    ASSERT_TRUE(Registry.HighscoreKeyPresent());
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Anna"));
    EXPECT_EQ(Registry.Stored("sZweiter"), Sz(u" "));
    EXPECT_EQ(Registry.Stored("sDritter"), Sz(u" "));
    EXPECT_EQ(Registry.Stored("iErster"), Dword(41));
    EXPECT_EQ(Registry.Stored("iZweiter"), Raw(RegDword, {0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Registry.Stored("iDritter"), Raw(RegDword, {0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(HighscoreStore, AFullTableComesBackFromTheNextStartUnchanged) {
    const HighscoreTable saved = Table({"Anna", "Jürgen", "Zoë 🂡"}, {12, 40, 2147483647});
    StoreHighscores(saved, Registry.Backend());
    HighscoreTable nextStart;
    LoadHighscores(nextStart, Registry.Backend());
    EXPECT_EQ(nextStart, saved);
}

TEST_F(HighscoreStore, AnEmptyNameAndANegativeCountSurviveTheTrip) {
    const HighscoreTable saved = Table({"", " ", "x"}, {7, 0, -2147483647 - 1});
    StoreHighscores(saved, Registry.Backend());
    HighscoreTable nextStart;
    LoadHighscores(nextStart, Registry.Backend());
    EXPECT_EQ(nextStart, saved);
}

TEST_F(HighscoreStore, ASaveReplacesTheSixValuesAndKeepsOthersInTheKey) {
    PlantEarlierRun();
    Registry.Plant("Kommentar", Sz(u"von Hand"));
    StoreHighscores(Table({"Eva", "Anna", "Bernd"}, {20, 31, 40}), Registry.Backend());
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Eva"));
    EXPECT_EQ(Registry.Stored("iDritter"), Dword(40));
    EXPECT_EQ(Registry.Stored("Kommentar"), Sz(u"von Hand"));
}

// --- Writing: order and failures ---

TEST_F(HighscoreStore, ASaveWritesTheThreeNamesFirstThenTheThreeCounts) {
    RecordingBackend recording(Registry.Backend());
    StoreHighscores(HighscoreTable{}, recording);
    EXPECT_EQ(recording.Writes, (std::vector<std::string>{"sErster", "sZweiter", "sDritter", "iErster",
                                                          "iZweiter", "iDritter"}));
}

TEST_F(HighscoreStore, AFailedWriteStopsTheSaveAtThatValue) {
    PlantEarlierRun();
    RecordingBackend recording(Registry.Backend());
    recording.FailAt = "sDritter";
    EXPECT_EQ(RegistryErrorOf([&] {
                  StoreHighscores(Table({"Eva", "Anna", "Bernd"}, {20, 31, 40}), recording);
              }),
              "Failed to set data for 'sDritter'");
    EXPECT_EQ(recording.Writes, (std::vector<std::string>{"sErster", "sZweiter", "sDritter"}));
#ifdef _WIN32
    // The registry stores each value as it is set: the names before the failure are the new ones.
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Eva"));
    EXPECT_EQ(Registry.Stored("sZweiter"), Sz(u"Anna"));
#else
    // The file takes a save whole or not at all: one player's name never sits beside another's count.
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Anna"));
    EXPECT_EQ(Registry.Stored("sZweiter"), Sz(u"Bernd"));
#endif
    EXPECT_EQ(Registry.Stored("sDritter"), Sz(u"Carla"));
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31));
}

TEST_F(HighscoreStore, AKeyThatCanNeitherBeOpenedNorCreatedFailsTheSaveAtTheFirstName) {
    RecordingBackend recording(Registry.Backend());
    recording.RefuseOpen = true;
    EXPECT_EQ(RegistryErrorOf([&] {
                  StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), recording);
              }),
              "Failed to set data for 'sErster'");
    EXPECT_FALSE(Registry.HighscoreKeyPresent());
}

// --- Reading: what the stored values may hold ---

TEST_F(HighscoreStore, AKeyWithNamesButNoFirstCountStopsAfterTheNamesWereRead) {
    Registry.Plant("sErster", Sz(u"Anna"));
    Registry.Plant("sZweiter", Sz(u"Bernd"));
    Registry.Plant("sDritter", Sz(u"Carla"));
    HighscoreTable table = Table({"x", "y", "z"}, {5, 6, 7});
    EXPECT_EQ(LoadError(table), "Failed to get data for 'iErster'");
    EXPECT_EQ(table, Table({"Anna", "Bernd", "Carla"}, {5, 6, 7}));
}

TEST_F(HighscoreStore, ABadThirdCountKeepsTheFirstTwoCountsRead) {
    PlantEarlierRun();
    Registry.Plant("iDritter", Sz(u"5"));  // four bytes, so only the type is wrong
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "Invalid data type for 'iDritter'");
    EXPECT_EQ(table, Table({"Anna", "Bernd", "Carla"}, {31, 40, -1}));
}

TEST_F(HighscoreStore, AMissingOrZeroSizedNameReadsAsEmptyText) {
    PlantEarlierRun();
    Registry.Plant("sErster", Raw(RegSz, {}));
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "no error");
    EXPECT_EQ(table.HighscoreName[0], "");

    ScratchRegistry countsOnly;
    countsOnly.Plant("iErster", Dword(1));
    countsOnly.Plant("iZweiter", Dword(2));
    countsOnly.Plant("iDritter", Dword(3));
    LoadHighscores(table, countsOnly.Backend());
    EXPECT_EQ(table, Table({"", "", ""}, {1, 2, 3}));
}

TEST_F(HighscoreStore, ANameStoredAsExpandableTextIsReadAsPlainTextWithoutExpanding) {
    PlantEarlierRun();
    Registry.Plant("sZweiter", Sz(u"%USERNAME%", RegExpandSz));
    HighscoreTable table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table.HighscoreName[1], "%USERNAME%");
}

TEST_F(HighscoreStore, TextAfterAZeroInsideAStoredNameIsDropped) {
    PlantEarlierRun();
    Registry.Plant("sDritter", Utf16Raw(RegSz, std::u16string_view(u"Carla\0geheim\0", 13)));
    HighscoreTable table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table.HighscoreName[2], "Carla");
}

TEST_F(HighscoreStore, ANameWithoutTerminatingZeroIsReadWhole) {
    PlantEarlierRun();
    Registry.Plant("sErster", Utf16Raw(RegSz, u"Anna"));
    HighscoreTable table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table.HighscoreName[0], "Anna");
}

TEST_F(HighscoreStore, ANameOfAnotherTypeIsAnInvalidDataType) {
    PlantEarlierRun();
    Registry.Plant("sZweiter", Dword(7));
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "Invalid data type for 'sZweiter'");
    EXPECT_EQ(table.HighscoreName[0], "Anna");
    EXPECT_EQ(table.HighscoreName[1], " ");
}

TEST_F(HighscoreStore, ACountOfFourBytesButNotADwordIsAnInvalidDataType) {
    PlantEarlierRun();
    Registry.Plant("iErster", Raw(RegBinary, {31, 0, 0, 0}));
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "Invalid data type for 'iErster'");
}

TEST_F(HighscoreStore, ACountLargerThanFourBytesCannotBeRead) {
    PlantEarlierRun();
    Registry.Plant("iZweiter", Raw(RegQword, {40, 0, 0, 0, 0, 0, 0, 0}));
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "Failed to get data for 'iZweiter'");
    EXPECT_EQ(table.HighscoreTries[0], 31);
}

TEST_F(HighscoreStore, ACountShorterThanFourBytesCannotBeRead) {
    PlantEarlierRun();
    Registry.Plant("iErster", Raw(RegDword, {31, 0}));
    HighscoreTable table;
    EXPECT_EQ(LoadError(table), "Failed to get data for 'iErster'");
}

TEST_F(HighscoreStore, ACountIsReadAsASignedLittleEndianNumber) {
    PlantEarlierRun();
    Registry.Plant("iErster", Raw(RegDword, {0x01, 0x02, 0x00, 0x00}));
    Registry.Plant("iZweiter", Raw(RegDword, {0xFE, 0xFF, 0xFF, 0xFF}));
    HighscoreTable table;
    LoadHighscores(table, Registry.Backend());
    EXPECT_EQ(table.HighscoreTries[0], 0x0201);
    EXPECT_EQ(table.HighscoreTries[1], -2);
}

TEST_F(HighscoreStore, AKeyWithoutWriteAccessCountsAsMissingAndNothingIsRead) {
    PlantEarlierRun();
    // A broken value proves that nothing is read at all, not merely that reading failed quietly.
    Registry.Plant("iErster", Sz(u"kaputt"));
    Registry.MakeHighscoreKeyReadOnly();
    HighscoreTable table = Table({"Dora", " ", " "}, {44, -1, -1});
    EXPECT_EQ(LoadError(table), "no error");
    EXPECT_EQ(table, Table({"Dora", " ", " "}, {44, -1, -1}));
}

TEST_F(HighscoreStore, AKeyWithoutWriteAccessRefusesASave) {
    PlantEarlierRun();
    Registry.MakeHighscoreKeyReadOnly();
    EXPECT_EQ(RegistryErrorOf([&] {
                  StoreHighscores(Table({"Eva", " ", " "}, {20, -1, -1}), Registry.Backend());
              }),
              "Failed to set data for 'sErster'");
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Anna"));
}

// --- Every board's table, and the board chosen last ---

TEST_F(HighscoreStore, ASmallerBoardKeepsItsTableInASubkeyAndTheFullBoardsValuesAreUntouched) {
    PlantEarlierRun();
    const BoardSize eight = *BoardOfPairs(8);
    StoreHighscores(Table({"Kim", " ", " "}, {9, -1, -1}), Registry.Backend(), eight);
    EXPECT_EQ(Registry.Stored("sErster", "8 Paare"), Sz(u"Kim"));
    EXPECT_EQ(Registry.Stored("iErster", "8 Paare"), Dword(9));
    EXPECT_EQ(Registry.Stored("iDritter", "8 Paare"), Raw(RegDword, {0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Registry.Stored("sErster"), Sz(u"Anna"));
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31));

    HighscoreTable eights;
    LoadHighscores(eights, Registry.Backend(), eight);
    EXPECT_EQ(eights, Table({"Kim", " ", " "}, {9, -1, -1}));
    HighscoreTable fours;
    LoadHighscores(fours, Registry.Backend(), *BoardOfPairs(4));
    EXPECT_EQ(fours, HighscoreTable{}) << "no table of four pairs yet";
    HighscoreTable full;
    LoadHighscores(full, Registry.Backend());
    EXPECT_EQ(full, Table({"Anna", "Bernd", "Carla"}, {31, 40, 52}));
}

TEST_F(HighscoreStore, ADamagedTableOfOneBoardFailsOnlyThatBoard) {
    PlantEarlierRun();
    Registry.Plant("sErster", Sz(u"Kim"), "18 Paare");
    Registry.Plant("iErster", Sz(u"kaputt"), "18 Paare");
    HighscoreTable eighteen;
    EXPECT_EQ(RegistryErrorOf([&] { LoadHighscores(eighteen, Registry.Backend(), *BoardOfPairs(18)); }),
              "Failed to get data for 'iErster'");
    HighscoreTable full;
    EXPECT_EQ(LoadError(full), "no error");
    EXPECT_EQ(full.HighscoreTries[0], 31);
    HighscoreTable eights;
    EXPECT_EQ(RegistryErrorOf([&] { LoadHighscores(eights, Registry.Backend(), *BoardOfPairs(8)); }), "no error");
}

TEST_F(HighscoreStore, AKeyThatHoldsOnlyTheBoardChosenOrOtherBoardsTablesHoldsNoTable) {
    // Choosing a board before any result was saved, then saving a smaller board's result, leaves the key
    // without the six values: it must read as no table yet, not as one that lost its counts.
    StoreBoardChoice(*BoardOfPairs(4), Registry.Backend());
    StoreHighscores(Table({"Kim", " ", " "}, {5, -1, -1}), Registry.Backend(), *BoardOfPairs(4));
    HighscoreTable table = Table({"Dora", " ", " "}, {44, -1, -1});
    EXPECT_EQ(LoadError(table), "no error");
    EXPECT_EQ(table, Table({"Dora", " ", " "}, {44, -1, -1}));
    EXPECT_FALSE(Registry.Stored("sErster"));
}

TEST_F(HighscoreStore, TheBoardChosenLastAndTheOwnDeckInPlayAreDwordsAndAnythingElseIsSaidAsFound) {
    PlantEarlierRun();
    EXPECT_EQ(LoadBoardChoice(Registry.Backend()), std::nullopt) << "never chosen: the full board";
    StoreBoardChoice(*BoardOfPairs(18), Registry.Backend());
    EXPECT_EQ(Registry.Stored("iPaare"), Dword(18));
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31)) << "the table stays";
    EXPECT_EQ(LoadBoardChoice(Registry.Backend()), 18);

    struct Stored {
        RegistryValue Value;
        std::string Said;
    };
    const Stored cases[] = {
        {Dword(4), "no error"},
        {Dword(32), "no error"},
        {Dword(7), "Invalid value 7 for 'iPaare'"},
        {Dword(0), "Invalid value 0 for 'iPaare'"},
        {Dword(0xFFFFFFFF), "Invalid value -1 for 'iPaare'"},
        {Sz(u"8"), "Invalid data type for 'iPaare'"},
        {Sz(u"achtzehn"), "Invalid data type for 'iPaare'"},
        {Raw(RegBinary, {8, 0, 0, 0}), "Invalid data type for 'iPaare'"},
        {Raw(RegDword, {8, 0}), "Failed to get data for 'iPaare'"},
    };
    for (const Stored& stored : cases) {
        Registry.Plant("iPaare", stored.Value);
        EXPECT_EQ(RegistryErrorOf([&] { LoadBoardChoice(Registry.Backend()); }), stored.Said);
        EXPECT_EQ(Registry.Stored("iPaare"), stored.Value) << "reading writes nothing";
    }

    // Whether the own deck is in play is kept beside it, 1 or 0, and read as strictly.
    EXPECT_FALSE(LoadOwnDeckChoice(Registry.Backend())) << "never chosen: a built-in face set";
    StoreOwnDeckChoice(true, Registry.Backend());
    EXPECT_EQ(Registry.Stored("iEigenesDeck"), Dword(1));
    EXPECT_TRUE(LoadOwnDeckChoice(Registry.Backend()));
    StoreOwnDeckChoice(false, Registry.Backend());
    EXPECT_FALSE(LoadOwnDeckChoice(Registry.Backend()));
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31)) << "the table stays";
    const Stored ownCases[] = {
        {Dword(2), "Invalid value 2 for 'iEigenesDeck'"},
        {Sz(u"1"), "Invalid data type for 'iEigenesDeck'"},
        {Raw(RegDword, {1}), "Failed to get data for 'iEigenesDeck'"},
    };
    for (const Stored& stored : ownCases) {
        Registry.Plant("iEigenesDeck", stored.Value);
        EXPECT_EQ(RegistryErrorOf([&] { LoadOwnDeckChoice(Registry.Backend()); }), stored.Said);
    }

    // Who plays: the item, the names used, the computer's level and pace, written in one change and read back; each
    // value read as strictly, and the names the company needs as a form would take them.
    EXPECT_EQ(LoadPlayersChoice(Registry.Backend()), std::nullopt) << "never chosen: alone";
    const PlayersChoice trio{Company::Three, {"Lena", "Tom", "Ayşe"}, Level::Master, Pace::Slow};
    StorePlayersChoice(trio, Registry.Backend());
    EXPECT_EQ(Registry.Stored("iMitspieler"), Dword(3));
    EXPECT_EQ(Registry.Stored("sSpieler3"), Sz(u"Ayşe"));
    EXPECT_EQ(Registry.Stored("iStufe"), Dword(3));
    EXPECT_EQ(Registry.Stored("iTempo"), Dword(1));
    EXPECT_EQ(LoadPlayersChoice(Registry.Backend()), trio);
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31)) << "the table stays";
    struct Planted {
        std::string Name;
        RegistryValue Value;
        std::string Said;
    };
    const Planted playersCases[] = {
        {"iMitspieler", Dword(6), "Invalid value 6 for 'iMitspieler'"},
        {"iMitspieler", Sz(u"3"), "Invalid data type for 'iMitspieler'"},
        {"iStufe", Dword(0), "Invalid value 0 for 'iStufe'"},
        {"iTempo", Raw(RegBinary, {2, 0, 0, 0}), "Invalid data type for 'iTempo'"},
        {"sSpieler2", Dword(2), "Invalid data type for 'sSpieler2'"},
        {"sSpieler2", Sz(u""), "Invalid value for 'sSpieler2'"},
        {"sSpieler1", Sz(u"tom"), "Invalid value for 'sSpieler1'"},
        {"sSpieler2", Sz(u"Computer"), "Invalid value for 'sSpieler2'"},
        {"sSpieler3", Sz(u"  Ayşe"), "Invalid value for 'sSpieler3'"},
        {"sSpieler3", Sz(u"Ein Name von einunddreißig Zeichen"), "Invalid value for 'sSpieler3'"},
    };
    for (const Planted& planted : playersCases) {
        StorePlayersChoice(trio, Registry.Backend());
        Registry.Plant(planted.Name, planted.Value);
        EXPECT_EQ(RegistryErrorOf([&] { LoadPlayersChoice(Registry.Backend()); }), planted.Said);
        EXPECT_EQ(Registry.Stored(planted.Name), planted.Value) << "reading writes nothing";
    }

    // The language chosen, by its code, as text.
    EXPECT_EQ(LoadLanguageChoice(Registry.Backend()), std::nullopt) << "never chosen: the system's";
    StoreLanguageChoice("en", Registry.Backend());
    EXPECT_EQ(Registry.Stored("sSprache"), Sz(u"en"));
    EXPECT_EQ(LoadLanguageChoice(Registry.Backend()), "en");
    const Planted languageCases[] = {
        {"sSprache", Sz(u"de"), "no error"},
        {"sSprache", Sz(u"fr"), "Invalid value for 'sSprache'"},
        {"sSprache", Sz(u"EN"), "Invalid value for 'sSprache'"},
        {"sSprache", Dword(2), "Invalid data type for 'sSprache'"},
    };
    for (const Planted& planted : languageCases) {
        Registry.Plant(planted.Name, planted.Value);
        EXPECT_EQ(RegistryErrorOf([&] { LoadLanguageChoice(Registry.Backend()); }), planted.Said);
    }
}

// --- The access object on its own ---

TEST_F(HighscoreStore, TheAccessObjectTakesTheKeyPathWithOrWithoutLeadingBackslash) {
    PlantEarlierRun();
    RegistryAccess registry(Registry.Backend());
    EXPECT_TRUE(registry.KeyExists("\\Software\\Pairfinder"));
    EXPECT_TRUE(registry.KeyExists("Software\\Pairfinder"));
    EXPECT_FALSE(registry.KeyExists("\\Software\\Pairfinder2"));
    ASSERT_TRUE(registry.OpenKey("\\Software\\Pairfinder"));
    EXPECT_EQ(registry.ReadInteger("iZweiter"), 40);
}

TEST_F(HighscoreStore, DoubledAndTrailingSeparatorsInAKeyPathNameTheSameKey) {
    PlantEarlierRun();
    RegistryAccess registry(Registry.Backend());
    EXPECT_TRUE(registry.KeyExists("\\Software\\\\Pairfinder\\"));
    ASSERT_TRUE(registry.OpenKey("\\Software\\\\Pairfinder\\"));
    registry.WriteInteger("iDritter", 50);
    EXPECT_EQ(registry.ReadString("sErster"), "Anna");
    registry.CloseKey();
    EXPECT_EQ(Registry.Stored("iDritter"), Dword(50));
}

TEST_F(HighscoreStore, AfterTheKeyIsClosedReadsFindNothingAndWritesFail) {
    PlantEarlierRun();
    RegistryAccess registry(Registry.Backend());
    ASSERT_TRUE(registry.OpenKey(HighscoreKey));
    registry.CloseKey();
    EXPECT_EQ(registry.ReadString("sErster"), "");
    EXPECT_EQ(RegistryErrorOf([&] { registry.ReadInteger("iErster"); }), "Failed to get data for 'iErster'");
    EXPECT_EQ(RegistryErrorOf([&] { registry.WriteInteger("iErster", 1); }),
              "Failed to set data for 'iErster'");
    EXPECT_EQ(Registry.Stored("iErster"), Dword(31));
}

TEST_F(HighscoreStore, ValueNamesAreFoundWhateverTheirCase) {
    Registry.Plant("SERSTER", Sz(u"Anna"));
    RegistryAccess registry(Registry.Backend());
    ASSERT_TRUE(registry.OpenKey(HighscoreKey));
    EXPECT_EQ(registry.ReadString("sErster"), "Anna");
}

}  // namespace
}  // namespace pairfinder
