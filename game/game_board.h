// The state of one game of pairs: the deal, removed and open cards, the attempt counter and the picture
// choices.
#pragma once

#include <cstdint>
#include <vector>

namespace pairfinder {

struct GameBoard {
    static constexpr std::int32_t DefaultCardCount = 64;

    bool CardOpen = false;
    bool BackFlag1 = true;
    bool BackFlag2 = false;
    bool BackFlag3 = false;
    bool BackFlag4 = false;
    bool FaceSetFlag1 = true;
    bool FaceSetFlag2 = false;
    bool FaceSetFlag3 = false;
    bool FaceSetFlag4 = false;
    std::int32_t Attempts = 0;
    std::int32_t CardCount = DefaultCardCount;
    std::int32_t FirstCard = -1;

    // Allocated once with the board and emptied by Release(); a released board has no
    // positions, so nothing can reach the old storage through an index.
    std::vector<std::uint8_t> Matched = std::vector<std::uint8_t>(DefaultCardCount);
    std::vector<std::uint8_t> FaceUp = std::vector<std::uint8_t>(DefaultCardCount);
    std::vector<std::int32_t> PairOf = std::vector<std::int32_t>(DefaultCardCount);

    bool IsReleased() const { return PairOf.empty(); }
    bool IsPosition(std::int32_t p) const { return !IsReleased() && p >= 0 && p < CardCount; }

    void Release() {
        Matched = {};
        FaceUp = {};
        PairOf = {};
    }

    // 0..3 for the first flag that is set, -1 when none is.
    int BackIndex() const { return FirstSet(BackFlag1, BackFlag2, BackFlag3, BackFlag4); }
    int FaceSetIndex() const { return FirstSet(FaceSetFlag1, FaceSetFlag2, FaceSetFlag3, FaceSetFlag4); }

    void SelectBack(int index) {
        BackFlag1 = index == 0;
        BackFlag2 = index == 1;
        BackFlag3 = index == 2;
        BackFlag4 = index == 3;
    }
    void SelectFaceSet(int index) {
        FaceSetFlag1 = index == 0;
        FaceSetFlag2 = index == 1;
        FaceSetFlag3 = index == 2;
        FaceSetFlag4 = index == 3;
    }

private:
    static int FirstSet(bool a, bool b, bool c, bool d) {
        if (a) return 0;
        if (b) return 1;
        if (c) return 2;
        if (d) return 3;
        return -1;
    }
};

}  // namespace pairfinder
