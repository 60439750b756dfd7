// Numbers and names as registry bytes: what Windows' regedit would show for them, byte for byte.
#include "registry_value.h"

#include <gtest/gtest.h>

namespace pairfinder {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RegistryValueBytes, ACountIsFourBytesLeastSignificantFirstAndAnEmptyPlaceIsAllOnes) {
    EXPECT_EQ(DwordValue(0x1f), (RegistryValue{RegDword, Bytes{0x1f, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(DwordValue(0x12345678), (RegistryValue{RegDword, Bytes{0x78, 0x56, 0x34, 0x12}}));
    EXPECT_EQ(DwordValue(static_cast<std::uint32_t>(-1)).Data, (Bytes{0xff, 0xff, 0xff, 0xff}));
    EXPECT_EQ(DwordNumber(RegistryValue{RegDword, Bytes{0x78, 0x56, 0x34, 0x12}}), 0x12345678u);
    EXPECT_EQ(DwordNumber(RegistryValue{RegDword, Bytes{1, 2, 3}}), std::nullopt);
    EXPECT_EQ(DwordNumber(RegistryValue{RegDword, Bytes{1, 2, 3, 4, 5}}), std::nullopt);
}

TEST(RegistryValueBytes, ANameIsUtf16LittleEndianWithItsTerminatingZero) {
    EXPECT_EQ(TextValue("J\xC3\xBCrgen"),
              (RegistryValue{RegSz, Bytes{'J', 0, 0xFC, 0, 'r', 0, 'g', 0, 'e', 0, 'n', 0, 0, 0}}));
    // Outside the basic plane a character takes a surrogate pair.
    EXPECT_EQ(TextValue("\xF0\x9F\x98\x80", RegExpandSz),
              (RegistryValue{RegExpandSz, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0, 0}}));
    EXPECT_EQ(TextOf(RegistryValue{RegSz, Bytes{'A', 0, 'n', 0, 0, 0, 'x', 0}}), "An");
    EXPECT_EQ(TextOf(RegistryValue{RegSz, Bytes{'A', 0, 'n', 0}}), "An");
}

TEST(RegistryValueBytes, OnlyBytesThatTextGivesBackExactlyCountAsText) {
    EXPECT_EQ(ExactText(TextValue("Tom & Jerry")), "Tom & Jerry");
    EXPECT_EQ(ExactText(RegistryValue{RegSz, Bytes{'A', 0}}), std::nullopt);              // no terminator
    EXPECT_EQ(ExactText(RegistryValue{RegSz, Bytes{'A', 0, 0, 0, 0, 0}}), std::nullopt);  // two of them
    EXPECT_EQ(ExactText(RegistryValue{RegSz, Bytes{'A', 0, 0}}), std::nullopt);           // half a character
    EXPECT_EQ(ExactText(RegistryValue{RegSz, Bytes{0x3D, 0xD8, 0, 0}}), std::nullopt);    // lone surrogate
}

}  // namespace
}  // namespace pairfinder
