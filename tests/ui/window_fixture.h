// A real TForm1 on screen for each test, with its own highscore store and a display that records errors.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "board_walk.h"
#include "card_cell.h"
#include "error_guard.h"
#include "main_window.h"
#include "picture_list.h"

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pairfinder::testing {

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir ConfigHome;
    // The application data folder, where the player's own deck is kept.
    QTemporaryDir DataHome;
    std::vector<std::string> Errors;
    // The languages the window's system asks for: German, whatever the machine running the tests speaks.
    std::vector<std::string> SystemLanguages{"de-DE", "de"};
    std::unique_ptr<TForm1> Form;

    void SetUp() override {
        ASSERT_TRUE(ConfigHome.isValid());
        // The store reads this at every access, so each test starts with a first run of the game.
        qputenv("XDG_CONFIG_HOME", ConfigHome.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", DataHome.path().toLocal8Bit());
        PreviousDisplay = SetErrorDisplay([this](const std::string& message) { Errors.push_back(message); });
    }

    void TearDown() override {
        Form.reset();
        SetErrorDisplay(PreviousDisplay);
    }

    // Each deal is seeded by the next second of a clock of the test's own, so no deal depends on when the test
    // runs, and two deals of one test still differ.
    void Open(HighscoreStorage storage = HighscoreStorage::Registry()) {
        // The window before takes its language with it before the next one starts in its own.
        Form.reset();
        Form = std::make_unique<TForm1>(
            std::move(storage), [second = std::int64_t{1765100000}]() mutable { return second++; },
            [this] { return SystemLanguages; });
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    template <typename Widget>
    Widget* Find(const QString& name) const {
        auto* found = Form->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    CardCell* Cell(int p) const { return Find<CardCell>(QStringLiteral("Image%1").arg(p + 1)); }
    QLabel* Label(const char* name) const { return Find<QLabel>(QLatin1String(name)); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(QLatin1String(name)); }
    PictureList* List(const char* name) const { return Find<PictureList>(QLatin1String(name)); }

    void ClickCell(int p) { QTest::mouseClick(Cell(p), Qt::LeftButton); }
    void Press(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

    int PairAt(int p) const { return Form->Board().PairOf.at(static_cast<std::size_t>(p)); }
    bool IsMatched(int p) const { return Form->Board().Matched.at(static_cast<std::size_t>(p)) != 0; }

    int PartnerOf(int p) const {
        const int partner = testing::PartnerOf(Form->Board(), p);
        if (partner >= 0) return partner;
        ADD_FAILURE() << "position " << p << " has no partner";
        return p;
    }

    // A hidden card that does not pair with p.
    int StrangerTo(int p) const {
        const int stranger = testing::StrangerTo(Form->Board(), p);
        if (stranger >= 0) return stranger;
        ADD_FAILURE() << "no stranger to " << p;
        return p;
    }

    // A card still in play whose face is not open.
    int HiddenCard() const {
        const int hidden = testing::HiddenCard(Form->Board());
        if (hidden >= 0) return hidden;
        ADD_FAILURE() << "no hidden card";
        return 0;
    }

    // A face left open by a failed turn takes no click, so the turn then starts with the partner.
    void FindPairAt(int p) {
        const int partner = PartnerOf(p);
        const bool open = Form->Board().FaceUp.at(static_cast<std::size_t>(p)) != 0;
        ClickCell(open ? partner : p);
        ClickCell(open ? p : partner);
    }

    // Clears the board in play pair by pair, after `misses` failed turns, so the game ends after its pairs +
    // misses attempts.
    void PlayToTheEnd(int misses = 0) {
        for (int i = 0; i < misses; ++i) {
            const int first = HiddenCard();
            ClickCell(first);
            ClickCell(StrangerTo(first));
        }
        for (int p = 0; p < Form->Board().CardCount; ++p) {
            if (!IsMatched(p)) FindPairAt(p);
        }
    }

    bool Shows(int p, const QPixmap& picture) const {
        return !picture.isNull() && Cell(p)->Picture().cacheKey() == picture.cacheKey();
    }
    QPixmap Face(int pair) const { return List("FakeList")->Picture(pair); }
    QPixmap Back(int index) const { return List("DeckblattList")->Picture(index); }
    bool ShowsFace(int p) const { return Shows(p, Face(PairAt(p))); }

    bool Visible(const char* name) const {
        auto* widget = Find<QWidget>(QLatin1String(name));
        return widget != nullptr && widget->isVisible();
    }

private:
    ErrorDisplay PreviousDisplay;
};

}  // namespace pairfinder::testing
