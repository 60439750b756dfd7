// What a photo's file claims about itself before a pixel of it is decoded: its kind, its size in pixels and
// how it is turned, read from its first bytes by a reader that never looks past the data it is given.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace pairfinder::deck {

// A file or a picture beyond these is refused from what it claims.
inline constexpr std::int64_t LargestPhotoFile = 50LL * 1000 * 1000;
inline constexpr std::int64_t MostPhotoPixels = 100LL * 1000 * 1000;

enum class PhotoKind { None, Jpeg, Png, Gif, WebP, Bmp, Heic };

struct PhotoClaim {
    PhotoKind Kind = PhotoKind::None;
    // As the pixels are stored, before any turn; 0 where the header does not say.
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    // The picture is stored a quarter turned (EXIF orientation 5 to 8): upright, its width is Height.
    bool QuarterTurned = false;
};

PhotoClaim ClaimOf(std::span<const unsigned char> head);

// Whether JPEG data runs to its end marker: decoders pad a file that ends too early with grey and call it
// read.
bool JpegReachesItsEnd(std::span<const unsigned char> data);

// Why the file of `size` bytes that begins with `head` is refused before it is decoded, one of
// photo_faults.h; empty when it may be decoded. A JPEG is judged cut off only when head is the whole file.
std::string_view RefusalOf(std::span<const unsigned char> head, std::int64_t size);

}  // namespace pairfinder::deck
