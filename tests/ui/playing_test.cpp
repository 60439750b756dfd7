// Whole games in the real window, clicked card by card, with the highscore store in a scratch registry file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>

#include "highscore_store.h"
#include "window_fixture.h"

namespace pairfinder::testing {
namespace {

class PlayingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
    }

    QString RegistryFile() const { return ConfigHome.filePath(QStringLiteral("pairfinder/registry.reg")); }

    // The board's table in the registry file as a new run of the game would read it.
    HighscoreTable Stored(const BoardSize& board = FullBoard) const {
        HighscoreTable table;
        LoadHighscores(table, board);
        return table;
    }

    QLineEdit* NameEntry() const { return Find<QLineEdit>("edt_Name"); }
    QAction* Item(const char* name) const { return Find<QAction>(QLatin1String(name)); }
    QString Caption(const char* name) const { return Item(name)->text(); }

    void SaveAs(const QString& name) {
        NameEntry()->clear();
        QTest::keyClicks(NameEntry(), name);
        Press("btn_Save");
    }

    bool AllCellsDisabled() const {
        for (int p = 0; p < layout::CellCount; ++p) {
            if (Cell(p)->isEnabled()) return false;
        }
        return true;
    }
};

// The full board first, as a player who never chose a board plays it; then each smaller board from the menu.
TEST_F(PlayingTest, AGameClearedPairByPairEndsWithTheBannerAndIsSavedUnderTheNameTypedInItsBoardsTable) {
    struct Case {
        const char* Item;
        BoardSize Board;
        int Misses;
        const char* Name;
        int Attempts;
        QRect First, Last;
        const char* Heading;
    } const cases[] = {
        {nullptr, BoardSizes[3], 3, "Anna", 35, {8, 8, 60, 60}, {512, 512, 60, 60}, ""},
        {"Feld1", BoardSizes[0], 1, "Bert", 5, {14, 158, 120, 120}, {446, 302, 120, 120}, "Spielfeld: 4 Paare"},
        {"Feld2", BoardSizes[1], 0, "Cleo", 8, {14, 14, 120, 120}, {446, 446, 120, 120}, "Spielfeld: 8 Paare"},
        {"Feld3", BoardSizes[2], 2, "Dora", 20, {10, 10, 80, 80}, {490, 490, 80, 80}, "Spielfeld: 18 Paare"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Board.Caption);
        if (c.Item) Item(c.Item)->trigger();
        ASSERT_EQ(Form->Board().Size, c.Board);
        const int cards = c.Board.Cards();
        EXPECT_EQ(Cell(0)->geometry(), c.First);
        EXPECT_EQ(Cell(cards - 1)->geometry(), c.Last);
        EXPECT_EQ(Cell(cards - 1)->Picture().deviceIndependentSize(), c.Last.size()) << "drawn at its size";
        for (int p = 0; p < layout::CellCount; ++p) EXPECT_EQ(Cell(p)->isVisible(), p < cards) << "Image" << p + 1;

        PlayToTheEnd(c.Misses);
        EXPECT_EQ(Label("lbl_Count")->text(), QString::number(c.Attempts));
        EXPECT_GE(Label("lbl_Count")->width(), Label("lbl_Count")->sizeHint().width())
            << "the label grows with its number";
        EXPECT_EQ(Label("lbl_ferdisch")->text(), "FERTIG!!");
        EXPECT_TRUE(Visible("lbl_ferdisch"));
        EXPECT_TRUE(Visible("lbl_Name"));
        EXPECT_TRUE(Visible("edt_Name"));
        EXPECT_TRUE(Visible("btn_Save"));
        EXPECT_FALSE(Visible("lbl_Looser"));
        EXPECT_TRUE(AllCellsDisabled()) << "a finished board takes no clicks";
        EXPECT_FALSE(NameEntry()->hasFocus()) << "the player clicks into the entry before typing";
        if (!c.Item) {
            EXPECT_FALSE(QFile::exists(RegistryFile())) << "nothing is written before the first save";
        }

        SaveAs(c.Name);

        HighscoreTable expected;
        expected.HighscoreName = {c.Name, " ", " "};
        expected.HighscoreTries = {c.Attempts, -1, -1};
        EXPECT_EQ(Stored(c.Board), expected);
        HighscoreTable full;
        full.HighscoreName = {"Anna", " ", " "};
        full.HighscoreTries = {35, -1, -1};
        EXPECT_EQ(Stored(FullBoard), full) << "the full board's table keeps its own results";

        EXPECT_EQ(Item("Tabelle1")->text(), c.Heading);
        EXPECT_EQ(Item("Tabelle1")->isVisible(), c.Item != nullptr);
        EXPECT_EQ(Caption("Erster"), "");
        EXPECT_EQ(Caption("Zweiter"), QStringLiteral("1. %1 mit %2 Versuchen").arg(c.Name).arg(c.Attempts));
        EXPECT_EQ(Caption("Dritter"), "");
        EXPECT_FALSE(Visible("lbl_ferdisch")) << "saving deals the next game";
        EXPECT_EQ(Label("lbl_Count")->text(), "0");
        EXPECT_TRUE(Shows(0, Back(0)));
        EXPECT_EQ(Form->Board().Size, c.Board) << "on the same board";
    }

    QFile file(RegistryFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Written as regedit writes an export: UTF-16LE after its byte order mark.
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                            (bytes.size() - 2) / 2);
    for (const char* value : {"\"sErster\"", "\"sZweiter\"", "\"sDritter\"", "\"iErster\"", "\"iZweiter\"",
                              "\"iDritter\"", "[HKEY_CURRENT_USER\\Software\\Pairfinder\\4 Paare]",
                              "\"iPaare\"=dword:00000012"}) {
        EXPECT_TRUE(text.contains(QLatin1String(value))) << value << " in\n" << text.toStdString();
    }

    // The board chosen last is the one the next start deals.
    Open();
    EXPECT_EQ(Form->Board().Size, BoardSizes[2]);
    EXPECT_TRUE(Item("Feld3")->isChecked());
    EXPECT_FALSE(Item("Feld4")->isChecked());
    EXPECT_EQ(Caption("Zweiter"), "1. Dora mit 20 Versuchen");
}

