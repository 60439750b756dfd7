// A registry value as the registry holds it, and the one place where numbers and text become its bytes.
#include "registry_value.h"

#include <algorithm>

#include "text_encoding.h"

namespace pairfinder {

RegistryValue DwordValue(std::uint32_t number) {
    return {RegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

std::optional<std::uint32_t> DwordNumber(const RegistryValue& value) {
    const auto& d = value.Data;
    if (d.size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>(d[0]) | static_cast<std::uint32_t>(d[1]) << 8 |
           static_cast<std::uint32_t>(d[2]) << 16 | static_cast<std::uint32_t>(d[3]) << 24;
}

RegistryValue TextValue(std::string_view text, std::uint32_t type) {
    std::u16string wide = Utf8ToUtf16(text);
    wide += u'\0';
    return {type, Utf16ToBytes(wide)};
}

std::string TextOf(const RegistryValue& value) {
    std::u16string text = BytesToUtf16(value.Data);
    text.resize(std::min(text.find(u'\0'), text.size()));
    return Utf16ToUtf8(text);
}

std::optional<std::string> ExactText(const RegistryValue& value) {
    if (value.Data.size() % 2 != 0) return std::nullopt;
    const std::u16string wide = BytesToUtf16(value.Data);
    if (wide.empty() || wide.back() != u'\0' || !IsWellFormedUtf16(wide)) return std::nullopt;
    const std::u16string_view text(wide.data(), wide.size() - 1);
    if (text.find(u'\0') != std::u16string_view::npos) return std::nullopt;
    return Utf16ToUtf8(text);
}

}  // namespace pairfinder
