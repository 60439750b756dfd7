// What a photo's file claims about itself, read from its header alone.
#include "photo_header.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "photo_faults.h"

namespace pairfinder::deck {

namespace {

using Bytes = std::span<const unsigned char>;

bool Has(Bytes data, std::size_t at, std::size_t count) {
    return at <= data.size() && count <= data.size() - at;
}

std::uint32_t Big(Bytes data, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | data[at + static_cast<std::size_t>(i)];
    return value;
}

std::uint32_t Little(Bytes data, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | data[at + static_cast<std::size_t>(i)];
    return value;
}

bool Starts(Bytes data, std::size_t at, std::string_view text) {
    return Has(data, at, text.size()) && std::memcmp(data.data() + at, text.data(), text.size()) == 0;
}

// A phone's HEIC photo is often named .jpg once it has been shared; its ftyp box tells it apart.
bool IsHeic(Bytes head) {
    static constexpr std::array<std::string_view, 7> Brands{"heic", "heix", "mif1", "hevc",
                                                            "heim", "heis", "hevx"};
    return Starts(head, 4, "ftyp") &&
           std::any_of(Brands.begin(), Brands.end(),
                       [head](std::string_view brand) { return Starts(head, 8, brand); });
}

// EXIF orientation 5 to 8 turns the picture a quarter; the tag lies in the first directory of the TIFF block.
bool QuarterTurnedByExif(Bytes exif) {
    if (!Starts(exif, 0, std::string_view("Exif\0\0", 6))) return false;
    const Bytes tiff = exif.subspan(6);
    if (!Has(tiff, 0, 8)) return false;
    const bool little = Starts(tiff, 0, "II");
    if (!little && !Starts(tiff, 0, "MM")) return false;
    const auto read = [&tiff, little](std::size_t at, int count) {
        return little ? Little(tiff, at, count) : Big(tiff, at, count);
    };
    const std::size_t directory = read(4, 4);
    if (!Has(tiff, directory, 2)) return false;
    const std::size_t entries = read(directory, 2);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        if (!Has(tiff, entry, 12)) return false;
        if (read(entry, 2) != 0x0112) continue;
        const std::uint32_t orientation = read(entry + 8, 2);
        return orientation >= 5 && orientation <= 8;
    }
    return false;
}

PhotoClaim JpegClaim(Bytes data) {
    PhotoClaim claim{PhotoKind::Jpeg};
    std::size_t at = 2;
    while (at < data.size()) {
        while (at < data.size() && data[at] != 0xFF) ++at;
        while (at < data.size() && data[at] == 0xFF) ++at;
        if (!Has(data, at, 3)) return claim;
        const unsigned char marker = data[at++];
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        // The picture's size comes before its first scan, or the header does not say it.
        if (marker == 0xD9 || marker == 0xDA) return claim;
        const std::size_t length = Big(data, at, 2);
        if (length < 2 || !Has(data, at, length)) return claim;
        const Bytes segment = data.subspan(at + 2, length - 2);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (!Has(segment, 0, 5)) return claim;
            claim.Height = Big(segment, 1, 2);
            claim.Width = Big(segment, 3, 2);
            return claim;
        }
        if (marker == 0xE1 && QuarterTurnedByExif(segment)) claim.QuarterTurned = true;
        at += length;
    }
    return claim;
}

PhotoClaim WebPClaim(Bytes head) {
    PhotoClaim claim{PhotoKind::WebP};
    if (Starts(head, 12, "VP8 ") && Has(head, 26, 4) && Big(head, 23, 3) == 0x9D012A) {
        claim.Width = Little(head, 26, 2) & 0x3FFF;
        claim.Height = Little(head, 28, 2) & 0x3FFF;
    } else if (Starts(head, 12, "VP8L") && Has(head, 21, 4) && head[20] == 0x2F) {
        const std::uint32_t bits = Little(head, 21, 4);
        claim.Width = (bits & 0x3FFF) + 1;
        claim.Height = ((bits >> 14) & 0x3FFF) + 1;
    } else if (Starts(head, 12, "VP8X") && Has(head, 24, 6)) {
        claim.Width = Little(head, 24, 3) + 1;
        claim.Height = Little(head, 27, 3) + 1;
    }
    return claim;
}

