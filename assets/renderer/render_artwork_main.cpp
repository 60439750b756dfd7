// Renders SVG drawings to the PNG pictures the program carries: each at 1x and, for high-density screens,
// at 2x ("name@2x.png"), so the program needs no SVG renderer of its own. A card is also rendered at 1x and 2x of
// every larger board's card side, each pixel size once, named by its pixels ("name-160.png").
// Usage: pairfinder_render_artwork SOURCE_FOLDER OUTPUT_FOLDER card|logo|icon RELATIVE_PATH.svg...
// Each is rendered at the size the layout table shows it at.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <vector>

#include "svg_picture.h"
#include "window_layout.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "pairfinder_render_artwork: %s\n", qPrintable(message));
    return 1;
}

// Written through a temporary file, so a stopped build never leaves half a picture that looks finished.
bool Save(const QImage& image, const QString& file) {
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && image.save(&out, "PNG") && out.commit();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5) {
        return Fail(QStringLiteral("usage: pairfinder_render_artwork SOURCE OUTPUT card|logo|icon FILE.svg..."));
    }
    const QDir source(arguments[1]);
    const QDir output(arguments[2]);
    const pairfinder::layout::Rect logo = pairfinder::layout::Logo().Geometry;
    QSize pictureSize;
    if (arguments[3] == QLatin1String("card")) {
        pictureSize = QSize(pairfinder::metrics::CardSize, pairfinder::metrics::CardSize);
    } else if (arguments[3] == QLatin1String("logo")) {
        pictureSize = QSize(logo.Width, logo.Height);
    } else if (arguments[3] == QLatin1String("icon")) {
        pictureSize = QSize(pairfinder::layout::IconSize, pairfinder::layout::IconSize);
    } else {
        return Fail(QStringLiteral("%1 is not card, logo or icon").arg(arguments[3]));
    }

    // File name endings by pixel size: the full board's sides keep the names every picture has.
    std::vector<std::pair<QSize, QString>> renderings{{pictureSize, QStringLiteral(".png")},
                                                      {pictureSize * 2, QStringLiteral("@2x.png")}};
    if (arguments[3] == QLatin1String("card")) {
        for (const pairfinder::BoardSize& board : pairfinder::BoardSizes) {
            for (const int scale : {1, 2}) {
                const int pixels = pairfinder::layout::CardSideOf(board) * scale;
                const QSize size(pixels, pixels);
                bool known = false;
                for (const auto& rendering : renderings) known = known || rendering.first == size;
                if (!known) renderings.emplace_back(size, QStringLiteral("-%1.png").arg(pixels));
            }
        }
    }

    for (const QString& relative : arguments.mid(4)) {
        if (!relative.endsWith(QStringLiteral(".svg"))) return Fail(QStringLiteral("%1 is not an SVG file").arg(relative));
        const QString base = output.filePath(relative.chopped(4));
        if (!QDir().mkpath(QFileInfo(base).path())) return Fail(QStringLiteral("cannot create the folder of %1").arg(base));
        for (const auto& [size, ending] : renderings) {
            const QImage image = pairfinder::artwork::RenderSvg(source.filePath(relative), size);
            if (image.isNull()) return Fail(QStringLiteral("%1 does not load as SVG").arg(source.filePath(relative)));
            const QString file = base + ending;
            if (!Save(image, file)) return Fail(QStringLiteral("cannot write %1").arg(file));
        }
    }
    return 0;
}
