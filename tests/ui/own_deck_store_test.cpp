// The player's own deck in the application data folder: stored and loaded back whole, replaced all or
// nothing, and a deck damaged on the disk reported, never repaired by deleting it.
#include "own_deck_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>

namespace pairfinder {
namespace {

QByteArray Jpeg(QColor colour, bool noisy = false) {
    QImage picture(240, 240, QImage::Format_RGB32);
    picture.fill(colour);
    // Noise does not compress: a noisy picture makes a file of many kilobytes.
    QRandomGenerator random(7);
    if (noisy) {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, random.generate() | 0xFF000000u);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(picture);
    return bytes;
}

struct StoredDeck {
    deck::OwnDeck Names;
    std::vector<QByteArray> Jpegs;
};

StoredDeck Family() {
    return {
        {"Familie",
         {{"bild-01.jpg", "Oma"}, {"bild-02.jpg", "Opa"}, {"bild-03.jpg", "Hund"}, {"bild-04.jpg", "Katze"}}},
        {Jpeg(Qt::red), Jpeg(Qt::green), Jpeg(Qt::blue), Jpeg(Qt::yellow)}};
}

// Its third picture is a large one, which the size limit the test sets makes fail to write.
StoredDeck Holiday() {
    return {{"Urlaub",
             {{"strand.jpg", "Strand"},
              {"berg.jpg", "Berg"},
              {"see.jpg", "See"},
              {"zelt.jpg", "Zelt"},
              {"boot.jpg", "Boot"}}},
            {Jpeg(Qt::cyan), Jpeg(Qt::magenta), Jpeg(Qt::gray, true), Jpeg(Qt::white), Jpeg(Qt::black)}};
}

class OwnDeckStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Data.isValid());
        PreviousData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Data.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", PreviousData); }

    void ExpectLoads(const OwnDeckStore& store, const StoredDeck& deck) {
        const OwnDeckLoad load = store.Load();
        EXPECT_EQ(load.Fault.toStdString(), "");
        ASSERT_TRUE(load.Deck);
        EXPECT_EQ(*load.Deck, deck.Names);
        EXPECT_EQ(load.Jpegs, deck.Jpegs);
        ASSERT_EQ(load.Pictures.size(), deck.Jpegs.size());
        for (const QImage& picture : load.Pictures) EXPECT_EQ(picture.size(), QSize(240, 240));
    }

