// The player's own deck kept in the application data folder, replaced all or nothing.
#include "own_deck_store.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "names_file.h"
#include "photo_faults.h"
#include "qt_text.h"
#include "photo_import.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace pairfinder {

namespace {

namespace fs = std::filesystem;

const QString NamesFileName = QStringLiteral("names.json");
// A card's picture as the importer writes it is some tens of kilobytes; a file far beyond that was not
// written here.
constexpr qint64 LargestStoredPicture = 4LL * 1024 * 1024;

fs::path PathOf(const QString& path) {
    return fs::path(path.toStdU16String());
}

bool SyncFile(int handle) {
#if defined(_WIN32)
    return ::_commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// A rename reaches the disk only with its folder; NTFS journals it without being asked.
void SyncFolder([[maybe_unused]] const QString& folder) {
#if !defined(_WIN32)
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
#endif
}

// Says what failed, naming a full disk as such, since that is the one cause the player can do something
// about.
[[noreturn]] void Fail(const QString& path, int error) {
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (error == ENOSPC || (storage.isValid() && storage.bytesAvailable() == 0))
        throw OwnDeckError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Kein Platz mehr auf dem Datenträger: %1")),
                                  {path.toStdString()}));
    throw OwnDeckError(
        Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das eigene Deck konnte nicht gespeichert werden: %1")),
               {path.toStdString()}));
}

void WriteWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    // NewOnly: whatever is in the way of a file of the deck is a failure, never written through.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) Fail(path, errno);
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncFile(file.handle())) {
        const int error = errno;
        file.close();
        Fail(path, error);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) Fail(path, errno);
}

// Whatever is at the path goes, a file in the way as well as a folder; a link is removed, not followed.
int RemoveAll(const QString& path) {
    std::error_code error;
    fs::remove_all(PathOf(path), error);
    return error.value();
}

bool Exists(const QString& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(PathOf(path), error));
}

// The error's number, 0 when it was renamed.
int Rename(const QString& from, const QString& to) {
    std::error_code error;
    fs::rename(PathOf(from), PathOf(to), error);
    return error.value();
}

QString ParentOf(const QString& folder) {
    return QFileInfo(folder).absolutePath();
}

// A kept deck that cannot be played, and what is wrong with it in the player's words.
OwnDeckLoad Damaged(const std::string& fault) {
    OwnDeckLoad load;
    load.Fault = QtText(fault);
    return load;
}

// A regular file of at most `largest` bytes, read whole; nothing for anything else.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 largest) {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || info.size() > largest) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

QImage ReadJpeg(const QByteArray& bytes) {
    if (!JpegReachesItsEnd(bytes)) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

}  // namespace

OwnDeckStore::OwnDeckStore()
    : OwnDeckStore(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/decks/own") {}

OwnDeckStore::OwnDeckStore(QString folder) : DeckFolder(std::move(folder)) {}

void OwnDeckStore::Replace(const deck::OwnDeck& deck, const std::vector<QByteArray>& jpegs) const {
    const std::string names = deck::WriteNamesFile(deck);
    if (const deck::NamesFileRead read = deck::ReadNamesFile(names); !read.Deck)
        throw OwnDeckError(read.Fault);
    if (jpegs.size() != deck.Pictures.size())
        throw OwnDeckError(Tr(QT_TRANSLATE_NOOP(
            "Pairfinder", "Das eigene Deck konnte nicht gespeichert werden: Bilder und Namen passen nicht zusammen.")));
    for (const deck::OwnPicture& picture : deck.Pictures) {
        if (QString::fromStdString(picture.File).compare(NamesFileName, Qt::CaseInsensitive) == 0)
            throw OwnDeckError(
                Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Der Dateiname „%1“ ist nicht erlaubt.")), {picture.File}));
    }

    const QString parent = ParentOf(DeckFolder);
    const QString fresh = DeckFolder + ".new";
    const QString previous = DeckFolder + ".old";
    if (!QDir().mkpath(parent)) Fail(parent, errno);
    // A replace cut off between its two renames left the player's deck under the old name: it is put back
    // before anything is removed, so that the only deck there is never taken for a leftover.
    if (!Exists(DeckFolder) && Exists(previous)) {
        if (const int error = Rename(previous, DeckFolder)) Fail(DeckFolder, error);
    }
    if (const int error = RemoveAll(fresh)) Fail(fresh, error);
    if (const int error = RemoveAll(previous)) Fail(previous, error);

    if (!QDir().mkdir(fresh)) Fail(fresh, errno);
    try {
        for (std::size_t i = 0; i < jpegs.size(); ++i)
            WriteWhole(fresh + "/" + QString::fromStdString(deck.Pictures[i].File), jpegs[i]);
        WriteWhole(fresh + "/" + NamesFileName, QByteArray::fromStdString(names));
    } catch (const OwnDeckError&) {
        RemoveAll(fresh);
        throw;
    }
    SyncFolder(fresh);

    const bool hadDeck = Exists(DeckFolder);
    if (const int error = hadDeck ? Rename(DeckFolder, previous) : 0) {
        RemoveAll(fresh);
        Fail(DeckFolder, error);
    }
    if (const int error = Rename(fresh, DeckFolder)) {
        if (hadDeck) Rename(previous, DeckFolder);
        RemoveAll(fresh);
        Fail(DeckFolder, error);
    }
    SyncFolder(parent);
    // Left behind when this fails, it goes with the next replace.
    RemoveAll(previous);
}

bool OwnDeckStore::IsKept() const {
    return Exists(DeckFolder) || Exists(DeckFolder + ".old");
}

OwnDeckLoad OwnDeckStore::Load() const {
    QString folder = DeckFolder;
    if (!Exists(folder)) {
        // Cut off between its renames, a replace left the deck from before under the old name.
        folder = DeckFolder + ".old";
        if (!Exists(folder)) return {};
    }
    const std::optional<QByteArray> names =
        ReadRegularFile(folder + "/" + NamesFileName, deck::LargestNamesFile);
    if (!names) return Damaged(deck::NamesListMissing());
    deck::NamesFileRead read =
        deck::ReadNamesFile(std::string_view(names->constData(), static_cast<std::size_t>(names->size())));
    if (!read.Deck) return Damaged(deck::DeckDamagedBy(read.Fault));

    OwnDeckLoad load;
    for (const deck::OwnPicture& picture : read.Deck->Pictures) {
        std::optional<QByteArray> jpeg =
            ReadRegularFile(folder + "/" + QString::fromStdString(picture.File), LargestStoredPicture);
        if (!jpeg) return Damaged(deck::KeptPictureMissing(picture.File));
        QImage image = ReadJpeg(*jpeg);
        if (image.isNull()) return Damaged(deck::KeptPictureUnreadable(picture.File));
        load.Jpegs.push_back(std::move(*jpeg));
        load.Pictures.push_back(std::move(image));
    }
    load.Deck = std::move(read.Deck);
    return load;
}

}  // namespace pairfinder
