// How an error reaches the player: the title and full-stop rules, the message box, and a window that goes on.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "application_frame.h"
#include "frame_rules.h"
#include "registry_error.h"
#include "window_fixture.h"

namespace pairfinder::testing {
namespace {

TEST(FullStopRuleTest, AMessageEndingInALetterDigitOrSignAboveTheDotGetsOne) {
    EXPECT_EQ(WithFullStop("Disk full"), "Disk full.");
    EXPECT_EQ(WithFullStop("Error 5"), "Error 5.");
    EXPECT_EQ(WithFullStop("Why?"), "Why?.");
    EXPECT_EQ(WithFullStop("Reason:"), "Reason:.");
    EXPECT_EQ(WithFullStop("a/b"), "a/b.");
}

TEST(FullStopRuleTest, TheRegistryMessagesEndInAnApostropheAndStayAsTheyAre) {
    EXPECT_EQ(WithFullStop("Failed to get data for 'iErster'"), "Failed to get data for 'iErster'");
    EXPECT_EQ(WithFullStop("Invalid data type for 'sZweiter'"), "Invalid data type for 'sZweiter'");
}

TEST(FullStopRuleTest, SignsAtOrBelowTheDotGetNone) {
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("(see above)"), "(see above)");
    EXPECT_EQ(WithFullStop("Stop!"), "Stop!");
    EXPECT_EQ(WithFullStop("trailing "), "trailing ");
    EXPECT_EQ(WithFullStop("a-"), "a-");
}

TEST(FullStopRuleTest, ACharacterAbove127GetsOne) {
    EXPECT_EQ(WithFullStop("Datei zu groß"), "Datei zu groß.");
    EXPECT_EQ(WithFullStop(std::string("x\xA0")), std::string("x\xA0."));
}

TEST(FullStopRuleTest, AnEmptyMessageStaysEmpty) {
    EXPECT_EQ(WithFullStop(""), "");
}

TEST(ApplicationTitleTest, IsTheProgramFileNameWithoutFolderOrExtension) {
    EXPECT_EQ(ApplicationTitle("/usr/games/pairfinder"), "pairfinder");
    EXPECT_EQ(ApplicationTitle("C:\\Spiele\\Pairfinder.exe"), "Pairfinder");
    EXPECT_EQ(ApplicationTitle("/opt/a\\b/c\\memo.exe"), "memo");
    EXPECT_EQ(ApplicationTitle("pairs"), "pairs");
}

TEST(ApplicationTitleTest, AFileNameWithTwoDotsIsCutAtTheFirst) {
    EXPECT_EQ(ApplicationTitle("C:\\Games\\pair.finder.exe"), "pair");
    EXPECT_EQ(ApplicationTitle("/home/p/Memo.v2.bin"), "Memo");
}

TEST(ApplicationTitleTest, OnlyTheFirstLetterKeepsItsCapital) {
    EXPECT_EQ(ApplicationTitle("C:\\GAMES\\PAIRFINDER.EXE"), "Pairfinder");
    EXPECT_EQ(ApplicationTitle("/bin/ÄRGER"), "Ärger");
    EXPECT_EQ(ApplicationTitle("/bin/x"), "x");
    EXPECT_EQ(ApplicationTitle("C:\\OK.EXE"), "Ok");
}

TEST(ApplicationTitleTest, TheProgramNameIsReadFromAtMost255Characters) {
    const QString folder = "/" + QString(248, u'f') + "/";
    EXPECT_EQ(ApplicationTitle(folder + "PAIRFINDER.EXE"), "Pairf");
}

// Closes the next message box as soon as it is open and keeps what it showed.
class BoxWatcher {
public:
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type Buttons = 0;
    Qt::WindowModality Modality = Qt::NonModal;
    Qt::TextFormat Format = Qt::AutoText;
    QAccessible::Role Role = QAccessible::NoRole;
    int Seen = 0;

    BoxWatcher() {
        Poll.setInterval(10);
        QObject::connect(&Poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            ++Seen;
            Title = box->windowTitle();
            Text = box->text();
            Icon = box->icon();
            Buttons = box->buttons().size();
            Modality = box->windowModality();
            Format = box->textFormat();
            if (QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box)) Role = read->role();
            box->button(QMessageBox::Ok)->click();
        });
        Poll.start();
    }

private:
    QTimer Poll;
};

