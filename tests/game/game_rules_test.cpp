// The rules of play as a player meets them: the deal, turns of two cards, the end of a game.
#include "game_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board_walk.h"
#include "highscore_tables.h"
#include "recording_requests.h"

namespace pairfinder {
namespace {

using testing::RecordingRequests;
using testing::Table;
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
        const std::int32_t partner = testing::PartnerOf(Game.Board, p);
        if (partner < 0) ADD_FAILURE() << "position " << p << " has no partner";
        return partner;
    }

    // A hidden card that does not pair with p.
    std::int32_t StrangerTo(std::int32_t p) const {
        const std::int32_t stranger = testing::StrangerTo(Game.Board, p);
        if (stranger < 0) ADD_FAILURE() << "no stranger to " << p;
        return stranger;
    }

    // A card pressed, as every front end passes it on.
    void Turn(std::int32_t p) { Game.Run(Command::TurnCard, p); }
    // What the fake calls the face of the card at p.
    std::string Face(std::int32_t p) const { return "F" + std::to_string(Game.Board.PairOf[static_cast<std::size_t>(p)]); }

    void FindPairAt(std::int32_t p) {
        Turn(p);
        Turn(PartnerOf(p));
    }

    std::vector<std::int32_t> Deal() const { return Game.Board.PairOf; }

    // Clears the board pair by pair: 32 attempts.
    void PlayAPerfectGame() {
        for (std::int32_t p = 0; p < Game.Board.CardCount; ++p) {
            if (!Game.Board.Matched[static_cast<std::size_t>(p)]) FindPairAt(p);
        }
        ASSERT_TRUE(Game.IsFinished());
    }

    // The fake keeps the store from here on, starting with `stored`, and a new game reads it.
    void StartWithStore(const HighscoreTable& stored) {
        Window.Table = &Game.Highscores;
        Window.Stored = stored;
        Game.NewGame();
        Window.Take();
    }
};

const Calls NewGameCalls{"HideOutcome", "ShowAttempts(0)", "ShowBacks", "LoadHighscores",
                         "ShowHighscoreMenu"};

Calls Then(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

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
    EXPECT_EQ(Window.Take(), NewGameCalls);
}

TEST_F(GameRulesTest, NewGameStartsFromACleanBoard) {
    FindPairAt(0);
    Turn(StrangerTo(5));
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

TEST(DealTest, EitherDrawOfAnExchangeReachesEveryPositionTheLastOneIncluded) {
    // One step of exchanges (the first draw), whose first exchanges positions `a` and `b`; every later draw
    // is 0, which exchanges position 0 with itself.
    for (std::uint32_t a = 0; a < 64; ++a) {
        const std::uint32_t b = (a + 1) % 64;
        for (const auto& [first, second] : {std::pair{a, b}, std::pair{b, a}}) {
            std::vector<std::uint32_t> draws{0, first, second};
            RecordingRequests window;
            GameRules game(window, RandomSource(SystemSeconds, [&draws, i = std::size_t{0}]() mutable {
                               return i < draws.size() ? draws[i++] : 0u;
                           }));
            game.NewGame();
            auto expected = UnmixedDeal();
            std::swap(expected[first], expected[second]);
            EXPECT_EQ(game.Board.PairOf, expected) << "exchange of " << first << " and " << second;
        }
    }
}

TEST_F(GameRulesTest, TwoGamesInTheSameSecondGetTheSameDeal) {
    Game.NewGame();
    const auto first = Deal();
    Turn(0);
    Game.NewGame();
    EXPECT_EQ(Deal(), first);

    Now += 1;
    Game.NewGame();
    EXPECT_NE(Deal(), first);
}

TEST_F(GameRulesTest, NewGameInTheMiddleOfATurnDiscardsTheTurn) {
    Turn(3);
    ASSERT_TRUE(Game.Board.CardOpen);
    Game.NewGame();
    Window.Take();

    // The next click starts a turn rather than completing one: nothing is counted.
    Turn(10);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowFace(10)", "Announce(" + Face(10) + ")"}));
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
    Turn(12);
    EXPECT_EQ(Window.Take(), (Calls{"ShowBacks", "ShowFace(12)", "Announce(" + Face(12) + ")"}));
    EXPECT_TRUE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.FirstCard, 12);
    EXPECT_TRUE(Game.Board.FaceUp[12]);
    EXPECT_EQ(Game.Board.Attempts, 0);
}