    // What lies beside the deck's folder, in the folder of decks.
    static QStringList Decks(const OwnDeckStore& store) {
        return QDir(QFileInfo(store.Folder()).absolutePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A write that reaches the limit fails as a full disk would, part way through the deck.
    static void ReplaceWithFilesLimitedTo(const OwnDeckStore& store, const StoredDeck& deck, rlim_t bytes) {
        rlimit before{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        std::string error;
        try {
            store.Replace(deck.Names, deck.Jpegs);
        } catch (const OwnDeckError& e) {
            error = e.what();
        }
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousSignal);
        EXPECT_EQ(error, "Das eigene Deck konnte nicht gespeichert werden: " +
                             (store.Folder() + ".new/see.jpg").toStdString());
    }

    QTemporaryDir Data;
    QByteArray PreviousData;
};

TEST_F(OwnDeckStoreTest, ADeckReplacedIsLoadedBackByteForByteFromTheApplicationDataFolder) {
    const OwnDeckStore store;
    EXPECT_TRUE(store.Folder().startsWith(Data.path() + "/")) << store.Folder().toStdString();
    EXPECT_TRUE(store.Folder().endsWith("/decks/own")) << store.Folder().toStdString();

    const OwnDeckLoad none = store.Load();
    EXPECT_FALSE(none.Deck) << "a player who never stored a deck has none";
    EXPECT_EQ(none.Fault.toStdString(), "");

    store.Replace(Family().Names, Family().Jpegs);
    ExpectLoads(store, Family());
    EXPECT_EQ(QDir(store.Folder()).entryList(QDir::Files, QDir::Name),
              QStringList({"bild-01.jpg", "bild-02.jpg", "bild-03.jpg", "bild-04.jpg", "names.json"}));

    store.Replace(Holiday().Names, Holiday().Jpegs);
    ExpectLoads(store, Holiday());
    EXPECT_EQ(QDir(store.Folder()).entryList(QDir::Files, QDir::Name),
              QStringList({"berg.jpg", "boot.jpg", "names.json", "see.jpg", "strand.jpg", "zelt.jpg"}))
        << "nothing of the deck before is left among the pictures";
    EXPECT_EQ(Decks(store), QStringList({"own"}));
}

TEST_F(OwnDeckStoreTest, AReplaceFailedOrCutOffAnywhereLeavesThePreviousDeckLoadingWhole) {
    const OwnDeckStore store(Data.filePath("decks/own"));
    store.Replace(Family().Names, Family().Jpegs);
    ASSERT_GT(Holiday().Jpegs[2].size(), 32 * 1024);

    // The write of the third picture fails.
    ReplaceWithFilesLimitedTo(store, Holiday(), 32 * 1024);
    ExpectLoads(store, Family());
    EXPECT_EQ(Decks(store), QStringList({"own"}));

    // Killed after moving the deck aside and before putting the new one in its place, with a new one half
    // written.
    ASSERT_TRUE(QDir().rename(store.Folder(), store.Folder() + ".old"));
    ASSERT_TRUE(QDir().mkdir(store.Folder() + ".new"));
    ASSERT_TRUE(QFile::copy(store.Folder() + ".old/bild-01.jpg", store.Folder() + ".new/strand.jpg"));
    ExpectLoads(store, Family());
    EXPECT_EQ(Decks(store), QStringList({"own.new", "own.old"})) << "loading changes nothing on the disk";

    // The next replace puts the player's deck back before it clears what the cut-off one left, and fails too.
    ReplaceWithFilesLimitedTo(store, Holiday(), 32 * 1024);
    ExpectLoads(store, Family());
    EXPECT_EQ(Decks(store), QStringList({"own"}));

    store.Replace(Holiday().Names, Holiday().Jpegs);
    ExpectLoads(store, Holiday());
    EXPECT_EQ(Decks(store), QStringList({"own"}));
}

TEST_F(OwnDeckStoreTest, ADeckDamagedOnTheDiskIsReportedAndNothingOfItIsDeleted) {
    const OwnDeckStore store(Data.filePath("decks/own"));
    const QByteArray cut = Family().Jpegs[1].first(Family().Jpegs[1].size() / 2);
    struct Damage {
        const char* What;
        QString File;
        std::optional<QByteArray> Bytes;  // none: the file is removed
        const char* Fault;
    };
    const Damage damages[] = {
        {"names edited into broken JSON", "names.json", QByteArray("{\"format\": 1, \"name\": \"Familie\","),
         "Das eigene Deck ist beschädigt: Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges "
         "JSON."},
        {"the names file removed", "names.json", std::nullopt,
         "Das eigene Deck ist beschädigt: Die Namensliste fehlt."},
        {"a picture removed", "bild-03.jpg", std::nullopt,
         "Das eigene Deck ist beschädigt: Das Bild „bild-03.jpg“ fehlt."},
        {"a picture replaced by text", "bild-04.jpg", QByteArray("kein Bild"),
         "Das eigene Deck ist beschädigt: Das Bild „bild-04.jpg“ ist kein lesbares JPEG."},
        {"a picture cut in half", "bild-02.jpg", cut,
         "Das eigene Deck ist beschädigt: Das Bild „bild-02.jpg“ ist kein lesbares JPEG."},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.What);
        store.Replace(Family().Names, Family().Jpegs);
        const QString path = store.Folder() + "/" + damage.File;
        ASSERT_TRUE(QFile::remove(path));
        if (damage.Bytes) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*damage.Bytes);
        }
        const QStringList before = QDir(store.Folder()).entryList(QDir::Files, QDir::Name);

        const OwnDeckLoad load = store.Load();
        EXPECT_FALSE(load.Deck);
        EXPECT_TRUE(load.Jpegs.empty());
        EXPECT_EQ(load.Fault.toStdString(), damage.Fault);
        EXPECT_EQ(QDir(store.Folder()).entryList(QDir::Files, QDir::Name), before);
        EXPECT_EQ(Decks(store), QStringList({"own"}));
    }
}

}  // namespace
}  // namespace pairfinder
