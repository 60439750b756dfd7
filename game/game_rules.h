// The rules of play: dealing a new game, applying a card click, judging the end of a game, the player's choices
// of pictures and the saving of a result, and the one way every press of a front end reaches them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "command.h"
#include "computer_player.h"
#include "game_board.h"
#include "game_requests.h"
#include "highscore_table.h"
#include "language.h"
#include "players.h"
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
    // Who plays: alone (no seats), or the seats in the order they take turns, with Turn the one whose turn it is.
    PlayersChoice Players;
    std::vector<Seat> Seats;
    int Turn = 0;
    // The computer's seat's player, handed only the table's record.
    ComputerPlayer Computer;

    // What a button, menu item, key or tap of any front end does: the command with its number (the back picture
    // or face set k, the card at position p) and the text of the control it takes (the name a result is saved
    // under). What the rules say meanwhile is announced once, when the press has been handled, even when it ends
    // in an error. Once the game has ended, every press is ignored.
    void Run(Command command, int number = 0, const std::string& text = {});
    // A part of what the press being handled comes to, such as the finish's banner, joined to the rest.
    void Say(std::string_view part);

    void NewGame();
    // The first game of a front end: the first back and face set checked, dealt, and the chosen face set loaded
    // even when reading the highscores failed, so that the cards can be played; the failure is passed on after
    // that, to be shown.
    void StartFirstGame();
    void CardClicked(std::int32_t p);
    void CheckFinished();
    bool IsFinished() const;

    // A back picture or face set (0-based) chosen from the menu; either choice deals a new game.
    void ChooseBack(int index);
    void ChooseFaceSet(int index);
    // A board (0-based, in the order of BoardSizes) chosen from the menu: laid out, dealt anew with its own
    // highscore table, said, and kept for the next start.
    void ChooseBoard(int index);
    // The player's own deck chosen from the menu: loaded, played on the board in play or, when it does not fill
    // it, on the largest board it fills, which is said; the boards it does not fill are disabled. Without an own
    // deck, the front end's picture chooser opens instead.
    void ChooseOwnDeck();
    // Ranks this board's result under `name`, stores the table and deals a new game.
    void SaveResult(const std::string& name);

    // Who plays, item `number` of the menu "Mitspieler": alone at once; the others take the form's answer `text`, or
    // without one open the form. A new company deals anew and is kept for the next start.
    void ChoosePlayers(int number, const std::string& text);
    // The language of menu item `number` (language.h's order): put in play at once, every text shown anew in it,
    // nothing dealt anew; said, and kept for the next start.
    void ChooseLanguage(int number);
    // Whether two or more seats take turns.
    bool Together() const { return Seats.size() > 1; }
    // Whether the seat whose turn it is takes presses from this screen.
    bool PersonsTurn() const;
    // The turn the cards of the table have been played for so far: the record the computer is handed.
    const TableView& Table() const { return Record; }

    // Another game saved to the same store meanwhile (another tab of the page): the table is read again as it is
    // stored, an empty one where the store holds none, and shown; this board's result, should a save of it have
    // failed, is ranked anew at its next save.
    void TableChanged();

    // Frees the board arrays; every later call on the board is ignored.
    void Release() { Board.Release(); }

private:
    void ShuffleDeck();
    // The board the store keeps from the last run, when it keeps one; a value it cannot take leaves the full
    // board and is passed on.
    void StartOnStoredBoard();
    // Loads the own deck as the face set in play; raises what the front end found damaged.
    void LoadOwnDeck();
    // The first built-in face set in play, in place of an own deck that could not be loaded.
    void UseFirstFaceSet();
    // Enables the boards the face set in play fills, and disables the others.
    void ShowBoardsFilled();
    // Lays out a board chosen or switched to, with its own table.
    void LayBoard(const BoardSize& board);
    void Announce();
    // The name of the face of the card at p.
    PictureName FaceName(std::int32_t p) const;
    // A turn's second card has been judged: the seat's count, and the turn passed on after a miss.
    void TurnPlayed(std::int32_t first, std::int32_t second, bool paired);
    // The company taken: its seats, its computer, the menu's check mark, and its scores shown.
    void TakePlayers(const PlayersChoice& choice);
    // Asks the front end for the computer's next card when the turn is the computer's.
    void NextComputerMove();
    void ComputerMoves(int move);
    // The people's names the form offers for `who`: those used last, else "Spieler 1", ...
    PlayersChoice Offered(Company who) const;
    // The language the player chose last, else the system's; a damaged choice is passed on.
    void StartInStoredLanguage();
    // Every text the rules have shown, shown anew in the language now in play.
    void ShowTextsAnew();

    GameRequests& Requests;
    // The place this board's result took in the table (-1 for none), once it has been ranked. A save
    // that failed leaves the board and its entry behind; pressing Save again must not rank it twice.
    std::optional<int> RankedPlace;
    // What the press being handled has said so far, and whether one is being handled.
    std::string Spoken;
    bool Pressing = false;
    TableRecord Record;
    // The move the rules last asked the front end for; a press of an older one is void.
    int ComputerMoveAsked = 0;
    // The computer turns the card being played.
    bool ComputerTurning = false;
    // The people's names of the last company together, and the computer's level and pace, offered next time.
    PlayersChoice Remembered;
    // The language in play.
    Language Speaking = Languages[0];
};

}  // namespace pairfinder