PhotoClaim BmpClaim(Bytes head) {
    PhotoClaim claim{PhotoKind::Bmp};
    if (!Has(head, 14, 4)) return claim;
    if (Little(head, 14, 4) == 12) {
        if (!Has(head, 18, 4)) return claim;
        claim.Width = Little(head, 18, 2);
        claim.Height = Little(head, 20, 2);
        return claim;
    }
    if (!Has(head, 18, 8)) return claim;
    // Negative heights are stored top-down.
    claim.Width = static_cast<std::int32_t>(Little(head, 18, 4));
    claim.Height = static_cast<std::int32_t>(Little(head, 22, 4));
    if (claim.Height < 0) claim.Height = -claim.Height;
    if (claim.Width < 0) claim.Width = 0;
    return claim;
}

}  // namespace

PhotoClaim ClaimOf(Bytes head) {
    if (Starts(head, 0, "\xFF\xD8\xFF")) return JpegClaim(head);
    if (Starts(head, 0, "\x89PNG\r\n\x1A\n")) {
        PhotoClaim claim{PhotoKind::Png};
        if (Starts(head, 12, "IHDR") && Has(head, 16, 8)) {
            claim.Width = Big(head, 16, 4);
            claim.Height = Big(head, 20, 4);
        }
        return claim;
    }
    if (Starts(head, 0, "GIF87a") || Starts(head, 0, "GIF89a")) {
        PhotoClaim claim{PhotoKind::Gif};
        if (Has(head, 6, 4)) {
            claim.Width = Little(head, 6, 2);
            claim.Height = Little(head, 8, 2);
        }
        return claim;
    }
    if (Starts(head, 0, "RIFF") && Starts(head, 8, "WEBP")) return WebPClaim(head);
    if (Starts(head, 0, "BM")) return BmpClaim(head);
    if (IsHeic(head)) return {PhotoKind::Heic};
    return {};
}

// The markers are walked by their lengths, because an EXIF thumbnail carries an end marker of its own and a
// motion photo carries a video after the picture's.
bool JpegReachesItsEnd(Bytes data) {
    const std::size_t size = data.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    std::size_t at = 2;
    while (at < size) {
        // Stray bytes between segments are passed over to the next marker, as libjpeg does.
        while (at < size && data[at] != 0xFF) ++at;
        while (at < size && data[at] == 0xFF) ++at;
        if (at >= size) return false;
        const unsigned char marker = data[at++];
        if (marker == 0xD9) return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        if (!Has(data, at, 2)) return false;
        const std::size_t length = Big(data, at, 2);
        if (length < 2 || !Has(data, at, length)) return false;
        at += length;
        if (marker != 0xDA) continue;
        // Entropy-coded data follows a scan: a 0xFF in it is followed by 0x00 or a restart marker, and
        // anything else is the next marker.
        while (true) {
            const void* found = std::memchr(data.data() + at, 0xFF, size - at);
            if (found == nullptr) return false;
            at = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - data.data());
            if (at + 1 >= size) return false;
            const unsigned char next = data[at + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                at += next == 0xFF ? 1 : 2;
                continue;
            }
            break;
        }
    }
    return false;
}

std::string_view RefusalOf(Bytes head, std::int64_t size) {
    if (size <= 0) return EmptyFile;
    if (size > LargestPhotoFile) return FileTooLarge;
    const PhotoClaim claim = ClaimOf(head);
    if (claim.Kind == PhotoKind::Heic) return HeicUnreadable;
    // A header that does not say the size would have the whole picture decoded to learn it.
    if (claim.Kind == PhotoKind::None || claim.Width <= 0 || claim.Height <= 0) return NotAPicture;
    if (claim.Width * claim.Height > MostPhotoPixels) return PictureTooLarge;
    if (claim.Kind == PhotoKind::Jpeg && static_cast<std::int64_t>(head.size()) == size &&
        !JpegReachesItsEnd(head))
        return DamagedPicture;
    return {};
}

}  // namespace pairfinder::deck
