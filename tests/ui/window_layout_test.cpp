// The window as it first appears: every control in its place, the menu, the keyboard and the scrolling client
// area.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>

#include "window_fixture.h"

namespace pairfinder::testing {
namespace {

struct Placement {
    const char* Name;
    const char* Parent;
    QRect Geometry;
    const char* Text;
};

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) texts << action->text();
    return texts;
}

class WindowLayoutTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
    }

    QMenu* Menu(const char* name) const { return Find<QMenu>(QLatin1String(name)); }
    QAction* Item(const char* name) const { return Find<QAction>(QLatin1String(name)); }
    QWidget* Canvas() const { return Find<QWidget>(QStringLiteral("Canvas")); }
};

TEST_F(WindowLayoutTest, TheWindowIsCalledPairfinderAndOpensAtItsPlaceAndSize) {
    EXPECT_EQ(Form->objectName(), "Form1");
    EXPECT_EQ(Form->windowTitle(), "Pairfinder");
    EXPECT_EQ(Form->frameGeometry(), QRect(188, 70, 739, 645));
}

TEST_F(WindowLayoutTest, SixtyFourCardCellsLieInAnEightByEightGridWithTwelvePixelGaps) {
    EXPECT_EQ(Cell(0)->geometry(), QRect(8, 8, 60, 60));
    EXPECT_EQ(Cell(7)->geometry(), QRect(512, 8, 60, 60));
    EXPECT_EQ(Cell(8)->geometry(), QRect(8, 80, 60, 60));
    EXPECT_EQ(Cell(63)->geometry(), QRect(512, 512, 60, 60));
    for (int p = 0; p < layout::CellCount; ++p) {
        EXPECT_EQ(Cell(p)->geometry(), QRect(8 + 72 * (p % 8), 8 + 72 * (p / 8), 60, 60)) << "Image" << p + 1;
        EXPECT_EQ(QRect(Cell(p)->mapTo(Canvas(), QPoint(0, 0)), Cell(p)->size()), Cell(p)->geometry())
            << "the cells' grid lies in the canvas's corner";
        EXPECT_EQ(Cell(p)->parentWidget()->parentWidget(), Canvas());
        EXPECT_EQ(Cell(p)->focusPolicy(), Qt::NoFocus) << "the grid takes the keyboard for the cards";
    }
}

TEST_F(WindowLayoutTest, ButtonsEditBoxAndPanelsSitExactlyWhereTheLayoutPutsThem) {
    // Four players with names as long as a name may be, the last to play.
    std::vector<Seat> four;
    for (const char* name : {"Annemarie Sophie Katharina Ost", "Bernhard Maximilian Friedrichs",
                             "Christiane Walburga Hohenstein", "Dietrich Wolfram Schimmelpfeng"}) {
        ASSERT_EQ(std::string_view(name).size(), static_cast<std::size_t>(LongestPlayerName)) << name;
        four.push_back({name, SeatKind::Person, 16, 99});
    }
    Form->ShowPlayers(four, 3);
    const Placement placements[] = {
        {"edt_Name", "Canvas", {184, 232, 233, 21}, ""},
        {"btn_Save", "Canvas", {248, 272, 113, 25}, "&Save"},
        {"Panel1", "Canvas", {592, 328, 129, 241}, nullptr},
        {"btn_Mix", "Panel1", {16, 24, 97, 33}, "&MIX IT"},
        {"Image65", "Panel1", {16, 88, 96, 69}, nullptr},
        {"btn_End", "Panel1", {16, 184, 97, 33}, "&END IT"},
        {"Panel2", "Canvas", {592, 152, 129, 81}, nullptr},
        {"Panel3", "Canvas", {592, 8, 129, 137}, nullptr},
        {"TurnLine", "Panel3", {6, 4, 117, 14}, nullptr},
        {"Seat1", "Panel3", {6, 21, 117, 28}, nullptr},
        {"Seat4", "Panel3", {6, 105, 117, 28}, nullptr},
    };
    for (const Placement& placement : placements) {
        auto* widget = Find<QWidget>(QLatin1String(placement.Name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), placement.Geometry) << placement.Name;
        EXPECT_EQ(widget->parentWidget()->objectName(), placement.Parent) << placement.Name;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), placement.Text);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(edit->text(), placement.Text);
        }
    }
    EXPECT_FALSE(Label("Image65")->pixmap().isNull()) << "the logo";
    // Every line of the players' panel shows within it, whole or cut by its ellipsis.
    QWidget* players = Find<QWidget>("Panel3");
    EXPECT_TRUE(players->isVisible());
    for (const QLabel* line : players->findChildren<QLabel*>()) {
        const QRect within(line->mapTo(players, QPoint(0, 0)), line->size());
        EXPECT_TRUE(players->contentsRect().contains(within)) << line->objectName().toStdString();
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width())
            << line->objectName().toStdString() << ": " << line->text().toStdString();
        EXPECT_EQ(line->textFormat(), Qt::PlainText) << "a name is never read as markup";
    }
    for (const char* panel : {"Panel1", "Panel2"}) {
        EXPECT_EQ(Find<QFrame>(QLatin1String(panel))->frameShadow(), QFrame::Raised) << panel;
    }
}

