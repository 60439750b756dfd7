// What a press of the player's does: a button, a menu item, a key or a tap becomes one of these, with its number.
#pragma once

namespace pairfinder {

// A choice and a card carry their number: the back picture, face set or board k (from 1, in menu order), the card
// at position p.
enum class Command { None, NewGame, End, Save, ChooseBack, ChooseFaceSet, TurnCard, ChooseBoard };

// Whether carrying the command out writes the highscore table to the store.
constexpr bool StoresTable(Command command) {
    return command == Command::Save;
}

// Whether carrying the command out writes to the store at all: the table, or the board chosen, which is kept in the
// full board's key beside its table.
constexpr bool WritesStore(Command command) {
    return StoresTable(command) || command == Command::ChooseBoard;
}

}  // namespace pairfinder
