// The rules of play: dealing a new game, applying a card click, and judging the end of a game.
#pragma once

#include <cstdint>

#include "game_board.h"
#include "game_requests.h"
#include "highscore_table.h"
#include "random_source.h"

namespace pairfinder {

class GameRules {
public:
    // Exchanges per step of the mixing count.
    static constexpr std::int32_t ExchangesPerStep = 123;

    GameRules(GameRequests& requests, SecondsClock clock = SystemSeconds);

    GameBoard Board;
    HighscoreTable Highscores;
    RandomSource Random;

    void NewGame();
    void CardClicked(std::int32_t p);
    void CheckFinished();
    bool IsFinished() const;

    // Frees the board arrays; every later call on the board is ignored.
    void Release() { Board.Release(); }

private:
    void ShuffleDeck();

    GameRequests& Requests;
};

}  // namespace pairfinder