TEST_F(PlayingTest, AResultThatMissesTheTableShowsTheConsolationInsteadOfTheNameEntry) {
    HighscoreTable full;
    full.HighscoreName = {"Anna", "Ben", "Cleo"};
    full.HighscoreTries = {32, 33, 34};
    StoreHighscores(full);
    Press("btn_Mix");
    ASSERT_EQ(Caption("Dritter"), "3. Cleo mit 34 Versuchen");

    PlayToTheEnd(2);
    EXPECT_EQ(Label("lbl_Count")->text(), "34") << "as many as the third place is not enough";
    EXPECT_TRUE(Visible("lbl_ferdisch"));
    EXPECT_TRUE(Visible("lbl_Looser"));
    EXPECT_EQ(Label("lbl_Looser")->text(), "Leider reicht es für die Highscore nicht.");
    EXPECT_FALSE(Visible("lbl_Name"));
    EXPECT_FALSE(Visible("edt_Name"));
    EXPECT_FALSE(Visible("btn_Save"));
}

TEST_F(PlayingTest, ASecondGameThatDoesWorseThanAFullTableIsNotOfferedTheEntry) {
    for (const char* name : {"Anna", "Ben", "Cleo"}) {
        PlayToTheEnd();
        SaveAs(name);
    }
    ASSERT_EQ(Caption("Erster"), "1. Cleo mit 32 Versuchen") << "an equal count ranks ahead";
    PlayToTheEnd(1);
    EXPECT_TRUE(Visible("lbl_Looser"));
    EXPECT_FALSE(Visible("edt_Name"));
}