TEST_F(GameRulesTest, AFoundPairVanishesWithoutShowingTheSecondFace) {
    const std::int32_t partner = PartnerOf(7);
    Turn(7);
    Window.Take();

    Turn(partner);
    EXPECT_EQ(Window.Take(),
              (Calls{"ShowBacks", "ShowAttempts(1)", "Announce(Zwei " + Face(7) + "s: ein Paar. Versuche: 1)"}));
    EXPECT_TRUE(Game.Board.Matched[7]);
    EXPECT_TRUE(Game.Board.Matched[static_cast<std::size_t>(partner)]);
    EXPECT_FALSE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.FirstCard, -1);
}

TEST_F(GameRulesTest, AFailedPairStaysOpenUntilAThirdCardIsClicked) {
    const std::int32_t first = 20;
    const std::int32_t second = StrangerTo(first);
    Turn(first);
    Window.Take();

    Turn(second);
    EXPECT_EQ(Window.Take(), (Calls{"ShowAttempts(1)", "ShowFace(" + std::to_string(second) + ")",
                                    "Announce(" + Face(first) + " und " + Face(second) + ": kein Paar. Versuche: 1)"}));
    EXPECT_TRUE(Game.Board.FaceUp[static_cast<std::size_t>(first)]);
    EXPECT_TRUE(Game.Board.FaceUp[static_cast<std::size_t>(second)]);

    // Clicking either open face changes nothing and counts nothing.
    Turn(first);
    Turn(second);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_EQ(Game.Board.Attempts, 1);

    // A hidden card turns both back before it shows itself.
    const std::int32_t third = StrangerTo(second) == first ? StrangerTo(first) : StrangerTo(second);
    ASSERT_NE(third, first);
    Turn(third);
    EXPECT_EQ(Window.Take(),
              (Calls{"ShowBacks", "ShowFace(" + std::to_string(third) + ")", "Announce(" + Face(third) + ")"}));
    EXPECT_FALSE(Game.Board.FaceUp[static_cast<std::size_t>(first)]);
    EXPECT_FALSE(Game.Board.FaceUp[static_cast<std::size_t>(second)]);
    EXPECT_EQ(Game.Board.Attempts, 1);
}

TEST_F(GameRulesTest, ClickingTheOpenCardAgainCountsNothing) {
    Turn(30);
    Window.Take();
    Turn(30);
    Turn(30);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_TRUE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.Attempts, 0);
}

TEST_F(GameRulesTest, PositionsOffTheBoardAndRemovedCardsAreIgnored) {
    FindPairAt(0);
    const auto removed = {std::int32_t{0}, PartnerOf(0)};
    Window.Take();
    // A removed card reached again, as a key pressed on its cell before the pair is drawn gone: it neither
    // opens a turn nor completes one.
    for (const std::int32_t p : removed) Turn(p);
    const std::int32_t first = StrangerTo(0);
    Turn(first);
    Window.Take();
    for (const std::int32_t p : removed) Turn(p);
    for (const std::int32_t p : {-1, 64, 1000}) Turn(p);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_TRUE(Game.Board.CardOpen);
    EXPECT_EQ(Game.Board.FirstCard, first);
    EXPECT_EQ(Game.Board.Attempts, 1);
}

TEST_F(GameRulesTest, EverySecondCardCountsOneAttemptFoundOrNot) {
    const std::int32_t stranger = StrangerTo(0);
    Turn(0);
    Turn(stranger);
    EXPECT_EQ(Game.Board.Attempts, 1);

    // The partner is still hidden, so it opens the next turn; the open 0 then completes the pair.
    Turn(PartnerOf(0));
    Turn(0);
    EXPECT_EQ(Game.Board.Attempts, 2);
    EXPECT_TRUE(Game.Board.Matched[0]);
    EXPECT_FALSE(Game.Board.CardOpen);
}

