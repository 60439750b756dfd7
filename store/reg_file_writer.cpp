// Writes a registry export file that regedit on Windows imports and that the reader takes back unchanged.
#include "reg_file_writer.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "text_encoding.h"

namespace pairfinder {

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out + '"';
}

// The quoted form only when reading it back gives the same bytes and Windows' regedit reads it the same way.
std::optional<std::string> AsQuotedText(const RegistryValue& value) {
    if (value.Type != RegSz) return std::nullopt;
    const auto text = ExactText(value);
    if (!text || text->find_first_of("\n\r") != std::string::npos) return std::nullopt;
    return Quoted(*text);
}

constexpr char Digits[] = "0123456789abcdef";

// A number in lower-case hex, at least `width` digits: printf's "%08x" and "%x", without printf, which the page would
// otherwise carry whole.
std::string HexNumber(std::uint32_t number, int width) {
    std::string digits;
    do {
        digits.insert(digits.begin(), Digits[number & 0xF]);
        number >>= 4;
    } while (number != 0);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

void AppendHex(std::string& out, std::string prefix, const std::vector<std::uint8_t>& bytes) {
    // Wrapped as regedit wraps, so long values stay readable.
    std::size_t column = prefix.size();
    out += prefix;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (column > 76) {
            out += "\\\n  ";
            column = 2;
        }
        out += Digits[bytes[i] >> 4];
        out += Digits[bytes[i] & 0xF];
        column += 2;
        if (i + 1 < bytes.size()) {
            out += ',';
            ++column;
        }
    }
}

}  // namespace

std::string FormatRegFile(const RegFileDocument& document) {
    std::string out(RegFileHeader);
    out += '\n';
    for (const RegFileKey& key : document.Keys) {
        out += "\n[";
        out += RegFileRoot;
        if (!key.Path.empty()) out += '\\' + key.Path;
        out += "]\n";
        for (const auto& [name, value] : key.Values) {
            const std::string prefix = (name.empty() ? std::string("@") : Quoted(name)) + "=";
            if (const auto text = AsQuotedText(value)) {
                out += prefix + *text;
            } else if (const auto number = DwordNumber(value); number && value.Type == RegDword) {
                out += prefix + "dword:" + HexNumber(static_cast<std::uint32_t>(*number), 8);
            } else if (value.Type == RegBinary) {
                AppendHex(out, prefix + "hex:", value.Data);
            } else {
                AppendHex(out, prefix + "hex(" + HexNumber(value.Type, 1) + "):", value.Data);
            }
            out += '\n';
        }
    }
    return out;
}

std::string EncodeRegFile(std::string_view text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const std::vector<std::uint8_t> wide = Utf16ToBytes(Utf8ToUtf16(crlf));
    std::string bytes = "\xFF\xFE";
    bytes.append(wide.begin(), wide.end());
    return bytes;
}

std::size_t EncodedRegFileSize(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A character's first byte counts one unit; one of four bytes needs a surrogate pair; "\n" gets a
        // "\r".
        if ((byte & 0xC0) != 0x80) ++units;
        if (byte >= 0xF0 || byte == '\n') ++units;
    }
    return 2 + 2 * units;
}

std::string RegFileBytes(const RegFileDocument& document) {
    return EncodeRegFile(FormatRegFile(document));
}

}  // namespace pairfinder
