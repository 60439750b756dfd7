// A game by keyboard alone and what a screen reader is told: the cards' grid as a keyboard stop, its keys and
// focus outline, the cards' accessible names, and what the window announces.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <cmath>
#include <functional>
#include <set>

#include "card_grid.h"
#include "deck_composer.h"
#include "deck_file.h"
#include "highscore_store.h"
#include "pictures.h"
#include "players_form.h"
#include "window_fixture.h"

namespace pairfinder::testing {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr) << object->objectName().toStdString();
    return found;
}

QString Spoken(QObject* object) {
    QAccessibleInterface* found = Accessible(object);
    return found ? found->text(QAccessible::Name) : QString();
}

// How a step of a turn reaches the card.
enum class Via { Return, KeypadEnter, Space, Click };

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    CardGrid* Grid() const { return Find<CardGrid>(QStringLiteral("CardGrid")); }
    QWidget* Canvas() const { return Find<QWidget>(QStringLiteral("Canvas")); }
    QString Focused() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    void FocusGrid() {
        Grid()->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Grid()->hasFocus());
    }
    // What the window does to a card that has left the board.
    void Remove(int p) {
        Cell(p)->Discard();
        Cell(p)->setEnabled(false);
    }
    void Turn(int p, Via how) {
        if (how == Via::Click) {
            ClickCell(p);
            return;
        }
        Grid()->SetCurrent(p);
        if (how == Via::Space) Key(Qt::Key_Space);
        if (how == Via::Return) Key(Qt::Key_Return);
        if (how == Via::KeypadEnter) Key(Qt::Key_Enter, Qt::KeypadModifier);
    }
    int Attempts() const { return Label("lbl_Count")->text().toInt(); }
    QString FaceName(int p, int set = 0) const {
        const auto& picture =
            pictures::FaceSets[static_cast<std::size_t>(set)][static_cast<std::size_t>(PairAt(p))];
        return QString::fromUtf8(picture.Name.data(), static_cast<qsizetype>(picture.Name.size()));
    }
    QString Plural(int p) const {
        const auto& picture = pictures::FaceSets[0][static_cast<std::size_t>(PairAt(p))];
        return QString::fromUtf8(picture.Plural.data(), static_cast<qsizetype>(picture.Plural.size()));
    }
    QString Announced() const { return Spoken(Find<QWidget>(QStringLiteral("Announcer"))); }

    // Clears the board by keyboard, the last pair with the grid holding the focus.
    void ClearBoardByKeys(int misses) {
        FocusGrid();
        for (int i = 0; i < misses; ++i) {
            const int first = HiddenCard();
            Turn(first, Via::Return);
            Turn(StrangerTo(first), Via::Return);
        }
        for (int p = 0; p < Form->Board().CardCount; ++p) {
            if (IsMatched(p)) continue;
            const int partner = PartnerOf(p);
            const bool open = Form->Board().FaceUp.at(static_cast<std::size_t>(p)) != 0;
            Turn(open ? partner : p, Via::Return);
            Turn(open ? p : partner, Via::Return);
        }
    }
};

