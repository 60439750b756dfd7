// Finding cards on a dealt board the way a player who knows the deal would: a card's partner, a card
// that does not pair with it, a card still face down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game_board.h"

namespace pairfinder::testing {

// The other position holding p's pair number; -1 when there is none.
inline std::int32_t PartnerOf(const GameBoard& board, std::int32_t p) {
    if (!board.IsPosition(p)) return -1;
    for (std::int32_t q = 0; q < board.CardCount; ++q) {
        if (q != p && board.PairOf[static_cast<std::size_t>(q)] == board.PairOf[static_cast<std::size_t>(p)])
            return q;
    }
    return -1;
}

// A card still in play that does not pair with p; -1 when there is none.
inline std::int32_t StrangerTo(const GameBoard& board, std::int32_t p) {
    if (!board.IsPosition(p)) return -1;
    for (std::int32_t q = 0; q < board.CardCount; ++q) {
        if (q != p &&
            board.PairOf[static_cast<std::size_t>(q)] != board.PairOf[static_cast<std::size_t>(p)] &&
            !board.Matched[static_cast<std::size_t>(q)])
            return q;
    }
    return -1;
}

// A card still in play whose face is not open; -1 when there is none.
inline std::int32_t HiddenCard(const GameBoard& board) {
    for (std::int32_t p = 0; p < board.CardCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (!board.Matched[at] && !board.FaceUp[at]) return p;
    }
    return -1;
}

// Up to `count` positions from the front of the board of which no two are a pair, so that clicking them
// in turn never finds one.
inline std::vector<std::int32_t> Strangers(const GameBoard& board, std::size_t count) {
    std::vector<std::int32_t> chosen;
    for (std::int32_t p = 0; board.IsPosition(p) && chosen.size() < count; ++p) {
        bool pairs = false;
        for (std::int32_t q : chosen) pairs = pairs || PartnerOf(board, q) == p;
        if (!pairs) chosen.push_back(p);
    }
    return chosen;
}

}  // namespace pairfinder::testing
