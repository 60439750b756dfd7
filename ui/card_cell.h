// A card cell: a small picture control that draws its pixmap unscaled and reports left clicks, and knows what
// its picture shows, so that a screen reader can say it.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "spoken_text.h"

namespace pairfinder {

class CardCell : public QWidget {
    Q_OBJECT

public:
    explicit CardCell(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return CurrentPicture; }
    // What the picture shows: a back, a face with its name, or nothing once the card has left the board. A
    // null pixmap leaves the cell blank, so the window shows through.
    void SetPicture(const QPixmap& picture, CardView view = CardView::Hidden, PictureName face = {});
    void Discard() { SetPicture(QPixmap(), CardView::Removed); }
    CardView View() const { return CurrentView; }
    PictureName Face() const { return CurrentFace; }

    // What a left click does, for a key that turns the card: a cell that holds no card takes neither.
    void Press();

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap CurrentPicture;
    CardView CurrentView = CardView::Removed;
    PictureName CurrentFace;
    bool LeftPressed = false;
};

}  // namespace pairfinder