TEST_F(KeyboardTest, TabGoesThroughTheButtonsShownAndEndsOnTheCards) {
    struct Case {
        const char* What;
        bool Finished;
        QStringList Stops;
    } const cases[] = {
        {"during play", false, {"btn_End", "CardGrid", "btn_Mix", "btn_End"}},
        {"with the name entry shown", true, {"btn_End", "edt_Name", "btn_Save", "CardGrid", "btn_Mix"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Press("btn_Mix");
        if (c.Finished) PlayToTheEnd();
        Button("btn_Mix")->setFocus(Qt::OtherFocusReason);
        QStringList stops;
        for (qsizetype i = 0; i < c.Stops.size(); ++i) {
            Key(Qt::Key_Tab);
            stops << Focused();
        }
        EXPECT_EQ(stops, c.Stops);
        // And back again the other way.
        QStringList back;
        for (qsizetype i = 0; i < c.Stops.size(); ++i) {
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
            back << Focused();
        }
        QStringList expected(c.Stops.rbegin() + 1, c.Stops.rend());
        expected << "btn_Mix";
        EXPECT_EQ(back, expected);
    }
}

TEST_F(KeyboardTest, AClickTurnsTheCardButLeavesTheKeyboardWhereItWas) {
    EXPECT_EQ(Grid()->focusPolicy(), Qt::TabFocus);
    Button("btn_End")->setFocus(Qt::OtherFocusReason);
    ClickCell(9);
    EXPECT_EQ(Focused(), "btn_End");
    EXPECT_TRUE(ShowsFace(9));
    FocusGrid();
    EXPECT_EQ(Grid()->Current(), 9) << "the keyboard goes on from the card last clicked";
}

// Each key takes its step over the cells whose cards are still in play, as a player expects it.
TEST_F(KeyboardTest, ArrowsHomeAndEndMoveOverTheCellsThatHoldACard) {
    struct Case {
        std::set<int> Removed;
        int From;
        int Key;
        int To;
    } const cases[] = {
        {{}, 0, Qt::Key_Right, 1},
        {{1, 2}, 0, Qt::Key_Right, 3},
        // Past the row's end on to the next row.
        {{1, 2, 3, 4, 5, 6, 7}, 0, Qt::Key_Right, 8},
        {{}, 0, Qt::Key_Left, 0},
        {{12, 11}, 13, Qt::Key_Left, 10},
        {{8, 16}, 0, Qt::Key_Down, 24},
        {{}, 60, Qt::Key_Down, 60},
        {{9}, 17, Qt::Key_Up, 1},
        // The column empty above: the nearest card of the row above, the left one of two as near.
        {{9, 1}, 17, Qt::Key_Up, 8},
        {{0, 1}, 5, Qt::Key_Home, 2},
        {{7}, 3, Qt::Key_End, 6},
        // From the cell of a pair that has just left, the arrows go on from where the player is.
        {{13, 14}, 13, Qt::Key_Right, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << c.From << " key " << std::hex << c.Key);
        Press("btn_Mix");
        FocusGrid();
        Grid()->SetCurrent(c.From);
        for (int p : c.Removed) Remove(p);
        Key(c.Key);
        EXPECT_EQ(Grid()->Current(), c.To);
        EXPECT_TRUE(Grid()->hasFocus());
        QAccessibleInterface* grid = Accessible(Grid());
        ASSERT_NE(grid->focusChild(), nullptr);
        EXPECT_EQ(grid->focusChild()->object(), Cell(c.To)) << "a screen reader follows the current cell";
        EXPECT_TRUE(grid->focusChild()->state().focused);
    }
    // With a modifier the arrows are not the grid's.
    Grid()->SetCurrent(0);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Grid()->Current(), 0);
}

TEST_F(KeyboardTest, EnterAndSpaceTurnCardsAndCountExactlyAsClicks) {
    // Which card each step turns: the first hidden card, its partner, or a card that does not pair with it.
    enum Target { First, Partner, Stranger };
    struct Step {
        Target Card;
        Via How;
    };
    struct Case {
        const char* What;
        std::vector<Step> Steps;
        int Attempts;
        bool Paired;
    } const cases[] = {
        {"a failed turn", {{First, Via::Return}, {Stranger, Via::Return}}, 1, false},
        {"a pair", {{First, Via::Space}, {Partner, Via::Space}}, 1, true},
        {"keypad Enter and a click", {{First, Via::KeypadEnter}, {Partner, Via::Click}}, 1, true},
        {"the first card twice", {{First, Via::Return}, {First, Via::Space}}, 0, false},
        {"keys on a pair that is leaving",
         {{First, Via::Return}, {Partner, Via::Return}, {Partner, Via::Return}, {Partner, Via::Space}},
         1,
         true},
        {"clicks alone", {{First, Via::Click}, {Stranger, Via::Click}, {First, Via::Click}}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Press("btn_Mix");
        FocusGrid();
        const int first = HiddenCard();
        const int positions[] = {first, PartnerOf(first), StrangerTo(first)};
        for (const Step& step : c.Steps) Turn(positions[step.Card], step.How);
        EXPECT_EQ(Attempts(), c.Attempts);
        EXPECT_EQ(IsMatched(first), c.Paired);
        if (c.Paired) {
            EXPECT_TRUE(Grid()->hasFocus());
            EXPECT_EQ(Grid()->Current(), positions[Partner]) << "the keyboard stays in the emptied cell";
            EXPECT_FALSE(Cell(positions[Partner])->isEnabled());
            EXPECT_TRUE(Accessible(Cell(positions[Partner]))->state().focused);
        }
    }
}

TEST_F(KeyboardTest, TheOutlineShowsOnlyWhileTheCardsHaveTheKeyboardAndStandsOutFromCardAndWindow) {
    const QRect cards = Grid()->geometry();
    const QImage unfocused = Canvas()->grab(cards).toImage();
    struct Case {
        int Cell;
        bool FaceUp;
        // A point of the black and of the white ring below the card, and of the card next to the white one.
        QPoint Black, White, Card;
    } const cases[] = {
        {0, false, {38, 70}, {38, 68}, {38, 67}},
        {1, true, {110, 70}, {110, 68}, {110, 67}},
        // The canvas ends with the last row: that side of the ring lies on the card.
        {63, false, {542, 571}, {542, 569}, {542, 567}},
    };
    FocusGrid();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Cell);
        if (c.FaceUp) ClickCell(c.Cell);
        Grid()->SetCurrent(c.Cell);
        const QImage focused = Canvas()->grab(cards).toImage();
        EXPECT_EQ(focused.pixelColor(c.Black).rgb(), QColor(Qt::black).rgb());
        EXPECT_EQ(focused.pixelColor(c.White).rgb(), QColor(Qt::white).rgb());
        const auto luminance = [](const QColor& colour) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                   0.0722 * linear(colour.blueF());
        };
        const auto contrast = [&](const QColor& a, const QColor& b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        // Of the two rings, one stands out from each colour round the outline: the window's and the card's.
        const auto standsOut = [&](const QColor& colour) {
            return std::max(contrast(Qt::black, colour), contrast(Qt::white, colour));
        };
        EXPECT_GE(standsOut(unfocused.pixelColor(4, 4)), 3.0);
        EXPECT_GE(standsOut(focused.pixelColor(c.Card)), 3.0);
    }
    Press("btn_Mix");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Canvas()->grab(cards).toImage(), unfocused)
        << "without the keyboard the grid is drawn as before";
}