TEST_F(PlayingTest, TheNameEntryKeepsTheLastName) {
    PlayToTheEnd();
    SaveAs("Anna");
    PlayToTheEnd(4);
    ASSERT_TRUE(Visible("edt_Name"));
    EXPECT_EQ(NameEntry()->text(), "Anna");
    Press("btn_Save");
    EXPECT_EQ(Caption("Erster"), "1. Anna mit 32 Versuchen");
    EXPECT_EQ(Caption("Zweiter"), "2. Anna mit 36 Versuchen");
}

TEST_F(PlayingTest, AnEmptyNameIsSavedAsEmptyText) {
    PlayToTheEnd();
    Press("btn_Save");
    EXPECT_EQ(Stored().HighscoreName[0], "");
    EXPECT_EQ(Caption("Zweiter"), "1.  mit 32 Versuchen");
}

TEST_F(PlayingTest, ANameWithAnAmpersandShowsInTheMenuAsTyped) {
    PlayToTheEnd();
    SaveAs("Tom & Jerry");
    PlayToTheEnd(1);
    SaveAs("R&B");
    EXPECT_EQ(Stored().HighscoreName[0], "Tom & Jerry") << "the store keeps the name as typed";
    EXPECT_EQ(Stored().HighscoreName[1], "R&B");

    // What the menu draws: a single "&" would vanish and underline the letter after it.
    EXPECT_EQ(Item("Erster")->iconText(), "1. Tom & Jerry mit 32 Versuchen");
    EXPECT_EQ(Item("Zweiter")->iconText(), "2. R&B mit 33 Versuchen");
    EXPECT_TRUE(QKeySequence::mnemonic(Caption("Zweiter")).isEmpty()) << "no accelerator letter in a name";
}

TEST_F(PlayingTest, AFailedPairStaysOpenUntilTheNextHiddenCardIsClicked) {
    const int first = 0;
    const int second = StrangerTo(first);
    ClickCell(first);
    ClickCell(second);
    EXPECT_TRUE(ShowsFace(first));
    EXPECT_TRUE(ShowsFace(second));
    EXPECT_EQ(Label("lbl_Count")->text(), "1");

    ClickCell(first);
    ClickCell(second);
    EXPECT_TRUE(ShowsFace(first) && ShowsFace(second)) << "clicks on the open faces change nothing";
    EXPECT_EQ(Label("lbl_Count")->text(), "1");

    int third = 1;
    while (third == first || third == second) ++third;
    ClickCell(third);
    EXPECT_TRUE(Shows(first, Back(0)));
    EXPECT_TRUE(Shows(second, Back(0)));
    EXPECT_TRUE(ShowsFace(third));
}

TEST_F(PlayingTest, TheCardThatOpenedTheTurnCountsNothingWhenClickedAgain) {
    ClickCell(4);
    ClickCell(4);
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    EXPECT_TRUE(ShowsFace(4));
    EXPECT_TRUE(Form->Board().CardOpen);
}

TEST_F(PlayingTest, ChangingTheBackMidGameDealsAnewAndShowsZero) {
    FindPairAt(0);
    ClickCell(StrangerTo(0));
    ASSERT_EQ(Label("lbl_Count")->text(), "1");

    Item("Blatt2")->trigger();
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    for (int p = 0; p < layout::CellCount; ++p) {
        EXPECT_TRUE(Shows(p, Back(1)) && Cell(p)->isEnabled()) << "Image" << p + 1;
    }
    EXPECT_FALSE(Form->Board().CardOpen);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Item(QStringLiteral("Blatt%1").arg(k).toLatin1().constData())->isChecked(), k == 2);
    }
}

TEST_F(PlayingTest, ChangingTheFaceSetMidGameDealsAnewWithTheNewFaces) {
    ClickCell(0);
    ClickCell(StrangerTo(0));
    Item("Deck3")->trigger();
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Item(QStringLiteral("Deck%1").arg(k).toLatin1().constData())->isChecked(), k == 3);
    }
    ClickCell(0);
    EXPECT_TRUE(Shows(0, List("MasterList3")->Picture(PairAt(0))));
}

