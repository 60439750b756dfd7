// A deck file as one player writes it and another opens it, and the files that must be refused whole: archives
// made here through libzip's own writer and patched where a hostile file would lie.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "deck_file.h"
#include "names_file.h"

namespace pairfinder::deck {
namespace {

using File = std::vector<unsigned char>;

File Of(const std::string& text) {
    return {text.begin(), text.end()};
}

// A JPEG as far as a deck file looks into one: its start, a frame, a scan and its end; `fill` bytes of scan
// data make it larger.
File Jpeg(int number, std::size_t fill = 1) {
    constexpr unsigned char Head[] = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 1, 0, 1, 1, 0x11, 0, 0xFF, 0xDA, 0, 2};
    File jpeg(sizeof Head + fill + 2, static_cast<unsigned char>(number));
    std::copy(std::begin(Head), std::end(Head), jpeg.begin());
    jpeg[jpeg.size() - 2] = 0xFF;
    jpeg.back() = 0xD9;
    return jpeg;
}

OwnDeck Deck(int pictures) {
    OwnDeck deck{"Ferien am Meer", {}};
    for (int i = 1; i <= pictures; ++i)
        deck.Pictures.push_back({"bild-" + std::to_string(i) + ".jpg", "Bild " + std::to_string(i)});
    return deck;
}

// Any archive, written by libzip as another program would write it.
File Zip(const std::vector<std::pair<std::string, File>>& entries) {
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, nullptr);
    zip_source_keep(target);
    for (const auto& [name, data] : entries)
        zip_file_add(archive, name.c_str(), zip_source_buffer(archive, data.data(), data.size(), 0), 0);
    zip_close(archive);
    File out;
    zip_source_open(target);
    unsigned char chunk[4096];
    for (zip_int64_t read; (read = zip_source_read(target, chunk, sizeof chunk)) > 0;)
        for (zip_int64_t i = 0; i < read; ++i) out.push_back(chunk[i]);
    zip_source_close(target);
    zip_source_free(target);
    return out;
}

std::vector<std::pair<std::string, File>> Entries(const OwnDeck& deck) {
    std::vector<std::pair<std::string, File>> entries{{"names.json", Of(WriteNamesFile(deck))}};
    for (std::size_t i = 0; i < deck.Pictures.size(); ++i)
        entries.emplace_back(deck.Pictures[i].File, Jpeg(static_cast<int>(i)));
    return entries;
}

// The file with a 32-bit field of the named entry's local header and of its central directory record set to
// value, the two kept alike as a hostile writer keeps them; `at` counts from the local header's start.
File Patched(File file, const std::string& entry, std::size_t at, std::uint32_t value, int width = 4) {
    const auto patch = [&](std::string_view signature, std::size_t nameAt, std::size_t field) {
        std::string header(signature);
        for (std::size_t i = 0; i + nameAt + entry.size() <= file.size(); ++i) {
            if (std::equal(header.begin(), header.end(), file.begin() + static_cast<long>(i)) &&
                std::equal(entry.begin(), entry.end(), file.begin() + static_cast<long>(i + nameAt))) {
                for (int b = 0; b < width; ++b)
                    file[i + field + static_cast<std::size_t>(b)] = static_cast<unsigned char>(value >> (8 * b));
                return;
            }
        }
        ADD_FAILURE() << "no header of " << entry;
    };
    patch(std::string_view("PK\3\4", 4), 30, at);
    // A central directory record has the version that made it before the fields a local header has.
    patch(std::string_view("PK\1\2", 4), 46, at + 2);
    return file;
}

constexpr std::size_t FlagsField = 6, SizeField = 22;

TEST(DeckFile, ComesBackWholeAsTheSameBytesWhereverItIsWritten) {
    const OwnDeck deck = Deck(5);
    const std::vector<File> jpegs{Jpeg(1), Jpeg(2, 3000), Jpeg(3), Jpeg(4), Jpeg(5)};
    const File written = WriteDeckFile(deck, jpegs);
    const DeckFileRead read = ReadDeckFile(written);
    ASSERT_TRUE(read.Deck) << read.Fault;
    EXPECT_EQ(*read.Deck, deck);
    EXPECT_EQ(read.Pictures, jpegs);
    EXPECT_EQ(WriteDeckFile(deck, jpegs), written);
    // The names file first; the pictures as they are, for any unzip tool to show.
    EXPECT_EQ(std::string(written.begin() + 30, written.begin() + 40), "names.json");
    EXPECT_NE(std::search(written.begin(), written.end(), jpegs[1].begin(), jpegs[1].end()), written.end());
    EXPECT_TRUE(WriteDeckFile(deck, {jpegs.begin(), jpegs.end() - 1}).empty()) << "a picture short";
#ifdef __linux__
    // The time in the file is no local time: another time zone writes the same bytes.
    for (const char* zone : {"UTC-14", "UTC+11"}) {
        setenv("TZ", zone, 1);
        tzset();
        EXPECT_EQ(WriteDeckFile(deck, jpegs), written) << zone;
    }
    unsetenv("TZ");
    tzset();
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "pairfinder-deck-test.pfdeck";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(written.data()),
                                                 static_cast<std::streamsize>(written.size()));
    std::string listed;
    if (FILE* unzip = popen(("python3 -m zipfile -l " + path.string()).c_str(), "r")) {
        char line[256];
        while (fgets(line, sizeof line, unzip)) listed += line;
        pclose(unzip);
    }
    std::filesystem::remove(path);
    for (const char* entry : {"names.json", "bild-1.jpg", "bild-5.jpg"})
        EXPECT_NE(listed.find(entry + std::string(" ")), std::string::npos) << entry << " in\n" << listed;
    EXPECT_NE(listed.find("1980-01-01 00:00:00         3020\n"), std::string::npos) << listed;
