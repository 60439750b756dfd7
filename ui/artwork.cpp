// Where the compiled-in pictures live and how one is rendered to a pixmap for the screen.
#include "artwork.h"

#include <QImage>
#include <QImageReader>
#include <cmath>
#include <span>

namespace pairfinder::artwork {

QString PathOf(const pictures::Picture& picture) {
    return QStringLiteral(":/") +
           QString::fromUtf8(picture.File.data(), static_cast<qsizetype>(picture.File.size())) +
           QStringLiteral(".png");
}

namespace {

QStringList PathsOf(std::span<const pictures::Picture> list) {
    QStringList paths;
    paths.reserve(static_cast<qsizetype>(list.size()));
    for (const pictures::Picture& picture : list) paths << PathOf(picture);
    return paths;
}

}  // namespace

QStringList FaceSetPaths(int set) {
    if (set < 0 || set >= FaceSetCount) return {};
    return PathsOf(pictures::FaceSets[static_cast<std::size_t>(set)]);
}

QStringList BackPaths() {
    return PathsOf(pictures::Backs);
}

QString LogoPath() {
    return PathOf(pictures::Logo);
}

QString IconPath() {
    return PathOf(pictures::Icon);
}

QIcon ApplicationIcon() {
    // One picture: Qt scales it down for the smaller sizes.
    return QIcon(Render(IconPath(), QSize(layout::IconSize, layout::IconSize), 1.0));
}

QPixmap Render(const QString& path, QSize size, qreal devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                       static_cast<int>(std::lround(size.height() * devicePixelRatio)));
    if (pixels.isEmpty()) return {};
    // Only the headers are read to choose: the picture rendered at exactly these pixels, else the smallest one
    // larger, which scaled down stays sharp, else the largest there is.
    QStringList candidates{path};
    if (path.endsWith(QStringLiteral(".png"))) {
        const QString stem = path.chopped(4);
        candidates << stem + QStringLiteral("@2x.png");
        if (pixels.width() == pixels.height())
            candidates << stem + QStringLiteral("-%1.png").arg(pixels.width());
    }
    QString chosen;
    QSize chosenSize;
    for (const QString& candidate : candidates) {
        const QSize found = QImageReader(candidate).size();
        if (!found.isValid()) continue;
        const bool covers = found.width() >= pixels.width() && found.height() >= pixels.height();
        const bool chosenCovers = chosenSize.width() >= pixels.width() && chosenSize.height() >= pixels.height();
        const bool better = chosen.isEmpty() || (covers && (!chosenCovers || found.width() < chosenSize.width())) ||
                            (!covers && !chosenCovers && found.width() > chosenSize.width());
        if (better) {
            chosen = candidate;
            chosenSize = found;
        }
        // A picture rendered at exactly these pixels is the best there is: no other header need be read.
        if (chosenSize == pixels) break;
    }
    QImage image;
    if (!chosen.isEmpty()) image.load(chosen);
    if (image.isNull()) return {};
    if (image.size() != pixels) {
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace pairfinder::artwork
