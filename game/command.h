// What a press of the player's does: a button, a menu item, a key or a tap becomes one of these, with its number.
#pragma once

namespace pairfinder {

// A choice and a card carry their number: the back picture, face set or board k (from 1, in menu order), the card
// at position p. The player's own deck is chosen apart from the built-in face sets, and composed by its own item.
// Its deck file is saved and opened by items of their own. Who plays is a choice of its own (players.h), whose
// form's answer travels as the press's text; the computer's next card is a press of its own seat, carrying the
// number of the move the rules asked for; the score is said on demand; a language is chosen by its place among the
// catalogues' (language.h).
enum class Command { None, NewGame, End, Save, ChooseBack, ChooseFaceSet, TurnCard, ChooseBoard, ChooseOwnDeck,
                     ComposeDeck, SaveDeck, OpenDeck, ChoosePlayers, ComputerMove, SayScore, ChooseLanguage };

// Whether carrying the command out writes the highscore table to the store.
constexpr bool StoresTable(Command command) {
    return command == Command::Save;
}

// Whether carrying the command out may write to the store at all: the table, the board chosen, whether the own
// deck is in play, or who plays, which are kept in the full board's key beside its table.
constexpr bool WritesStore(Command command) {
    return StoresTable(command) || command == Command::ChooseBoard || command == Command::ChooseOwnDeck ||
           command == Command::ChooseFaceSet || command == Command::ChoosePlayers || command == Command::ChooseLanguage;
}

}  // namespace pairfinder
