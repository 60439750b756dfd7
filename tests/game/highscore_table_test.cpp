// Ranking results into the three-place table, and the menu texts that show it.
#include "highscore_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "highscore_tables.h"

namespace pairfinder {
namespace {

using Captions = std::array<std::string, 3>;
using testing::Table;

TEST(HighscoreTableStart, IsThreeEmptyPlacesWithSpaceNames) {
    const HighscoreTable table;
    EXPECT_EQ(table.HighscoreName, (std::array<std::string, 3>{" ", " ", " "}));
    EXPECT_EQ(table.HighscoreTries, (std::array<std::int32_t, 3>{-1, -1, -1}));
}

TEST(HighscoreQualifies, AnyResultWhileThirdPlaceIsEmpty) {
    EXPECT_TRUE(Table({"a", "b", " "}, {30, 40, -1}).Qualifies(500));
    EXPECT_TRUE(Table({"a", "b", "c"}, {30, 40, 0}).Qualifies(500));
}

TEST(HighscoreQualifies, OnlyStrictlyBetterThanAFullThirdPlace) {
    const auto full = Table({"a", "b", "c"}, {30, 40, 50});
    EXPECT_TRUE(full.Qualifies(49));
    EXPECT_FALSE(full.Qualifies(50));
    EXPECT_FALSE(full.Qualifies(51));
}

TEST(HighscoreRanking, FirstResultTakesPlaceOne) {
    HighscoreTable table;
    EXPECT_EQ(table.InsertHighscore("Anna", 41), 0);
    EXPECT_EQ(table, Table({"Anna", " ", " "}, {41, -1, -1}));
}

TEST(HighscoreRanking, WorseResultBehindOnlyPlaceOneGoesSecondAndDropsAnEmptyThird) {
    auto table = Table({"Anna", " ", " "}, {41, -1, -1});
    EXPECT_EQ(table.InsertHighscore("Ben", 50), 1);
    EXPECT_EQ(table, Table({"Anna", "Ben", " "}, {41, 50, -1}));
}

TEST(HighscoreRanking, EqualCountRanksTheNewResultAhead) {
    auto table = Table({"Anna", "Ben", " "}, {41, 50, -1});
    table.InsertHighscore("Cleo", 41);
    EXPECT_EQ(table, Table({"Cleo", "Anna", "Ben"}, {41, 41, 50}));
    table.InsertHighscore("Dan", 50);
    EXPECT_EQ(table, Table({"Cleo", "Anna", "Dan"}, {41, 41, 50}));
    table = Table({"Anna", "Ben", "Cleo"}, {40, 45, 50});
    table.InsertHighscore("Dan", 45);
    EXPECT_EQ(table, Table({"Anna", "Dan", "Ben"}, {40, 45, 45}));
}

TEST(HighscoreRanking, BetterResultPushesEveryoneDownAndTheThirdDropsOut) {
    auto table = Table({"Anna", "Ben", "Cleo"}, {40, 45, 50});
    table.InsertHighscore("Dan", 33);
    EXPECT_EQ(table, Table({"Dan", "Anna", "Ben"}, {33, 40, 45}));
}

TEST(HighscoreRanking, ResultBetweenPlacesTwoAndThreeReplacesOnlyThree) {
    auto table = Table({"Anna", "Ben", "Cleo"}, {40, 45, 50});
    EXPECT_EQ(table.InsertHighscore("Dan", 47), 2);
    EXPECT_EQ(table, Table({"Anna", "Ben", "Dan"}, {40, 45, 47}));
}

TEST(HighscoreRanking, WorseThanAFullTableChangesNothing) {
    const auto before = Table({"Anna", "Ben", "Cleo"}, {40, 45, 50});
    auto table = before;
    EXPECT_EQ(table.InsertHighscore("Dan", 51), -1);
    EXPECT_EQ(table, before);
}

TEST(HighscoreRanking, AZeroCountCountsAsAnEmptyPlace) {
    auto table = Table({"Anna", "x", "y"}, {40, 0, 0});
    table.InsertHighscore("Ben", 90);
    EXPECT_EQ(table, Table({"Anna", "Ben", "x"}, {40, 90, 0}));
}

TEST(HighscoreCaptions, EmptyTableEncouragesOnTheMiddleLine) {
    EXPECT_EQ(HighscoreTable{}.HighscoreCaptions(), (Captions{"", "Noch alles zu schaffen!", ""}));
    // Place 1 decides, whatever the others hold.
    EXPECT_EQ(Table({"a", "b", "c"}, {0, 30, 40}).HighscoreCaptions(),
              (Captions{"", "Noch alles zu schaffen!", ""}));
}

TEST(HighscoreCaptions, OneResultStandsOnTheMiddleLine) {
    EXPECT_EQ(Table({"Anna", " ", " "}, {41, -1, -1}).HighscoreCaptions(),
              (Captions{"", "1. Anna mit 41 Versuchen", ""}));
    // A count of 0, as an edited or old registry may hold, is an empty place like -1.
    EXPECT_EQ(Table({"Anna", "x", "y"}, {41, 0, 0}).HighscoreCaptions(),
              (Captions{"", "1. Anna mit 41 Versuchen", ""}));
}

TEST(HighscoreCaptions, TwoResultsFillTheFirstTwoLines) {
    EXPECT_EQ(Table({"Anna", "Ben", " "}, {41, 50, -1}).HighscoreCaptions(),
              (Captions{"1. Anna mit 41 Versuchen", "2. Ben mit 50 Versuchen", ""}));
    EXPECT_EQ(Table({"Anna", "Ben", "y"}, {41, 50, 0}).HighscoreCaptions(),
              (Captions{"1. Anna mit 41 Versuchen", "2. Ben mit 50 Versuchen", ""}));
}

TEST(HighscoreCaptions, AFullTableFillsAllThreeLines) {
    EXPECT_EQ(
        Table({"Anna", "Ben", "Cleo"}, {41, 50, 1234567}).HighscoreCaptions(),
        (Captions{"1. Anna mit 41 Versuchen", "2. Ben mit 50 Versuchen", "3. Cleo mit 1234567 Versuchen"}));
}

TEST(HighscoreCaptions, SpaceAndEmptyNamesKeepTheirSpacing) {
    const auto captions = Table({" ", "", "Zoë"}, {33, 34, 35}).HighscoreCaptions();
    EXPECT_EQ(captions[0], "1.   mit 33 Versuchen");
    EXPECT_EQ(captions[1], "2.  mit 34 Versuchen");
    EXPECT_EQ(captions[2], "3. Zoë mit 35 Versuchen");
}

}  // namespace
}  // namespace pairfinder
