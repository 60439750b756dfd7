// Writes a registry export file that regedit on Windows imports and that the reader takes back unchanged.
#include "reg_file_writer.h"

#include <cstdint>
#include <cstdio>
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

void AppendHex(std::string& out, std::string prefix, const std::vector<std::uint8_t>& bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
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
                char digits[16];
                std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(*number));
                out += prefix + "dword:" + digits;
            } else if (value.Type == RegBinary) {
                AppendHex(out, prefix + "hex:", value.Data);
            } else {
                char type[16];
                std::snprintf(type, sizeof type, "%x", value.Type);
                AppendHex(out, prefix + "hex(" + type + "):", value.Data);
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