TEST(ErrorBoxTest, ShowsTheMessageWithItsFullStopUnderTheApplicationTitle) {
    BoxWatcher watcher;
    ShowErrorBox("Disk full");
    EXPECT_EQ(watcher.Seen, 1);
    EXPECT_EQ(watcher.Text, "Disk full.");
    EXPECT_EQ(watcher.Title, ApplicationTitle(QCoreApplication::applicationFilePath()));
    EXPECT_FALSE(watcher.Title.isEmpty());
    EXPECT_EQ(watcher.Icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.Buttons, 1);
    EXPECT_EQ(watcher.Modality, Qt::ApplicationModal);
    EXPECT_EQ(watcher.Role, QAccessible::AlertMessage) << "a screen reader reads the box as an alert";
}

TEST(ErrorBoxTest, ShowsMarkupAsPlainText) {
    BoxWatcher watcher;
    ShowErrorBox("<b>bold</b>");
    EXPECT_EQ(watcher.Format, Qt::PlainText);
    EXPECT_EQ(watcher.Text, "<b>bold</b>.");
}

TEST(ErrorGuardTest, AnErrorEndsTheHandlerAndIsShown) {
    std::vector<std::string> shown;
    const ErrorDisplay previous =
        SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
    bool after = false;
    Guarded([&] {
        throw std::runtime_error("broken");
        after = true;
    });
    SetErrorDisplay(previous);
    EXPECT_EQ(shown, std::vector<std::string>{"broken"});
    EXPECT_FALSE(after);
}

// A store whose reading can be made to fail, to raise an error inside a handler.
class FailingStoreTest : public WindowTest {
protected:
    bool Failing = false;
    int Loads = 0;

    HighscoreStorage Storage() {
        return {[this](HighscoreTable&, const BoardSize&) {
                    ++Loads;
                    if (Failing) throw RegistryError::GetDataFailed("iErster");
                },
                [](const HighscoreTable&, const BoardSize&) {}, [] { return std::optional<int>(); },
                [](const BoardSize&) {}, [] { return false; }, [](bool) {}, {}, {}, {}, {}};
    }
};

TEST_F(FailingStoreTest, AnErrorInAHandlerShowsTheBoxAndTheWindowGoesOn) {
    Open(Storage());
    ClickCell(0);
    ClickCell(StrangerTo(0));
    ASSERT_EQ(Label("lbl_Count")->text(), "1");

    SetErrorDisplay(ShowErrorBox);
    BoxWatcher watcher;
    Failing = true;
    Press("btn_Mix");
    EXPECT_EQ(watcher.Seen, 1);
    EXPECT_EQ(watcher.Text, "Failed to get data for 'iErster'");

    // The new game was dealt before the store failed, and it can be played.
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
    ClickCell(3);
    EXPECT_TRUE(ShowsFace(3));
    FindPairAt(10);
    EXPECT_EQ(Label("lbl_Count")->text(), "1");
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(FailingStoreTest, AfterTheBoxTheKeyboardIsWhereItWas) {
    Open(Storage());
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    SetErrorDisplay(ShowErrorBox);
    for (const char* where : {"CardGrid", "btn_End"}) {
        SCOPED_TRACE(where);
        Find<QWidget>(QLatin1String(where))->setFocus(Qt::TabFocusReason);
        BoxWatcher watcher;
        Failing = true;
        // The letter of MIX IT deals anew, which reads the store.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M);
        Failing = false;
        EXPECT_EQ(watcher.Seen, 1);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), where);
    }
}

TEST_F(FailingStoreTest, AnErrorInTheFirstGameLeavesTheWindowUpWithItsFacesLoaded) {
    Failing = true;
    Open(Storage());
    EXPECT_EQ(Errors, std::vector<std::string>{"Failed to get data for 'iErster'"});
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(List("FakeList")->Count(), 32);
    EXPECT_EQ(Find<QAction>("Zweiter")->text(), "Zweiter") << "the menu is not rewritten after the failure";

    ClickCell(7);
    EXPECT_TRUE(ShowsFace(7)) << "the first game can be played without the store";
}

TEST_F(FailingStoreTest, EveryNewGameReadsTheStoreOnce) {
    Open(Storage());
    EXPECT_EQ(Loads, 1);
    Press("btn_Mix");
    EXPECT_EQ(Loads, 2);
}

}  // namespace
}  // namespace pairfinder::testing
