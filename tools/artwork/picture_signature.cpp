// Small blurred fingerprints of rendered pictures, to tell how alike two pictures look to a player.
#include "picture_signature.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "artwork.h"

namespace pairfinder::artwork {

namespace {

const QColor ButtonFace(0xf0, 0xf0, 0xf0);

// Rec. 601 weights, the usual brightness a grey-scale screen or a colour-blind eye comes close to.
double Luma(double red, double green, double blue) {
    return 0.299 * red + 0.587 * green + 0.114 * blue;
}

int Clamped(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

std::vector<PicturePair> AllPairs(const std::vector<Signature>& signatures) {
    std::vector<PicturePair> pairs;
    for (std::size_t i = 0; i < signatures.size(); ++i) {
        for (std::size_t j = i + 1; j < signatures.size(); ++j) {
            pairs.push_back(
                {static_cast<int>(i), static_cast<int>(j), SignatureDistance(signatures[i], signatures[j])});
        }
    }
    return pairs;
}

}  // namespace

QImage OnButtonFace(const QImage& picture) {
    QImage flat(picture.size(), QImage::Format_RGB32);
    // Same density as the picture, so a high-density rendering lands pixel for pixel.
    flat.setDevicePixelRatio(picture.devicePixelRatio());
    flat.fill(ButtonFace);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

QImage RenderedOnButtonFace(const QString& path) {
    const QPixmap pixmap = Render(path, QSize(PictureSize, PictureSize), 1.0);
    if (pixmap.isNull()) return {};
    return OnButtonFace(pixmap.toImage());
}

QImage ComplementaryColours(const QImage& picture) {
    QImage flipped = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flipped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flipped.scanLine(y));
        for (int x = 0; x < flipped.width(); ++x) {
            const QRgb pixel = line[x];
            // Mirroring each channel about the brightness keeps the brightness and turns the hue half round.
            const double twiceLuma = 2.0 * Luma(qRed(pixel), qGreen(pixel), qBlue(pixel));
            line[x] = qRgba(Clamped(twiceLuma - qRed(pixel)), Clamped(twiceLuma - qGreen(pixel)),
                            Clamped(twiceLuma - qBlue(pixel)), qAlpha(pixel));
        }
    }
    return flipped;
}

Signature SignatureOf(const QImage& picture, Channels kind) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int channels = kind == Channels::Colour ? 3 : 1;
    const auto cells = static_cast<std::size_t>(SignatureSide * SignatureSide);
    std::vector<double> sums(cells * static_cast<std::size_t>(channels), 0.0);
    std::vector<int> counts(cells, 0);
    // Each pixel goes to the cell its centre falls in, so any picture size averages evenly.
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const int row = (2 * y + 1) * SignatureSide / (2 * image.height());
        for (int x = 0; x < image.width(); ++x) {
            const int column = (2 * x + 1) * SignatureSide / (2 * image.width());
            const auto cell = static_cast<std::size_t>(row * SignatureSide + column);
            const QRgb pixel = line[x];
            const double red = qRed(pixel) / 255.0;
            const double green = qGreen(pixel) / 255.0;
            const double blue = qBlue(pixel) / 255.0;
            double* sum = &sums[cell * static_cast<std::size_t>(channels)];
            if (kind == Channels::Colour) {
                sum[0] += red;
                sum[1] += green;
                sum[2] += blue;
            } else {
                sum[0] += Luma(red, green, blue);
            }
            ++counts[cell];
        }
    }
    Signature signature{kind, std::move(sums)};
    for (std::size_t i = 0; i < signature.Values.size(); ++i) {
        const int count = counts[i / static_cast<std::size_t>(channels)];
        if (count > 0) signature.Values[i] /= count;
    }
    return signature;
}

std::vector<Signature> SignaturesOf(const QStringList& paths, Channels kind) {
    std::vector<Signature> signatures;
    for (const QString& path : paths) signatures.push_back(SignatureOf(RenderedOnButtonFace(path), kind));
    return signatures;
}

double SignatureDistance(const Signature& a, const Signature& b) {
    if (a.Kind != b.Kind || a.Values.size() != b.Values.size() || a.Values.empty()) {
        throw std::invalid_argument("signatures of different kinds cannot be compared");
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < a.Values.size(); ++i) {
        const double difference = a.Values[i] - b.Values[i];
        sum += difference * difference;
    }
    return std::sqrt(sum / static_cast<double>(a.Values.size()));
}

PicturePair ClosestPair(const std::vector<Signature>& signatures) {
    PicturePair closest;
    for (const PicturePair& pair : AllPairs(signatures)) {
        if (closest.First < 0 || pair.Distance < closest.Distance) closest = pair;
    }
    return closest;
}

PicturePair ClosestAcross(const std::vector<Signature>& a, const std::vector<Signature>& b) {
    PicturePair closest;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            const double distance = SignatureDistance(a[i], b[j]);
            if (closest.First < 0 || distance < closest.Distance) {
                closest = {static_cast<int>(i), static_cast<int>(j), distance};
            }
        }
    }
    return closest;
}

std::vector<PicturePair> NearDuplicates(const std::vector<Signature>& signatures, double threshold) {
    std::vector<PicturePair> pairs = AllPairs(signatures);
    std::erase_if(pairs, [threshold](const PicturePair& pair) { return pair.Distance >= threshold; });
    return pairs;
}

}  // namespace pairfinder::artwork
