// The compiled-in picture lists: how many pictures each holds, in which order, how each drawing is made, and
// that the pictures the program carries are those drawings as the SVG renderer makes them.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <algorithm>
#include <set>
#include <string>
#include <cstdlib>
#include <vector>
#include <QSvgRenderer>

#include "artwork.h"
#include "picture_signature.h"
#include "svg_picture.h"

namespace pairfinder::artwork {
namespace {

QStringList AllCardPictures() {
    QStringList paths;
    for (int set = 0; set < FaceSetCount; ++set) paths << FaceSetPaths(set);
    return paths << BackPaths();
}

// Share of pixels a picture covers at all; the rounded tile alone covers nearly all of a card.
double CoveredShare(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) covered += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return static_cast<double>(covered) / (image.width() * image.height());
}

// The drawing a carried picture was rendered from: ":/faces1/face00.png" is faces1/face00.svg under assets/.
QString DrawingOf(const QString& picture) {
    return QStringLiteral(PAIRFINDER_ARTWORK_DIR) + picture.mid(1).chopped(4) + QStringLiteral(".svg");
}

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

// How many pictures each list holds is the window's test (tests/ui/card_pictures_test.cpp).
TEST(PictureLists, NoFaceSetLiesBeyondTheFolders) {
    EXPECT_TRUE(FaceSetPaths(FaceSetCount).isEmpty());
    EXPECT_TRUE(FaceSetPaths(-1).isEmpty());
}

TEST(PictureLists, PictureNumberNIsFileNumberN) {
    // The pair number picks the picture by index, so the list order must follow the file numbers.
    for (int set = 0; set < FaceSetCount; ++set) {
        const QStringList paths = FaceSetPaths(set);
        for (int i = 0; i < paths.size(); ++i) {
            EXPECT_EQ(QFileInfo(paths[i]).fileName(), QStringLiteral("face%1.png").arg(i, 2, 10, QChar('0')))
                << "set " << set + 1;
        }
    }
}

TEST(PictureLists, TheBacksInMenuOrder) {
    const QStringList backs = BackPaths();
    for (int i = 0; i < backs.size(); ++i) {
        EXPECT_EQ(QFileInfo(backs[i]).fileName(), QStringLiteral("back%1.png").arg(i + 1));
    }
}

// A player who hears the cards tells them apart by these names, one of each in the singular and in the plural.
TEST(PictureNames, EveryPictureHasANameAndNoTwoFacesOfASetShareOne) {
    const auto text = [](std::string_view name) { return std::string(name); };
    for (int set = 0; set < FaceSetCount; ++set) {
        std::set<std::string> names;
        std::set<std::string> plurals;
        for (const pictures::Picture& face : pictures::FaceSets[static_cast<std::size_t>(set)]) {
            EXPECT_FALSE(face.Name.empty()) << text(face.File) << " has no name";
            EXPECT_FALSE(face.Plural.empty()) << text(face.File) << " has no plural";
            EXPECT_TRUE(names.insert(text(face.Name)).second)
                << text(face.File) << ": another face of the set is called " << text(face.Name);
            EXPECT_TRUE(plurals.insert(text(face.Plural)).second)
                << text(face.File) << ": another face of the set is, two of it, " << text(face.Plural);
        }
    }
    std::set<std::string> backs;
    for (const pictures::Picture& back : pictures::Backs) {
        EXPECT_FALSE(back.Name.empty()) << text(back.File) << " has no name";
        EXPECT_TRUE(backs.insert(text(back.Name)).second) << text(back.File) << " shares its name";
    }
}

TEST(PictureFiles, EveryCardPictureIsDrawnForSixtyBySixty) {
    for (const QString& path : AllCardPictures()) {
        const QSvgRenderer renderer(DrawingOf(path));
        ASSERT_TRUE(renderer.isValid()) << qPrintable(path);
        EXPECT_EQ(renderer.defaultSize(), QSize(PictureSize, PictureSize)) << qPrintable(path);
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, PictureSize, PictureSize)) << qPrintable(path);
    }
}

TEST(PictureFiles, TheLogoIsDrawnForItsPanelAndTheIconIsSquare) {
    EXPECT_EQ(QSvgRenderer(DrawingOf(LogoPath())).defaultSize(), LogoSize);
    const QSize icon = QSvgRenderer(DrawingOf(IconPath())).defaultSize();
    EXPECT_FALSE(icon.isEmpty());
    EXPECT_EQ(icon.width(), icon.height());
}

