// One picture of all the artwork side by side, as the window would show it, for looking at the sets whole.
#include "contact_sheet.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "artwork.h"

namespace pairfinder::artwork {

namespace {

constexpr int Margin = 12;
constexpr int Pitch = 72;  // a card and the gap beside it, as on the board
constexpr int Columns = 8;
constexpr int BlockGap = 36;
constexpr int BlockWidth = Columns * Pitch - (Pitch - PictureSize);
const QColor ButtonFace(0xf0, 0xf0, 0xf0);
const QColor Divider(0xc8, 0xc8, 0xc8);
constexpr int IconSizes[] = {64, 32, 16};

int Rows(int pictures) {
    return (pictures + Columns - 1) / Columns;
}

int BlockHeight(int pictures) {
    return Rows(pictures) * Pitch - (Pitch - PictureSize);
}

void DrawSet(QPainter& painter, int set, QPoint origin, qreal scale) {
    const QStringList paths = FaceSetPaths(set);
    for (int i = 0; i < paths.size(); ++i) {
        const QPoint at = origin + QPoint(i % Columns * Pitch, i / Columns * Pitch);
        painter.drawPixmap(at, Render(paths[i], QSize(PictureSize, PictureSize), scale));
    }
}

}  // namespace

QImage ContactSheet(qreal scale) {
    const int topHeight = std::max(BlockHeight(static_cast<int>(FaceSetPaths(0).size())),
                                   BlockHeight(static_cast<int>(FaceSetPaths(1).size())));
    const int bottomHeight = std::max(BlockHeight(static_cast<int>(FaceSetPaths(2).size())),
                                      BlockHeight(static_cast<int>(FaceSetPaths(3).size())));
    const int stripHeight = std::max({PictureSize, LogoSize.height(), IconSizes[0]});
    const QSize logical(2 * Margin + 2 * BlockWidth + BlockGap,
                        2 * Margin + topHeight + bottomHeight + stripHeight + 2 * BlockGap);

    QImage sheet(static_cast<int>(std::lround(logical.width() * scale)),
                 static_cast<int>(std::lround(logical.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(ButtonFace);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const int rightX = Margin + BlockWidth + BlockGap;
    const int bottomY = Margin + topHeight + BlockGap;
    DrawSet(painter, 0, QPoint(Margin, Margin), scale);
    DrawSet(painter, 1, QPoint(rightX, Margin), scale);
    DrawSet(painter, 2, QPoint(Margin, bottomY), scale);
    DrawSet(painter, 3, QPoint(rightX, bottomY), scale);

    // Thin rules in the gaps keep the four sets apart without putting anything behind the pictures.
    const int stripY = bottomY + bottomHeight + BlockGap;
    painter.setPen(QPen(Divider, 1.0));
    painter.drawLine(QPointF(rightX - BlockGap / 2.0, Margin),
                     QPointF(rightX - BlockGap / 2.0, stripY - BlockGap / 2.0));
    painter.drawLine(QPointF(Margin, bottomY - BlockGap / 2.0),
                     QPointF(logical.width() - Margin, bottomY - BlockGap / 2.0));
    painter.drawLine(QPointF(Margin, stripY - BlockGap / 2.0),
                     QPointF(logical.width() - Margin, stripY - BlockGap / 2.0));

    int x = Margin;
    for (const QString& path : BackPaths()) {
        painter.drawPixmap(QPoint(x, stripY), Render(path, QSize(PictureSize, PictureSize), scale));
        x += Pitch;
    }
    x += BlockGap - (Pitch - PictureSize);
    painter.drawPixmap(QPoint(x, stripY), Render(LogoPath(), LogoSize, scale));
    x += LogoSize.width() + BlockGap;
    for (const int side : IconSizes) {
        painter.drawPixmap(QPoint(x, stripY), Render(IconPath(), QSize(side, side), scale));
        x += side + Margin;
    }
    return sheet;
}

QImage GreyScale(const QImage& sheet) {
    QImage grey = sheet.convertToFormat(QImage::Format_Grayscale8);
    grey.setDevicePixelRatio(sheet.devicePixelRatio());
    return grey;
}

}  // namespace pairfinder::artwork
