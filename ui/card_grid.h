// The cards' grid: the 64 card cells, of which the board in play shows its own, and one keyboard stop for all of them with a current cell, as an item
// view has, moved by the arrow keys, Home and End and turned by Enter or Space.
#pragma once

#include <QWidget>
#include <array>

#include "window_layout.h"

namespace pairfinder {

class CardCell;

class CardGrid : public QWidget {
    Q_OBJECT

public:
    // Covers the cells and the gaps round them within `parent`, where the cells lie as the layout places
    // them.
    explicit CardGrid(QWidget* parent);

    // Shows the board's cells where the layout places them, and hides the cells the board has none for. The
    // keyboard stays on its cell when the board still has it, and goes to the first card otherwise.
    void Lay(const BoardSize& board);
    const BoardSize& Board() const { return Laid; }

    CardCell* Cell(int p) const { return Cells[static_cast<std::size_t>(p)]; }
    // The position of `cell`, -1 for a cell of another grid.
    int PositionOf(const CardCell* cell) const;
    // A cell holds a card while its card is in play; a removed card's cell is empty.
    bool HoldsCard(int p) const;

    // The cell the keyboard is on. It stays put when its card leaves, so that the player keeps their place.
    int Current() const { return CurrentCell; }
    void SetCurrent(int p);
    // Whether the keyboard is on the grid, and so on the current cell.
    bool IsFocusedCell(int p) const { return hasFocus() && p == CurrentCell; }

signals:
    // The card at p was clicked, or turned by a key.
    void CardPressed(int p);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PlaceRing();
    void TellCurrentCell();

    std::array<CardCell*, layout::CellCount> Cells{};
    BoardSize Laid = FullBoard;
    int CurrentCell = 0;
    // The focus ring round the current cell; made the first time the grid takes the keyboard.
    QWidget* Ring = nullptr;
};

}  // namespace pairfinder