#endif
}

TEST(DeckFile, AHostileOrBrokenFileIsRefusedWholeWithWhatIsWrong) {
    const OwnDeck four = Deck(4);
    const File good = WriteDeckFile(four, {Jpeg(1), Jpeg(2), Jpeg(3), Jpeg(4)});
    const auto with = [&four](std::string name, File data) {
        auto entries = Entries(four);
        entries.emplace_back(std::move(name), std::move(data));
        return Zip(entries);
    };
    const auto replacing = [&four](std::size_t entry, File data) {
        auto entries = Entries(four);
        entries[entry].second = std::move(data);
        return Zip(entries);
    };
    std::string newer = WriteNamesFile(four);
    newer.replace(newer.find("\"format\": 1"), 11, "\"format\": 2");
    OwnDeck alike = four;
    alike.Pictures[1].Name = "bild 1";
    File cutOff = Jpeg(2);
    cutOff.resize(cutOff.size() - 2);
    const auto fourEntries = Entries(four);
    auto manyEntries = fourEntries;
    for (int i = 5; i <= 33; ++i) manyEntries.emplace_back("bild-" + std::to_string(i) + ".jpg", Jpeg(i));
    // A thousand bytes of names file, said to be ten: inflating it stops one byte past the ten.
    OwnDeck wordy = four;
    wordy.Name = std::string(38, 'x');
    const File wordyFile = WriteDeckFile(wordy, {Jpeg(1), Jpeg(2), Jpeg(3), Jpeg(4)});

    const struct {
        const char* What;
        File Bytes;
        std::string Fault;
    } files[] = {
        {"empty", {}, std::string(NotADeckFile)},
        {"not a ZIP", Of("GIF89a, a picture and no deck"), std::string(NotADeckFile)},
        {"a ZIP's end and nothing else", File(good.end() - 22, good.end()), std::string(DeckFileDamaged)},
        {"cut off before its end", File(good.begin(), good.end() - 30), std::string(NotADeckFile)},
        {"no names file", Zip({{"bild-1.jpg", Jpeg(1)}, {"Deck/names.json", Of(WriteNamesFile(four))}}),
         std::string(NotADeckFile)},
        {"names file not JSON", replacing(0, Of("{\"format\": 1,")),
         "Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON."},
        {"names file of format 2", replacing(0, Of(newer)),
         "Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format 2). Bitte Pairfinder "
         "aktualisieren, um es zu öffnen."},
        {"two names alike", replacing(0, Of(WriteNamesFile(alike))),
         "Bild 1 des Decks: Diesen Namen trägt schon ein anderes Bild."},
        {"33 pictures", Zip(manyEntries), "Ein Deck fasst höchstens 32 Bilder, hier sind 33."},
        {"a picture missing", Zip({fourEntries.begin(), fourEntries.end() - 1}), std::string(DeckPictureMissing)},
        {"a picture not a JPEG", replacing(2, Of("\x89PNG\r\n\x1A\n")), std::string(DeckPictureDamaged)},
        {"a picture cut off", replacing(2, cutOff), std::string(DeckPictureDamaged)},
        {"../", with("../bild-9.jpg", Jpeg(9)), std::string(DeckFileLeavesItself)},
        {"../ deeper", with("bilder/../../bild-9.jpg", Jpeg(9)), std::string(DeckFileLeavesItself)},
        {"absolute", with("/tmp/bild-9.jpg", Jpeg(9)), std::string(DeckFileLeavesItself)},
        {"drive letter", with("C:bild-9.jpg", Jpeg(9)), std::string(DeckFileLeavesItself)},
        {"backslashes", with("bilder\\..\\bild-9.jpg", Jpeg(9)), std::string(DeckFileLeavesItself)},
        {"names file claims less than it holds", Patched(wordyFile, "names.json", SizeField, 10),
         std::string(DeckFileDamaged)},
        {"names file claims more than it holds", Patched(good, "names.json", SizeField, 2000),
         std::string(DeckFileDamaged)},
        {"two pictures claiming 60 MB each",
         Patched(Patched(good, "bild-2.jpg", SizeField, 60'000'000), "bild-3.jpg", SizeField, 60'000'000),
         std::string(DeckUnpacksTooLarge)},
        {"an encrypted picture", Patched(good, "bild-3.jpg", FlagsField, 1, 2), std::string(DeckFileEncrypted)},
        {"a picture compressed otherwise", Patched(good, "bild-3.jpg", FlagsField + 2, 12, 2),
         std::string(DeckFileDamaged)},
    };
    ASSERT_TRUE(ReadDeckFile(good).Deck);
    for (const auto& file : files) {
        const DeckFileRead read = ReadDeckFile(file.Bytes);
        EXPECT_EQ(read.Fault, file.Fault) << file.What;
        EXPECT_FALSE(read.Deck) << file.What;
        EXPECT_TRUE(read.Pictures.empty()) << file.What;
    }
}

}  // namespace
}  // namespace pairfinder::deck