TEST_F(GameRulesTest, AWholeGameOfEveryBoardEndsWithOneOutcomeAfterTheFinalCount) {
    Window.Rules = &Game;
    // Each board in menu order, its cells, and the count of a game that misses once before every pair but the
    // last.
    struct Played {
        int Item;
        std::size_t Cells;
        int Attempts;
    };
    for (const Played board : {Played{1, 8, 7}, Played{2, 16, 15}, Played{3, 36, 35}, Played{4, 64, 63}}) {
        SCOPED_TRACE("board " + std::to_string(board.Item));
        Game.Run(Command::ChooseBoard, board.Item);
        Window.Take();
        ASSERT_EQ(Game.Board.PairOf.size(), board.Cells);
        ASSERT_EQ(static_cast<std::size_t>(Game.Board.CardCount), board.Cells);
        int outcomes = 0;
        int misses = 0;
        for (std::int32_t p = 0; p < Game.Board.CardCount; ++p) {
            if (Game.Board.Matched[static_cast<std::size_t>(p)]) continue;
            EXPECT_FALSE(Game.IsFinished());
            // A miss before each pair while a wrong card is left to miss with.
            const bool lastPair = std::count(Game.Board.Matched.begin(), Game.Board.Matched.end(), 0) == 2;
            if (!lastPair) {
                Turn(p);
                Turn(StrangerTo(p));
                ++misses;
            }
            Turn(PartnerOf(p));
            Turn(p);
            ASSERT_TRUE(Game.Board.Matched[static_cast<std::size_t>(p)]) << "position " << p;
            const auto calls = Window.Take();
            outcomes += static_cast<int>(std::count_if(
                calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("ShowOutcome", 0) == 0; }));
            if (Game.IsFinished()) {
                // The last pair and the final count are heard, then the finish: one announcement, neither cutting
                // the other short.
                ASSERT_GE(calls.size(), 3u);
                EXPECT_EQ(calls[calls.size() - 3], "ShowAttempts(" + std::to_string(board.Attempts) + ")");
                EXPECT_EQ(calls[calls.size() - 2], "ShowOutcome(true)");
                EXPECT_EQ(calls.back(), "Announce(Zwei " + Face(p) + "s: ein Paar. Versuche: " +
                                            std::to_string(board.Attempts) + ". FERTIG!!)");
            }
        }
        EXPECT_TRUE(Game.IsFinished());
        EXPECT_EQ(outcomes, 1);
        EXPECT_EQ(misses, board.Attempts / 2);
        EXPECT_EQ(Game.Board.Attempts, board.Attempts);
        // A click beyond the board's cells reaches no card.
        Game.NewGame();
        Window.Take();
        Turn(static_cast<std::int32_t>(board.Cells));
        EXPECT_TRUE(Window.Take().empty());
    }
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
    const Calls calls = Window.Take();
    EXPECT_EQ(calls[calls.size() - 2], "ShowOutcome(false)");
}

TEST_F(GameRulesTest, CheckFinishedSaysNothingWhileCardsRemain) {
    FindPairAt(0);
    Window.Take();
    Game.CheckFinished();
    EXPECT_TRUE(Window.Take().empty());
}

// --- Choosing pictures -----------------------------------------------------------------------

TEST_F(GameRulesTest, ChoosingABackRedrawsTheBoardWithItThenDealsANewGame) {
    Turn(3);
    Window.Take();

    // Menu item 3: its check mark first, then the third back.
    Game.Run(Command::ChooseBack, 3);
    EXPECT_EQ(Window.Take(), Then({"ShowChoice(back,3)", "ShowBacks"}, NewGameCalls));
    EXPECT_EQ(Game.Board.BackIndex(), 2);
    EXPECT_EQ(Game.Board.FaceSetIndex(), 0) << "the face set stays";
    EXPECT_FALSE(Game.Board.CardOpen) << "the open turn is discarded";

    // The item already chosen deals anew all the same.
    Game.Run(Command::ChooseBack, 3);
    EXPECT_EQ(Window.Take(), Then({"ShowChoice(back,3)", "ShowBacks"}, NewGameCalls));
}

TEST_F(GameRulesTest, ChoosingAFaceSetLoadsItsPicturesBeforeTheDeal) {
    FindPairAt(0);
    Window.Take();

    Game.Run(Command::ChooseFaceSet, 4);
    EXPECT_EQ(Window.Take(), Then({"ShowChoice(faces,4)", "LoadFaceSet"}, NewGameCalls));
    EXPECT_EQ(Game.Board.FaceSetIndex(), 3);
    EXPECT_EQ(Game.Board.BackIndex(), 0) << "the back stays";
    EXPECT_EQ(Game.Board.Attempts, 0);
    EXPECT_FALSE(Game.Board.Matched[0]);
}

// --- Choosing a board ------------------------------------------------------------------------