TEST(PictureFiles, UseOnlyPlainShapesAndStayCheapToRender) {
    // Text would draw with whatever font a machine has; filters, clipping and masks are slow or
    // unsupported in Qt's renderer; outside references would leave the picture behind.
    const QStringList forbidden{"<text",  "<image",      "<filter",     "<clipPath",   "<mask",
                                "<style", "font-family", "href=\"http", "href=\"file", "href=\"data"};
    QStringList paths = AllCardPictures();
    paths << LogoPath() << IconPath();
    for (const QString& path : paths) {
        QFile file(DrawingOf(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& word : forbidden) {
            EXPECT_FALSE(text.contains(word, Qt::CaseInsensitive))
                << qPrintable(path) << " uses " << qPrintable(word);
        }
        EXPECT_LT(text.size(), 4096) << qPrintable(path) << " is too heavy for a small picture";
    }
}

// A card at every board's card side: a picture scaled from another size would not be its drawing.
TEST(Rendering, EveryPictureIsItsDrawingAsTheSvgRendererMakesItAtOneAndTwoTimes) {
    struct Case {
        QString Path;
        QSize Size;
    };
    std::vector<Case> cases{{LogoPath(), LogoSize}, {IconPath(), QSize(layout::IconSize, layout::IconSize)}};
    std::set<int> sides;
    for (const BoardSize& board : BoardSizes) sides.insert(layout::CardSideOf(board));
    ASSERT_EQ(sides, (std::set<int>{60, 80, 120}));
    for (const QString& path : AllCardPictures()) {
        for (const int side : sides) cases.push_back({path, QSize(side, side)});
    }
    for (const auto& [path, size] : cases) {
        for (const int scale : {1, 2}) {
            const QImage carried = Render(path, size, scale).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage drawn = RenderSvg(DrawingOf(path), size * scale).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(carried.size(), size * scale) << qPrintable(path) << " at " << scale << "x";
            // PNG keeps colours unpremultiplied: a half-covered edge pixel may come back one step off.
            int largest = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb a = carried.pixel(x, y);
                    const QRgb b = drawn.pixel(x, y);
                    largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                }
            }
            EXPECT_LE(largest, 1) << qPrintable(path) << " at " << scale << "x";
        }
    }
}

TEST(Rendering, EveryCardPictureRendersAFilledTileWithAMotif) {
    for (const QString& path : AllCardPictures()) {
        const QPixmap pixmap = Render(path, QSize(PictureSize, PictureSize), 1.0);
        ASSERT_FALSE(pixmap.isNull()) << qPrintable(path);
        const QImage image = pixmap.toImage();
        ASSERT_EQ(image.size(), QSize(PictureSize, PictureSize)) << qPrintable(path);
        EXPECT_GT(CoveredShare(image), 0.9) << qPrintable(path);
        // A bare tile has its fill, its outline and their blend; a motif brings many more.
        EXPECT_GT(DistinctColours(image), 12) << qPrintable(path);
    }
}

TEST(Rendering, TheWindowShowsThroughTheCornersOfEveryCard) {
    for (const QString& path : AllCardPictures()) {
        const QImage image = Render(path, QSize(PictureSize, PictureSize), 1.0).toImage();
        const int last = PictureSize - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
                << qPrintable(path) << " at " << corner.x() << ',' << corner.y();
        }
    }
}

TEST(Rendering, OnAHighDensityScreenAPictureHasTwiceThePixelsAndLooksTheSame) {
    for (const QString& path : AllCardPictures()) {
        const QPixmap sharp = Render(path, QSize(PictureSize, PictureSize), 2.0);
        ASSERT_EQ(sharp.size(), QSize(2 * PictureSize, 2 * PictureSize)) << qPrintable(path);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        const Signature plain = SignatureOf(RenderedOnButtonFace(path), Channels::Colour);
        const Signature doubled = SignatureOf(OnButtonFace(sharp.toImage()), Channels::Colour);
        // Hairlines blend differently at the two densities, but far less than two pictures differ.
        EXPECT_LT(SignatureDistance(plain, doubled), NearDuplicateThreshold / 2) << qPrintable(path);
    }
}

TEST(Rendering, TheLogoFillsItsPanelPlaceAndTheIconReadsAtTaskBarSizes) {
    const QImage logo = Render(LogoPath(), LogoSize, 1.0).toImage();
    ASSERT_EQ(logo.size(), LogoSize);
    EXPECT_GT(CoveredShare(logo), 0.4);
    EXPECT_GT(DistinctColours(logo), 12);
    for (const int side : {16, 32, 48}) {
        const QImage icon = Render(IconPath(), QSize(side, side), 1.0).toImage();
        ASSERT_EQ(icon.size(), QSize(side, side));
        EXPECT_GT(CoveredShare(icon), 0.4) << side;
        EXPECT_GT(DistinctColours(icon), 6) << side;
    }
}

}  // namespace
}  // namespace pairfinder::artwork
