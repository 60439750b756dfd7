// Where the compiled-in pictures live and how one is rendered to a pixmap for the screen.
#include "artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <span>

namespace pairfinder::artwork {

namespace {

QStringList PathsOf(std::span<const char* const> paths) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(paths.size()));
    for (const char* path : paths) list << QString::fromLatin1(path);
    return list;
}

}  // namespace

QStringList FaceSetPaths(int set) {
    if (set < 0 || set >= FaceSetCount) return {};
    return PathsOf(manifest::FaceSets[static_cast<std::size_t>(set)]);
}

QStringList BackPaths() {
    return PathsOf(manifest::Backs);
}

QString LogoPath() {
    return QStringLiteral(":/logo.svg");
}

QString IconPath() {
    return QStringLiteral(":/icon.svg");
}

QIcon ApplicationIcon() {
    // One rendering: Qt scales it down for the smaller sizes, and parsing the SVG is most of the cost.
    return QIcon(Render(IconPath(), QSize(64, 64), 1.0));
}

QPixmap Render(const QString& path, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    const QSize pixels(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                       static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace pairfinder::artwork