TEST_F(GameRulesTest, ChoosingABoardLaysItOutDealsItWithItsOwnTableSaysSoAndKeepsIt) {
    Window.Rules = &Game;
    StartWithStore(Table({"Full", " ", " "}, {40, -1, -1}));
    FindPairAt(0);
    Window.Take();

    Game.Run(Command::ChooseBoard, 2);
    EXPECT_EQ(Window.Take(), Then(Then({"ShowChoice(board,2)", "ShowBoard(16)"}, NewGameCalls),
                                  {"StoreBoard", "Announce(Neues Spiel: 8 Paare)"}));
    EXPECT_EQ(Game.Board.CardCount, 16);
    EXPECT_EQ(Game.Board.Size.Rows, 4);
    EXPECT_EQ(Game.Board.Attempts, 0);
    EXPECT_EQ(std::count(Game.Board.Matched.begin(), Game.Board.Matched.end(), 0), 16);
    // The store keeps no table of this board yet: the full board's does not stand in for it.
    EXPECT_EQ(Game.Highscores, HighscoreTable{});
    EXPECT_EQ(Window.StoredBoard, 8);

    // The same board chosen again deals anew and is said again.
    Game.Run(Command::ChooseBoard, 2);
    const Calls again = Window.Take();
    EXPECT_EQ(again.back(), "Announce(Neues Spiel: 8 Paare)");
    // A number no board has changes nothing.
    Game.Run(Command::ChooseBoard, 5);
    Game.Run(Command::ChooseBoard, 0);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_EQ(Game.Board.CardCount, 16);

    // A result ranks into its own board's table only; the full board's table comes back with the full board.
    PlayAPerfectGame();
    EXPECT_EQ(Game.Board.Attempts, 8);
    Game.Run(Command::Save, 0, "Kim");
    EXPECT_EQ(Window.StoredOf[8], Table({"Kim", " ", " "}, {8, -1, -1}));
    EXPECT_EQ(Window.Stored, Table({"Full", " ", " "}, {40, -1, -1}));
    Game.Run(Command::ChooseBoard, 4);
    EXPECT_EQ(Game.Highscores, Table({"Full", " ", " "}, {40, -1, -1}));
    EXPECT_EQ(Window.StoredBoard, 32);
}

TEST_F(GameRulesTest, ASmallerBoardDealsASelectionThatChangesFromGameToGameAndHoldsForASecond) {
    Game.Run(Command::ChooseBoard, 1);
    std::set<std::int32_t> everyFaceDealt;
    std::set<std::vector<std::int32_t>> deals;
    for (int second = 0; second < 200; ++second) {
        Now = 1700000000 + second;
        Game.NewGame();
        const auto deal = Deal();
        ASSERT_EQ(deal.size(), 8u);
        std::map<std::int32_t, int> seen;
        for (const auto pair : deal) {
            ASSERT_GE(pair, 0);
            ASSERT_LT(pair, 32);
            ++seen[pair];
            everyFaceDealt.insert(pair);
        }
        EXPECT_EQ(seen.size(), 4u) << "four faces, each twice";
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](const auto& s) { return s.second == 2; }));
        deals.insert(deal);
        Game.NewGame();
        EXPECT_EQ(Deal(), deal) << "the same second deals the same game";
    }
    EXPECT_EQ(everyFaceDealt.size(), 32u) << "not always the first pictures of the set";
    EXPECT_GT(deals.size(), 190u);
}

TEST_F(GameRulesTest, TheFirstGameIsOnTheStoredBoardAndADamagedChoiceLeavesTheFullBoardUnwritten) {
    Window.Rules = &Game;
    {
        RecordingRequests window;
        window.StoredBoard = 18;
        GameRules game(window, [] { return std::int64_t{1765100000}; });
        window.Rules = &game;
        game.StartFirstGame();
        EXPECT_EQ(game.Board.CardCount, 36);
        EXPECT_EQ(window.Take(), Then(Then({"ShowChoice(language,1)", "ShowChoice(back,1)", "ShowChoice(faces,1)",
                                            "LoadBoard",
                                            "ShowChoice(players,1)", "ShowChoice(board,3)", "ShowBoard(36)"},
                                           NewGameCalls),
                                      {"LoadFaceSet", "EnableCommand(save,off)"}));
    }
    {
        RecordingRequests window;
        window.FailLoadBoard = true;
        GameRules game(window, [] { return std::int64_t{1765100000}; });
        window.Rules = &game;
        EXPECT_THROW(game.StartFirstGame(), std::runtime_error);
        EXPECT_EQ(game.Board.CardCount, 64);
        const Calls calls = window.Take();
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "ShowChoice(board,4)"), 1);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "StoreBoard"), 0) << "nothing written until a choice";
        EXPECT_EQ(calls.end()[-2], "LoadFaceSet") << "the cards can be played";
    }
}

