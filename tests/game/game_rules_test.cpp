// The rules of play as a player meets them: the deal, turns of two cards, the end of a game.
#include "game_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "recording_requests.h"

namespace pairfinder {
namespace {

using testing::RecordingRequests;
using Calls = std::vector<std::string>;

class GameRulesTest : public ::testing::Test {
protected:
    std::int64_t Now = 1765100000;
    RecordingRequests Window;
    GameRules Game{Window, [this] { return Now; }};

    void SetUp() override {
        Game.NewGame();
        Window.Take();
    }

    std::int32_t PartnerOf(std::int32_t p) const {
        for (std::int32_t q = 0; q < Game.Board.CardCount; ++q) {
            if (q != p && Game.Board.PairOf[static_cast<std::size_t>(q)] ==
                              Game.Board.PairOf[static_cast<std::size_t>(p)])
                return q;
        }
        ADD_FAILURE() << "position " << p << " has no partner";
        return -1;
    }

    // A hidden card that does not pair with p.
    std::int32_t StrangerTo(std::int32_t p) const {
        for (std::int32_t q = 0; q < Game.Board.CardCount; ++q) {
            if (q != p && q != PartnerOf(p) && !Game.Board.Matched[static_cast<std::size_t>(q)]) return q;
        }
        ADD_FAILURE() << "no stranger to " << p;
        return -1;
    }

    void FindPairAt(std::int32_t p) {
        Game.CardClicked(p);
        Game.CardClicked(PartnerOf(p));
    }

    std::vector<std::int32_t> Deal() const { return Game.Board.PairOf; }
};

std::vector<std::int32_t> UnmixedDeal() {
    std::vector<std::int32_t> deal(64);
    for (std::int32_t j = 0; j < 32; ++j) {
        deal[static_cast<std::size_t>(j)] = j;
        deal[static_cast<std::size_t>(j + 32)] = j;
    }
    return deal;
}

// --- A new game -------------------------------------------------------------------------------

TEST_F(GameRulesTest, NewGameRedrawsTheWindowThenReloadsTheHighscores) {
    Game.NewGame();
    EXPECT_EQ(Window.Take(),
              (Calls{"HideOutcome", "ShowAttempts(0)", "ShowBacks", "LoadHighscores", "ShowHighscoreMenu"}));
}

TEST_F(GameRulesTest, NewGameStartsFromACleanBoard) {
    FindPairAt(0);
    Game.CardClicked(StrangerTo(5));
    ASSERT_GT(Game.Board.Attempts, 0);

    Game.NewGame();
    EXPECT_EQ(Game.Board.Attempts, 0);
    EXPECT_FALSE(Game.Board.CardOpen);
    EXPECT_TRUE(std::none_of(Game.Board.Matched.begin(), Game.Board.Matched.end(), [](auto m) { return m; }));
    EXPECT_TRUE(std::none_of(Game.Board.FaceUp.begin(), Game.Board.FaceUp.end(), [](auto f) { return f; }));
}

TEST_F(GameRulesTest, EveryDealHoldsEachPairNumberExactlyTwice) {
    for (int second = 0; second < 300; ++second) {
        Now = 1700000000 + second * 7919;
        Game.NewGame();
        std::vector<int> seen(32);
        for (auto pair : Game.Board.PairOf) {
            ASSERT_GE(pair, 0);
            ASSERT_LT(pair, 32);
            ++seen[static_cast<std::size_t>(pair)];
        }
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 2; })) << "second " << Now;
    }
}

TEST_F(GameRulesTest, NoDealIsLeftUnmixed) {
    const auto unmixed = UnmixedDeal();
    std::set<std::vector<std::int32_t>> deals;
    for (std::int64_t second = 0; second < 2000; ++second) {
        Now = second;
        Game.NewGame();
        const auto deal = Deal();
        ASSERT_NE(deal, unmixed) << "second " << second;
        // Even the smallest mix moves far more than a handful of cards.
        int moved = 0;
        for (std::size_t p = 0; p < deal.size(); ++p) moved += deal[p] != unmixed[p] ? 1 : 0;
        ASSERT_GT(moved, 32) << "second " << second;
        deals.insert(deal);
    }
    EXPECT_GT(deals.size(), 1990u);
}

