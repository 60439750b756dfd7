// The layout table's own rules, which both front ends follow: how accelerators read, and how the arrow keys move
// over the cards.
#include "window_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>
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

// A board drawn row by row: '#' a card, '.' an empty cell.
struct Drawn {
    BoardSize Size;
    std::vector<std::string> Rows;
    bool operator()(int cell) const {
        return Rows[static_cast<std::size_t>(cell / Size.Columns)][static_cast<std::size_t>(cell % Size.Columns)] ==
               '#';
    }
};

TEST(CardGrid, EveryBoardFillsTheCardAreaWithTheLargestCardsThatFitCentredOnWholePixels) {
    struct Expected {
        BoardSize Board;
        Rect First;
        Rect Last;
    };
    // The full board as the window always had it; a board of four columns twice as wide, two rows of them
    // centred top to bottom; six columns a third larger.
    const Expected boards[] = {
        {*BoardOfPairs(4), {14, 158, 120, 120}, {446, 302, 120, 120}},
        {*BoardOfPairs(8), {14, 14, 120, 120}, {446, 446, 120, 120}},
        {*BoardOfPairs(18), {10, 10, 80, 80}, {490, 490, 80, 80}},
        {*BoardOfPairs(32), {8, 8, 60, 60}, {512, 512, 60, 60}},
    };
    for (const Expected& expected : boards) {
        const BoardSize& board = expected.Board;
        SCOPED_TRACE(std::string(board.Caption));
        EXPECT_EQ(board.Cards(), 2 * board.Pairs);
        const Rect first = CellGeometry(board, 0);
        const Rect last = CellGeometry(board, board.Cards() - 1);
        EXPECT_EQ(std::tie(first.Left, first.Top, first.Width, first.Height),
                  std::tie(expected.First.Left, expected.First.Top, expected.First.Width, expected.First.Height));
        EXPECT_EQ(std::tie(last.Left, last.Top, last.Width, last.Height),
                  std::tie(expected.Last.Left, expected.Last.Top, expected.Last.Width, expected.Last.Height));
        // The second cell lies one card and its gap to the right, or starts the second row.
        const Rect second = CellGeometry(board, 1);
        EXPECT_EQ(second.Left - first.Left, first.Width * 6 / 5);
        EXPECT_EQ(CellAt(board, board.Columns).Row, 1);
        EXPECT_EQ(CellAt(board, board.Columns).Column, 0);
        EXPECT_EQ(CardSpoken(board, board.Cards() - 1, CardView::Hidden),
                  "Reihe " + std::to_string(board.Rows) + ", Spalte " + std::to_string(board.Columns) + ": verdeckt");
    }
}

TEST(CardGrid, ArrowsSkipEmptyCellsKeepTheShapeAndReachEveryCardOnEveryBoard) {
    struct Move {
        int From;
        Step Way;
        int To;
    };
    struct Case {
        Drawn Board;
        std::vector<Move> Moves;
    };
    const Case cases[] = {
        {{*BoardOfPairs(32),
          {"#..#...#", "........", "#.#.....", "........", "...#....", "........", "........", ".....#.."}},
         {
             // Along the row, skipping empty cells; past its end on to the next row that holds a card.
             {0, Step::Right, 3}, {3, Step::Right, 7}, {7, Step::Right, 16}, {16, Step::Left, 7},
             {18, Step::Right, 35}, {0, Step::Left, 0}, {61, Step::Right, 61},
             // Straight down the column, skipping empty cells; where the column holds none, the nearest card of
             // the next row that holds one, the left one of two as near.
             {0, Step::Down, 16}, {3, Step::Down, 35}, {35, Step::Up, 3}, {16, Step::Down, 35},
             {35, Step::Down, 61}, {61, Step::Up, 35}, {2, Step::Up, 2}, {7, Step::Down, 18},
             {18, Step::Down, 35}, {61, Step::Down, 61}, {16, Step::Up, 0},
             // Home and End: the row's first and last card.
             {18, Step::RowStart, 16}, {18, Step::RowEnd, 18}, {3, Step::RowEnd, 7}, {7, Step::RowStart, 0},
             // From an empty cell, where a pair has just left, the arrows go on from where the player is.
             {1, Step::Right, 3}, {1, Step::Left, 0}, {9, Step::Down, 16}, {8, Step::Down, 16},
             {12, Step::Up, 3},
             // A row without a card keeps the focus where it is for Home and End.
             {12, Step::RowStart, 12}, {12, Step::RowEnd, 12},
         }},
        {{*BoardOfPairs(18), {"#....#", "......", "..#...", "......", "......", ".....#"}},
         {
             {5, Step::Right, 14}, {35, Step::Left, 14}, {5, Step::Down, 35}, {35, Step::Up, 5},
             {0, Step::Down, 14}, {14, Step::Up, 0}, {0, Step::RowEnd, 5}, {14, Step::RowEnd, 14},
             {35, Step::Down, 35},
         }},
        {{*BoardOfPairs(8), {"####", "####", "####", "####"}},
         {
             // A row is four cards long: Right from its end goes on to the next row, Down four cells on.
             {3, Step::Right, 4}, {4, Step::Left, 3}, {0, Step::Down, 4}, {12, Step::Up, 8}, {5, Step::RowEnd, 7},
             {6, Step::RowStart, 4}, {15, Step::Right, 15}, {15, Step::Down, 15}, {12, Step::Down, 12},
         }},
        {{*BoardOfPairs(4), {"#..#", ".##."}},
         {
             {0, Step::Right, 3}, {3, Step::Right, 5}, {5, Step::Left, 3}, {0, Step::Down, 5}, {3, Step::Down, 6},
             {6, Step::Up, 3}, {5, Step::Up, 0}, {5, Step::Down, 5}, {5, Step::RowEnd, 6}, {6, Step::RowStart, 5},
             {7, Step::Left, 6}, {6, Step::Right, 6},
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Board.Size.Caption));
        for (const Move& move : c.Moves) {
            EXPECT_EQ(NextCell(c.Board.Size, move.From, move.Way, c.Board), move.To)
                << "from " << move.From << " way " << static_cast<int>(move.Way);
        }
    }
}

}  // namespace
}  // namespace pairfinder::layout
