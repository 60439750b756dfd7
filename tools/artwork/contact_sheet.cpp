// One picture of all the artwork side by side, as the window would show it, for looking at the sets whole.
#include "contact_sheet.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork.h"

namespace pairfinder::artwork {

namespace {

constexpr int Margin = 12;
constexpr int Pitch = metrics::CardPitch;
constexpr int Columns = metrics::CardColumns;
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
    // Two sets side by side, as many rows of them as it takes.
    const int setRows = (FaceSetCount + 1) / 2;
    std::vector<int> rowHeights(static_cast<std::size_t>(setRows), 0);
    for (int set = 0; set < FaceSetCount; ++set) {
        int& height = rowHeights[static_cast<std::size_t>(set / 2)];
        height = std::max(height, BlockHeight(static_cast<int>(FaceSetPaths(set).size())));
    }
    int setsHeight = 0;
    for (const int height : rowHeights) setsHeight += height + BlockGap;
    const int stripHeight = std::max({PictureSize, LogoSize.height(), IconSizes[0]});
    const QSize logical(2 * Margin + 2 * BlockWidth + BlockGap, 2 * Margin + setsHeight + stripHeight);

    QImage sheet(static_cast<int>(std::lround(logical.width() * scale)),
                 static_cast<int>(std::lround(logical.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(ButtonFace);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Thin rules in the gaps keep the sets apart without putting anything behind the pictures.
    const int rightX = Margin + BlockWidth + BlockGap;
    painter.setPen(QPen(Divider, 1.0));
    int rowY = Margin;
    for (int row = 0; row < setRows; ++row) {
        DrawSet(painter, 2 * row, QPoint(Margin, rowY), scale);
        if (2 * row + 1 < FaceSetCount) DrawSet(painter, 2 * row + 1, QPoint(rightX, rowY), scale);
        rowY += rowHeights[static_cast<std::size_t>(row)] + BlockGap;
        painter.drawLine(QPointF(Margin, rowY - BlockGap / 2.0),
                         QPointF(logical.width() - Margin, rowY - BlockGap / 2.0));
    }
    const int stripY = rowY;
    painter.drawLine(QPointF(rightX - BlockGap / 2.0, Margin),
                     QPointF(rightX - BlockGap / 2.0, stripY - BlockGap / 2.0));

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
