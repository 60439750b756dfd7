// Conversions between the UTF-8 text of the game and the UTF-16 and code page 1252 text registries hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pairfinder {

// Malformed input never fails: each bad sequence becomes U+FFFD, so a damaged name still shows.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Windows code page 1252, the text of REGEDIT4 files.
std::string Cp1252ToUtf8(std::string_view text);

// Little-endian bytes, the byte order of the registry's string values.
std::vector<std::uint8_t> Utf16ToBytes(std::u16string_view text);
std::u16string BytesToUtf16(const std::vector<std::uint8_t>& bytes);

// True when the UTF-16 text has no lone surrogate, so it survives a trip through UTF-8 unchanged.
bool IsWellFormedUtf16(std::u16string_view text);

}  // namespace pairfinder
