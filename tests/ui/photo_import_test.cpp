// A player's photos taken into an own deck: turned upright, cut to their centred square, and every photo that
// cannot be used refused in the player's words before it costs a full decode.
#include "photo_import.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>

namespace pairfinder {
namespace {

const QColor Band(128, 128, 128);
const QColor TopLeft(220, 30, 30);
const QColor TopRight(30, 200, 30);
const QColor BottomLeft(30, 30, 220);
const QColor BottomRight(230, 220, 30);

// The photo as the player sees it: its centred square in four colours, one a corner, and grey beside it, so
// that a picture stretched, or cut anywhere but the centre, shows grey in a corner.
QImage UprightPhoto(QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(Band);
    const int side = std::min(size.width(), size.height());
    const QRect square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    QPainter painter(&photo);
    const int half = side / 2;
    painter.fillRect(square.x(), square.y(), half, half, TopLeft);
    painter.fillRect(square.x() + half, square.y(), half, half, TopRight);
    painter.fillRect(square.x(), square.y() + half, half, half, BottomLeft);
    painter.fillRect(square.x() + half, square.y() + half, half, half, BottomRight);
    return photo;
}

QByteArray Encoded(const QImage& image, const char* format, int quality = 95) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << format;
    return bytes;
}

// An APP1 Exif segment holding one IFD entry, Orientation, put right after the JPEG's start marker.
QByteArray WithOrientation(QByteArray jpeg, int orientation) {
    const char segment[] = {'\xFF', '\xE1', 0,   34,               // APP1, 34 bytes with the length itself
                            'E',    'x',    'i', 'f', 0, 0,        // Exif header
                            'M',    'M',    0,   42,  0, 0, 0, 8,  // big-endian TIFF, IFD0 at 8
                            0,      1,                             // one entry
                            0x01,   0x12,   0,   3,   0, 0, 0, 1, 0, static_cast<char>(orientation),
                            0,      0,                // Orientation, SHORT, 1
                            0,      0,      0,   0};  // no next IFD
    jpeg.insert(2, QByteArray(segment, sizeof segment));
    return jpeg;
}

// How the camera stored a photo whose EXIF orientation turns it upright again.
QImage Stored(const QImage& upright, int orientation) {
    switch (orientation) {
        case 3:
            return upright.transformed(QTransform().rotate(180));
        case 6:
            return upright.transformed(QTransform().rotate(-90));
        case 8:
            return upright.transformed(QTransform().rotate(90));
        default:
            return upright;
    }
}

class PhotoImportTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = Folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir Folder;
};

bool Near(QColor seen, QColor expected) {
    return std::abs(seen.red() - expected.red()) < 48 && std::abs(seen.green() - expected.green()) < 48 &&
           std::abs(seen.blue() - expected.blue()) < 48;
}

TEST_F(PhotoImportTest, EachPhotoIsTurnedUprightAndCutToItsCentredSquareCarryingNothingOfItsFile) {
    struct Photo {
        const char* Format;
        QSize Upright;
        int Orientation;
    };
    const Photo photos[] = {
        {"jpeg", {160, 120}, 1},
        {"jpeg", {160, 120}, 3},
        {"jpeg", {160, 120}, 6},
        {"jpeg", {160, 120}, 8},
        {"jpeg", {96, 144}, 1},
        {"jpeg", {96, 144}, 3},
        {"jpeg", {96, 144}, 6},
        {"jpeg", {96, 144}, 8},
        // A panorama's square is clipped before it is scaled, by a way of its own.
        {"jpeg", {480, 80}, 6},
        {"jpeg", {480, 80}, 8},
        // A photo shared from a phone's messenger; the reader comes from qt6-image-formats-plugins.
        {"webp", {160, 120}, 1},
    };
    for (const Photo& photo : photos) {
        const QString row = QStringLiteral("%1 %2x%3, orientation %4")
                                .arg(photo.Format)
                                .arg(photo.Upright.width())
                                .arg(photo.Upright.height())
                                .arg(photo.Orientation);
        SCOPED_TRACE(row.toStdString());
        QByteArray bytes = Encoded(Stored(UprightPhoto(photo.Upright), photo.Orientation), photo.Format);
        if (photo.Orientation != 1) bytes = WithOrientation(bytes, photo.Orientation);
        PhotoImporter importer;
        const PhotoImportResult result = importer.Import(Write("photo", bytes));
        ASSERT_TRUE(result.Photo) << result.Refusal.toStdString();
        EXPECT_EQ(result.Refusal, QString());

        const QByteArray& jpeg = result.Photo->Jpeg;
        EXPECT_TRUE(jpeg.startsWith("\xFF\xD8")) << "a JPEG whatever came in";
        EXPECT_FALSE(jpeg.contains("Exif")) << "nothing of the camera's record goes into the deck";
        EXPECT_EQ(result.Photo->Digest.size(), 32);
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader reader(&buffer, "jpeg");
        const QImage picture = reader.read();
        ASSERT_EQ(picture.size(), QSize(240, 240));
        EXPECT_PRED2(Near, picture.pixelColor(6, 6), TopLeft);
        EXPECT_PRED2(Near, picture.pixelColor(233, 6), TopRight);
        EXPECT_PRED2(Near, picture.pixelColor(6, 233), BottomLeft);
        EXPECT_PRED2(Near, picture.pixelColor(233, 233), BottomRight);
    }
}