TEST_F(KeyboardTest, EachCardIsAButtonNamedByItsPlaceAndWhatItShows) {
    QAccessibleInterface* grid = Accessible(Grid());
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), "Spielfeld");
    ASSERT_EQ(grid->childCount(), 64);
    for (int p : {0, 9, 63}) {
        EXPECT_EQ(grid->child(p)->object(), Cell(p));
        EXPECT_EQ(grid->indexOfChild(grid->child(p)), p);
        EXPECT_EQ(grid->child(p)->role(), QAccessible::Button);
    }

    const int first = HiddenCard();
    const int partner = PartnerOf(first);
    const int stranger = StrangerTo(first);
    const auto place = [](int p) {
        return QStringLiteral("Reihe %1, Spalte %2: ").arg(p / 8 + 1).arg(p % 8 + 1);
    };
    // A face is read once the card is dealt and turned.
    struct Case {
        const char* What;
        std::function<void()> Act;
        int Cell;
        std::function<QString()> Name;
        bool Disabled;
    } const cases[] = {
        {"at the start", [] {}, 0, [] { return "Reihe 1, Spalte 1: verdeckt"; }, false},
        {"the last card", [] {}, 63, [] { return "Reihe 8, Spalte 8: verdeckt"; }, false},
        {"turned", [&] { ClickCell(first); }, first, [&] { return place(first) + FaceName(first); }, false},
        {"turned second", [&] { ClickCell(stranger); }, stranger,
         [&] { return place(stranger) + FaceName(stranger); }, false},
        {"turned back", [&] { ClickCell(partner); }, stranger, [&] { return place(stranger) + "verdeckt"; }, false},
        {"gone with its pair", [&] { ClickCell(first); }, first, [&] { return place(first) + "leer"; }, true},
        {"in another face set",
         [&] {
             Find<QAction>(QStringLiteral("Deck2"))->trigger();
             ClickCell(5);
         },
         5, [&] { return place(5) + FaceName(5, 1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        c.Act();
        EXPECT_EQ(Spoken(Cell(c.Cell)), c.Name());
        EXPECT_EQ(Accessible(Cell(c.Cell))->state().disabled, c.Disabled);
    }
}

TEST_F(KeyboardTest, TheCountIsOneStatusWithItsCaption) {
    QWidget* panel = Label("lbl_Count")->parentWidget();
    QAccessibleInterface* status = Accessible(panel);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), "Versuche: 0");
    EXPECT_EQ(status->childCount(), 0) << "caption and number are not read again on their own";
    ClickCell(0);
    ClickCell(StrangerTo(0));
    EXPECT_EQ(status->text(QAccessible::Name), "Versuche: 1");
}

TEST_F(KeyboardTest, EveryTurnAndTheEndOfTheGameAreAnnouncedInOnePiece) {
    QAccessibleInterface* announcer = Accessible(Find<QWidget>(QStringLiteral("Announcer")));
    EXPECT_EQ(announcer->role(), QAccessible::Notification);
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("Announcer"))->isVisible());
    HighscoreTable full;
    full.HighscoreName = {"Anna", "Ben", "Cleo"};
    full.HighscoreTries = {32, 32, 32};

    const int first = HiddenCard();
    const int stranger = StrangerTo(first);
    ClickCell(first);
    EXPECT_EQ(Announced(), FaceName(first)) << "the first card of a turn is announced by its face";
    ClickCell(stranger);
    EXPECT_EQ(Announced(),
              QStringLiteral("%1 und %2: kein Paar. Versuche: 1").arg(FaceName(first), FaceName(stranger)));
    FindPairAt(first);
    EXPECT_EQ(Announced(), QStringLiteral("Zwei %1: ein Paar. Versuche: 2").arg(Plural(first)));

    struct Case {
        const char* What;
        bool FullTable;
        QString Ending;
    } const cases[] = {
        {"a result for the table", false, "FERTIG!! Namen für die Highsorce noch schnell eingeben:"},
        {"a result that misses it", true, "FERTIG!! Leider reicht es für die Highscore nicht."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        if (c.FullTable) pairfinder::StoreHighscores(full);
        Press("btn_Mix");
        PlayToTheEnd();
        EXPECT_TRUE(Announced().startsWith(QStringLiteral("Zwei "))) << Announced().toStdString();
        EXPECT_TRUE(Announced().endsWith(QStringLiteral(": ein Paar. Versuche: 32. ") + c.Ending))
            << Announced().toStdString();
    }
}