TEST_F(GameRulesTest, TheOwnDeckIsComposedFirstThenPlaysOnTheBoardsItFillsFromItsPicturesAndIsKept) {
    Window.Rules = &Game;
    // Without an own deck, its choice opens the picture chooser and changes nothing else.
    Game.Run(Command::ChooseOwnDeck);
    EXPECT_EQ(Window.Take(), Calls{"ComposeDeck"});
    Game.Run(Command::ComposeDeck);
    EXPECT_EQ(Window.Take(), Calls{"ComposeDeck"});
    Game.Run(Command::SaveDeck);
    EXPECT_TRUE(Window.Take().empty()) << "no deck to save";
    Game.Run(Command::OpenDeck);
    EXPECT_EQ(Window.Take(), Calls{"OpenDeck"});
    EXPECT_EQ(Game.Board.FaceSetIndex(), 0);

    // Six pictures do not fill the full board: the largest board they fill is played, and said once.
    Window.OwnPictures = 6;
    Game.Run(Command::ChooseOwnDeck);
    EXPECT_EQ(Window.Take(),
              Then(Then({"LoadFaceSet", "ShowChoice(faces,0)", "ShowChoice(own,1)", "EnableChoice(board,1,on)",
                         "EnableChoice(board,2,off)", "EnableChoice(board,3,off)", "EnableChoice(board,4,off)",
                         "EnableCommand(save,on)", "ShowChoice(board,1)", "ShowBoard(8)"},
                        NewGameCalls),
                   {"StoreBoard", "StoreOwnDeckInUse(true)",
                    "Announce(Eigenes Deck mit 6 Bildern. Neues Spiel: 4 Paare)"}));
    EXPECT_TRUE(Game.Board.OwnDeckInUse());
    Game.Run(Command::SaveDeck);
    EXPECT_EQ(Window.Take(), Calls{"SaveDeck"});
    // A board it does not fill is disabled, and a press that reaches it anyway is ignored.
    Game.Run(Command::ChooseBoard, 2);
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_EQ(Game.Board.Size.Pairs, 4);

    // Every deal draws from the deck's own pictures, all of them in time; a pair of them is heard by its name.
    std::set<std::int32_t> dealt;
    for (int second = 0; second < 50; ++second) {
        Now = 1700000000 + second;
        Game.NewGame();
        dealt.insert(Game.Board.PairOf.begin(), Game.Board.PairOf.end());
    }
    EXPECT_EQ(dealt, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5}));
    Window.Take();
    FindPairAt(0);
    const std::string own = "Own " + std::to_string(Game.Board.PairOf[0]);
    EXPECT_EQ(Window.Take().back(), "Announce(Zweimal " + own + ": ein Paar. Versuche: 1)");

    // A built-in set chosen again enables every board, keeps the board, and keeps that the own deck is left.
    Game.Run(Command::ChooseFaceSet, 2);
    const Calls left = Window.Take();
    EXPECT_EQ(Calls(left.begin(), left.begin() + 7),
              (Calls{"ShowChoice(faces,2)", "LoadFaceSet", "ShowChoice(own,0)", "EnableChoice(board,1,on)",
                     "EnableChoice(board,2,on)", "EnableChoice(board,3,on)", "EnableChoice(board,4,on)"}));
    EXPECT_EQ(left.back(), "StoreOwnDeckInUse(false)");
    EXPECT_EQ(Game.Board.Size.Pairs, 4);
    Game.Run(Command::ChooseBoard, 4);
    EXPECT_EQ(Game.Board.Size.Pairs, 32);

    // The next start plays the own deck again, loaded before the first deal, on the stored board it still fills.
    Window.OwnInUse = true;
    Window.OwnPictures = 20;
    Window.StoredBoard = 18;
    {
        RecordingRequests window = Window;
        GameRules game(window, [] { return std::int64_t{1765100000}; });
        window.Rules = &game;
        window.Take();
        game.StartFirstGame();
        const Calls start = window.Take();
        EXPECT_EQ(Calls(start.begin(), start.begin() + 8),
                  (Calls{"ShowChoice(language,1)", "ShowChoice(back,1)", "ShowChoice(faces,1)", "LoadBoard",
                         "ShowChoice(players,1)",
                         "LoadFaceSet", "ShowChoice(faces,0)", "ShowChoice(own,1)"}));
        EXPECT_EQ(start.end()[-2], "ShowHighscoreMenu") << "no second load of the face set";
        EXPECT_EQ(start.back(), "EnableCommand(save,on)");
        EXPECT_EQ(game.Board.Size.Pairs, 18);
        EXPECT_TRUE(std::all_of(game.Board.PairOf.begin(), game.Board.PairOf.end(),
                                [](std::int32_t pair) { return pair < 20; }));
    }
    // A damaged deck is said, once, and the first face set played; nothing is kept of it, nor written.
    Window.OwnDeckDamaged = true;
    {
        RecordingRequests window = Window;
        GameRules game(window, [] { return std::int64_t{1765100000}; });
        window.Rules = &game;
        window.Take();
        EXPECT_THROW(game.StartFirstGame(), std::runtime_error);
        EXPECT_EQ(game.Board.FaceSetIndex(), 0);
        EXPECT_EQ(game.Board.Size.Pairs, 18);
        const Calls start = window.Take();
        EXPECT_EQ(std::count(start.begin(), start.end(), "LoadFaceSet"), 2) << "the own deck, then the first set";
        EXPECT_EQ(std::count(start.begin(), start.end(), "StoreOwnDeckInUse(false)"), 0);

        EXPECT_THROW(game.Run(Command::ChooseOwnDeck), std::runtime_error);
        EXPECT_EQ(game.Board.FaceSetIndex(), 0);
        EXPECT_EQ(game.Board.FacePictures, 32);
        const Calls chosen = window.Take();
        EXPECT_NE(std::find(chosen.begin(), chosen.end(), "ShowChoice(faces,1)"), chosen.end());
        EXPECT_EQ(std::count(chosen.begin(), chosen.end(), "StoreOwnDeckInUse(true)"), 0);
    }
}

