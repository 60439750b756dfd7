// The window's part of playing together: the players' form, the list of players beside the cards, the computer's
// pace and the finish of a game together.
#include <QTimer>

#include "main_window.h"

namespace pairfinder {

void TForm1::AskPlayers(const PlayersChoice& offered) {
    static_cast<void>(offered);
}

void TForm1::ShowPlayers(const std::vector<Seat>& seats, int turn) {
    static_cast<void>(seats);
    static_cast<void>(turn);
}

// The computer's card comes when its pace says, through the same guard as every press; a move the rules asked for
// before a new deal is void by then, and the rules ignore it.
void TForm1::WaitForComputer(int milliseconds, int move) {
    QTimer::singleShot(milliseconds, this, [this, move] {
        if (!Closed) Handle([this, move] { Game.Run(layout::Command::ComputerMove, move); });
    });
}

void TForm1::ShowWinner(const std::string& winner) {
    static_cast<void>(winner);
}

std::optional<PlayersChoice> TForm1::LoadPlayers() {
    return Storage.LoadPlayers ? Storage.LoadPlayers() : std::nullopt;
}

void TForm1::StorePlayers(const PlayersChoice& choice) {
    if (Storage.StorePlayers) Storage.StorePlayers(choice);
}

}  // namespace pairfinder
