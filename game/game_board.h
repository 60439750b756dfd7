// The state of one game of pairs: the deal, removed and open cards, the attempt counter and the picture
// choices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "board_size.h"

namespace pairfinder {

struct GameBoard {
    static constexpr std::int32_t DefaultCardCount = FullBoard.Cards();
    // The most pictures a deal draws from a face set.
    static constexpr std::int32_t MostPairs = FullBoard.Pairs;

    bool CardOpen = false;
    // One flag per back picture and per face set, in menu order; the first of each group is chosen at the
    // start. The rules know no number of pictures: a group grows to take the one chosen, and readers take
    // the first flag that is set.
    std::vector<bool> BackFlag{true};
    std::vector<bool> FaceSetFlag{true};
    std::int32_t Attempts = 0;
    // The board in play; CardCount is its number of cells.
    BoardSize Size = FullBoard;
    std::int32_t CardCount = DefaultCardCount;
    std::int32_t FirstCard = -1;

    // Allocated once with the board and emptied by Release(); a released board has no
    // positions, so nothing can reach the old storage through an index.
    std::vector<std::uint8_t> Matched = std::vector<std::uint8_t>(DefaultCardCount);
    std::vector<std::uint8_t> FaceUp = std::vector<std::uint8_t>(DefaultCardCount);
    std::vector<std::int32_t> PairOf = std::vector<std::int32_t>(DefaultCardCount);

    bool IsReleased() const { return PairOf.empty(); }
    bool IsPosition(std::int32_t p) const { return !IsReleased() && p >= 0 && p < CardCount; }

    // Makes the board one of another size, every card of it in the deal's start state until the next deal; a
    // released board stays released.
    void Resize(const BoardSize& size) {
        if (IsReleased()) return;
        Size = size;
        CardCount = size.Cards();
        const auto cells = static_cast<std::size_t>(CardCount);
        Matched.assign(cells, 0);
        FaceUp.assign(cells, 0);
        PairOf.assign(cells, 0);
        CardOpen = false;
        FirstCard = -1;
    }

    void Release() {
        Matched = {};
        FaceUp = {};
        PairOf = {};
    }

    // The index of the first flag that is set, -1 when none is.
    int BackIndex() const { return FirstSet(BackFlag); }
    int FaceSetIndex() const { return FirstSet(FaceSetFlag); }
    // No built-in face set is chosen: the player's own deck is in play.
    bool OwnDeckInUse() const { return FaceSetIndex() < 0; }

    // How many pictures the face set in play holds, which a deal draws its pairs from: every built-in set holds
    // MostPairs; the own deck as many as it was loaded with.
    std::int32_t FacePictures = MostPairs;

    // Sets the flag at `index` and clears the others; an index below 0 clears them all.
    void SelectBack(int index) { Select(BackFlag, index); }
    void SelectFaceSet(int index) { Select(FaceSetFlag, index); }

private:
    static int FirstSet(const std::vector<bool>& flags) {
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (flags[i]) return static_cast<int>(i);
        }
        return -1;
    }
    static void Select(std::vector<bool>& flags, int index) {
        if (index >= 0 && static_cast<std::size_t>(index) >= flags.size())
            flags.resize(static_cast<std::size_t>(index) + 1);
        for (std::size_t i = 0; i < flags.size(); ++i) flags[i] = static_cast<int>(i) == index;
    }
};

}  // namespace pairfinder
