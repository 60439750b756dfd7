// A player's photo made into the picture an own deck's card shows, or the reason why it cannot be.
#include "photo_import.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "photo_faults.h"
#include "photo_header.h"
#include "qt_text.h"

namespace pairfinder {

namespace {

// Why a photo is refused, in the language in play when it is refused.
QString NotAPicture() {
    return Words(deck::NotAPicture);
}
QString EmptyFile() {
    return Words(deck::EmptyFile);
}
QString FileTooLarge() {
    return Words(deck::FileTooLarge);
}
QString PictureTooLarge() {
    return Words(deck::PictureTooLarge);
}
QString Damaged() {
    return Words(deck::DamagedPicture);
}
QString AlreadyTaken() {
    return Words(deck::AlreadyTaken);
}
QString HeicUnreadable() {
    return Words(deck::HeicUnreadable);
}

constexpr int JpegQuality = 90;
// A photo up to four times as long as it is wide is decoded whole at the size that covers the square.
constexpr int MostCoveringSides = 4;

// A phone's HEIC photo is often named .jpg once it has been shared; its ftyp box tells it apart.
bool IsHeic(const QByteArray& head) {
    return deck::ClaimOf({reinterpret_cast<const unsigned char*>(head.constData()),
                          static_cast<std::size_t>(head.size())})
               .Kind == deck::PhotoKind::Heic;
}

bool HeicReaderInstalled() {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains("heic") || formats.contains("heif");
}

// Where the stored picture's pixels go once the reader has turned it upright, in the same order as Qt:
// mirror, flip, then a quarter turn clockwise.
QTransform UprightOf(QSize stored, QImageIOHandler::Transformations turn) {
    const qreal width = stored.width();
    const qreal height = stored.height();
    QTransform upright;
    if (turn & QImageIOHandler::TransformationMirror) upright *= QTransform(-1, 0, 0, 1, width, 0);
    if (turn & QImageIOHandler::TransformationFlip) upright *= QTransform(1, 0, 0, -1, 0, height);
    if (turn & QImageIOHandler::TransformationRotate90) upright *= QTransform(0, 1, -1, 0, height, 0);
    return upright;
}

// The largest centred square of the upright picture, in the stored picture's pixels (or its scaled ones): Qt
// clips and scales before it turns, so a square worked out on the upright size of a turned photo would reach
// outside it or cut it off centre.
QRect StoredSquare(QSize stored, QImageIOHandler::Transformations turn) {
    const QTransform upright = UprightOf(stored, turn);
    const QRect uprightRect = upright.mapRect(QRect(QPoint(0, 0), stored));
    const int side = std::min(stored.width(), stored.height());
    const QRect square((uprightRect.width() - side) / 2, (uprightRect.height() - side) / 2, side, side);
    return upright.inverted().mapRect(QRectF(square)).toRect();
}

// A new picture holding the pixels alone, in sRGB: no text, no colour profile and nothing else of the file
// reaches the JPEG the deck keeps; a transparent picture lies on white, as a card's face does.
QImage PixelsAlone(QImage decoded) {
    if (decoded.colorSpace().isValid() && decoded.colorSpace() != QColorSpace::SRgb)
        decoded.convertToColorSpace(QColorSpace::SRgb);
    QImage picture(PhotoSide, PhotoSide, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(QRect(0, 0, PhotoSide, PhotoSide), decoded);
    painter.end();
    return picture;
}

QByteArray DigestOf(const QImage& picture) {
    // BLAKE2b rather than Qt's own SHA-256, which took 2.9 ms a picture, more than the rest of the import.
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    for (int y = 0; y < picture.height(); ++y) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(picture.constScanLine(y)),
                                    static_cast<qsizetype>(picture.width()) * 4));
    }
    return hash.result();
}

QByteArray JpegOf(const QImage& picture) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegQuality);
    writer.write(picture);
    return jpeg;
}

struct Decoded {
    QImage Picture;
    QString Refusal;
};

Decoded DecodeSquare(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) return {{}, NotAPicture()};
    const qint64 size = input.size();
    if (size == 0) return {{}, EmptyFile()};
    if (size > deck::LargestPhotoFile) return {{}, FileTooLarge()};
    // The whole file is read once: the reader and the check of a JPEG's end both need it, and 50 MB is the
    // most.
    const QByteArray data = input.readAll();
    if (data.size() != size) return {{}, Damaged()};
    input.close();

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return {{}, IsHeic(data) && !HeicReaderInstalled() ? HeicUnreadable() : NotAPicture()};
    const QSize stored = reader.size();
    // A reader that cannot say the size from the header would have to decode the whole picture to learn it.
    if (!stored.isValid() || stored.isEmpty()) return {{}, NotAPicture()};
    if (qint64{stored.width()} * stored.height() > deck::MostPhotoPixels) return {{}, PictureTooLarge()};
    // What was admitted must decode even where a reader cannot scale: four bytes a pixel at most.
    reader.setAllocationLimit(static_cast<int>(deck::MostPhotoPixels * 4 / (1024 * 1024)) + 1);
    if (reader.format() == "jpeg" && !JpegReachesItsEnd(data)) return {{}, Damaged()};
    const QImageIOHandler::Transformations turn = reader.transformation();
    // Scaled to cover the square and cut from that, the decode costs no more than a scaled decode of the
    // whole photo (a clip of the unscaled picture is slower in Qt's JPEG reader); a panorama would be scaled
    // far too long that way, and its square is clipped before it is scaled instead.
    const int shorter = std::min(stored.width(), stored.height());
    const QSize covering(static_cast<int>((qint64{stored.width()} * PhotoSide + shorter - 1) / shorter),
                         static_cast<int>((qint64{stored.height()} * PhotoSide + shorter - 1) / shorter));
    if (qint64{covering.width()} * covering.height() <= qint64{MostCoveringSides} * PhotoSide * PhotoSide) {
        reader.setScaledSize(covering);
        reader.setScaledClipRect(StoredSquare(covering, turn));
    } else {
        reader.setClipRect(StoredSquare(stored, turn));
        reader.setScaledSize(QSize(PhotoSide, PhotoSide));
    }
    QImage decoded = reader.read();
    if (decoded.isNull()) return {{}, Damaged()};
    return {PixelsAlone(std::move(decoded)), {}};
}

}  // namespace

bool JpegReachesItsEnd(const QByteArray& data) {
    return deck::JpegReachesItsEnd(
        {reinterpret_cast<const unsigned char*>(data.constData()), static_cast<std::size_t>(data.size())});
}

bool IsDeckPicture(const QByteArray& jpeg) {
    if (!JpegReachesItsEnd(jpeg)) return false;
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setDecideFormatFromContent(false);
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.width() > PhotoSide || claimed.height() > PhotoSide) return false;
    return !reader.read().isNull();
}

PhotoImportResult PhotoImporter::Import(const QString& file) {
    Decoded decoded = DecodeSquare(file);
    if (decoded.Picture.isNull()) return {std::nullopt, decoded.Refusal};
    QByteArray digest = DigestOf(decoded.Picture);
    if (Taken.contains(digest)) return {std::nullopt, AlreadyTaken()};
    QByteArray jpeg = JpegOf(decoded.Picture);
    if (jpeg.isEmpty()) return {std::nullopt, Damaged()};
    Taken.insert(digest);
    return {ImportedPhoto{std::move(jpeg), std::move(digest)}, {}};
}

void PhotoImporter::Forget(const QByteArray& digest) {
    Taken.remove(digest);
}

}  // namespace pairfinder
