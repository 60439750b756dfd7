// The window's part of playing together: the players' form, the list of players beside the cards, the computer's
// pace and the finish of a game together.
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "main_window.h"
#include "players_form.h"
#include "players_panel.h"

namespace pairfinder {

void TForm1::AskPlayers(const PlayersChoice& offered) {
    // The item checks itself when chosen; it stays as the company in play says until the form is taken.
    ShowChoice(layout::Command::ChoosePlayers, static_cast<int>(Game.Players.Who) + 1);
    // The form opens once the press has been handled, so that the rules are not pressed again from inside it.
    QTimer::singleShot(0, this, [this, offered] {
        if (Closed) return;
        PlayersForm form(offered, this);
        if (form.exec() != QDialog::Accepted || Closed) return;
        const int number = static_cast<int>(offered.Who) + 1;
        Handle([this, number, answer = form.Answer()] {
            Game.Run(layout::Command::ChoosePlayers, number, answer);
        });
    });
}

void TForm1::ShowPlayers(const std::vector<Seat>& seats, int turn) {
    ShowSeats(*Control<QWidget>(layout::PlayersPanel().Name), seats, turn);
}

// The computer's card comes when its pace says, through the same guard as every press; a move the rules asked for
// before a new deal is void by then, and the rules ignore it.
void TForm1::WaitForComputer(int milliseconds, int move) {
    QTimer::singleShot(milliseconds, this, [this, move] {
        if (!Closed) Handle([this, move] { Game.Run(layout::Command::ComputerMove, move); });
    });
}

void TForm1::ShowWinner(const std::string& winner) {
    FitOutcomeLabels();
    for (const layout::Control& control : layout::Controls) {
        if (!layout::ShownAtFinishTogether(control.ShownWhen)) continue;
        auto* widget = Control<QWidget>(control.Name);
        if (auto* label = qobject_cast<QLabel*>(widget); label && control.Wraps) {
            label->setText(QtText(winner));
            // Long names take more lines than the layout's height holds; the label grows down over the cards.
            label->resize(label->width(), std::max(control.Geometry.Height, label->heightForWidth(label->width())));
        }
        widget->show();
        // The banner is said as the game of one says it; who won the rules say after it.
        if (control.Type == layout::Kind::Label && !control.Caption.empty())
            Game.Say(Tr(std::string(control.Caption).c_str()));
    }
}

std::optional<PlayersChoice> TForm1::LoadPlayers() {
    return Storage.LoadPlayers ? Storage.LoadPlayers() : std::nullopt;
}

void TForm1::StorePlayers(const PlayersChoice& choice) {
    if (Storage.StorePlayers) Storage.StorePlayers(choice);
}

}  // namespace pairfinder
