// The likeness measure on pictures whose answer is known: halves, plain colours and recolourings.
#include "picture_signature.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <stdexcept>

namespace pairfinder::artwork {
namespace {

QImage Plain(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Black on the left half, white on the right.
QImage Halves(int side) {
    QImage image = Plain(QSize(side, side), Qt::white);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side / 2; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    }
    return image;
}

double Luma(QRgb pixel) {
    return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

TEST(Signature, EachCellAveragesItsPartOfThePicture) {
    for (const int side : {60, 120, 24}) {
        const Signature grey = SignatureOf(Halves(side), Channels::Grey);
        ASSERT_EQ(grey.Values.size(), static_cast<std::size_t>(SignatureSide * SignatureSide));
        for (int row = 0; row < SignatureSide; ++row) {
            for (int column = 0; column < SignatureSide; ++column) {
                const double expected = column < SignatureSide / 2 ? 0.0 : 1.0;
                EXPECT_NEAR(grey.Values[static_cast<std::size_t>(row * SignatureSide + column)], expected,
                            1e-9)
                    << side << ": " << row << ',' << column;
            }
        }
    }
}

TEST(Signature, ColourKeepsTheThreeChannelsApart) {
    const Signature colour = SignatureOf(Plain(QSize(60, 60), QColor(255, 0, 51)), Channels::Colour);
    ASSERT_EQ(colour.Values.size(), static_cast<std::size_t>(3 * SignatureSide * SignatureSide));
    EXPECT_DOUBLE_EQ(colour.Values[0], 1.0);
    EXPECT_DOUBLE_EQ(colour.Values[1], 0.0);
    EXPECT_DOUBLE_EQ(colour.Values[2], 0.2);
}

TEST(Signature, TransparentPartsCountAsTheWindowBehindThem) {
    const QImage seen = OnButtonFace(Plain(QSize(60, 60), Qt::transparent));
    EXPECT_EQ(seen.pixel(30, 30), qRgb(0xf0, 0xf0, 0xf0));
}

TEST(Distance, RunsFromZeroForTheSamePictureToOneForBlackAgainstWhite) {
    const Signature black = SignatureOf(Plain(QSize(60, 60), Qt::black), Channels::Colour);
    const Signature white = SignatureOf(Plain(QSize(60, 60), Qt::white), Channels::Colour);
    const Signature halves = SignatureOf(Halves(60), Channels::Colour);
    EXPECT_DOUBLE_EQ(SignatureDistance(black, black), 0.0);
    EXPECT_DOUBLE_EQ(SignatureDistance(black, white), 1.0);
    // Half the cells differ fully: the root of the mean square is the root of one half.
    EXPECT_NEAR(SignatureDistance(black, halves), std::sqrt(0.5), 1e-9);
    EXPECT_DOUBLE_EQ(SignatureDistance(white, halves), SignatureDistance(halves, white));
}

TEST(Distance, ColourAndGreyCannotBeCompared) {
    const QImage image = Halves(60);
    EXPECT_THROW(SignatureDistance(SignatureOf(image, Channels::Colour), SignatureOf(image, Channels::Grey)),
                 std::invalid_argument);
}

TEST(Distance, TheClosestPairIsTheMostAlikeTwo) {
    const std::vector<Signature> signatures{
        SignatureOf(Plain(QSize(60, 60), QColor(200, 30, 30)), Channels::Colour),
        SignatureOf(Plain(QSize(60, 60), QColor(30, 30, 200)), Channels::Colour),
        SignatureOf(Plain(QSize(60, 60), QColor(40, 30, 190)), Channels::Colour),
        SignatureOf(Halves(60), Channels::Colour)};
    const PicturePair closest = ClosestPair(signatures);
    EXPECT_EQ(closest.First, 1);
    EXPECT_EQ(closest.Second, 2);
    EXPECT_EQ(ClosestPair({signatures[0]}).First, -1);

    const PicturePair across = ClosestAcross({signatures[3], signatures[0]}, {signatures[1], signatures[2]});
    EXPECT_EQ(across.First, 1);
    EXPECT_EQ(across.Second, 1);
    EXPECT_EQ(ClosestAcross({}, signatures).First, -1);
}

TEST(Recolouring, TurnsTheHueAroundAndKeepsTheBrightness) {
    const QRgb red = qRgb(200, 60, 60);
    const QRgb turned = ComplementaryColours(Plain(QSize(4, 4), QColor(red))).pixel(1, 1);
    EXPECT_NEAR(Luma(turned), Luma(red), 1.0);
    EXPECT_LT(qRed(turned), qGreen(turned));
    EXPECT_LT(qRed(turned), qBlue(turned));
    EXPECT_EQ(qAlpha(ComplementaryColours(Plain(QSize(4, 4), Qt::transparent)).pixel(0, 0)), 0);
}

}  // namespace
}  // namespace pairfinder::artwork
