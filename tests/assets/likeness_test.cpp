// No two pictures a player must tell apart look alike, in colour or without it; a copy is always caught.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <string>

#include "artwork.h"
#include "picture_signature.h"

namespace pairfinder::artwork {
namespace {

std::string Describe(const std::vector<PicturePair>& pairs, const QStringList& paths) {
    std::string text;
    for (const PicturePair& pair : pairs) {
        text += QStringLiteral("%1 ~ %2 (%3); ")
                    .arg(QFileInfo(paths[pair.First]).fileName(), QFileInfo(paths[pair.Second]).fileName())
                    .arg(pair.Distance, 0, 'f', 3)
                    .toStdString();
    }
    return text;
}

void ExpectNoNearDuplicates(const QStringList& paths, Channels kind, const std::string& what) {
    const std::vector<PicturePair> pairs = NearDuplicates(SignaturesOf(paths, kind), NearDuplicateThreshold);
    EXPECT_TRUE(pairs.empty()) << what << ": " << Describe(pairs, paths);
}

TEST(Likeness, NoTwoFacesOfASetLookAlikeInColour) {
    for (int set = 0; set < FaceSetCount; ++set) {
        ExpectNoNearDuplicates(FaceSetPaths(set), Channels::Colour, "face set " + std::to_string(set + 1));
    }
}

TEST(Likeness, NoTwoFacesOfASetLookAlikeWithoutColour) {
    for (int set = 0; set < FaceSetCount; ++set) {
        ExpectNoNearDuplicates(FaceSetPaths(set), Channels::Grey, "face set " + std::to_string(set + 1));
    }
}

TEST(Likeness, TheFourBacksDifferInColourAndWithoutColour) {
    ExpectNoNearDuplicates(BackPaths(), Channels::Colour, "backs");
    ExpectNoNearDuplicates(BackPaths(), Channels::Grey, "backs");
}

TEST(Likeness, AFaceDownCardIsNeverMistakenForAnOpenOne) {
    const std::vector<Signature> backs = SignaturesOf(BackPaths(), Channels::Colour);
    for (int set = 0; set < FaceSetCount; ++set) {
        const QStringList faces = FaceSetPaths(set);
        const PicturePair closest = ClosestAcross(backs, SignaturesOf(faces, Channels::Colour));
        ASSERT_GE(closest.First, 0);
        // Backs are dark patterned cards, faces sit on a light tile: they must stay far apart.
        EXPECT_GT(closest.Distance, 2 * NearDuplicateThreshold)
            << "back " << closest.First + 1 << " ~ " << qPrintable(faces[closest.Second]);
    }
}

TEST(LikenessCheck, APictureDealtTwiceInOneSetIsCaught) {
    const QStringList paths = FaceSetPaths(0);
    ASSERT_GT(paths.size(), 5);
    std::vector<Signature> signatures = SignaturesOf(paths, Channels::Colour);
    signatures.push_back(SignatureOf(RenderedOnButtonFace(paths[5]), Channels::Colour));

    const std::vector<PicturePair> pairs = NearDuplicates(signatures, NearDuplicateThreshold);
    ASSERT_EQ(pairs.size(), 1u) << Describe(pairs, QStringList(paths) << paths[5]);
    EXPECT_EQ(pairs[0].First, 5);
    EXPECT_EQ(pairs[0].Second, paths.size());
    EXPECT_EQ(pairs[0].Distance, 0.0);
}

TEST(LikenessCheck, AShapeOnlyRecolouredPassesInColourButIsCaughtInGrey) {
    // The same back in opposite hues at equal brightness: a player who sees no colour cannot tell them apart.
    const QStringList backs = BackPaths();
    ASSERT_EQ(backs.size(), 4);
    const QImage original = RenderedOnButtonFace(backs[1]);
    const QImage recoloured = ComplementaryColours(original);

    EXPECT_GT(
        SignatureDistance(SignatureOf(original, Channels::Colour), SignatureOf(recoloured, Channels::Colour)),
        NearDuplicateThreshold);

    std::vector<Signature> grey = SignaturesOf(backs, Channels::Grey);
    grey.push_back(SignatureOf(recoloured, Channels::Grey));
    const std::vector<PicturePair> pairs = NearDuplicates(grey, NearDuplicateThreshold);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].First, 1);
    EXPECT_EQ(pairs[0].Second, 4);
}

}  // namespace
}  // namespace pairfinder::artwork
