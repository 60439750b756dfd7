// The rules of play: dealing a new game, applying a card click, judging the end of a game, and the
// player's choices of pictures and the saving of a result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

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
    GameRules(GameRequests& requests, RandomSource random);

    GameBoard Board;
    HighscoreTable Highscores;
    RandomSource Random;

    void NewGame();
    // The first game of a window: dealt, and the chosen face set loaded even when reading the highscores
    // failed, so that the cards can be played; the failure is passed on after that, to be shown.
    void StartFirstGame();
    void CardClicked(std::int32_t p);
    void CheckFinished();
    bool IsFinished() const;

    // A back picture or face set (0-based) chosen from the menu; either choice deals a new game.
    void ChooseBack(int index);
    void ChooseFaceSet(int index);
    // Ranks this board's result under `name`, stores the table and deals a new game.
    void SaveResult(const std::string& name);

    // Another game saved to the same store meanwhile (another tab of the page): the table is read again and
    // shown, and this board's result, should a save of it have failed, is ranked anew at its next save.
    void TableChanged();

    // Frees the board arrays; every later call on the board is ignored.
    void Release() { Board.Release(); }

private:
    void ShuffleDeck();

    GameRequests& Requests;
    // The place this board's result took in the table (-1 for none), once it has been ranked. A save
    // that failed leaves the board and its entry behind; pressing Save again must not rank it twice.
    std::optional<int> RankedPlace;
};

}  // namespace pairfinder
