// The requests through which the game rules reach the screen, the pictures and the highscore store.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "players.h"
#include "spoken_text.h"

namespace pairfinder {

// Each front end implements this, the window and the page alike; the rules call it at fixed points, and the
// order of the calls is part of the behaviour.
class GameRequests {
public:
    virtual ~GameRequests() = default;

    virtual void HideOutcome() = 0;
    virtual void ShowAttempts(int n) = 0;
    virtual void ShowBacks() = 0;
    virtual void ShowFace(int p) = 0;
    virtual void ShowOutcome(bool qualifies) = 0;
    virtual void LoadHighscores() = 0;
    virtual void ShowHighscoreMenu() = 0;
    // Puts the chosen face set in the working list that faces are drawn from: the player's own deck when
    // Board.OwnDeckInUse(). Raises an error when the own deck as it is kept is damaged.
    virtual void LoadFaceSet() = 0;
    // Writes the highscore table to the store; the counterpart of LoadHighscores.
    virtual void StoreHighscores() = 0;
    // Item k (from 1) of the choice that carries out `choice` is checked, the others of it not.
    virtual void ShowChoice(Command choice, int k) = 0;
    // The player ended the game: a window closes, a page ends.
    virtual void Close() = 0;
    // The name of face `pair` of the face set in use; empty before a set is loaded.
    virtual PictureName FaceName(int pair) const = 0;
    // Says to a player who hears the game what one press came to, once, in one piece.
    virtual void Announce(const std::string& text) = 0;
    // Lays the cells out for the board in play (the board's Size): its rows and columns, the largest cards that
    // fit; cells beyond its CardCount are not shown.
    virtual void ShowBoard() = 0;
    // The number of pairs of the board the player chose last, as the store keeps it; none when it keeps none.
    // Raises the store's error for a value it cannot take.
    virtual std::optional<int> LoadBoard() = 0;
    // Keeps the board in play as the one to start with next time.
    virtual void StoreBoard() = 0;

    // Item k (from 1) of a choice can be chosen, or is shown disabled.
    virtual void EnableChoice(Command choice, int k, bool enabled) = 0;
    // The number of pictures of the face set LoadFaceSet loaded last.
    virtual int FaceCount() const = 0;
    // Whether the player has composed a deck of their own, whole as it is kept.
    virtual bool HasOwnDeck() const = 0;
    // Opens the front end's picture chooser, from which the player composes an own deck; once it is kept whole, the
    // front end chooses it (Command::ChooseOwnDeck).
    virtual void ComposeDeck() = 0;
    // Whether the own deck was in play when the player last chose a face set; raises the store's error for a value
    // it cannot take.
    virtual bool LoadOwnDeckInUse() = 0;
    // Keeps whether the own deck is in play, for the next start.
    virtual void StoreOwnDeckInUse(bool inUse) = 0;
    // The item that carries out `command` can be chosen, or is shown disabled.
    virtual void EnableCommand(Command command, bool enabled) = 0;
    // Writes the own deck as one deck file where the player says: the window's save dialog, the page's download.
    virtual void SaveDeck() = 0;
    // Opens the front end's chooser of deck files; a deck file opened is shown in the naming form, and once it is
    // taken and kept whole, the front end chooses it (Command::ChooseOwnDeck).
    virtual void OpenDeck() = 0;

    // --- Playing together (players.h); a player who never chooses it meets none of these ---

    // Opens the players' form for `offered`: its company, the people's names (used last, else "Spieler 1", ...),
    // and for the computer its level and pace. Enter takes it (Command::ChoosePlayers with the company's number
    // and PlayersText of the form's answer); Escape leaves everything as it was.
    virtual void AskPlayers(const PlayersChoice& offered) = 0;
    // Every seat's name, pairs and attempts, and whose turn it is; no seats for a player alone, which hides them.
    virtual void ShowPlayers(const std::vector<Seat>& seats, int turn) = 0;
    // The computer's next card, after `milliseconds`: the front end then presses Command::ComputerMove with
    // `move`. A move the rules have asked for since, or a new deal, makes an older one void, which the rules ignore.
    virtual void WaitForComputer(int milliseconds, int move) = 0;
    // The finish of a game together: the banner and who won, no name entry.
    virtual void ShowWinner(const std::string& winner) = 0;
    // Who played last, as the store keeps it; none when nobody ever chose. Raises the store's error for a value it
    // cannot take.
    virtual std::optional<PlayersChoice> LoadPlayers() = 0;
    // Keeps who plays, for the next start.
    virtual void StorePlayers(const PlayersChoice& choice) = 0;

    // --- The player's language (words.h, language.h); a German game meets none of these but SystemLanguages and
    // LoadLanguage ---

    // The languages the player's system asks for, in its order, as BCP 47 tags ("en-GB"); none: German.
    virtual std::vector<std::string> SystemLanguages() const { return {}; }
    // Puts the language of `code` in play: its catalogue's lookup installed (SetWordsLookup), and every word the
    // front end shows of its own said in it; the rules then show theirs anew. Nothing is dealt anew.
    virtual void ApplyLanguage(std::string_view code) { static_cast<void>(code); }
    // The language the player chose last, as the store keeps it; none when never chosen. Raises the store's error for
    // a value it cannot take.
    virtual std::optional<std::string> LoadLanguage() { return std::nullopt; }
    // Keeps the language chosen, for the next start.
    virtual void StoreLanguage(std::string_view code) { static_cast<void>(code); }
};

}  // namespace pairfinder