TEST_F(KeyboardTest, AQualifyingEndMovesTheKeyboardToTheNameEntryOnlyFromTheCards) {
    HighscoreTable full;
    full.HighscoreName = {"Anna", "Ben", "Cleo"};
    full.HighscoreTries = {1, 1, 1};
    struct Case {
        const char* What;
        bool ByKeys;
        bool FullTable;
        QString FocusAfter;
    } const cases[] = {
        {"a keyboard player", true, false, "edt_Name"},
        {"a mouse player", false, false, "btn_End"},
        {"a keyboard player whose result misses the table", true, true, "CardGrid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        if (c.FullTable) pairfinder::StoreHighscores(full);
        Press("btn_Mix");
        Button("btn_End")->setFocus(Qt::OtherFocusReason);
        if (c.ByKeys) {
            ClearBoardByKeys(2);
        } else {
            PlayToTheEnd(2);
        }
        EXPECT_EQ(Attempts(), 34);
        EXPECT_EQ(Focused(), c.FocusAfter);
    }
}

// Every board by keys alone: chosen from the menu, walked, read and played to the end, the result saved by keys.
TEST_F(KeyboardTest, EveryBoardIsChosenWalkedReadAndPlayedToTheEndByKeys) {
    struct Case {
        const char* Item;
        const char* Caption;
        int Rows, Columns;
        const char* LastCell;
        QRect Last;
        // The cell a step from the last cell's row start takes, and where Down from the first cell lands.
        int RowEnd, Below;
    } const cases[] = {
        {"Feld1", "4 Paare", 2, 4, "Reihe 2, Spalte 4: verdeckt", {446, 302, 120, 120}, 7, 4},
        {"Feld2", "8 Paare", 4, 4, "Reihe 4, Spalte 4: verdeckt", {446, 446, 120, 120}, 15, 4},
        {"Feld3", "18 Paare", 6, 6, "Reihe 6, Spalte 6: verdeckt", {490, 490, 80, 80}, 35, 6},
        {"Feld4", "32 Paare", 8, 8, "Reihe 8, Spalte 8: verdeckt", {512, 512, 60, 60}, 63, 8},
    };
    QAccessibleInterface* grid = Accessible(Grid());
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption);
        const int cards = c.Rows * c.Columns;
        // The keyboard is on a cell the smaller board has none of.
        FocusGrid();
        Grid()->SetCurrent(Grid()->Board().Cards() - 1);
        Find<QAction>(QLatin1String(c.Item))->trigger();
        EXPECT_EQ(Announced(), QStringLiteral("Neues Spiel: %1").arg(QLatin1String(c.Caption)));
        ClickCell(0);
        EXPECT_EQ(Announced(), FaceName(0));
        // The same board again deals again, and says so again.
        Find<QAction>(QLatin1String(c.Item))->trigger();
        EXPECT_EQ(Announced(), QStringLiteral("Neues Spiel: %1").arg(QLatin1String(c.Caption)));
        EXPECT_EQ(Attempts(), 0);
        EXPECT_FALSE(ShowsFace(0));
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(Find<QAction>(QStringLiteral("Feld%1").arg(k))->isChecked(),
                      QStringLiteral("Feld%1").arg(k) == QLatin1String(c.Item));
        }

        EXPECT_EQ(table->rowCount(), c.Rows);
        EXPECT_EQ(table->columnCount(), c.Columns);
        ASSERT_EQ(grid->childCount(), cards);
        EXPECT_EQ(grid->child(cards), nullptr) << "the cells beyond the board are no cards";
        EXPECT_EQ(table->cellAt(c.Rows - 1, c.Columns - 1)->object(), Cell(cards - 1));
        EXPECT_EQ(grid->child(cards - 1)->tableCellInterface()->rowIndex(), c.Rows - 1);
        EXPECT_EQ(Spoken(Cell(0)), "Reihe 1, Spalte 1: verdeckt");
        EXPECT_EQ(Spoken(Cell(cards - 1)), c.LastCell);
        EXPECT_EQ(Cell(cards - 1)->geometry(), c.Last);

        FocusGrid();
        EXPECT_LT(Grid()->Current(), cards) << "the keyboard lands on a card of the new board";
        Grid()->SetCurrent(0);
        Key(Qt::Key_Down);
        EXPECT_EQ(Grid()->Current(), c.Below);
        Grid()->SetCurrent(cards - c.Columns);
        Key(Qt::Key_End);
        EXPECT_EQ(Grid()->Current(), c.RowEnd);
        Key(Qt::Key_Right);
        Key(Qt::Key_Down);
        EXPECT_EQ(Grid()->Current(), cards - 1) << "never beyond the board";
        EXPECT_EQ(grid->focusChild()->object(), Cell(cards - 1));
        Key(Qt::Key_Tab);
        EXPECT_EQ(Focused(), "btn_Mix") << "Tab leaves the grid in one press";

        // Turn by turn: a found pair's cells stay empty through every later turn.
        FocusGrid();
        std::set<int> found;
        for (int p = 0; p < cards; ++p) {
            if (IsMatched(p)) continue;
            const int partner = PartnerOf(p);
            Turn(p, Via::Return);
            EXPECT_EQ(Cell(p)->Picture().deviceIndependentSize(), c.Last.size()) << "a face drawn at its card's size";
            Turn(partner, Via::Space);
            found.insert({p, partner});
            for (int gone : found) {
                EXPECT_TRUE(Cell(gone)->Picture().isNull()) << "Image" << gone + 1;
                EXPECT_FALSE(Cell(gone)->isEnabled()) << "Image" << gone + 1;
            }
        }
        EXPECT_EQ(Attempts(), cards / 2);
        EXPECT_TRUE(Announced().endsWith(QStringLiteral("FERTIG!! Namen für die Highsorce noch schnell eingeben:")))
            << Announced().toStdString();
        EXPECT_EQ(Focused(), "edt_Name");
        // The entry keeps the last name typed: it is typed over.
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(c.Caption));
        Key(Qt::Key_Tab);
        ASSERT_EQ(Focused(), "btn_Save");
        Key(Qt::Key_Space);
        HighscoreTable saved;
        LoadHighscores(saved, Form->Board().Size);
        EXPECT_EQ(saved.HighscoreName[0], c.Caption);
        EXPECT_EQ(saved.HighscoreTries[0], cards / 2);
    }
}

// The Spielfeld submenu is reached and left by keys; the keyboard goes back where it was.
TEST_F(KeyboardTest, EscapeFromTheBoardsSubmenuGivesTheKeyboardBack) {
    for (const char* where : {"btn_End", "CardGrid"}) {
        SCOPED_TRACE(where);
        Find<QWidget>(QLatin1String(where))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Form.get(), Qt::Key_A, Qt::AltModifier);
        auto* ansicht = Find<QMenu>(QStringLiteral("Ansicht1"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ansicht->isVisible(); }, 2000));
        ansicht->setActiveAction(ansicht->actions().at(2));
        QTest::keyClick(ansicht, Qt::Key_Right);
        auto* boards = Find<QMenu>(QStringLiteral("Spielfeld"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return boards->isVisible(); }, 2000));
        for (int i = 0; i < 3 && QApplication::activePopupWidget(); ++i)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        EXPECT_FALSE(boards->isVisible());
        if (QApplication::focusWidget() == Form->menuBar()) QTest::keyClick(Form->menuBar(), Qt::Key_Escape);
        EXPECT_EQ(Focused(), where);
        EXPECT_EQ(Attempts(), 0);
    }
}

TEST_F(KeyboardTest, TheHighscoreMenuReadsNamesAsTypedAndSkipsItsEmptyLines) {
    auto* entry = Find<QLineEdit>(QStringLiteral("edt_Name"));
    PlayToTheEnd();
    entry->setText(QStringLiteral("<b>&Ada"));
    Press("btn_Save");
    auto* menu = Find<QMenu>(QStringLiteral("Highscore1"));
    QAccessibleInterface* items = Accessible(menu);
    // The heading line, hidden on the full board, comes first.
    ASSERT_EQ(items->childCount(), 4);
    EXPECT_TRUE(items->child(0)->state().invisible);
    const QString expected[] = {"", "1. <b>&Ada mit 32 Versuchen", ""};
    for (int line = 0; line < 3; ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(items->child(line + 1)->text(QAccessible::Name), expected[line]);
        EXPECT_EQ(menu->actions().at(line + 1)->isEnabled(), !expected[line].isEmpty())
            << "the keyboard passes over an empty line";
    }
}

// Runs `act` on the dialog of that kind once it is the window's modal dialog; the test goes on meanwhile.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
}

