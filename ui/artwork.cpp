// Where the compiled-in pictures live and how one is rendered to a pixmap for the screen.
#include "artwork.h"

#include <QImage>
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
    return QStringLiteral(":/logo.png");
}

QString IconPath() {
    return QStringLiteral(":/icon.png");
}

QIcon ApplicationIcon() {
    // One picture: Qt scales it down for the smaller sizes.
    return QIcon(Render(IconPath(), QSize(64, 64), 1.0));
}

QPixmap Render(const QString& path, QSize size, qreal devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                       static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    QImage image;
    if (devicePixelRatio > 1.0 && path.endsWith(QStringLiteral(".png"))) {
        image.load(path.chopped(4) + QStringLiteral("@2x.png"));
    }
    if (image.isNull()) image.load(path);
    if (image.isNull() || pixels.isEmpty()) return {};
    if (image.size() != pixels) {
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace pairfinder::artwork
