// Where the compiled-in pictures live and how one is rendered to a pixmap for the screen.
#include "artwork.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace pairfinder::artwork {

namespace {

QStringList SvgFilesIn(const QString& folder) {
    const QDir dir(folder);
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name)) {
        paths << dir.filePath(name);
    }
    return paths;
}

}  // namespace

QStringList FaceSetPaths(int set) {
    if (set < 0 || set >= FaceSetCount) return {};
    return SvgFilesIn(QStringLiteral(":/faces%1").arg(set + 1));
}

QStringList BackPaths() { return SvgFilesIn(QStringLiteral(":/backs")); }

QString LogoPath() { return QStringLiteral(":/logo.svg"); }

QString IconPath() { return QStringLiteral(":/icon.svg"); }

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
