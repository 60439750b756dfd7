// A deck file written and read through libzip; reading treats the file as hostile: every claim is checked
// before anything is inflated, and nothing is inflated past what its entry claims.
#include "deck_file.h"

#include <zip.h>

#include <algorithm>
#include <memory>
#include <set>

#include "names_file.h"
#include "photo_header.h"

namespace pairfinder::deck {

namespace {

using Bytes = std::span<const unsigned char>;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

// A file refused for one of deck_file.h's reasons, said in the player's language; or for a reason already said so.
DeckFileRead Refused(std::string_view reason) {
    return {std::nullopt, {}, Tr(reason.data())};
}
DeckFileRead Refused(const std::string& said) {
    return {std::nullopt, {}, said};
}

// libzip reads the whole central directory when it opens an archive, as many entries as the end record claims.
// A deck has its names file and at most 32 pictures: the claim is read first, so that a file of a million
// empty entries costs nothing. Returns nullopt when there is no end record: not a ZIP archive.
std::optional<std::size_t> EntriesClaimed(Bytes file) {
    constexpr std::size_t EndRecord = 22;
    constexpr std::size_t LongestComment = 0xFFFF;
    if (file.size() < EndRecord) return std::nullopt;
    const std::size_t last = file.size() - EndRecord;
    const std::size_t first = last > LongestComment ? last - LongestComment : 0;
    for (std::size_t at = last + 1; at-- > first;) {
        if (file[at] == 'P' && file[at + 1] == 'K' && file[at + 2] == 5 && file[at + 3] == 6)
            return static_cast<std::size_t>(file[at + 10] | (file[at + 11] << 8));
    }
    return std::nullopt;
}

// Whether an entry's name, as its bytes stand, stays inside the archive wherever an unzip tool unpacks it.
bool StaysInside(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos ||
        name.find(':') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

// A size libzip gives, which is std::size_t on a 64-bit machine and wider than it in WebAssembly; the sizes
// passed here are checked against the limits above first.
template <typename Size>
std::size_t InMemory(Size size) {
    return static_cast<std::size_t>(size);
}

// An entry's bytes, read in bounded chunks and never past one byte more than it claims, so that an entry that
// inflates to more than it says is caught after that byte; nullopt when it is not exactly its claimed size or
// fails its checksum.
std::optional<std::vector<unsigned char>> EntryBytes(zip_t* archive, zip_uint64_t index, zip_uint64_t claimed) {
    const std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
    if (!entry) return std::nullopt;
    constexpr zip_uint64_t Chunk = 64 * 1024;
    std::vector<unsigned char> bytes;
    bytes.reserve(InMemory(claimed) + 1);
    std::size_t have = 0;
    while (true) {
        const zip_uint64_t wanted = std::min(Chunk, claimed + 1 - have);
        bytes.resize(have + InMemory(wanted));
        const zip_int64_t read = zip_fread(entry.get(), bytes.data() + have, wanted);
        if (read < 0) return std::nullopt;
        if (read == 0) break;
        have += InMemory(read);
    }
    bytes.resize(have);
    if (bytes.size() != claimed) return std::nullopt;
    return bytes;
}

bool IsWholeJpeg(Bytes picture) {
    return ClaimOf(picture).Kind == PhotoKind::Jpeg && JpegReachesItsEnd(picture);
}

}  // namespace

std::vector<unsigned char> WriteDeckFile(const OwnDeck& deck, const std::vector<std::vector<unsigned char>>& jpegs) {
    if (!ZipLibraryFault().empty()) return {};
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (target) zip_source_free(target);
        return {};
    }
    // The archive is written into the source when it closes; the source is kept to read it back.
    zip_source_keep(target);

