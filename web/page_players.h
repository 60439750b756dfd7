// What the game's module hands the page's front end of who plays together, each as one text of parts ended by Apart.
#pragma once

#include <string>
#include <vector>

#include "players.h"

namespace pairfinder::web {

// Ends each part of such a text: no name holds it (a players' form's answer ends its fields with it).
inline constexpr char Apart = '\x1f';

// For the players' form: each person's name offered, then the label of its field.
std::string OfferedTexts(const PlayersChoice& offered);

// For the players' panel: whose turn it is in words as the words before the name, the name and the words after it,
// so that only the name is cut where the line is too narrow; then each seat's name, its pairs and attempts, and its
// row as a reader hears it. No seats give three empty parts.
std::string SeatsTexts(const std::vector<Seat>& seats, int turn);

}  // namespace pairfinder::web