TEST_F(GameRulesTest, TwoGamesInTheSameSecondGetTheSameDeal) {
    Game.NewGame();
    const auto first = Deal();
    Game.CardClicked(0);
    Game.NewGame();
    EXPECT_EQ(Deal(), first);

    Now += 1;
    Game.NewGame();
    EXPECT_NE(Deal(), first);
}

TEST_F(GameRulesTest, NewGameInTheMiddleOfATurnDiscardsTheTurn) {
    Game.CardClicked(3);
    ASSERT_TRUE(Game.Board.CardOpen);
    Game.NewGame();
    Window.Take();

    // The next click starts a turn rather than completing one: nothing is counted.
    Game.CardClicked(10);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowFace(10)"}));
    EXPECT_EQ(Game.Board.Attempts, 0);
    EXPECT_EQ(Game.Board.FirstCard, 10);
}

TEST_F(GameRulesTest, AFailingHighscoreStoreStopsNewGameAfterTheDeal) {
    Now += 50;
    Window.FailLoad = true;
    EXPECT_THROW(Game.NewGame(), std::runtime_error);
    EXPECT_EQ(Window.Take(), (Calls{"HideOutcome", "ShowAttempts(0)", "ShowBacks", "LoadHighscores"}));
    // The board is dealt and playable all the same.
    EXPECT_EQ(Game.Board.Attempts, 0);
    EXPECT_FALSE(Game.Board.CardOpen);
    FindPairAt(0);
    EXPECT_EQ(Game.Board.Attempts, 1);
    EXPECT_TRUE(Game.Board.Matched[0]);
}

// --- Turns ------------------------------------------------------------------------------------

TEST_F(GameRulesTest, TheFirstCardTurnsTheBoardBackAndShowsItsFace) {
    Game.CardClicked(12);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowFace(12)"}));
    EXPECT_TRUE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.FirstCard, 12);
    EXPECT_TRUE(Game.Board.FaceUp[12]);
    EXPECT_EQ(Game.Board.Attempts, 0);
}

TEST_F(GameRulesTest, AFoundPairVanishesWithoutShowingTheSecondFace) {
    const std::int32_t partner = PartnerOf(7);
    Game.CardClicked(7);
    Window.Take();

    Game.CardClicked(partner);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowAttempts(1)"}));
    EXPECT_TRUE(Game.Board.Matched[7]);
    EXPECT_TRUE(Game.Board.Matched[static_cast<std::size_t>(partner)]);
    EXPECT_FALSE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.FirstCard, -1);
}

TEST_F(GameRulesTest, AFailedPairStaysOpenUntilAThirdCardIsClicked) {
    const std::int32_t first = 20;
    const std::int32_t second = StrangerTo(first);
    Game.CardClicked(first);
    Window.Take();

    Game.CardClicked(second);
    EXPECT_EQ(Window.Take(), (Calls{"ShowAttempts(1)", "ShowFace(" + std::to_string(second) + ")"}));
    EXPECT_TRUE(Game.Board.FaceUp[static_cast<std::size_t>(first)]);
    EXPECT_TRUE(Game.Board.FaceUp[static_cast<std::size_t>(second)]);

    // Clicking either open face changes nothing and counts nothing.
    Game.CardClicked(first);
    Game.CardClicked(second);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_EQ(Game.Board.Attempts, 1);

    // A hidden card turns both back before it shows itself.
    const std::int32_t third = StrangerTo(second) == first ? StrangerTo(first) : StrangerTo(second);
    ASSERT_NE(third, first);
    Game.CardClicked(third);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowFace(" + std::to_string(third) + ")"}));
    EXPECT_FALSE(Game.Board.FaceUp[static_cast<std::size_t>(first)]);
    EXPECT_FALSE(Game.Board.FaceUp[static_cast<std::size_t>(second)]);
    EXPECT_EQ(Game.Board.Attempts, 1);
}

TEST_F(GameRulesTest, ClickingTheOpenCardAgainCountsNothing) {
    Game.CardClicked(30);
    Window.Take();
    Game.CardClicked(30);
    Game.CardClicked(30);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_TRUE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.Attempts, 0);
}

