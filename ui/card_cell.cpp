// A card cell: a small picture control that draws its pixmap unscaled and reports left clicks, and knows what
// its picture shows, so that a screen reader can say it.
#include "card_cell.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessible_window.h"

namespace pairfinder {

CardCell::CardCell(QWidget* parent) : QWidget(parent) {
    // The grid the cell lies in takes the keyboard for all of them: a removed card's disabled cell could not
    // keep it.
    setFocusPolicy(Qt::NoFocus);
}

void CardCell::SetPicture(const QPixmap& picture, CardView view, PictureName face) {
    // Every redraw of the board hands most cells the very pixmap they already show; skipping the
    // repaint then keeps a click cheap.
    const bool same = picture.isNull()
                          ? CurrentPicture.isNull()
                          : !CurrentPicture.isNull() && picture.cacheKey() == CurrentPicture.cacheKey();
    const bool renamed = view != CurrentView || face.Singular != CurrentFace.Singular;
    CurrentPicture = picture;
    CurrentView = view;
    CurrentFace = face;
    if (!same) update();
    if (renamed) NotifyReader(*this, QAccessible::NameChanged);
}

void CardCell::Press() {
    if (isEnabled()) emit Clicked();
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
    if (wasPressed && rect().contains(event->position().toPoint())) Press();
}

}  // namespace pairfinder
