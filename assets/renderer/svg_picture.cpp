// How a drawing becomes a picture: the one SVG renderer behind every picture the program shows.
#include "svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pairfinder::artwork {

QImage RenderSvg(const QString& file, QSize pixels) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

}  // namespace pairfinder::artwork
