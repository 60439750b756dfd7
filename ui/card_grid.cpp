// The cards' grid: the 64 card cells, of which the board in play shows its own, and one keyboard stop for all of them with a current cell, as an item
// view has, moved by the arrow keys, Home and End and turned by Enter or Space.
#include "card_grid.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "accessible_window.h"
#include "card_cell.h"

namespace pairfinder {

namespace {

// Each ring of the focus outline: a white one on the card, which a dark back sets off, and a black one
// outside it, which the light window colour and a light face set off. Both lie in the gap between the cards.
constexpr int RingWidth = 2;
constexpr int Outline = 2 * RingWidth;

QRect CellRect(const BoardSize& board, int p) {
    const layout::Rect rect = layout::CellGeometry(board, p);
    return {rect.Left, rect.Top, rect.Width, rect.Height};
}

std::optional<layout::Step> StepOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return layout::Step::Left;
        case Qt::Key_Right:
            return layout::Step::Right;
        case Qt::Key_Up:
            return layout::Step::Up;
        case Qt::Key_Down:
            return layout::Step::Down;
        case Qt::Key_Home:
            return layout::Step::RowStart;
        case Qt::Key_End:
            return layout::Step::RowEnd;
        default:
            return std::nullopt;
    }
}

// Drawn above the cells, so that it shows where the window has no gap for it: below the last row it lies on
// the card's own edge. It lets the mouse through to the cells.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect outer = rect();
        for (const auto& [inset, colour] : {std::pair{0, Qt::black}, std::pair{RingWidth, Qt::white}}) {
            const QRect ring = outer.adjusted(inset, inset, -inset, -inset);
            const QRect inner = ring.adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth);
            painter.setClipRegion(QRegion(ring).subtracted(QRegion(inner)));
            painter.fillRect(ring, colour);
        }
    }
};

}  // namespace

CardGrid::CardGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CardGrid"));
    // Tab reaches the grid; a click on a card does not move the keyboard there.
    setFocusPolicy(Qt::TabFocus);
    QRect covered;
    for (int p = 0; p < layout::CellCount; ++p) {
        auto* cell = new CardCell(this);
        cell->setObjectName(QStringLiteral("Image%1").arg(p + 1));
        cell->setGeometry(CellRect(Laid, p));
        Cells[static_cast<std::size_t>(p)] = cell;
        connect(cell, &CardCell::Clicked, this, [this, p] { emit CardPressed(p); });
        covered |= CellRect(Laid, p);
    }
    // From the parent's corner, so that the cells keep the layout's coordinates. Every board lies within the full
    // board's cards, so the grid covers them all.
    covered = covered.adjusted(-Outline, -Outline, Outline, Outline);
    setGeometry(QRect(QPoint(0, 0), covered.bottomRight()).intersected(parent->rect()));
}

void CardGrid::Lay(const BoardSize& board) {
    // The same board again moves nothing; another is repainted once, whole, rather than cell by cell.
    if (board == Laid) return;
    Laid = board;
    setUpdatesEnabled(false);
    for (int p = 0; p < layout::CellCount; ++p) {
        CardCell* cell = Cell(p);
        const bool onBoard = p < board.Cards();
        if (onBoard) cell->setGeometry(CellRect(board, p));
        // A cell the board has no card for must take no click and no key.
        cell->setVisible(onBoard);
        if (!onBoard) cell->setEnabled(false);
    }
    setUpdatesEnabled(true);
    if (CurrentCell >= board.Cards()) CurrentCell = 0;
    if (!hasFocus()) return;
    PlaceRing();
    TellCurrentCell();
}

int CardGrid::PositionOf(const CardCell* cell) const {
    for (int p = 0; p < layout::CellCount; ++p) {
        if (Cell(p) == cell) return p;
    }
    return -1;
}

bool CardGrid::HoldsCard(int p) const {
    return p >= 0 && p < Laid.Cards() && Cell(p)->isEnabled();
}

void CardGrid::SetCurrent(int p) {
    if (p < 0 || p >= Laid.Cards() || p == CurrentCell) return;
    CurrentCell = p;
    if (!hasFocus()) return;
    PlaceRing();
    TellCurrentCell();
}

void CardGrid::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const auto step = StepOf(event->key())) {
        SetCurrent(layout::NextCell(Laid, CurrentCell, *step, [this](int p) { return HoldsCard(p); }));
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Cell(CurrentCell)->Press();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CardGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!Ring) Ring = new FocusRing(this);
    PlaceRing();
    Ring->show();
    // Qt tells a screen reader of the grid's own focus once this returns; the current cell's comes after it,
    // so that the reader ends on the card.
    QMetaObject::invokeMethod(this, &CardGrid::TellCurrentCell, Qt::QueuedConnection);
}

void CardGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (Ring) Ring->hide();
    if (QAccessible::isActive()) {
        QAccessible::State focused;
        focused.focused = true;
        QAccessibleStateChangeEvent change(Cell(CurrentCell), focused);
        QAccessible::updateAccessibility(&change);
    }
}

void CardGrid::PlaceRing() {
    if (!Ring) return;
    // Below the last row the canvas ends with the card: that side of the ring lies on the card's edge
    // instead.
    QRect ring = CellRect(Laid, CurrentCell).adjusted(-Outline, -Outline, Outline, Outline);
    ring.setBottom(std::min(ring.bottom(), rect().bottom()));
    ring.setRight(std::min(ring.right(), rect().right()));
    Ring->setGeometry(ring);
    Ring->raise();
}

// A screen reader follows the current cell as it would the focus of a control of its own.
void CardGrid::TellCurrentCell() {
    NotifyReader(*Cell(CurrentCell), QAccessible::Focus);
}

}  // namespace pairfinder