TEST_F(GameRulesTest, AChoiceLeavesExactlyOneFlagOfItsGroupSet) {
    EXPECT_EQ(Game.Board.BackIndex(), 0) << "the first back and face set at the start";
    EXPECT_EQ(Game.Board.FaceSetIndex(), 0);

    // The rules take as many sets as the window offers.
    Game.ChooseFaceSet(4);
    EXPECT_EQ(Game.Board.FaceSetIndex(), 4);
    Game.ChooseFaceSet(1);
    EXPECT_EQ(Game.Board.FaceSetIndex(), 1);
    EXPECT_EQ(std::count(Game.Board.FaceSetFlag.begin(), Game.Board.FaceSetFlag.end(), true), 1);
    Game.ChooseBack(3);
    EXPECT_EQ(std::count(Game.Board.BackFlag.begin(), Game.Board.BackFlag.end(), true), 1);
    EXPECT_EQ(Game.Board.BackIndex(), 3);
}

TEST_F(GameRulesTest, AChoiceKeepsItsPicturesWhenTheStoreFailsInTheNewGame) {
    Window.FailLoad = true;
    EXPECT_THROW(Game.ChooseBack(1), std::runtime_error);
    EXPECT_EQ(Window.Take(),
              (Calls{"ShowBacks", "HideOutcome", "ShowAttempts(0)", "ShowBacks", "LoadHighscores"}));
    EXPECT_EQ(Game.Board.BackIndex(), 1);

    EXPECT_THROW(Game.ChooseFaceSet(2), std::runtime_error);
    EXPECT_EQ(Window.Take(),
              (Calls{"LoadFaceSet", "HideOutcome", "ShowAttempts(0)", "ShowBacks", "LoadHighscores"}));
    EXPECT_EQ(Game.Board.FaceSetIndex(), 2);
}

// --- Saving a result --------------------------------------------------------------------------

TEST_F(GameRulesTest, SavingRanksTheResultStoresTheTableAndDealsANewGame) {
    StartWithStore(Table({"Old", " ", " "}, {40, -1, -1}));
    PlayAPerfectGame();
    Window.Take();

    Game.Run(Command::Save, 0, "Anna");
    EXPECT_EQ(Window.Take(), Then({"StoreHighscores"}, NewGameCalls));
    EXPECT_EQ(Window.Stored, Table({"Anna", "Old", " "}, {32, 40, -1}));
    EXPECT_EQ(Game.Highscores, Window.Stored) << "the new game reads back what was stored";
    EXPECT_EQ(Game.Board.Attempts, 0);
}

