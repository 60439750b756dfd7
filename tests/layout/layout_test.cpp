// The layout table's own rules, which both front ends follow: how accelerators read, and how the arrow keys move
// over the cards.
#include "window_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace pairfinder::layout {
namespace {

TEST(LayoutTable, AnAcceleratorIsTheLetterAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(AcceleratorOf("&MIX IT"), 'm');
    EXPECT_EQ(AcceleratorOf("&Save"), 's');
    EXPECT_EQ(AcceleratorOf("Deck 1"), 0);
    EXPECT_EQ(AcceleratorOf("R&&D &Go"), 'g');
    EXPECT_EQ(AcceleratorOf("trailing &"), 0);
    // As the caption reads, and where its marked letter lies.
    EXPECT_EQ(Unmark("R&&D &Go").Plain, "R&D Go");
    EXPECT_EQ(Unmark("R&&D &Go").Marked, 4u);
    EXPECT_EQ(Unmark("&&").Plain, "&");
    EXPECT_FALSE(Unmark("&&").Marked);
    EXPECT_TRUE(LetterAlonePresses(Kind::Button));
    EXPECT_FALSE(LetterAlonePresses(Kind::Edit));
}

// A board drawn as rows of eight: '#' a card, '.' an empty cell.
struct Board {
    std::array<const char*, 8> Rows;
    bool operator()(int cell) const { return Rows[static_cast<std::size_t>(cell / 8)][cell % 8] == '#'; }
};

TEST(CardGrid, ArrowsSkipEmptyCellsKeepTheShapeAndReachEveryCard) {
    const Board board{{"#..#...#", "........", "#.#.....", "........", "...#....", "........", "........",
                       ".....#.."}};
    struct Move {
        int From;
        Step Way;
        int To;
    };
    const Move moves[] = {
        // Along the row, skipping empty cells; past its end on to the next row that holds a card.
        {0, Step::Right, 3}, {3, Step::Right, 7}, {7, Step::Right, 16}, {16, Step::Left, 7}, {18, Step::Right, 35},
        {0, Step::Left, 0}, {61, Step::Right, 61},
        // Straight down the column, skipping empty cells; where the column holds none, the nearest card of the
        // next row that holds one, the left one of two as near.
        {0, Step::Down, 16}, {3, Step::Down, 35}, {35, Step::Up, 3}, {16, Step::Down, 35}, {35, Step::Down, 61},
        {61, Step::Up, 35}, {2, Step::Up, 2}, {7, Step::Down, 18}, {18, Step::Down, 35}, {61, Step::Down, 61},
        {16, Step::Up, 0},
        // Home and End: the row's first and last card.
        {18, Step::RowStart, 16}, {18, Step::RowEnd, 18}, {3, Step::RowEnd, 7}, {7, Step::RowStart, 0},
        // From an empty cell, where a pair has just left, the arrows go on from where the player is.
        {1, Step::Right, 3}, {1, Step::Left, 0}, {9, Step::Down, 16}, {8, Step::Down, 16}, {12, Step::Up, 3},
        // A row without a card keeps the focus where it is for Home and End.
        {12, Step::RowStart, 12}, {12, Step::RowEnd, 12},
    };
    for (const Move& move : moves) {
        EXPECT_EQ(NextCell(move.From, move.Way, board), move.To)
            << "from " << move.From << " way " << static_cast<int>(move.Way);
    }
}

}  // namespace
}  // namespace pairfinder::layout
