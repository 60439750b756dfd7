// An own deck's rules as a player meets them when composing one: the names offered from file names, the names
// refused beside their fields, the boards a deck fills, the names file that keeps them and travels with it, and the
// photos refused from what their headers claim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "names_file.h"
#include "own_deck.h"
#include "photo_faults.h"
#include "photo_header.h"

namespace pairfinder::deck {
namespace {

TEST(OwnDeck, AFileNameIsOfferedOnlyWhereItSpeaks) {
    const struct {
        const char* File;
        const char* Offered;
    } files[] = {
        {"Oma im Garten.jpg", "Oma im Garten"},
        {"Hund_Bello.jpeg", "Hund Bello"},
        {"  Haus   am See .png", "Haus am See"},
        {"C:\\Fotos\\Paris.webp", "Paris"},
        {"/home/anna/Bilder/Opa.JPG", "Opa"},
        {"Oma 2.jpg", "Oma 2"},
        {"2019 Urlaub.jpg", "2019 Urlaub"},
        {"Jürgen am Strand.heic", "Jürgen am Strand"},
        // Cameras, phones and the browser's own names say nothing of the picture.
        {"IMG_4711.JPG", ""},
        {"IMG_20230614_101502.jpg", ""},
        {"DSC01234.jpg", ""},
        {"_DSC0042.NEF", ""},
        {"DSCN0001.jpg", ""},
        {"PXL_20260614_101502123.jpg", ""},
        {"PXL_20260614_101502123.MP.jpg", "PXL 20260614 101502123.MP"},
        {"P1010001.JPG", ""},
        {"image.png", ""},
        {"image (1).png", ""},
        {"Screenshot_20260101-120000.png", ""},
        {"20260614_101502.jpg", ""},
        {"2026-06-14 10.15.02.jpg", ""},
        {".jpg", ""},
        {"", ""},
        // A name longer than a name may be is cut to its first 40 characters.
        {"Ein sehr langer Dateiname über den Sommer am Meer mit allen.jpg", "Ein sehr langer Dateiname über den Somme"},
    };
    for (const auto& file : files) EXPECT_EQ(OfferedName(file.File), file.Offered) << file.File;
}

TEST(OwnDeck, EachNameIsRequiredShortAndUnlikeTheOthersAndSaysWhatIsWrongBesideItsField) {
    const std::vector<std::string> names{
        "Oma im Garten", "  ", "Hund Bello", "hund  bello", "Ein Name, der mit Abstand länger ist als vierzig",
        "Ein Name von genau vierzig Zeichen Länge", "Haus", "Oma im Garten"};
    const std::vector<std::string> faults = NameFaults(names);
    ASSERT_EQ(faults.size(), names.size());
    EXPECT_EQ(faults[0], "Diesen Namen trägt schon ein anderes Bild.");
    EXPECT_EQ(faults[1], "Bitte einen Namen eingeben.");
    EXPECT_EQ(faults[2], "Diesen Namen trägt schon ein anderes Bild.");
    EXPECT_EQ(faults[3], "Diesen Namen trägt schon ein anderes Bild.") << "letter case and blanks aside";
    EXPECT_EQ(faults[4], "Höchstens 40 Zeichen, hier sind es 48.");
    EXPECT_EQ(faults[5], "") << "40 characters, umlauts counted as one";
    EXPECT_EQ(faults[6], "");
    EXPECT_EQ(faults[7], "Diesen Namen trägt schon ein anderes Bild.");
    EXPECT_EQ(NormalName("\tOma\n im  Garten "), "Oma im Garten");
}

TEST(OwnDeck, ADeckHoldsFourToThirtyTwoPicturesAndPlaysOnEveryBoardItFills) {
    const struct {
        int Pictures;
        std::vector<int> Boards;
        const char* Fault;
    } decks[] = {
        {1, {}, "Ein Deck braucht mindestens 4 Bilder, hier ist nur 1 brauchbares."},
        {3, {}, "Ein Deck braucht mindestens 4 Bilder, hier sind nur 3 brauchbare."},
        {4, {4}, ""},
        {8, {4, 8}, ""},
        {17, {4, 8}, ""},
        {18, {4, 8, 18}, ""},
        {32, {4, 8, 18, 32}, ""},
        {33, {4, 8, 18, 32}, "Ein Deck fasst höchstens 32 Bilder, hier sind 33."},
    };
    for (const auto& deck : decks) {
        std::vector<int> boards;
        for (const BoardSize& board : BoardSizes) {
            if (Fills(deck.Pictures, board)) boards.push_back(board.Pairs);
        }
        EXPECT_EQ(boards, deck.Boards) << deck.Pictures;
        EXPECT_EQ(PictureCountFault(deck.Pictures), deck.Fault) << deck.Pictures;
        const auto largest = LargestBoardFilled(deck.Pictures);
        EXPECT_EQ(largest ? largest->Pairs : 0, deck.Boards.empty() ? 0 : deck.Boards.back());
    }
}

OwnDeck Family(int pictures) {
    OwnDeck deck{"Familie \"Müller\"", {}};
    for (int i = 1; i <= pictures; ++i) {
        deck.Pictures.push_back({"bild-" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".jpg",
                                 "Bild " + std::to_string(i) + (i == 1 ? " 🂡 \\ Ä" : "")});
    }
    return deck;
}

TEST(NamesFile, ADeckComesBackWholeAndTheSameDeckGivesTheSameBytes) {
    const OwnDeck deck = Family(4);
    const std::string written = WriteNamesFile(deck);
    EXPECT_EQ(written,
              "{\n  \"format\": 1,\n  \"name\": \"Familie \\\"Müller\\\"\",\n  \"pictures\": [\n"
              "    {\"file\": \"bild-01.jpg\", \"name\": \"Bild 1 🂡 \\\\ Ä\"},\n"
              "    {\"file\": \"bild-02.jpg\", \"name\": \"Bild 2\"},\n"
              "    {\"file\": \"bild-03.jpg\", \"name\": \"Bild 3\"},\n"
              "    {\"file\": \"bild-04.jpg\", \"name\": \"Bild 4\"}\n  ]\n}\n");
    const NamesFileRead read = ReadNamesFile(written);
    ASSERT_TRUE(read.Deck) << read.Fault;
    EXPECT_EQ(*read.Deck, deck);
    EXPECT_EQ(WriteNamesFile(*read.Deck), written);
    // Written by hand or by another program: escapes, blanks and an unknown member are read as JSON reads them.
    const NamesFileRead byHand = ReadNamesFile(
        "{\"pictures\":[{\"name\":\"Oma\\u0020im Garten\",\"file\":\"a.jpg\",\"taken\":null},"
        "{\"file\":\"b.jpg\",\"name\":\"\\ud83c\\udca1\"},{\"file\":\"c.jpg\",\"name\":\"C\"},"
        "{\"file\":\"d.jpg\",\"name\":\"  D  \"}],\"format\":1,\"name\":\"x\"}");
    ASSERT_TRUE(byHand.Deck) << byHand.Fault;
    EXPECT_EQ(byHand.Deck->Pictures[0].Name, "Oma im Garten");
    EXPECT_EQ(byHand.Deck->Pictures[1].Name, "🂡");
    EXPECT_EQ(byHand.Deck->Pictures[3].Name, "D");
}

TEST(NamesFile, AFileThatIsNoDeckIsRefusedWithWhatIsWrong) {
    const std::string damaged = "Die Namensliste des Decks ist beschädigt.";
    const std::string four = R"([{"file":"a.jpg","name":"A"},{"file":"b.jpg","name":"B"},)"
                             R"({"file":"c.jpg","name":"C"},{"file":"d.jpg","name":"D"}])";
    const struct {
        std::string Text;
        std::string Fault;
    } files[] = {
        {"", damaged + " Sie ist kein gültiges JSON."},
        {"PK\x03\x04", damaged + " Sie ist kein gültiges JSON."},
        {R"({"format":1,"name":"x","pictures":)" + four, damaged + " Sie ist kein gültiges JSON."},
        {R"({"format":1,"name":"x","pictures":)" + four + "} trailing", damaged + " Sie ist kein gültiges JSON."},
        {R"({"format":1,"format":1,"name":"x","pictures":)" + four + "}", damaged + " Sie ist kein gültiges JSON."},
        {"{\"format\":1,\"name\":\"\xff\",\"pictures\":" + four + "}", damaged + " Sie ist kein gültiges JSON."},
        {"{\"format\":1,\"name\":\"\xc3\x28\",\"pictures\":" + four + "}", damaged + " Sie ist kein gültiges JSON."},
        {R"({"format":1,"name":"\ud800","pictures":)" + four + "}", damaged + " Sie ist kein gültiges JSON."},
        {"[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[",
         damaged + " Sie ist kein gültiges JSON."},
        {std::string(LargestNamesFile + 1, ' '), damaged + " Sie ist zu groß."},
        {R"({"name":"x","pictures":)" + four + "}", damaged + " Ihr fehlt die Formatangabe."},
        {R"({"format":"1","name":"x","pictures":)" + four + "}", damaged + " Ihr fehlt die Formatangabe."},
        {R"({"format":2,"name":"x","pictures":)" + four + "}",
         "Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format 2). Bitte Pairfinder "
         "aktualisieren, um es zu öffnen."},
        {R"({"format":1,"pictures":)" + four + "}", damaged + " Ihr fehlen der Name des Decks oder die Bilder."},
        {R"({"format":1,"name":"x","pictures":[{"file":"a.jpg"}]})",
         damaged + " Ein Bild hat keine Datei oder keinen Namen."},
        {R"({"format":1,"name":"x","pictures":[{"file":"../a.jpg","name":"A"}]})",
         damaged + " Der Dateiname „../a.jpg“ ist nicht erlaubt."},
        {R"({"format":1,"name":"x","pictures":[{"file":"C:a.jpg","name":"A"}]})",
         damaged + " Der Dateiname „C:a.jpg“ ist nicht erlaubt."},
        {R"({"format":1,"name":"x","pictures":[{"file":".hidden","name":"A"}]})",
         damaged + " Der Dateiname „.hidden“ ist nicht erlaubt."},
        {R"({"format":1,"name":"x","pictures":[{"file":"a.jpg","name":"A"},{"file":"a.jpg","name":"B"}]})",
         damaged + " Der Dateiname „a.jpg“ ist nicht erlaubt."},
        {R"({"format":1,"name":"x","pictures":[{"file":"a.jpg","name":"A"}]})",
         "Ein Deck braucht mindestens 4 Bilder, hier ist nur 1 brauchbares."},
        {R"({"format":1,"name":"x","pictures":[{"file":"a.jpg","name":"A"},{"file":"b.jpg","name":"a"},)"
         R"({"file":"c.jpg","name":"C"},{"file":"d.jpg","name":"D"}]})",
         "Bild 1 des Decks: Diesen Namen trägt schon ein anderes Bild."},
    };
    for (const auto& file : files) {
        const NamesFileRead read = ReadNamesFile(file.Text);
        EXPECT_FALSE(read.Deck) << file.Text.substr(0, 80);
        EXPECT_EQ(read.Fault, file.Fault) << file.Text.substr(0, 80);
    }
    // Thirty-three pictures are one too many.
    EXPECT_EQ(ReadNamesFile(WriteNamesFile(Family(33))).Fault, "Ein Deck fasst höchstens 32 Bilder, hier sind 33.");
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (const int b : bytes) out += static_cast<char>(b);
    return out;
}

std::string_view Refusal(const std::string& head, std::int64_t size) {
    return RefusalOf({reinterpret_cast<const unsigned char*>(head.data()), head.size()}, size);
}

TEST(PhotoHeader, EachKindSaysItsSizeAndTurnAndIsRefusedForWhatItClaims) {
    // Exif with orientation 6 in a little-endian TIFF block, then a 4000 x 3000 frame, a scan and the end.
    const std::string exif = Bytes({0xFF, 0xE1, 0x00, 0x22}) + std::string("Exif\0\0II*\0\x08\0\0\0", 14) +
                             Bytes({1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0});
    const std::string frame = Bytes({0xFF, 0xC0, 0, 11, 8, 0x0B, 0xB8, 0x0F, 0xA0, 1, 1, 0x11, 0});
    const std::string scan = Bytes({0xFF, 0xDA, 0, 2, 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD9});
    const std::string jpeg = Bytes({0xFF, 0xD8}) + exif + frame + scan;
    const std::string png =
        "\x89PNG\r\n\x1A\n" + Bytes({0, 0, 0, 13}) + "IHDR" + Bytes({0, 0, 0x27, 0x10, 0, 0, 0x27, 0x11});
    const std::string gif = "GIF89a" + Bytes({0x40, 0x01, 0xF0, 0x00});
    const std::string lossy = "RIFF" + Bytes({0, 0, 0, 0}) + "WEBPVP8 " +
                              Bytes({0, 0, 0, 0, 0, 0, 0, 0x9D, 0x01, 0x2A, 0x80, 0x02, 0xE0, 0x41});
    const std::string lossless =
        "RIFF" + Bytes({0, 0, 0, 0}) + "WEBPVP8L" + Bytes({0, 0, 0, 0, 0x2F, 0x3F, 0xC0, 0x3F, 0});
    const std::string extended = "RIFF" + Bytes({0, 0, 0, 0}) + "WEBPVP8X" +
                                 Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0x0F, 0x27, 0, 0x0F, 0x27, 0});
    const std::string bmp =
        "BM" + std::string(12, '\0') + Bytes({40, 0, 0, 0, 0x20, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF});
    const struct {
        std::string Head;
        PhotoKind Kind;
        std::int64_t Width, Height;
        bool Turned;
        std::string_view Refused;
    } files[] = {
        {jpeg, PhotoKind::Jpeg, 4000, 3000, true, ""},
        {jpeg.substr(0, jpeg.size() - 2), PhotoKind::Jpeg, 4000, 3000, true, DamagedPicture},
        {Bytes({0xFF, 0xD8}) + frame + scan, PhotoKind::Jpeg, 4000, 3000, false, ""},
        // A frame cut off inside its own segment says no size.
        {Bytes({0xFF, 0xD8}) + frame.substr(0, 8), PhotoKind::Jpeg, 0, 0, false, NotAPicture},
        {png, PhotoKind::Png, 10000, 10001, false, PictureTooLarge},
        {gif, PhotoKind::Gif, 320, 240, false, ""},
        {lossy, PhotoKind::WebP, 640, 480, false, ""},
        {lossless, PhotoKind::WebP, 64, 256, false, ""},
        {extended, PhotoKind::WebP, 10000, 10000, false, ""},
        {bmp, PhotoKind::Bmp, 32, 16, false, ""},
        {Bytes({0, 0, 0, 0x18}) + "ftypheic" + std::string(8, '\0'), PhotoKind::Heic, 0, 0, false,
         HeicUnreadable},
        {"PK\x03\x04 not a picture", PhotoKind::None, 0, 0, false, NotAPicture},
    };
    for (const auto& file : files) {
        const PhotoClaim claim =
            ClaimOf({reinterpret_cast<const unsigned char*>(file.Head.data()), file.Head.size()});
        EXPECT_EQ(claim.Kind, file.Kind) << file.Head.substr(0, 12);
        EXPECT_EQ(claim.Width, file.Width) << file.Head.substr(0, 12);
        EXPECT_EQ(claim.Height, file.Height) << file.Head.substr(0, 12);
        EXPECT_EQ(claim.QuarterTurned, file.Turned) << file.Head.substr(0, 12);
        EXPECT_EQ(Refusal(file.Head, static_cast<std::int64_t>(file.Head.size())), file.Refused)
            << file.Head.substr(0, 12);
    }
    // The file's own size is judged before its header; a JPEG's end only when the whole file is given.
    EXPECT_EQ(Refusal(jpeg, 0), EmptyFile);
    EXPECT_EQ(Refusal(jpeg, 50'000'001), FileTooLarge);
    EXPECT_EQ(Refusal(jpeg.substr(0, jpeg.size() - 2), 50'000'000), "");
}

}  // namespace
}  // namespace pairfinder::deck
