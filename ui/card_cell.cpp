// A card cell: a small picture control that draws its pixmap unscaled and reports left clicks.
#include "card_cell.h"

#include <QMouseEvent>
#include <QPainter>

namespace pairfinder {

CardCell::CardCell(QWidget* parent) : QWidget(parent) {
    // Cards are chosen with the mouse only.
    setFocusPolicy(Qt::NoFocus);
}

void CardCell::SetPicture(const QPixmap& picture) {
    // Every redraw of the board hands most cells the very pixmap they already show; skipping the
    // repaint then keeps a click cheap.
    const bool same = picture.isNull()
                          ? CurrentPicture.isNull()
                          : !CurrentPicture.isNull() && picture.cacheKey() == CurrentPicture.cacheKey();
    CurrentPicture = picture;
    if (!same) update();
}

void CardCell::paintEvent(QPaintEvent*) {
    if (CurrentPicture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, CurrentPicture);
}

void CardCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LeftPressed = true;
    event->accept();
}

void CardCell::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = LeftPressed;
    LeftPressed = false;
    // A press that wanders off the cell before the release is no click.
    if (wasPressed && rect().contains(event->position().toPoint()) && isEnabled()) emit Clicked(this);
}

}  // namespace pairfinder