TEST_F(GameRulesTest, AStoreThatFailsLeavesTheFinishedBoardAndTheRankedResult) {
    StartWithStore(Table({"Old", " ", " "}, {40, -1, -1}));
    PlayAPerfectGame();
    Window.Take();
    Window.FailStores = 1;

    EXPECT_THROW(Game.SaveResult("Anna"), std::runtime_error);
    EXPECT_EQ(Window.Take(), Calls{"StoreHighscores"}) << "no new game is dealt";
    EXPECT_TRUE(Game.IsFinished());
    EXPECT_EQ(Game.Board.Attempts, 32);
    EXPECT_EQ(Game.Highscores, Table({"Anna", "Old", " "}, {32, 40, -1}));
    EXPECT_EQ(Window.Stored, Table({"Old", " ", " "}, {40, -1, -1}));
}

TEST_F(GameRulesTest, SavePressedAgainAfterFailedStoresHoldsTheResultOnceUnderTheLastName) {
    const std::array<std::string, 3> names{"Bo", "Bob", "Bobby"};
    for (int failures = 0; failures < 3; ++failures) {
        SCOPED_TRACE(std::to_string(failures) + " failed stores");
        // The result lands between two others, so that a second ranking would push Old out.
        StartWithStore(Table({"Ann", "Old", "Zed"}, {20, 40, 50}));
        PlayAPerfectGame();
        Window.Take();
        Window.FailStores = failures;

        for (int press = 0; press < failures; ++press) {
            EXPECT_THROW(Game.SaveResult(names[static_cast<std::size_t>(press)]), std::runtime_error);
            EXPECT_EQ(Game.Highscores,
                      Table({"Ann", names[static_cast<std::size_t>(press)], "Old"}, {20, 32, 40}));
        }
        Game.SaveResult(names[static_cast<std::size_t>(failures)]);
        EXPECT_EQ(Window.Stored,
                  Table({"Ann", names[static_cast<std::size_t>(failures)], "Old"}, {20, 32, 40}));
        const auto calls = Window.Take();
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "StoreHighscores"), failures + 1)
            << "every press stores the table again";
    }
}

TEST_F(GameRulesTest, ANewGameAfterAFailedSaveRanksTheNextResultAfresh) {
    StartWithStore(Table({"Ann", "Old", " "}, {20, 40, -1}));
    PlayAPerfectGame();
    Window.FailStores = 1;
    EXPECT_THROW(Game.SaveResult("Lost"), std::runtime_error);

    // MIX IT reads the store again, where the lost result never arrived.
    Game.NewGame();
    EXPECT_EQ(Game.Highscores, Table({"Ann", "Old", " "}, {20, 40, -1}));
    PlayAPerfectGame();
    Game.SaveResult("Ben");
    EXPECT_EQ(Window.Stored, Table({"Ann", "Ben", "Old"}, {20, 32, 40}));
}

TEST_F(GameRulesTest, ATableStoredElsewhereMeanwhileIsReadAgainAndTheNextSaveRanksIntoIt) {
    // Before a save, and after one that failed: either way the next save ranks this result into the table
    // another game stored meanwhile, once; also when the store still holds none.
    const HighscoreTable none{};
    for (const auto& [failures, meanwhile] : {std::pair{0, Table({"Ann", "Cy", " "}, {20, 30, -1})},
                                               std::pair{1, Table({"Ann", "Cy", " "}, {20, 30, -1})},
                                               std::pair{1, none}}) {
        SCOPED_TRACE(std::to_string(failures) + " failed stores");
        StartWithStore(meanwhile == none ? none : Table({"Ann", " ", " "}, {20, -1, -1}));
        PlayAPerfectGame();
        Window.FailStores = failures;
        if (failures) {
            EXPECT_THROW(Game.SaveResult("Bo"), std::runtime_error);
        }
        Window.Take();

        Window.Stored = meanwhile;
        Game.TableChanged();
        EXPECT_EQ(Window.Take(), (Calls{"LoadHighscores", "ShowHighscoreMenu"}));
        EXPECT_EQ(Game.Highscores, Window.Stored);
        EXPECT_TRUE(Game.IsFinished()) << "the finished board waits for its save";

        Game.SaveResult("Bo");
        EXPECT_EQ(Window.Stored, meanwhile == none ? Table({"Bo", " ", " "}, {32, -1, -1})
                                                   : Table({"Ann", "Cy", "Bo"}, {20, 30, 32}));
    }
}