TEST_F(WindowLayoutTest, LabelsStartAtTheirPlaceAndAreAtLeastAsLargeAsTheirTextWhenShown) {
    // The outcome's labels, hidden at start, take their text's size when the outcome is shown.
    Form->ShowOutcome(true);
    Form->ShowOutcome(false);
    // A shared win of four names as long as a name may be, typed in capitals, takes more lines than the layout's
    // height.
    const char* shared = "Unentschieden: ANNEMARIE SOPHIE KATHARINA OST, BERNHARD MAXIMILIAN FRIEDRICHS, CHRISTIANE "
                         "WALBURGA HOHENSTEIN und DIETRICH WOLFRAM SCHIMMELPFENG mit je 4 Paaren";
    Form->ShowWinner(shared);
    const Placement placements[] = {
        {"lbl_ferdisch", "Canvas", {136, 104, 289, 73}, "FERTIG!!"},
        {"lbl_Name", "Canvas", {184, 216, 230, 13}, "Namen für die Highsorce noch schnell eingeben:"},
        {"lbl_Looser", "Canvas", {120, 248, 382, 27}, "Leider reicht es für die Highscore nicht."},
        {"lbl_Sieger", "Canvas", {40, 200, 496, 112}, shared},
        {"Label1", "Panel2", {16, 8, 84, 23}, "Versuche:"},
        {"lbl_Count", "Panel2", {72, 40, 11, 23}, "0"},
    };
    for (const Placement& placement : placements) {
        QLabel* label = Label(placement.Name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(placement.Text)) << placement.Name;
        EXPECT_EQ(label->pos(), placement.Geometry.topLeft()) << placement.Name;
        EXPECT_EQ(label->parentWidget()->objectName(), placement.Parent) << placement.Name;
        // A face that runs wider than the named one makes the label grow, never cuts the text; a text that wraps
        // keeps the layout's width and grows down.
        const QSize needed = label->wordWrap() ? QSize(placement.Geometry.width(),
                                                       label->heightForWidth(placement.Geometry.width()))
                                               : label->sizeHint();
        EXPECT_TRUE(label->width() >= placement.Geometry.width() && label->width() >= needed.width())
            << placement.Name << " is " << label->width() << " wide";
        EXPECT_TRUE(label->height() >= placement.Geometry.height() && label->height() >= needed.height())
            << placement.Name << " is " << label->height() << " high";
        EXPECT_TRUE(label->autoFillBackground()) << placement.Name << " must hide the cards beneath it";
    }
}

// The layout's faces, or where the system lacks one its metric-compatible stand-in.
bool IsTimesNewRoman(const QFont& font) {
    return font.family() == "Times New Roman" || font.family() == "Liberation Serif";
}
bool IsMsSansSerif(const QFont& font) {
    return font.family() == "MS Sans Serif" || font.family() == "Liberation Sans";
}

