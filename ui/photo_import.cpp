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
#include <array>
#include <cstring>

namespace pairfinder {

namespace {

const QString NotAPicture = QStringLiteral("Kein Bild, das Pairfinder lesen kann.");
const QString EmptyFile = QStringLiteral("Die Datei ist leer.");
const QString FileTooLarge = QStringLiteral("Die Datei ist zu groß (über 50 MB).");
const QString PictureTooLarge = QStringLiteral("Das Bild ist zu groß (über 100 Megapixel).");
const QString Damaged = QStringLiteral("Das Bild ist beschädigt oder unvollständig.");
const QString AlreadyTaken = QStringLiteral("Dieses Bild ist schon im Deck.");
const QString HeicUnreadable = QStringLiteral(
    "HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf "
    "„Maximale Kompatibilität“ stellen.");

constexpr int JpegQuality = 90;
// A photo up to four times as long as it is wide is decoded whole at the size that covers the square.
constexpr int MostCoveringSides = 4;

// A phone's HEIC photo is often named .jpg once it has been shared; its ftyp box tells it apart.
bool IsHeic(const QByteArray& head) {
    static constexpr std::array<const char*, 7> Brands{"ftypheic", "ftypheix", "ftypmif1", "ftyphevc",
                                                       "ftypheim", "ftypheis", "ftyphevx"};
    if (head.size() < 12) return false;
    for (const char* brand : Brands) {
        if (std::memcmp(head.constData() + 4, brand, 8) == 0) return true;
    }
    return false;
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
    if (!input.open(QIODevice::ReadOnly)) return {{}, NotAPicture};
    const qint64 size = input.size();
    if (size == 0) return {{}, EmptyFile};
    if (size > LargestPhotoFile) return {{}, FileTooLarge};
    // The whole file is read once: the reader and the check of a JPEG's end both need it, and 50 MB is the
    // most.
    const QByteArray data = input.readAll();
    if (data.size() != size) return {{}, Damaged};
    input.close();

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return {{}, IsHeic(data) && !HeicReaderInstalled() ? HeicUnreadable : NotAPicture};
    const QSize stored = reader.size();
    // A reader that cannot say the size from the header would have to decode the whole picture to learn it.
    if (!stored.isValid() || stored.isEmpty()) return {{}, NotAPicture};
    if (qint64{stored.width()} * stored.height() > MostPhotoPixels) return {{}, PictureTooLarge};
    // What was admitted must decode even where a reader cannot scale: four bytes a pixel at most.
    reader.setAllocationLimit(static_cast<int>(MostPhotoPixels * 4 / (1024 * 1024)) + 1);
    if (reader.format() == "jpeg" && !JpegReachesItsEnd(data)) return {{}, Damaged};
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
    if (decoded.isNull()) return {{}, Damaged};
    return {PixelsAlone(std::move(decoded)), {}};
}

}  // namespace

// The markers are walked by their lengths, because an EXIF thumbnail carries an EOI of its own and a motion
// photo carries a video after the picture's.
bool JpegReachesItsEnd(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype size = data.size();
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return false;
    qsizetype at = 2;
    while (at < size) {
        // Stray bytes between segments are passed over to the next marker, as libjpeg does.
        while (at < size && bytes[at] != 0xFF) ++at;
        while (at < size && bytes[at] == 0xFF) ++at;
        if (at >= size) return false;
        const unsigned char marker = bytes[at++];
        if (marker == 0xD9) return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        if (at + 2 > size) return false;
        const qsizetype length = (qsizetype{bytes[at]} << 8) | bytes[at + 1];
        if (length < 2) return false;
        at += length;
        if (at > size) return false;
        if (marker != 0xDA) continue;
        // Entropy-coded data follows a scan: a 0xFF in it is followed by 0x00 or a restart marker, and
        // anything else is the next marker.
        while (true) {
            const void* found = std::memchr(bytes + at, 0xFF, static_cast<std::size_t>(size - at));
            if (found == nullptr) return false;
            at = static_cast<const unsigned char*>(found) - bytes;
            if (at + 1 >= size) return false;
            const unsigned char next = bytes[at + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                at += next == 0xFF ? 1 : 2;
                continue;
            }
            break;
        }
    }
    return false;
}

PhotoImportResult PhotoImporter::Import(const QString& file) {
    Decoded decoded = DecodeSquare(file);
    if (decoded.Picture.isNull()) return {std::nullopt, decoded.Refusal};
    QByteArray digest = DigestOf(decoded.Picture);
    if (Taken.contains(digest)) return {std::nullopt, AlreadyTaken};
    QByteArray jpeg = JpegOf(decoded.Picture);
    if (jpeg.isEmpty()) return {std::nullopt, Damaged};
    Taken.insert(digest);
    return {ImportedPhoto{std::move(jpeg), std::move(digest)}, {}};
}

void PhotoImporter::Forget(const QByteArray& digest) {
    Taken.remove(digest);
}

}  // namespace pairfinder