// Photos as a camera or a scanner leaves them: each its own picture, named as their files came.
void WritePhoto(const QString& path, QColor colour, int size = 640) {
    QImage photo(size, size * 3 / 4, QImage::Format_RGB32);
    photo.fill(colour);
    QPainter painter(&photo);
    painter.fillRect(size / 4, size / 8, size / 2, size / 2, colour.darker(200));
    painter.end();
    ASSERT_TRUE(photo.save(path, "JPEG", 90));
}

TEST_F(KeyboardTest, AnOwnDeckIsComposedByKeysPlayedHeardByItsNamesAndKeptForTheNextStart) {
    QTemporaryDir photos;
    const QStringList files{"Oma im Garten.jpg", "IMG_4711.jpg", "Hund_Bello.jpg", "Haus.jpg", "See.jpg",
                            "Kuchen.jpg"};
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int i = 0; i < files.size(); ++i) WritePhoto(photos.filePath(files[i]), colours[i]);
    QFile::copy(photos.filePath(files[0]), photos.filePath("Kopie.jpg"));
    QFile notes(photos.filePath("Liste.jpg"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Einkaufsliste: Mehl, Zucker\n");
    notes.close();

    // A composing left with Escape, while the photos are read or once they are named, changes nothing.
    QMimeData cancelled;
    QList<QUrl> all;
    for (const QString& file : files) all << QUrl::fromLocalFile(photos.filePath(file));
    cancelled.setUrls(all);
    QStringList progress;
    WhenOpen<DeckComposer>([&](DeckComposer* form) {
        auto* bar = form->findChild<QProgressBar*>(QStringLiteral("Progress"));
        progress << QString::number(bar->maximum()) << form->findChild<QLabel*>(QStringLiteral("ProgressText"))->text();
        QTest::keyClick(form, Qt::Key_Escape);
    });
    QDragEnterEvent cancelledEnter(QPoint(300, 300), Qt::CopyAction, &cancelled, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &cancelledEnter);
    QDropEvent cancelledDrop(QPointF(300, 300), Qt::CopyAction, &cancelled, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &cancelledDrop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !progress.isEmpty() && !QApplication::activeModalWidget(); }, 20000));
    EXPECT_EQ(progress.value(0), "6") << "the progress counts every photo dropped";
    EXPECT_TRUE(progress.value(1).startsWith("Foto ")) << progress.value(1).toStdString();
    EXPECT_FALSE(OwnDeckStore().IsKept());
    EXPECT_FALSE(Form->Board().OwnDeckInUse());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("Deck1"))->isChecked());
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));

    // Without an own deck, its choice opens the file dialog; the photos are chosen in it by their names.
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(photos.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        QStringList quoted;
        for (const QString& file : files + QStringList{"Kopie.jpg", "Liste.jpg"}) quoted << '"' + file + '"';
        name->setText(quoted.join(' '));
        QTest::keyClick(name, Qt::Key_Return);
    });
    bool taken = false;
    WhenOpen<DeckComposer>([&](DeckComposer* form) {
        auto* take = form->findChild<QPushButton*>(QStringLiteral("Take"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return take->isEnabled(); }, 20000)) << "the photos were imported";
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Summary"))->text(),
                  "„Kopie.jpg“: Dieses Bild ist schon im Deck.\n"
                  "„Liste.jpg“: Kein Bild, das Pairfinder lesen kann.");
        const std::vector<QLineEdit*>& fields = form->NameFields();
        ASSERT_EQ(fields.size(), 6u);
        // A name that speaks is offered; a camera's is not.
        EXPECT_EQ(fields[0]->text(), "Oma im Garten");
        EXPECT_EQ(fields[1]->text(), "");
        EXPECT_EQ(fields[2]->text(), "Hund Bello");
        EXPECT_EQ(Spoken(fields[1]), "Name für Bild 2");
        EXPECT_EQ(QApplication::focusWidget(), fields[0]) << "the form opens on the first name";
        // Tab to the second field; a name taken twice is said beside both fields, and the keyboard goes back to
        // the first of them.
        Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), fields[1]);
        QTest::keyClicks(fields[1], "oma im  garten");
        Key(Qt::Key_Return);
        EXPECT_TRUE(form->isVisible()) << "nothing is taken while a name is wrong";
        for (const char* fault : {"Fault1", "Fault2"}) {
            EXPECT_EQ(form->findChild<QLabel*>(QLatin1String(fault))->text(),
                      "Diesen Namen trägt schon ein anderes Bild.");
        }
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Fault3"))->text(), "");
        EXPECT_EQ(Accessible(fields[1])->text(QAccessible::Description),
                  "Diesen Namen trägt schon ein anderes Bild.");
        EXPECT_EQ(QApplication::focusWidget(), fields[0]);
        EXPECT_EQ(fields[1]->text(), "oma im  garten") << "everything typed is kept";
        fields[1]->selectAll();
        QTest::keyClicks(fields[1], "Opa");
        QTest::keyClick(fields[1], Qt::Key_Return);
        taken = true;
    });
    Find<QAction>(QStringLiteral("EigenesDeck1"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return taken && !QApplication::activeModalWidget(); }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->Board().OwnDeckInUse(); }, 5000));
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));

    // Six pictures fill the board of four pairs only: it is played, said once, and the larger ones are disabled.
    EXPECT_EQ(Form->Board().Size.Pairs, 4);
    EXPECT_EQ(Announced(), "Eigenes Deck mit 6 Bildern. Neues Spiel: 4 Paare");
    EXPECT_TRUE(Find<QAction>(QStringLiteral("EigenesDeck1"))->isChecked());
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FALSE(Find<QAction>(QStringLiteral("Deck%1").arg(k))->isChecked()) << k;
        EXPECT_EQ(Find<QAction>(QStringLiteral("Feld%1").arg(k))->isEnabled(), k == 1) << k;
    }
    EXPECT_TRUE(LoadOwnDeckChoice());
    EXPECT_EQ(LoadBoardChoice(), 4);

    // Played by keys to the end, every card heard by the name it was given.
    const std::set<QString> names{"Oma im Garten", "Opa", "Hund Bello", "Haus", "See", "Kuchen"};
    FocusGrid();
    const int first = HiddenCard();
    Turn(first, Via::Return);
    const QString firstName = Announced();
    EXPECT_TRUE(names.count(firstName)) << firstName.toStdString();
    EXPECT_EQ(Spoken(Cell(first)), "Reihe " + QString::number(first / 4 + 1) + ", Spalte " +
                                       QString::number(first % 4 + 1) + ": " + firstName);
    Turn(PartnerOf(first), Via::Return);
    EXPECT_EQ(Announced(), "Zweimal " + firstName + ": ein Paar. Versuche: 1");
    ClearBoardByKeys(0);
    EXPECT_TRUE(Visible("lbl_ferdisch"));

    // Photos dropped onto the window compose the deck anew, in place of the one in play, taken as offered.
    QList<QUrl> dropped;
    for (const QString& file : files.mid(2)) dropped << QUrl::fromLocalFile(photos.filePath(file));
    WhenOpen<DeckComposer>([&](DeckComposer* form) {
        auto* take = form->findChild<QPushButton*>(QStringLiteral("Take"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return take->isEnabled(); }, 20000));
        QTest::mouseClick(take, Qt::LeftButton);
    });
    QMimeData data;
    data.setUrls(dropped);
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted()) << "the window takes photos dropped onto it";
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return List("FakeList")->Name(3).Singular == "Kuchen"; }, 30000));
    EXPECT_EQ(List("FakeList")->Count(), 4);
    EXPECT_EQ(Label("lbl_Count")->text(), "0");

    // Saved as a deck file through the save dialog, it carries the kept pictures byte for byte with their names.
    const QString saved = photos.filePath("Familie");
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(saved);
        QTest::keyClick(name, Qt::Key_Return);
    });
    ASSERT_TRUE(Find<QAction>(QStringLiteral("Speichern1"))->isEnabled());
    Find<QAction>(QStringLiteral("Speichern1"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved + ".pfdeck"); }, 20000));
    QFile file(saved + ".pfdeck");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const deck::DeckFileRead read = deck::ReadDeckFile(
        {reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    ASSERT_TRUE(read.Deck) << read.Fault;
    std::vector<std::string> savedNames;
    for (const deck::OwnPicture& picture : read.Deck->Pictures) savedNames.push_back(picture.Name);
    EXPECT_EQ(savedNames, (std::vector<std::string>{"Hund Bello", "Haus", "See", "Kuchen"}));
    const OwnDeckLoad kept = OwnDeckStore().Load();
    ASSERT_EQ(read.Pictures.size(), kept.Jpegs.size());
    for (std::size_t i = 0; i < kept.Jpegs.size(); ++i)
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read.Pictures[i].data()),
                             static_cast<qsizetype>(read.Pictures[i].size())),
                  kept.Jpegs[i]) << i;

    // Opened from the Spieldeck menu, a deck file shows its names in the form, and takes one renamed; a file that
    // is no deck is said in the error box, and nothing changes.
    const auto open = [&](const QString& path, const std::function<void(DeckComposer*)>& then) {
        WhenOpen<QFileDialog>([path](QFileDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        if (then) WhenOpen<DeckComposer>(then);
        Find<QAction>(QStringLiteral("Oeffnen1"))->trigger();
    };
    open(photos.filePath("Liste.jpg"), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Errors.empty(); }, 20000));
    EXPECT_EQ(Errors, std::vector<std::string>{"Die Datei ist kein Pairfinder-Deck."});
    Errors.clear();
    std::vector<QString> shown;
    open(saved + ".pfdeck", [&](DeckComposer* form) {
        for (QLineEdit* field : form->NameFields()) shown.push_back(field->text());
        form->NameFields()[1]->setText("Unser Haus");
        QTest::keyClick(form->NameFields()[1], Qt::Key_Return);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return List("FakeList")->Name(1).Singular == "Unser Haus"; }, 30000));
    EXPECT_EQ(shown, (std::vector<QString>{"Hund Bello", "Haus", "See", "Kuchen"}));
    EXPECT_EQ(OwnDeckStore().Load().Jpegs, kept.Jpegs) << "the pictures are kept as the file carries them";
    Form.reset();

    // The next start plays it again on its board; with a picture gone, it is said once and Deck 1 plays.
    Open();
    EXPECT_TRUE(Errors.empty());
    EXPECT_TRUE(Form->Board().OwnDeckInUse());
    EXPECT_EQ(Form->Board().Size.Pairs, 4);
    EXPECT_TRUE(Find<QAction>(QStringLiteral("EigenesDeck1"))->isChecked());
    Form.reset();
    // Wherever the application data folder lies below the data home, the deck is the folder of its names file.
    QString own;
    for (QDirIterator it(DataHome.path(), QStringList{"names.json"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        own = QFileInfo(it.next()).absolutePath();
    ASSERT_FALSE(own.isEmpty());
    ASSERT_TRUE(QFile::remove(own + "/bild-03.jpg"));
    Open();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Das eigene Deck ist beschädigt: Das Bild „bild-03.jpg“ fehlt.");
    EXPECT_FALSE(Form->Board().OwnDeckInUse());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("Deck1"))->isChecked());
    EXPECT_FALSE(Find<QAction>(QStringLiteral("EigenesDeck1"))->isChecked());
    EXPECT_EQ(QDir(own).entryList(QDir::Files).size(), 4) << "nothing of the player's photos is deleted";
    EXPECT_TRUE(LoadOwnDeckChoice()) << "nothing is written until the player chooses";
}