TEST_F(WindowLayoutTest, FontsAreTheLayoutsFacesOrTheirStandInsAtTheirPixelHeight) {
    const QFont banner = Label("lbl_ferdisch")->font();
    EXPECT_TRUE(IsTimesNewRoman(banner)) << banner.family().toStdString();
    EXPECT_EQ(banner.pixelSize(), 64);
    EXPECT_TRUE(banner.bold());
    EXPECT_EQ(Label("lbl_ferdisch")->palette().color(QPalette::WindowText), QColor(128, 0, 128));

    EXPECT_TRUE(IsTimesNewRoman(Label("lbl_Looser")->font()));
    EXPECT_EQ(Label("lbl_Looser")->font().pixelSize(), 24);
    EXPECT_FALSE(Label("lbl_Looser")->font().bold());
    EXPECT_EQ(Label("lbl_Looser")->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    for (const char* name : {"Label1", "lbl_Count"}) {
        EXPECT_TRUE(IsTimesNewRoman(Label(name)->font())) << name;
        EXPECT_EQ(Label(name)->font().pixelSize(), 21) << name;
        // Panel2 writes in navy, but its labels keep the ordinary text colour.
        EXPECT_EQ(Label(name)->palette().color(QPalette::WindowText),
                  Form->palette().color(QPalette::WindowText))
            << name;
    }
    EXPECT_EQ(Find<QWidget>("Panel2")->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    for (QWidget* widget :
         {static_cast<QWidget*>(Label("lbl_Name")), static_cast<QWidget*>(Button("btn_Mix")),
          static_cast<QWidget*>(Find<QLineEdit>("edt_Name"))}) {
        EXPECT_TRUE(IsMsSansSerif(widget->font())) << widget->objectName().toStdString();
        EXPECT_EQ(widget->font().pixelSize(), 11) << widget->objectName().toStdString();
    }
}

TEST_F(WindowLayoutTest, TheFirstGameHidesTheOutcomeControlsThatTheLayoutShows) {
    Form.reset();
    // Hiding a control that is already hidden sends no event, so the events prove the layout showed them.
    struct HideRecorder : QObject {
        QStringList Hidden;
        bool eventFilter(QObject* watched, QEvent* event) override {
            const QStringList outcome{"lbl_ferdisch", "lbl_Name", "edt_Name", "btn_Save", "lbl_Looser"};
            if (event->type() == QEvent::HideToParent && outcome.contains(watched->objectName())) {
                Hidden << watched->objectName();
            }
            return false;
        }
    } recorder;
    qApp->installEventFilter(&recorder);
    Open();
    qApp->removeEventFilter(&recorder);

    EXPECT_EQ(recorder.Hidden,
              QStringList({"lbl_ferdisch", "lbl_Name", "edt_Name", "btn_Save", "lbl_Looser"}));
    for (const char* name : {"lbl_ferdisch", "lbl_Name", "edt_Name", "btn_Save", "lbl_Looser"}) {
        EXPECT_FALSE(Visible(name)) << name;
    }
}

TEST_F(WindowLayoutTest, ShownLabelsCoverTheCardsAndTheNameEntryLiesAboveEverything) {
    Form->ShowOutcome(true);
    Form->ShowOutcome(false);
    // Qt delivers a click to the topmost child under the pointer.
    EXPECT_EQ(Canvas()->childAt(170, 120), Label("lbl_ferdisch")) << "over Image11";
    EXPECT_EQ(Canvas()->childAt(200, 250), Find<QLineEdit>("edt_Name")) << "over lbl_Looser";
    EXPECT_EQ(Canvas()->childAt(300, 274), Button("btn_Save")) << "over lbl_Looser";
    EXPECT_EQ(Canvas()->childAt(130, 260), Label("lbl_Looser")) << "over Image26";
}

TEST_F(WindowLayoutTest, TheClientAreaScrollsWhenTheWindowIsSmallerThanTheLayout) {
    auto* scroller = Find<QScrollArea>("ClientArea");
    EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());

    Form->resize(400, 300);
    QApplication::processEvents();
    EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    EXPECT_EQ(Canvas()->size(), QSize(721, 572)) << "nothing is scaled or moved";
    EXPECT_EQ(Cell(63)->geometry(), QRect(512, 512, 60, 60));
}

TEST_F(WindowLayoutTest, TheMenuTreeCarriesItsTextsMnemonicsAndCheckMarks) {
    EXPECT_EQ(Form->menuBar()->objectName(), "MainMenu1");
    EXPECT_EQ(TextsOf(Form->menuBar()->actions()), QStringList({"&Game", "&Ansicht", "&Highscore"}));
    EXPECT_EQ(Form->menuBar()->actions().at(0)->menu(), Menu("Game1"));
    EXPECT_EQ(Form->menuBar()->actions().at(1)->menu(), Menu("Ansicht1"));
    EXPECT_EQ(Form->menuBar()->actions().at(2)->menu(), Menu("Highscore1"));

    EXPECT_EQ(TextsOf(Menu("Game1")->actions()), QStringList({"&Mix it", "&Ferdisch", "Mitspieler"}));
    EXPECT_EQ(Menu("Game1")->actions().at(0), Item("Mixitnew1"));
    EXPECT_EQ(Menu("Game1")->actions().at(1), Item("Ferdisch1"));
    EXPECT_EQ(Menu("Game1")->actions().at(2)->menu(), Menu("Mitspieler"));
    EXPECT_EQ(TextsOf(Menu("Mitspieler")->actions()),
              QStringList({"Allein", "Zu zweit", "Zu dritt", "Zu viert", "Gegen den Computer"}));
    EXPECT_TRUE(Item("Spieler1")->isChecked()) << "alone, as a player who never chooses plays";

    EXPECT_EQ(TextsOf(Menu("Ansicht1")->actions()), QStringList({"Deckblatt", "Spieldeck", "Spielfeld", "Sprache"}));
    EXPECT_EQ(TextsOf(Menu("Sprache")->actions()), QStringList({"Deutsch", "English"})) << "each in its own words";
    EXPECT_TRUE(Item("Sprache1")->isChecked()) << "German, where the system asks for no language the game speaks";
    EXPECT_EQ(Menu("Ansicht1")->actions().at(0)->menu(), Menu("Deckblatt"));
    EXPECT_EQ(Menu("Ansicht1")->actions().at(1)->menu(), Menu("Spieldeck"));
    EXPECT_EQ(Menu("Ansicht1")->actions().at(2)->menu(), Menu("Spielfeld"));
    EXPECT_EQ(TextsOf(Menu("Spielfeld")->actions()), QStringList({"4 Paare", "8 Paare", "18 Paare", "32 Paare"}));
    EXPECT_EQ(TextsOf(Menu("Deckblatt")->actions()),
              QStringList({"Deckblatt 1", "Deckblatt 2", "Deckblatt 3", "Deckblatt 4"}));
    EXPECT_EQ(TextsOf(Menu("Spieldeck")->actions()),
              QStringList({"Deck 1", "Deck 2", "Deck 3", "Deck 4", "Eigenes Deck", "",
                           "Eigenes Deck zusammenstellen …", "Eigenes Deck speichern …",
                           "Eigenes Deck öffnen …"}));
    EXPECT_FALSE(Item("Speichern1")->isEnabled()) << "no own deck to save yet";
    EXPECT_TRUE(Item("Oeffnen1")->isEnabled());
    EXPECT_TRUE(Item("EigenesDeck1")->isCheckable());
    EXPECT_FALSE(Item("EigenesDeck1")->isChecked());
    EXPECT_TRUE(Menu("Spieldeck")->actions().at(5)->isSeparator());
    EXPECT_FALSE(Item("Zusammenstellen1")->isCheckable());
    for (int k = 1; k <= 4; ++k) {
        QAction* blatt = Item(QStringLiteral("Blatt%1").arg(k).toLatin1().constData());
        QAction* deck = Item(QStringLiteral("Deck%1").arg(k).toLatin1().constData());
        EXPECT_EQ(Menu("Deckblatt")->actions().at(k - 1), blatt);
        EXPECT_EQ(Menu("Spieldeck")->actions().at(k - 1), deck);
        EXPECT_TRUE(blatt->isCheckable() && deck->isCheckable());
        EXPECT_EQ(blatt->isChecked(), k == 1) << "Blatt" << k;
        EXPECT_EQ(deck->isChecked(), k == 1) << "Deck" << k;
        QAction* feld = Item(QStringLiteral("Feld%1").arg(k).toLatin1().constData());
        EXPECT_EQ(Menu("Spielfeld")->actions().at(k - 1), feld);
        EXPECT_TRUE(feld->isCheckable());
        EXPECT_EQ(feld->isChecked(), k == 4) << "a player who never chose plays 32 pairs";
    }

    EXPECT_EQ(Menu("Highscore1")->actions(),
              QList<QAction*>({Item("Tabelle1"), Item("Erster"), Item("Zweiter"), Item("Dritter")}));
    EXPECT_EQ(TextsOf(Menu("Highscore1")->actions()), QStringList({"", "", "Noch alles zu schaffen!", ""}));
    EXPECT_FALSE(Item("Tabelle1")->isVisible()) << "the full board's table needs no heading";
    EXPECT_FALSE(Item("Tabelle1")->isEnabled());
    EXPECT_FALSE(Item("Erster")->isCheckable());
}

// As gettext has it, a system in the C locale asks for no language, whatever LANGUAGE says: the game is German.
TEST(SystemLanguagesTest, TheCLocaleAsksForNoneWhateverLanguageSays) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    constexpr bool NoneSetIsTheCLocale = false;
#else
    constexpr bool NoneSetIsTheCLocale = true;
#endif
    struct Case {
        const char* All;
        const char* Messages;
        const char* Lang;
        bool AsksForNone;
    } const cases[] = {
        {"", "", "C", true}, {"", "", "C.UTF-8", true}, {"", "", "", NoneSetIsTheCLocale},
        {"", "POSIX", "en_US", true}, {"C.UTF-8", "", "en_US.UTF-8", true}, {"", "", "en_US.UTF-8", false},
    };
    const char* const names[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::vector<std::optional<QByteArray>> before;
    for (const char* name : names)
        before.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.All) + "|" + c.Messages + "|" + c.Lang);
        for (const auto& [name, value] : {std::pair{"LC_ALL", c.All}, {"LC_MESSAGES", c.Messages}, {"LANG", c.Lang}})
            qputenv(name, value);
        qputenv("LANGUAGE", "en");
        EXPECT_EQ(SystemUiLanguages().empty(), c.AsksForNone);
    }
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (before[i]) qputenv(names[i], *before[i]);
        else qunsetenv(names[i]);
    }
}