TEST_F(GameRulesTest, AResultWithoutAPlaceStoresTheTableUnchanged) {
    const auto full = Table({"Ann", "Bea", "Cy"}, {10, 11, 12});
    StartWithStore(full);
    PlayAPerfectGame();
    Window.FailStores = 1;
    EXPECT_THROW(Game.SaveResult("Dan"), std::runtime_error);
    Game.SaveResult("Dan");
    EXPECT_EQ(Window.Stored, full);
}

// --- After the window has closed --------------------------------------------------------------

TEST_F(GameRulesTest, EndingTheGameClosesItAndEveryPressAfterIsIgnored) {
    Turn(5);
    Window.Take();
    Game.Run(Command::End);
    EXPECT_EQ(Window.Take(), Calls{"Close"});

    Turn(5);
    Turn(6);
    for (const Command command : {Command::NewGame, Command::End, Command::Save, Command::ChooseBack})
        Game.Run(command, 1, "Anna");
    Game.NewGame();
    Game.CheckFinished();
    Game.ChooseBack(1);
    Game.ChooseFaceSet(1);
    Game.SaveResult("Anna");
    Game.TableChanged();
    EXPECT_TRUE(Window.Take().empty());
    EXPECT_FALSE(Game.IsFinished());
    EXPECT_EQ(Game.Highscores, HighscoreTable{});
    EXPECT_TRUE(Game.Board.IsReleased());
}

TEST_F(GameRulesTest, TheSystemsLanguageOrTheOneChosenIsSpokenAndChoosingOneKeepsTheGameAsItLies) {
    struct Start {
        std::vector<std::string> System;
        std::optional<std::string> Stored;
        bool Damaged;
        std::string Applied;
        std::string Checked;
    };
    const Start starts[] = {
        {{}, std::nullopt, false, "", "ShowChoice(language,1)"},
        {{"C"}, std::nullopt, false, "", "ShowChoice(language,1)"},
        {{"fr-FR", "en-GB", "de"}, std::nullopt, false, "ApplyLanguage(en)", "ShowChoice(language,2)"},
        {{"en-US"}, "de", false, "", "ShowChoice(language,1)"},
        {{"de-AT"}, "en", false, "ApplyLanguage(en)", "ShowChoice(language,2)"},
        {{"en"}, std::nullopt, true, "ApplyLanguage(en)", "ShowChoice(language,2)"},
    };
    for (const Start& start : starts) {
        RecordingRequests window;
        window.System = start.System;
        window.StoredLanguage = start.Stored;
        window.FailLoadLanguage = start.Damaged;
        GameRules game(window, [] { return std::int64_t{1765100000}; });
        window.Rules = &game;
        std::string said;
        try {
            game.StartFirstGame();
        } catch (const std::exception& error) {
            said = error.what();
        }
        EXPECT_EQ(said, start.Damaged ? "Invalid value for 'sSprache'" : "") << "a damaged choice is said once";
        const Calls calls = window.Take();
        const std::string first = start.Applied.empty() ? start.Checked : start.Applied;
        EXPECT_EQ(calls.front(), first) << "the language before anything is shown";
        EXPECT_EQ(std::count(calls.begin(), calls.end(), start.Checked), 1);
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                                [](const std::string& call) { return call.rfind("StoreLanguage", 0) == 0; }),
                  0)
            << "nothing is written at start";
        SetWordsLookup({});
    }

    // Chosen mid-turn: the same board, the same open card and count, every text shown anew, said in the new
    // language and kept.
    const std::int32_t p = testing::HiddenCard(Game.Board);
    Game.Run(Command::TurnCard, p);
    const std::vector<std::int32_t> deal = Deal();
    const auto open = Game.Board.FaceUp;
    Window.Take();
    Game.Run(Command::ChooseLanguage, 2);
    EXPECT_EQ(Window.Take(), (Calls{"ApplyLanguage(en)", "ShowChoice(language,2)", "ShowBacks",
                                    "ShowFace(" + std::to_string(p) + ")", "ShowHighscoreMenu", "StoreLanguage(en)",
                                    "Announce(Language: English)"}));
    EXPECT_EQ(Deal(), deal);
    EXPECT_EQ(Game.Board.FaceUp, open);
    EXPECT_TRUE(Game.Board.CardOpen);
    Game.Run(Command::ChooseLanguage, 1);
    EXPECT_EQ(Window.Take().back(), "Announce(Sprache: Deutsch)");
    SetWordsLookup({});
}

}  // namespace
}  // namespace pairfinder
