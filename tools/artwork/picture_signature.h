// Small blurred fingerprints of rendered pictures, to tell how alike two pictures look to a player.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace pairfinder::artwork {

// Two pictures closer than this (root mean square over a signature, 0..1) count as near-duplicates.
// Picked from the measured pictures: distinct motifs in one set stay well above it, while a copied
// picture or a recoloured one seen in grey falls far below.
inline constexpr double NearDuplicateThreshold = 0.06;

// Cells along each side of a signature; coarse enough to ignore anti-aliasing, fine enough for outlines.
inline constexpr int SignatureSide = 12;

enum class Channels { Colour, Grey };

// Mean values of SignatureSide x SignatureSide cells, in 0..1, three per cell in colour and one in grey.
struct Signature {
    Channels Kind = Channels::Colour;
    std::vector<double> Values;
};

// The picture as a player sees it: rendered at 60 x 60 and laid on the window's button-face grey,
// so transparent corners count as the window behind them.
QImage OnButtonFace(const QImage& picture);

// The picture at `path` rendered at its game size (60 x 60) on the button-face grey; null when it fails.
QImage RenderedOnButtonFace(const QString& path);

// Each colour replaced by its opposite hue at the same brightness: what a recolouring looks like
// to a player who sees no colour.
QImage ComplementaryColours(const QImage& picture);

Signature SignatureOf(const QImage& picture, Channels kind);

// Signatures of the pictures at `paths` as the player sees them, in list order.
std::vector<Signature> SignaturesOf(const QStringList& paths, Channels kind);

// Root mean square difference of two signatures of the same kind, 0 (alike) .. 1.
double SignatureDistance(const Signature& a, const Signature& b);

struct PicturePair {
    int First = -1;
    int Second = -1;
    double Distance = 0.0;
};

// The two most alike signatures of a list (First < Second); First is -1 when the list has fewer than two.
PicturePair ClosestPair(const std::vector<Signature>& signatures);

// The most alike signature of `a` and signature of `b` (First indexes `a`, Second `b`); -1 when either is
// empty.
PicturePair ClosestAcross(const std::vector<Signature>& a, const std::vector<Signature>& b);

// Every pair closer than `threshold`, in index order.
std::vector<PicturePair> NearDuplicates(const std::vector<Signature>& signatures, double threshold);

}  // namespace pairfinder::artwork