class ButtonKeysTest : public WindowLayoutTest {
protected:
    void SetUp() override {
        WindowLayoutTest::SetUp();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        // One turn played, so a new game shows itself by the counter returning to "0".
        ClickCell(0);
        ClickCell(StrangerTo(0));
        ASSERT_EQ(Label("lbl_Count")->text(), "1");
    }
};

TEST_F(ButtonKeysTest, AltAndTheLetterPressTheButton) {
    QTest::keyClick(Form.get(), Qt::Key_M, Qt::AltModifier);
    // A mnemonic presses the button visibly, so the click comes a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Label("lbl_Count")->text() == "0"; }, 2000));
}

TEST_F(ButtonKeysTest, TheLetterAlonePressesTheButtonOutsideTheEditBox) {
    QTest::keyClick(Form.get(), Qt::Key_M);
    EXPECT_EQ(Label("lbl_Count")->text(), "0");
}

TEST_F(ButtonKeysTest, TheLetterAloneIsTypedWhenTheEditBoxHasTheFocus) {
    Form->ShowOutcome(true);
    auto* edit = Find<QLineEdit>("edt_Name");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_M);
    EXPECT_EQ(edit->text(), "m");
    EXPECT_EQ(Label("lbl_Count")->text(), "1");
}

TEST_F(ButtonKeysTest, AHiddenButtonDoesNotAnswerItsLetter) {
    ASSERT_FALSE(Visible("btn_Save"));
    QTest::keyClick(Form.get(), Qt::Key_S);
    QTest::keyClick(Form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Form->Highscores(), HighscoreTable{}) << "nothing was saved";
    EXPECT_EQ(Label("lbl_Count")->text(), "1");
}

TEST_F(ButtonKeysTest, AltAndTheLetterOpenTheMenu) {
    QTest::keyClick(Form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(Menu("Game1")->isVisible());
    Menu("Game1")->close();
}

}  // namespace
}  // namespace pairfinder::testing