TEST_F(PlayingTest, ChoosingTheCheckedItemAgainStillStartsANewGame) {
    ClickCell(0);
    ClickCell(StrangerTo(0));
    Item("Deck1")->trigger();
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    EXPECT_TRUE(Item("Deck1")->isChecked());
}

TEST_F(PlayingTest, MixItFromButtonOrMenuStartsANewGame) {
    FindPairAt(0);
    Press("btn_Mix");
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    EXPECT_TRUE(Cell(0)->isEnabled());
    FindPairAt(0);
    Item("Mixitnew1")->trigger();
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    EXPECT_TRUE(Cell(0)->isEnabled());
}

TEST_F(PlayingTest, EndItClosesTheWindowAndLaterEventsAreIgnored) {
    Press("btn_End");
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Form->Board().IsReleased());

    // Events already queued when the window closed find nothing to work on.
    emit Cell(0)->Clicked();
    Button("btn_Mix")->click();
    Item("Deck2")->trigger();
    Form->close();
    EXPECT_TRUE(Form->Board().IsReleased());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(PlayingTest, FerdischClosesTheWindow) {
    Item("Ferdisch1")->trigger();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Form->Board().IsReleased());
}

class DamagedStoreTest : public WindowTest {
protected:
    void WriteRegistry(const QByteArray& text) {
        ASSERT_TRUE(QDir(ConfigHome.path()).mkpath(QStringLiteral("pairfinder")));
        QFile file(ConfigHome.filePath(QStringLiteral("pairfinder/registry.reg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(DamagedStoreTest, AStoreWithoutTheFirstCountReportsItAndTheGameStaysPlayable) {
    WriteRegistry(
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n"
        "\"sErster\"=\"Anna\"\r\n\"sZweiter\"=\"Ben\"\r\n\"sDritter\"=\"Cleo\"\r\n"
        "\"iZweiter\"=dword:00000028\r\n\"iDritter\"=dword:0000002a\r\n");
    Open();
    EXPECT_EQ(Errors, std::vector<std::string>{"Failed to get data for 'iErster'"});
    EXPECT_EQ(Form->Highscores().HighscoreName[0], "Anna") << "the names are read before the failure";
    EXPECT_EQ(Form->Highscores().HighscoreTries[0], -1);

    ClickCell(0);
    EXPECT_TRUE(ShowsFace(0));
    FindPairAt(1);
    EXPECT_EQ(Label("lbl_Count")->text(), "1");

    Press("btn_Mix");
    EXPECT_EQ(Errors.size(), 2u) << "every new game stops at the same value";
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
}

TEST_F(DamagedStoreTest, AStoredBoardItCannotTakeStartsTheFullBoardSaysSoOnceAndWritesNothing) {
    struct Case {
        const char* Stored;
        const char* Message;
        // The language the system asks for, which a damaged choice of one leaves in play.
        std::vector<std::string> System = {"de-DE"};
        const char* Count = "Versuche:";
    } const cases[] = {
        {"\"iPaare\"=\"8\"", "Invalid data type for 'iPaare'"},
        {"\"iPaare\"=dword:00000007", "Invalid value 7 for 'iPaare'"},
        // Who played last, damaged, leaves the player alone.
        {"\"iMitspieler\"=dword:00000009", "Invalid value 9 for 'iMitspieler'"},
        {"\"sSprache\"=dword:00000002", "Invalid data type for 'sSprache'", {"en-GB", "de-DE"}, "Attempts:"},
        {"\"sSprache\"=\"xx\"", "Invalid value for 'sSprache'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stored);
        Errors.clear();
        SystemLanguages = c.System;
        const QByteArray text = QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Pairfinder]\r\n") +
                                c.Stored + "\r\n";
        WriteRegistry(text);
        Open();
        EXPECT_EQ(Errors, std::vector<std::string>{c.Message});
        EXPECT_EQ(Form->Board().Size, FullBoard);
        EXPECT_EQ(Label("Label1")->text(), c.Count);
        EXPECT_TRUE(Find<QAction>("Feld4")->isChecked());
        EXPECT_TRUE(Find<QAction>("Spieler1")->isChecked());
        EXPECT_FALSE(Visible("Panel3"));
        EXPECT_TRUE(Cell(63)->isVisible());
        ClickCell(63);
        EXPECT_TRUE(ShowsFace(63)) << "the full board is dealt and plays";
        Press("btn_Mix");
        EXPECT_EQ(Errors.size(), 1u) << "said once, at the start";
        QFile file(ConfigHome.filePath(QStringLiteral("pairfinder/registry.reg")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), text) << "nothing is written until the player chooses";
    }
}

TEST_F(DamagedStoreTest, ASaveThatCannotBeWrittenKeepsTheBannerAndTheNameEntry) {
    Open();
    PlayToTheEnd();
    Press("btn_Save");
    ASSERT_TRUE(Errors.empty());
    const QString file = ConfigHome.filePath(QStringLiteral("pairfinder/registry.reg"));
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner));

    PlayToTheEnd(5);
    QTest::keyClicks(Find<QLineEdit>("edt_Name"), "Ben");
    Press("btn_Save");
    EXPECT_EQ(Errors, std::vector<std::string>{"Failed to set data for 'sErster'"});
    EXPECT_TRUE(Visible("lbl_ferdisch"));
    EXPECT_TRUE(Visible("edt_Name"));
    EXPECT_TRUE(Visible("btn_Save"));
    EXPECT_EQ(Label("lbl_Count")->text(), "37") << "no new game was dealt";
    EXPECT_EQ(Form->Highscores().HighscoreName[1], "Ben") << "the result is ranked in memory all the same";
    EXPECT_EQ(Form->Highscores().HighscoreTries[1], 37);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(DamagedStoreTest, SavePressedAgainAfterAFailedSaveStoresTheResultOnceWithTheLastName) {
    // The result will land between two others, so that ranking it twice would push Old out.
    HighscoreTable before;
    before.HighscoreName = {"Ann", "Old", "Zed"};
    before.HighscoreTries = {20, 40, 50};
    StoreHighscores(before);
    Open();
    const QString registry = ConfigHome.filePath(QStringLiteral("pairfinder/registry.reg"));
    ASSERT_TRUE(QFile::setPermissions(registry, QFileDevice::ReadOwner));
    PlayToTheEnd(5);

    auto* entry = Find<QLineEdit>("edt_Name");
    const auto saveAs = [&](const char* name) {
        entry->clear();
        QTest::keyClicks(entry, name);
        Press("btn_Save");
    };
    saveAs("Ben");
    saveAs("Benno");
    Press("btn_Save");
    EXPECT_EQ(Errors.size(), 3u);
    EXPECT_EQ(Form->Highscores().HighscoreName, (std::array<std::string, 3>{"Ann", "Benno", "Old"}))
        << "the result is in the table once, under the name typed last";
    EXPECT_EQ(Form->Highscores().HighscoreTries, (std::array<std::int32_t, 3>{20, 37, 40}));

    ASSERT_TRUE(QFile::setPermissions(registry, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    saveAs("Bea");
    EXPECT_EQ(Errors.size(), 3u) << "the last press succeeded";
    EXPECT_FALSE(Visible("btn_Save")) << "the save dealt the next game";
    HighscoreTable stored;
    LoadHighscores(stored);
    EXPECT_EQ(stored.HighscoreName, (std::array<std::string, 3>{"Ann", "Bea", "Old"}));
    EXPECT_EQ(stored.HighscoreTries, (std::array<std::int32_t, 3>{20, 37, 40}));
}

}  // namespace
}  // namespace pairfinder::testing