TEST_F(GameRulesTest, PositionsOffTheBoardAreIgnored) {
    Game.CardClicked(-1);
    Game.CardClicked(64);
    Game.CardClicked(1000);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_FALSE(Game.Board.CardOpen);
}

TEST_F(GameRulesTest, EverySecondCardCountsOneAttemptFoundOrNot) {
    const std::int32_t stranger = StrangerTo(0);
    Game.CardClicked(0);
    Game.CardClicked(stranger);
    EXPECT_EQ(Game.Board.Attempts, 1);

    // The partner is still hidden, so it opens the next turn; the open 0 then completes the pair.
    Game.CardClicked(PartnerOf(0));
    Game.CardClicked(0);
    EXPECT_EQ(Game.Board.Attempts, 2);
    EXPECT_TRUE(Game.Board.Matched[0]);
    EXPECT_FALSE(Game.Board.CardOpen);
}

TEST_F(GameRulesTest, AWholeGameEndsWithOneOutcomeAfterTheFinalCount) {
    int outcomes = 0;
    int misses = 0;
    for (std::int32_t p = 0; p < 64; ++p) {
        if (Game.Board.Matched[static_cast<std::size_t>(p)]) continue;
        EXPECT_FALSE(Game.IsFinished());
        // A miss before each pair while a wrong card is left to miss with.
        const bool lastPair = std::count(Game.Board.Matched.begin(), Game.Board.Matched.end(), 0) == 2;
        if (!lastPair) {
            Game.CardClicked(p);
            Game.CardClicked(StrangerTo(p));
            ++misses;
        }
        Game.CardClicked(PartnerOf(p));
        Game.CardClicked(p);
        ASSERT_TRUE(Game.Board.Matched[static_cast<std::size_t>(p)]) << "position " << p;
        const auto calls = Window.Take();
        outcomes += static_cast<int>(std::count_if(
            calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("ShowOutcome", 0) == 0; }));
        if (Game.IsFinished()) {
            ASSERT_GE(calls.size(), 2u);
            EXPECT_EQ(calls[calls.size() - 2], "ShowAttempts(" + std::to_string(Game.Board.Attempts) + ")");
            EXPECT_EQ(calls.back(), "ShowOutcome(true)");
        }
    }
    EXPECT_TRUE(Game.IsFinished());
    EXPECT_EQ(outcomes, 1);
    EXPECT_EQ(misses, 31);
    EXPECT_EQ(Game.Board.Attempts, 63);
}

TEST_F(GameRulesTest, APerfectGameTakesThirtyTwoAttempts) {
    for (std::int32_t p = 0; p < 64; ++p) {
        if (!Game.Board.Matched[static_cast<std::size_t>(p)]) FindPairAt(p);
    }
    EXPECT_TRUE(Game.IsFinished());
    EXPECT_EQ(Game.Board.Attempts, 32);
}

TEST_F(GameRulesTest, AResultThatMissesAFullTableIsJudgedNotQualifying) {
    Game.Highscores.HighscoreTries = {32, 32, 32};
    for (std::int32_t p = 0; p < 64; ++p) {
        if (!Game.Board.Matched[static_cast<std::size_t>(p)]) FindPairAt(p);
    }
    // Equal to the third place is not good enough.
    EXPECT_EQ(Window.Take().back(), "ShowOutcome(false)");
}

TEST_F(GameRulesTest, CheckFinishedSaysNothingWhileCardsRemain) {
    FindPairAt(0);
    Window.Take();
    Game.CheckFinished();
    EXPECT_TRUE(Window.Take().empty());
}

// --- After the window has closed --------------------------------------------------------------

TEST_F(GameRulesTest, AReleasedBoardIgnoresEverything) {
    Game.CardClicked(5);
    Game.Release();
    Window.Take();

    Game.CardClicked(5);
    Game.CardClicked(6);
    Game.NewGame();
    Game.CheckFinished();
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_FALSE(Game.IsFinished());
    EXPECT_TRUE(Game.Board.IsReleased());
}

}  // namespace
}  // namespace pairfinder
