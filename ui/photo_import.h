// A player's photo made into the picture an own deck's card shows, or the reason, in the player's words, why
// it cannot be.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

#include "board_size.h"
#include "window_layout.h"

namespace pairfinder {

// Twice the largest card's side, so that the picture stays sharp on the smallest board on a 2x screen.
inline constexpr int PhotoSide = 2 * layout::CardSideOf(*BoardOfPairs(4));
// A file or a picture beyond deck::LargestPhotoFile and deck::MostPhotoPixels is refused from what it claims,
// before a pixel of it is decoded.

// A photo as the deck keeps it: a PhotoSide square JPEG carrying nothing of the file it came from (no EXIF,
// no GPS), and a digest of its pixels by which the same picture is known again.
struct ImportedPhoto {
    QByteArray Jpeg;
    QByteArray Digest;
};

struct PhotoImportResult {
    std::optional<ImportedPhoto> Photo;
    QString Refusal;
};

// Imports photos one at a time, each decoded no larger than the picture needs, and refuses a picture it has
// already taken for the deck being composed.
class PhotoImporter {
public:
    PhotoImportResult Import(const QString& file);
    // A picture the player took out again may be brought back.
    void Forget(const QByteArray& digest);

private:
    QSet<QByteArray> Taken;
};

// Whether a deck file's picture is one the deck keeps: a JPEG that reaches its end, no larger than PhotoSide
// square as its header claims, which decodes.
bool IsDeckPicture(const QByteArray& jpeg);

// Whether JPEG data runs to its end marker: Qt's reader pads a file that ends too early with grey and calls
// it read.
bool JpegReachesItsEnd(const QByteArray& data);

}  // namespace pairfinder