TEST_F(PhotoImportTest, APhotoThatCannotBeUsedIsRefusedInThePlayersWords) {
    const QByteArray photo = Encoded(UprightPhoto({160, 120}), "jpeg");

    // A decompression bomb: a tiny JPEG whose frame header claims 20000 x 20000.
    QByteArray bomb = Encoded(UprightPhoto({16, 16}), "jpeg");
    const qsizetype frame = bomb.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    bomb.replace(frame + 5, 4, QByteArray("\x4E\x20\x4E\x20", 4));

    // A phone's HEIC photo passed on under a JPEG's name: a box of 24 bytes, "ftyp", the brand "heic".
    QByteArray heic(
        "\x00\x00\x00\x18"
        "ftypheic"
        "\x00\x00\x00\x00"
        "mif1heic",
        24);
    heic += QByteArray(200, '\x11');

    const QString tooLarge = Write("huge.jpg", photo);
    ASSERT_TRUE(QFile::resize(tooLarge, 50LL * 1000 * 1000 + 1));

    struct Case {
        const char* What;
        QString File;
        QString Refusal;
    };
    std::vector<Case> cases = {
        {"an empty file", Write("empty.jpg", {}), "Die Datei ist leer."},
        {"a text file", Write("notes.jpg", "Einkaufsliste: Milch, Brot\n"),
         "Kein Bild, das Pairfinder lesen kann."},
        {"a JPEG cut in half", Write("cut.jpg", photo.first(photo.size() / 2)),
         "Das Bild ist beschädigt oder unvollständig."},
        {"a file over 50 MB", tooLarge, "Die Datei ist zu groß (über 50 MB)."},
        {"a file that is not there", Folder.filePath("gone.jpg"), "Kein Bild, das Pairfinder lesen kann."},
    };
    if (!QImageReader::supportedImageFormats().contains("heic")) {
        cases.push_back(
            {"a HEIC photo named .jpg", Write("IMG_0001.jpg", heic),
             "HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder "
             "das Handy auf „Maximale Kompatibilität“ stellen."});
    }
    PhotoImporter importer;
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.What);
        const PhotoImportResult result = importer.Import(refused.File);
        EXPECT_FALSE(result.Photo);
        EXPECT_EQ(result.Refusal.toStdString(), refused.Refusal.toStdString());
    }

    // Decoding 400 megapixels would take seconds and 1.6 GB; the header alone refuses it at once.
    QElapsedTimer timer;
    timer.start();
    const PhotoImportResult result = importer.Import(Write("bomb.jpg", bomb));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_FALSE(result.Photo);
    EXPECT_EQ(result.Refusal.toStdString(), "Das Bild ist zu groß (über 100 Megapixel).");
}

TEST_F(PhotoImportTest, ThePictureOfAPhotoAlreadyInTheDeckIsRefusedUntilItIsTakenOut) {
    const QByteArray photo = Encoded(UprightPhoto({160, 120}), "jpeg");
    PhotoImporter importer;
    const PhotoImportResult first = importer.Import(Write("Oma.jpg", photo));
    ASSERT_TRUE(first.Photo);
    const PhotoImportResult other =
        importer.Import(Write("Opa.png", Encoded(UprightPhoto({120, 160}).mirrored(true, false), "png")));
    ASSERT_TRUE(other.Photo) << "another picture is welcome";
    EXPECT_NE(other.Photo->Digest, first.Photo->Digest);

    // The same picture under another name, as a copy in another folder would be.
    const PhotoImportResult again = importer.Import(Write("Oma Kopie.jpg", photo));
    EXPECT_FALSE(again.Photo);
    EXPECT_EQ(again.Refusal.toStdString(), "Dieses Bild ist schon im Deck.");

    importer.Forget(first.Photo->Digest);
    const PhotoImportResult back = importer.Import(Write("Oma Kopie.jpg", photo));
    ASSERT_TRUE(back.Photo);
    EXPECT_EQ(back.Photo->Jpeg, first.Photo->Jpeg) << "one picture gives one file";
}

}  // namespace
}  // namespace pairfinder
