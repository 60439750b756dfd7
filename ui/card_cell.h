// A card cell: a small picture control that draws its pixmap unscaled and reports left clicks.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace pairfinder {

class CardCell : public QWidget {
    Q_OBJECT

public:
    explicit CardCell(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return CurrentPicture; }
    // A null pixmap leaves the cell blank, so the window shows through.
    void SetPicture(const QPixmap& picture);
    void Discard() { SetPicture(QPixmap()); }

signals:
    void Clicked(CardCell* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap CurrentPicture;
    bool LeftPressed = false;
};

}  // namespace pairfinder
