// Renders the artwork's contact sheets to PNG files and reports render times and how alike the pictures are.
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "artwork.h"
#include "contact_sheet.h"
#include "picture_signature.h"

namespace {

using namespace pairfinder::artwork;

struct Picture {
    QString Path;
    QSize Size;
};

std::vector<Picture> Pictures(const QStringList& paths, QSize size) {
    std::vector<Picture> pictures;
    for (const QString& path : paths) pictures.push_back({path, size});
    return pictures;
}

std::vector<Picture> FaceSet(int set) {
    return Pictures(FaceSetPaths(set), QSize(PictureSize, PictureSize));
}

struct Times {
    double Median = 0.0;
    double Best = 0.0;
};

void RenderAll(const std::vector<Picture>& pictures, qreal scale) {
    for (const Picture& picture : pictures) {
        if (Render(picture.Path, picture.Size, scale).isNull())
            qFatal("cannot render %s", qPrintable(picture.Path));
    }
}

// Wall time of rendering every picture once, as the window does when it loads a set. The median
// is the figure to quote; the best run shows how much of it is other work on a busy machine.
Times Measure(const std::vector<Picture>& pictures, qreal scale, int runs) {
    RenderAll(pictures, scale);  // untimed: the first pass of a process is reported on its own
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        RenderAll(pictures, scale);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    if (times.empty()) return {0.0, 0.0};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

QString Name(const QString& path) {
    const QFileInfo info(path);
    return info.dir().dirName() == QStringLiteral(":") ? info.fileName()
                                                       : info.dir().dirName() + '/' + info.fileName();
}

void ReportTimings(QTextStream& out, int runs) {
    // What the window pays at start-up: the first set rendered in a fresh process, resources untouched.
    QElapsedTimer cold;
    cold.start();
    RenderAll(FaceSet(0), 1.0);
    out << "First render in this process, face set 1 at 1x: "
        << QString::number(static_cast<double>(cold.nsecsElapsed()) / 1e6, 'f', 2) << " ms\n";
    std::vector<std::pair<QString, std::vector<Picture>>> groups;
    std::vector<Picture> everything;
    for (int set = 0; set < FaceSetCount; ++set) {
        std::vector<Picture> faces = FaceSet(set);
        everything.insert(everything.end(), faces.begin(), faces.end());
        groups.emplace_back(QStringLiteral("face set %1 (%2)").arg(set + 1).arg(faces.size()),
                            std::move(faces));
    }
    const std::vector<Picture> backs = Pictures(BackPaths(), QSize(PictureSize, PictureSize));
    everything.insert(everything.end(), backs.begin(), backs.end());
    everything.push_back({LogoPath(), LogoSize});
    groups.emplace_back(QStringLiteral("all faces + backs + logo (%1)").arg(everything.size()), everything);

    out << QStringLiteral("Render time of %1 runs (ms)").arg(runs).leftJustified(34);
    for (const char* scale : {"1x", "2x"})
        out << QStringLiteral("%1 median").arg(scale).rightJustified(12) << "    best";
    out << '\n';
    for (const auto& [what, pictures] : groups) {
        out << what.leftJustified(34);
        for (const qreal scale : {1.0, 2.0}) {
            const Times times = Measure(pictures, scale, runs);
            out << QString::number(times.Median, 'f', 2).rightJustified(12)
                << QString::number(times.Best, 'f', 2).rightJustified(8);
        }
        out << '\n';
    }

    // The heaviest files explain a slow set: name them with their size.
    std::vector<std::pair<double, QString>> single;
    for (const Picture& picture : everything) {
        single.emplace_back(Measure({picture}, 1.0, runs).Median, picture.Path);
    }
    std::sort(single.begin(), single.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    out << "Slowest pictures at 1x (ms, bytes):";
    for (std::size_t i = 0; i < std::min<std::size_t>(5, single.size()); ++i) {
        out << ' ' << Name(single[i].second) << ' ' << QString::number(single[i].first, 'f', 2) << ' '
            << QFileInfo(single[i].second).size() << ';';
    }
    out << "\n\n";
}

QString Closest(const QStringList& paths, Channels kind) {
    const PicturePair pair = ClosestPair(SignaturesOf(paths, kind));
    if (pair.First < 0) return QStringLiteral("-");
    return QStringLiteral("%1 (%2 ~ %3)")
        .arg(QString::number(pair.Distance, 'f', 3), Name(paths[pair.First]), Name(paths[pair.Second]));
}

// The most alike pairs of a list, closest first: where an artist should look before the check trips.
void ReportClosestPairs(QTextStream& out, const QString& what, const QStringList& paths, int count) {
    for (const Channels kind : {Channels::Colour, Channels::Grey}) {
        // Signature distances never exceed 1, so a threshold above it lists every pair.
        std::vector<PicturePair> pairs = NearDuplicates(SignaturesOf(paths, kind), 2.0);
        std::sort(pairs.begin(), pairs.end(),
                  [](const auto& a, const auto& b) { return a.Distance < b.Distance; });
        out << what << (kind == Channels::Colour ? " colour:" : " grey:");
        for (std::size_t i = 0; i < std::min(pairs.size(), static_cast<std::size_t>(count)); ++i) {
            out << ' ' << QString::number(pairs[i].Distance, 'f', 3) << ' ' << Name(paths[pairs[i].First])
                << '~' << QFileInfo(paths[pairs[i].Second]).fileName() << ';';
        }
        out << '\n';
    }
}

void ReportDistances(QTextStream& out, int closestPairs) {
    out << QStringLiteral("Smallest pairwise distance (near-duplicate below %1)").arg(NearDuplicateThreshold)
        << '\n';
    std::vector<std::pair<QString, QStringList>> groups;
    for (int set = 0; set < FaceSetCount; ++set)
        groups.emplace_back(QStringLiteral("face set %1").arg(set + 1), FaceSetPaths(set));
    groups.emplace_back(QStringLiteral("backs"), BackPaths());
    for (const auto& [what, paths] : groups) {
        out << what.leftJustified(12) << " colour " << Closest(paths, Channels::Colour).leftJustified(36)
            << " grey " << Closest(paths, Channels::Grey) << '\n';
    }
    if (closestPairs > 0) {
        for (const auto& [what, paths] : groups) ReportClosestPairs(out, what, paths, closestPairs);
    }
    double nearest = 1.0;
    QString nearestPair;
    const std::vector<Signature> backs = SignaturesOf(BackPaths(), Channels::Colour);
    for (int set = 0; set < FaceSetCount; ++set) {
        const QStringList faces = FaceSetPaths(set);
        const PicturePair closest = ClosestAcross(backs, SignaturesOf(faces, Channels::Colour));
        if (closest.First >= 0 && closest.Distance < nearest) {
            nearest = closest.Distance;
            nearestPair = Name(BackPaths()[closest.First]) + " ~ " + Name(faces[closest.Second]);
        }
    }
    out << "back to face colour " << QString::number(nearest, 'f', 3) << " (" << nearestPair << ")\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    // The sheets never open a window, so no display is needed unless the caller asks for one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Contact sheets, render times and likeness of the Pairfinder artwork."));
    parser.addHelpOption();
    const QCommandLineOption colour(QStringLiteral("colour"), QStringLiteral("Colour sheet at 1x."),
                                    QStringLiteral("png"));
    const QCommandLineOption colour2x(QStringLiteral("colour2x"), QStringLiteral("Colour sheet at 2x."),
                                      QStringLiteral("png"));
    const QCommandLineOption grey(QStringLiteral("grey"), QStringLiteral("Grey sheet at 1x."),
                                  QStringLiteral("png"));
    const QCommandLineOption grey2x(QStringLiteral("grey2x"), QStringLiteral("Grey sheet at 2x."),
                                    QStringLiteral("png"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Timed runs per measurement (median)."), QStringLiteral("n"),
                                  QStringLiteral("15"));
    const QCommandLineOption pairs(QStringLiteral("pairs"),
                                   QStringLiteral("List the n most alike pairs of each set."),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption noTiming(QStringLiteral("no-timing"), QStringLiteral("Skip the render times."));
    parser.addOptions({colour, colour2x, grey, grey2x, runs, pairs, noTiming});
    parser.process(app);

    QTextStream out(stdout);
    if (!parser.isSet(noTiming)) {
        const int runCount = std::max(1, parser.value(runs).toInt());
        ReportTimings(out, runCount);
    }
    for (const auto& [option, scale, inGrey] :
         {std::tuple{&colour, 1.0, false}, std::tuple{&colour2x, 2.0, false}, std::tuple{&grey, 1.0, true},
          std::tuple{&grey2x, 2.0, true}}) {
        if (!parser.isSet(*option)) continue;
        const QImage sheet = ContactSheet(scale);
        const QString file = parser.value(*option);
        if (!(inGrey ? GreyScale(sheet) : sheet).save(file)) qFatal("cannot write %s", qPrintable(file));
        out << "wrote " << file << '\n';
    }
    out << '\n';
    ReportDistances(out, parser.value(pairs).toInt());
    return 0;
}
