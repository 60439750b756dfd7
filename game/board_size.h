// The boards a player can choose: how many pairs, and the rows and columns their cards lie in.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "words.h"

namespace pairfinder {

struct BoardSize {
    int Pairs = 32;
    int Rows = 8;
    int Columns = 8;
    // The name of its highscore table's key, "8 Paare", the same in every language; the menu shows BoardCaption.
    std::string_view Caption{};

    constexpr int Cards() const { return Rows * Columns; }
    bool operator==(const BoardSize&) const = default;
};

// In menu order, smallest first; the last is the full board, which a player who never chose plays.
inline constexpr std::array<BoardSize, 4> BoardSizes{{
    {4, 2, 4, "4 Paare"},
    {8, 4, 4, "8 Paare"},
    {18, 6, 6, "18 Paare"},
    {32, 8, 8, "32 Paare"},
}};
inline constexpr BoardSize FullBoard = BoardSizes.back();
static_assert(FullBoard.Cards() == 2 * FullBoard.Pairs, "every cell of the full board holds a card");

// The board of that many pairs; none for a number no board has.
constexpr std::optional<BoardSize> BoardOfPairs(int pairs) {
    for (const BoardSize& board : BoardSizes) {
        if (board.Pairs == pairs) return board;
    }
    return std::nullopt;
}

// The board's place in the menu, from 1.
constexpr int MenuNumberOf(const BoardSize& board) {
    for (std::size_t i = 0; i < BoardSizes.size(); ++i) {
        if (BoardSizes[i] == board) return static_cast<int>(i) + 1;
    }
    return 0;
}

// What the menu calls a board, in the player's language: "8 Paare".
inline std::string BoardCaption(const BoardSize& board) {
    return TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "%n Paare"), board.Pairs);
}

// What a player who hears the game is told when a board is chosen: "Neues Spiel: 8 Paare".
inline std::string NewBoardSpoken(const BoardSize& board) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Neues Spiel: %1")), {BoardCaption(board)});
}

// Whether a face set of that many pictures fills the board: one picture for each of its pairs.
constexpr bool Fills(int pictures, const BoardSize& board) {
    return board.Pairs <= pictures;
}

// The largest board that many pictures fill, which an own deck chosen on a board too large for it plays on
// instead; none when they fill none.
constexpr std::optional<BoardSize> LargestBoardFilled(int pictures) {
    std::optional<BoardSize> largest;
    for (const BoardSize& board : BoardSizes) {
        if (Fills(pictures, board)) largest = board;
    }
    return largest;
}

// What a player who hears the game is told when the own deck, too small for the board in play, is played on the
// largest board it fills: "Eigenes Deck mit 6 Bildern. Neues Spiel: 4 Paare".
inline std::string OwnDeckBoardSpoken(int pictures, const BoardSize& board) {
    return TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "Eigenes Deck mit %n Bildern."), pictures) + " " +
           NewBoardSpoken(board);
}

// What is said of an own deck kept with fewer pictures than the smallest board needs.
inline constexpr const char* OwnDeckTooSmall = QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck hat zu wenige Bilder");

// The line above the highscore table in the menu, which says whose table it is: empty for the full board, whose
// table the menu has always shown alone.
inline std::string HighscoreHeading(const BoardSize& board) {
    return board == FullBoard ? std::string()
                              : Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Spielfeld: %1")), {BoardCaption(board)});
}

}  // namespace pairfinder
