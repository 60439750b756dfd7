// What taking 32 phone photos into an own deck costs, against the floor of Qt's own scaled decoding of the
// same files, and the memory it needs above the idle program.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "photo_import.h"

namespace pairfinder {
namespace {

constexpr int Photos = 32;
constexpr QSize Camera(4000, 3000);

QStringList PhotoFiles;

// A 12-megapixel photo of shapes over a gradient with a sensor's grain, so that it compresses as a real one
// does (some megabytes); every fourth is stored on its side with EXIF orientation 6, as a phone held upright
// stores it.
QByteArray CameraPhoto(int number) {
    const bool onItsSide = number % 4 == 3;
    QImage photo(onItsSide ? Camera.transposed() : Camera, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, photo.width(), photo.height());
    sky.setColorAt(0, QColor::fromHsv(number * 11 % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv(number * 23 % 360, 200, 60));
    painter.fillRect(photo.rect(), sky);
    QRandomGenerator random(static_cast<quint32>(number));
    for (int shape = 0; shape < 40; ++shape) {
        painter.setBrush(QColor::fromRgb(random.generate()));
        painter.drawEllipse(random.bounded(photo.width()), random.bounded(photo.height()),
                            100 + random.bounded(900), 100 + random.bounded(900));
    }
    painter.end();
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) line[x] ^= random.generate() & 0x00070707u;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(photo);
    if (onItsSide) {
        const char exif[] = {'\xFF', '\xE1', 0, 34, 'E', 'x', 'i', 'f', 0,    0,    'M', 'M',
                             0,      42,     0, 0,  0,   8,   0,   1,   0x01, 0x12, 0,   3,
                             0,      0,      0, 1,  0,   6,   0,   0,   0,    0,    0,   0};
        jpeg.insert(2, QByteArray(exif, sizeof exif));
    }
    return jpeg;
}

void BM_ImportPhotos(benchmark::State& state) {
    for (auto _ : state) {
        PhotoImporter importer;
        int taken = 0;
        for (const QString& file : PhotoFiles) {
            const PhotoImportResult result = importer.Import(file);
            taken += result.Photo ? 1 : 0;
            benchmark::DoNotOptimize(result.Photo);
        }
        if (taken != Photos) state.SkipWithError("a photo was refused");
    }
}
BENCHMARK(BM_ImportPhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

// Qt's reader alone, scaled to the size that covers the picture's square: what no import can undercut.
void BM_ScaledDecodeFloor(benchmark::State& state) {
    for (auto _ : state) {
        for (const QString& file : PhotoFiles) {
            QImageReader reader(file);
            reader.setAutoTransform(true);
            const QSize size = reader.size();
            const int shorter = std::min(size.width(), size.height());
            reader.setScaledSize(
                QSize(size.width() * PhotoSide / shorter, size.height() * PhotoSide / shorter));
            const QImage picture = reader.read();
            if (picture.isNull()) state.SkipWithError("a photo did not decode");
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
}
BENCHMARK(BM_ScaledDecodeFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

long PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The peak is the process's whole life, and making the photos needs far more than importing them: a fresh
// process of this program imports them and says how far its peak rose above the idle program's.
void BM_ImportPeakMemory(benchmark::State& state) {
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), QStringList{"--import-peak"} + PhotoFiles);
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            state.SkipWithError("the importing process failed");
            return;
        }
        state.counters["PeakAboveIdleMB"] = child.readAllStandardOutput().trimmed().toDouble() / 1024;
    }
}
BENCHMARK(BM_ImportPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int ImportPeak(const QStringList& files) {
    const long idle = PeakKiB();
    PhotoImporter importer;
    for (const QString& file : files) {
        if (!importer.Import(file).Photo) return 1;
    }
    std::printf("%ld\n", PeakKiB() - idle);
    return 0;
}

}  // namespace
}  // namespace pairfinder

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--import-peak")
        return pairfinder::ImportPeak(QCoreApplication::arguments().mid(2));

    QTemporaryDir folder;
    for (int number = 0; number < pairfinder::Photos; ++number) {
        const QString path = folder.filePath(QStringLiteral("IMG_%1.jpg").arg(4700 + number));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pairfinder::CameraPhoto(number)) < 0) return 1;
        pairfinder::PhotoFiles << path;
    }
    // Both ways then start alike: the files in the page cache and Qt's JPEG plugin loaded.
    pairfinder::PhotoImporter warmUp;
    for (const QString& file : pairfinder::PhotoFiles) warmUp.Import(file);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