    const std::string names = WriteNamesFile(deck);
    // 1980-01-01 00:00, the earliest time a ZIP entry can carry: set as a DOS time, which libzip keeps as it
    // is, where a time_t would be turned into the machine's local time.
    constexpr zip_uint16_t Midnight = 0;
    constexpr zip_uint16_t FirstOfJanuary1980 = (1 << 5) | 1;
    bool written = true;
    const auto add = [&](const std::string& name, const void* data, std::size_t size, zip_int32_t method) {
        zip_source_t* source = zip_source_buffer(archive, data, size, 0);
        const zip_int64_t index = source ? zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            written = false;
            return;
        }
        const auto at = static_cast<zip_uint64_t>(index);
        written = written && zip_file_set_dostime(archive, at, Midnight, FirstOfJanuary1980, 0) == 0 &&
                  zip_set_file_compression(archive, at, method, 9) == 0;
    };
    // The pictures are JPEG already: deflating them again would only cost time.
    add(std::string(NamesEntry), names.data(), names.size(), ZIP_CM_DEFLATE);
    for (std::size_t i = 0; i < deck.Pictures.size() && i < jpegs.size(); ++i)
        add(deck.Pictures[i].File, jpegs[i].data(), jpegs[i].size(), ZIP_CM_STORE);
    written = written && deck.Pictures.size() == jpegs.size();
    if (!written || zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(target);
        return {};
    }

    std::vector<unsigned char> out;
    zip_stat_t stat;
    if (zip_source_stat(target, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(target) == 0) {
        out.resize(InMemory(stat.size));
        if (zip_source_read(target, out.data(), out.size()) != static_cast<zip_int64_t>(out.size())) out.clear();
        zip_source_close(target);
    }
    zip_source_free(target);
    return out;
}

DeckFileRead ReadDeckFile(Bytes file) {
    if (static_cast<std::int64_t>(file.size()) > LargestDeckFile) return Refused(DeckFileTooLarge);
    if (const std::string missing = ZipLibraryFault(); !missing.empty()) return Refused(missing);
    const std::optional<std::size_t> claimed = EntriesClaimed(file);
    if (!claimed) return Refused(NotADeckFile);
    if (*claimed > static_cast<std::size_t>(MostPictures) + 1)
        return Refused(PictureCountFault(static_cast<int>(*claimed - 1)));

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(file.data(), file.size(), 0, &error);
    Archive archive(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!archive) {
        if (source) zip_source_free(source);
        return Refused(code == ZIP_ER_NOZIP ? NotADeckFile : DeckFileDamaged);
    }

    // Every entry is judged by what it claims before a byte of any is read.
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    std::set<std::string> seen;
    std::int64_t unpacked = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &stat) != 0)
            return Refused(DeckFileDamaged);
        const std::string_view name = stat.name ? stat.name : "";
        if (!StaysInside(name)) return Refused(DeckFileLeavesItself);
        if (stat.encryption_method != ZIP_EM_NONE) return Refused(DeckFileEncrypted);
        if ((stat.comp_method != ZIP_CM_STORE && stat.comp_method != ZIP_CM_DEFLATE) || !seen.emplace(name).second)
            return Refused(DeckFileDamaged);
        if (stat.size > static_cast<zip_uint64_t>(LargestUnpacked - unpacked)) return Refused(DeckUnpacksTooLarge);
        unpacked += static_cast<std::int64_t>(stat.size);
    }

    const auto read = [&archive](std::string_view name) -> std::optional<std::optional<std::vector<unsigned char>>> {
        const zip_int64_t index = zip_name_locate(archive.get(), std::string(name).c_str(), ZIP_FL_ENC_RAW);
        zip_stat_t stat;
        if (index < 0 || zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0)
            return std::nullopt;
        return EntryBytes(archive.get(), static_cast<zip_uint64_t>(index), stat.size);
    };
    const auto names = read(NamesEntry);
    if (!names) return Refused(NotADeckFile);
    if (!*names) return Refused(DeckFileDamaged);
    NamesFileRead described = ReadNamesFile({reinterpret_cast<const char*>((*names)->data()), (*names)->size()});
    if (!described.Deck) return Refused(described.Fault);

    DeckFileRead out{std::move(described.Deck), {}, {}};
    for (const OwnPicture& picture : out.Deck->Pictures) {
        auto bytes = read(picture.File);
        if (!bytes) return Refused(DeckPictureMissing);
        if (!*bytes) return Refused(DeckFileDamaged);
        if (!IsWholeJpeg(**bytes)) return Refused(DeckPictureDamaged);
        out.Pictures.push_back(std::move(**bytes));
    }
    return out;
}

}  // namespace pairfinder::deck
