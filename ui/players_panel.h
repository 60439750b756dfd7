// The players' panel beside the cards while two or more play: whose turn it is, and each player's name, pairs and
// attempts, the one to play marked by more than colour.
#pragma once

#include <QWidget>
#include <vector>

#include "players.h"

class QLabel;

namespace pairfinder {

// One player's row: the turn's mark, the name, cut with an ellipsis where it is too long, and the pairs and
// attempts below it. A reader hears it as one line with the name whole, never its pieces again.
class SeatRow : public QWidget {
    Q_OBJECT

public:
    // Row `number` counts from 1, as its children's names do ("SeatName1").
    SeatRow(int number, QWidget* parent);

    void Show(const Seat& seat, bool toPlay);

private:
    QLabel* Mark = nullptr;
    QLabel* Name = nullptr;
    QLabel* Score = nullptr;
};

// Fills the panel with the seats, the one at `turn` marked, and shows it; fewer than two seats hide it. Its lines
// are made the first time there are seats to show, so that a player alone pays nothing for them.
void ShowSeats(QWidget& panel, const std::vector<Seat>& seats, int turn);

}  // namespace pairfinder
