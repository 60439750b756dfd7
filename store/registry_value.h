// A registry value as the registry holds it, and the one place where numbers and text become its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pairfinder {

// Value types as the Windows registry numbers them; the file keeps any other number as it found it.
enum RegistryType : std::uint32_t {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegDwordBigEndian = 5,
    RegLink = 6,
    RegMultiSz = 7,
    RegQword = 11,
};

// String types carry UTF-16LE bytes, as the wide API returns them.
struct RegistryValue {
    std::uint32_t Type = RegNone;
    std::vector<std::uint8_t> Data;

    bool operator==(const RegistryValue&) const = default;
};

// REG_DWORD: four bytes, least significant first.
RegistryValue DwordValue(std::uint32_t number);
// The number in a value of exactly four bytes, read as the registry stores a DWORD; empty for any other size.
std::optional<std::uint32_t> DwordNumber(const RegistryValue& value);

// The UTF-8 text as UTF-16LE with its terminating zero, as the registry's writers store a string.
RegistryValue TextValue(std::string_view text, std::uint32_t type = RegSz);
// The text up to the first zero character, as UTF-8; a damaged UTF-16 sequence becomes U+FFFD.
std::string TextOf(const RegistryValue& value);
// The text when TextValue would give back exactly these bytes, so nothing is lost by writing it as text.
std::optional<std::string> ExactText(const RegistryValue& value);

}  // namespace pairfinder
