// TForm1's event handlers and the requests of the game rules, as the window carries them out.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "card_cell.h"
#include "main_window.h"
#include "picture_list.h"

namespace pairfinder {

void TForm1::OnCreate() {
    Blatt.front()->setChecked(true);
    Deck.front()->setChecked(true);
    CellList.assign(Images.begin(), Images.end());
    for (CardCell* cell : CellList) {
        connect(cell, &CardCell::Clicked, this,
                [this](CardCell* sender) { Handle([this, sender] { OnClick(sender); }); });
        cell->setEnabled(false);
    }
    Game.StartFirstGame();
}

void TForm1::OnClick(CardCell* sender) {
    const auto found = std::find(CellList.begin(), CellList.end(), sender);
    const auto p = found == CellList.end() ? -1 : static_cast<std::int32_t>(found - CellList.begin());
    Game.CardClicked(p);
}

void TForm1::btn_MixClick() {
    Game.NewGame();
}

void TForm1::Mixitnew1Click() {
    Game.NewGame();
}

void TForm1::btn_EndClick() {
    close();
}

void TForm1::Ferdisch1Click() {
    close();
}

void TForm1::BlattClick(int k) {
    for (std::size_t i = 0; i < Blatt.size(); ++i) Blatt[i]->setChecked(static_cast<int>(i) + 1 == k);
    Game.ChooseBack(k - 1);
}

void TForm1::DeckClick(int k) {
    for (std::size_t i = 0; i < Deck.size(); ++i) Deck[i]->setChecked(static_cast<int>(i) + 1 == k);
    Game.ChooseFaceSet(k - 1);
}

void TForm1::btn_SaveClick() {
    Game.SaveResult(edt_Name->text().toStdString());
}

void TForm1::OnClose() {
    Game.Release();
    Closed = true;
}

void TForm1::HideOutcome() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{lbl_ferdisch, lbl_Name, edt_Name, btn_Save, lbl_Looser}) {
        control->hide();
    }
}

void TForm1::ShowAttempts(int n) {
    lbl_Count->setText(QString::number(n));
    FitCountLabel();
}

// Drawing replaces a cell's picture whole, so a cell is handed only its final picture: one that gets
// the pixmap it already shows is then not repainted, which keeps a redraw of the board cheap.
void TForm1::ShowBack(CardCell& cell) {
    const int back = Game.Board.BackIndex();
    if (back < 0) {
        cell.Discard();
        return;
    }
    DeckblattList->Draw(back, cell);
}

void TForm1::ShowBacks() {
    if (Game.Board.IsReleased()) return;
    for (std::size_t p = 0; p < CellList.size(); ++p) {
        CardCell& cell = *CellList[p];
        if (Game.Board.Matched[p]) {
            cell.Discard();
            cell.setEnabled(false);
        } else {
            ShowBack(cell);
            cell.setEnabled(true);
        }
    }
}

void TForm1::ShowFace(int p) {
    if (!Game.Board.IsPosition(p) || static_cast<std::size_t>(p) >= CellList.size()) return;
    FakeList->Draw(Game.Board.PairOf[static_cast<std::size_t>(p)], *CellList[static_cast<std::size_t>(p)]);
}

void TForm1::LoadFaceSet() {
    FakeList->Clear();
    const int set = Game.Board.FaceSetIndex();
    if (set < 0 || static_cast<std::size_t>(set) >= MasterList.size()) return;
    FakeList->AddCopiesOf(*MasterList[static_cast<std::size_t>(set)]);
}

void TForm1::ShowOutcome(bool qualifies) {
    FitOutcomeLabels();
    lbl_ferdisch->show();
    if (qualifies) {
        lbl_Name->show();
        edt_Name->show();
        btn_Save->show();
    } else {
        lbl_Looser->show();
    }
}

void TForm1::LoadHighscores() {
    if (Storage.Load) Storage.Load(Game.Highscores);
}

void TForm1::StoreHighscores() {
    if (Storage.Store) Storage.Store(Game.Highscores);
}

void TForm1::ShowHighscoreMenu() {
    // A menu takes "&" as the mark of its accelerator letter; a player's name is shown as it was typed.
    const auto menuText = [](const std::string& caption) {
        return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    const auto captions = Game.Highscores.HighscoreCaptions();
    Erster->setText(menuText(captions[0]));
    Zweiter->setText(menuText(captions[1]));
    Dritter->setText(menuText(captions[2]));
}

}  // namespace pairfinder