// Two people name themselves in the form and play a whole game by keys, the panel saying whose turn it is and the
// finish who won; then one person plays against the computer, which turns its own cards at its pace.
TEST_F(KeyboardTest, PlayersNamedInTheFormTakeTurnsByKeysAndTheComputerTurnsItsOwnCards) {
    const QString lena = QStringLiteral("Lena");
    // As long as a name may be: the panel cuts it, a reader hears it whole.
    const QString bart = QStringLiteral("Konstantina Alexander Bergmann");
    ASSERT_EQ(bart.size(), LongestPlayerName);
    const auto seat = [&](int number, const char* part) {
        return Find<QLabel>(QStringLiteral("Seat%1%2").arg(QLatin1String(part)).arg(number));
    };
    const auto row = [&](int number) { return Spoken(Find<QWidget>(QStringLiteral("Seat%1").arg(number))); };
    const auto item = [&](int k) { return Find<QAction>(QStringLiteral("Spieler%1").arg(k)); };
    const auto waitForForm = [&](const bool& done) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return done && !QApplication::activeModalWidget(); }, 10000));
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    };

    // Left with Escape, the form changes nothing, its menu's check mark neither.
    bool left = false;
    WhenOpen<PlayersForm>([&](PlayersForm* form) { QTest::keyClick(form, Qt::Key_Escape), left = true; });
    item(3)->trigger();
    waitForForm(left);
    EXPECT_TRUE(item(1)->isChecked());
    EXPECT_FALSE(item(3)->isChecked());

    // "Zu zweit" from the Game menu by keys; a name taken twice is refused beside its field, then Enter takes them.
    bool taken = false;
    WhenOpen<PlayersForm>([&](PlayersForm* form) {
        const std::vector<QLineEdit*>& fields = form->NameFields();
        ASSERT_EQ(fields.size(), 2u);
        EXPECT_EQ(Spoken(fields[1]), "Name von Spieler 2");
        ASSERT_EQ(QApplication::focusWidget(), fields[0]);
        QTest::keyClicks(fields[0], lena);
        Key(Qt::Key_Tab);
        QTest::keyClicks(fields[1], " lena");
        Key(Qt::Key_Return);
        EXPECT_TRUE(form->isVisible()) << "nothing is taken while a name is wrong";
        const QString twice = QStringLiteral("Diesen Namen hat schon ein anderer Mitspieler.");
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("PlayerFault2"))->text(), twice);
        EXPECT_EQ(Accessible(fields[1])->text(QAccessible::Description), twice);
        EXPECT_EQ(QApplication::focusWidget(), fields[0]) << "the keyboard goes to the first name refused";
        fields[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(fields[1], bart);
        Key(Qt::Key_Return);
        taken = true;
    });
    QTest::keyClick(Form.get(), Qt::Key_G, Qt::AltModifier);
    auto* game = Find<QMenu>(QStringLiteral("Game1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return game->isVisible(); }, 2000));
    game->setActiveAction(Find<QMenu>(QStringLiteral("Mitspieler"))->menuAction());
    QTest::keyClick(game, Qt::Key_Right);
    auto* company = Find<QMenu>(QStringLiteral("Mitspieler"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return company->isVisible(); }, 2000));
    QTest::keyClick(company, Qt::Key_Down);
    QTest::keyClick(company, Qt::Key_Return);
    waitForForm(taken);
    EXPECT_TRUE(item(2)->isChecked());
    EXPECT_FALSE(item(1)->isChecked());
    EXPECT_EQ(Announced(), "Lena ist dran");

    // The panel: whose turn it is, marked beside the name and in bold, the long name cut and heard whole.
    ASSERT_TRUE(Visible("Panel3"));
    EXPECT_EQ(Label("TurnLine")->text(), "Lena ist dran");
    EXPECT_EQ(seat(1, "Mark")->text(), "▶");
    EXPECT_EQ(seat(2, "Mark")->text(), "");
    EXPECT_FALSE(seat(2, "Name")->font().bold());
    EXPECT_TRUE(seat(2, "Name")->text().endsWith(QStringLiteral("…"))) << seat(2, "Name")->text().toStdString();
    EXPECT_EQ(row(1), "Lena: 0 Paare, 0 Versuche, ist dran");
    EXPECT_EQ(row(2), bart + ": 0 Paare, 0 Versuche");

    // Lena misses, and the turn passes; a press of F2 says the score.
    FocusGrid();
    const int first = HiddenCard();
    const int stranger = StrangerTo(first);
    Turn(first, Via::Return);
    Turn(stranger, Via::Return);
    EXPECT_TRUE(Announced().endsWith(": kein Paar. " + bart + " ist dran")) << Announced().toStdString();
    EXPECT_EQ(seat(1, "Mark")->text(), "");
    EXPECT_EQ(seat(2, "Mark")->text(), "▶");
    EXPECT_TRUE(seat(2, "Name")->font().bold());
    EXPECT_TRUE(Label("TurnLine")->text().endsWith(QStringLiteral("… ist dran")));
    EXPECT_EQ(Spoken(Label("TurnLine")), bart + " ist dran");
    EXPECT_EQ(row(1), "Lena: 0 Paare, 1 Versuch");
    Key(Qt::Key_F2);
    EXPECT_EQ(Announced(), "Lena: 0 Paare, 1 Versuch. " + bart + ": 0 Paare, 0 Versuche. " + bart + " ist dran");
    EXPECT_TRUE(Accessible(Grid())->text(QAccessible::Description).endsWith("F2 sagt den Spielstand."));

    // English mid-turn: the deal, the open pair and the count stay, and every word changes; German again after it.
    const std::vector<std::int32_t> deal = Form->Board().PairOf;
    // The face's English word as the compiled catalogue gives it.
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/pairfinder_en.qm")));
    const auto english = [&](const QString& german) {
        return catalogue.translate("Pairfinder", german.toUtf8().constData());
    };
    struct InLanguage {
        const char* Item;
        QString Players;
        QString Count;
        QString Turn;
        QString Row;
        QString Place;
        QString Face;
        QString Table;
        QString Keys;
        QString Said;
        QString Score;
    } const languages[] = {
        {"Sprache2", "Players", "Attempts:", "'s turn", "Lena: 0 pairs, 1 attempt", "Row %1, column %2: ",
         english(FaceName(first)), "Still all to play for!", "F2 says the score.", "Language: English",
         "Lena: 0 pairs, 1 attempt. " + bart + ": 0 pairs, 0 attempts. " + bart + "'s turn"},
        {"Sprache1", "Mitspieler", "Versuche:", " ist dran", "Lena: 0 Paare, 1 Versuch", "Reihe %1, Spalte %2: ",
         FaceName(first), "Noch alles zu schaffen!", "F2 sagt den Spielstand.", "Sprache: Deutsch",
         "Lena: 0 Paare, 1 Versuch. " + bart + ": 0 Paare, 0 Versuche. " + bart + " ist dran"},
    };
    ASSERT_NE(languages[0].Face, FaceName(first)) << "the catalogue names the face in English";
    for (const InLanguage& language : languages) {
        SCOPED_TRACE(language.Item);
        Find<QAction>(QLatin1String(language.Item))->trigger();
        EXPECT_EQ(Announced(), language.Said);
        EXPECT_EQ(Form->Board().PairOf, deal);
        EXPECT_TRUE(ShowsFace(first) && ShowsFace(stranger)) << "the failed pair stays open";
        EXPECT_EQ(Attempts(), 1);
        EXPECT_EQ(Find<QMenu>(QStringLiteral("Mitspieler"))->title(), language.Players);
        EXPECT_EQ(Label("Label1")->text(), language.Count);
        EXPECT_TRUE(Label("TurnLine")->text().endsWith(language.Turn)) << Label("TurnLine")->text().toStdString();
        EXPECT_EQ(row(1), language.Row);
        EXPECT_EQ(Spoken(Cell(first)), language.Place.arg(first / 8 + 1).arg(first % 8 + 1) + language.Face);
        EXPECT_EQ(Find<QAction>(QStringLiteral("Zweiter"))->text(), language.Table);
        EXPECT_TRUE(Accessible(Grid())->text(QAccessible::Description).endsWith(language.Keys));
        Key(Qt::Key_F2);
        EXPECT_EQ(Announced(), language.Score);
    }
    EXPECT_EQ(LoadLanguageChoice(), "de") << "the language chosen is kept";

    // Konstantina finds every pair: the banner and who won, and no name entry.
    ClearBoardByKeys(0);
    EXPECT_TRUE(Visible("lbl_ferdisch"));
    EXPECT_TRUE(Visible("lbl_Sieger"));
    EXPECT_EQ(Label("lbl_Sieger")->text(), bart + " gewinnt mit 32 Paaren");
    EXPECT_EQ(Label("lbl_Sieger")->textFormat(), Qt::PlainText);
    for (const char* entry : {"lbl_Name", "edt_Name", "btn_Save", "lbl_Looser"}) EXPECT_FALSE(Visible(entry)) << entry;
    EXPECT_TRUE(Announced().endsWith(" hat 32 Paare. FERTIG!! " + bart + " gewinnt mit 32 Paaren"))
        << Announced().toStdString();
    EXPECT_EQ(row(2), bart + ": 32 Paare, 32 Versuche, ist dran");
    // MIX IT by its letter deals anew for the same players, Lena first.
    Key(Qt::Key_M);
    EXPECT_FALSE(Visible("lbl_Sieger"));
    EXPECT_EQ(row(1), "Lena: 0 Paare, 0 Versuche, ist dran");
    // Alone again, the panel goes.
    item(1)->trigger();
    EXPECT_FALSE(Visible("Panel3"));

    // Against the computer at its quickest: its level and pace chosen by keys.
    taken = false;
    WhenOpen<PlayersForm>([&](PlayersForm* form) {
        ASSERT_EQ(form->NameFields().size(), 1u);
        EXPECT_EQ(form->NameFields()[0]->text(), lena) << "the name used last is offered";
        auto* speed = form->findChild<QComboBox*>(QStringLiteral("Speed"));
        // A reader names a choice by the label it is given by, as Qt tells it on every platform.
        const auto labelOf = [](QWidget* box) {
            const auto labels = Accessible(box)->relations(QAccessible::Label);
            return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
        };
        EXPECT_EQ(labelOf(speed), "Tempo");
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), speed);
        Key(Qt::Key_Down);
        EXPECT_EQ(speed->currentText(), "schnell");
        Key(Qt::Key_Return);
        taken = true;
    });
    item(5)->trigger();
    waitForForm(taken);
    FocusGrid();
    const int mine = HiddenCard();
    Turn(mine, Via::Return);
    Turn(StrangerTo(mine), Via::Return);
    EXPECT_TRUE(Announced().endsWith("Computer ist dran")) << Announced().toStdString();
    // A card pressed here during the computer's turn is not the person's to turn.
    const int pressed = HiddenCard();
    Turn(pressed, Via::Return);
    EXPECT_FALSE(ShowsFace(pressed));
    // Its first card comes at its pace, said with where it lies and what it shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Announced().startsWith("Computer: "); }, 3000));
    const int chosen = Form->Board().FirstCard;
    ASSERT_GE(chosen, 0);
    EXPECT_TRUE(ShowsFace(chosen));
    const QString where = QStringLiteral("Computer: Reihe %1, Spalte %2, ").arg(chosen / 8 + 1).arg(chosen % 8 + 1);
    EXPECT_EQ(Announced(), where + FaceName(chosen));
    EXPECT_EQ(Attempts(), 1) << "the press during its turn counted nothing";
    // END IT while its next card is due: the window closes, and the card never comes.
    const QString said = Announced();
    Press("btn_End");
    QTest::qWait(1000);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Announced(), said);
    EXPECT_TRUE(Errors.empty());
}

}  // namespace
}  // namespace pairfinder::testing
