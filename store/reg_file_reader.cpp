// Reads a registry export file: what regedit, Wine, a hand or this program's writer may have made of it.
#include "reg_file_reader.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "reg_file_writer.h"
#include "registry_error.h"
#include "text_encoding.h"

namespace pairfinder {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Accepts only what an encoder could have produced, so a stray Latin-1 byte is reported, not replaced:
// the decoder turns every malformed sequence into U+FFFD, which no longer matches the original bytes.
bool IsValidUtf8(std::string_view text) {
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

class Parser {
public:
    Parser(std::string_view bytes, const std::string& fileName) : FileName(fileName) { Decode(bytes); }

    RegFileDocument Run() {
        // Regedit takes blanks before the header but refuses the whole file for blanks after it.
        std::string_view header = Lines.empty() ? std::string_view() : std::string_view(Lines[0]);
        while (!header.empty() && IsBlank(header.front())) header.remove_prefix(1);
        if (header != RegFileHeader && header != RegFileHeaderV4) {
            Fail(1, "the first line is not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"");
        }
        AnsiStrings = header == RegFileHeaderV4 && !WasUtf16;
        for (LineIndex = 1; LineIndex < Lines.size(); ++LineIndex) {
            if (AnsiStrings) Lines[LineIndex] = Cp1252ToUtf8(Lines[LineIndex]);
            if (!AnsiStrings && !IsValidUtf8(Lines[LineIndex])) Fail("the text is not UTF-8");
            const std::string_view line = TrimBlanks(Lines[LineIndex]);
            if (line.empty() || line.front() == ';') continue;
            if (line.front() == '[') {
                ParseSection(line);
            } else if (line.front() == '"' || line.front() == '@') {
                ParseValue(line);
            } else {
                Fail("expected a [key] or a \"name\"=value line");
            }
        }
        // A file is only worth reading if a save can write it back: the written form may be longer, as
        // UTF-16 is, or a text with a line break, which goes out as hex.
        if (EncodedRegFileSize(FormatRegFile(Document)) > MaxRegFileBytes) {
            Fail(Lines.size(), "written back, the file would be larger than " +
                                   std::to_string(MaxRegFileBytes >> 20) + " MiB");
        }
        return std::move(Document);
    }

private:
    [[noreturn]] void Fail(std::size_t line, const std::string& reason) const {
        throw RegistryFileError(FileName, static_cast<int>(line), reason);
    }
    [[noreturn]] void Fail(const std::string& reason) const { Fail(LineIndex + 1, reason); }

    void Decode(std::string_view bytes) {
        if (bytes.size() > MaxRegFileBytes) {
            Fail(static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + MaxRegFileBytes, '\n')) +
                     1,
                 "the file is larger than " + std::to_string(MaxRegFileBytes >> 20) + " MiB");
        }
        std::string text;
        if (bytes.starts_with("\xFF\xFE")) {
            WasUtf16 = true;
            bytes.remove_prefix(2);
            std::u16string wide;
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8);
            }
            text = Utf16ToUtf8(wide);
            if (bytes.size() % 2 != 0) {
                SplitLines(text);
                Fail(Lines.size(), "the file ends in the middle of a UTF-16 character");
            }
        } else if (bytes.starts_with("\xFE\xFF")) {
            Fail(1, "UTF-16 big-endian files are not read; save it as UTF-16LE or UTF-8");
        } else {
            if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
            text = bytes;
        }
        SplitLines(text);
    }

    void SplitLines(const std::string& text) {
        Lines.clear();
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            Lines.push_back(std::move(line));
            start = end + 1;
        }
    }

    void ParseSection(std::string_view line) {
        const std::size_t close = line.rfind(']');
        if (close == std::string_view::npos || close != line.size() - 1) Fail("a key line must end with ']'");
        const std::string_view name = line.substr(1, close - 1);
        if (name.starts_with('-')) Fail("deleting a key is not something this file can hold");
        if (AsciiLower(name.substr(0, RegFileRoot.size())) != AsciiLower(RegFileRoot) ||
            (name.size() > RegFileRoot.size() && name[RegFileRoot.size()] != '\\')) {
            Fail("only keys under HKEY_CURRENT_USER belong in this file");
        }
        std::string_view path = name.substr(RegFileRoot.size());
        if (!path.empty()) path.remove_prefix(1);
        if (name.size() > RegFileRoot.size() && (path.empty() || path.starts_with('\\') ||
                                                 path.ends_with('\\') || path.find("\\\\") != path.npos)) {
            Fail("a key name has an empty part");
        }
        CurrentKey = &Document.FindOrAddKey(path);
    }

    // Reads a quoted text starting at pos (on the opening quote) and moves pos past the closing quote.
    std::string QuotedText(std::string_view line, std::size_t& pos) const {
        std::string text;
        for (++pos; pos < line.size(); ++pos) {
            const char c = line[pos];
            if (c == '"') {
                ++pos;
                return text;
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (++pos >= line.size()) break;
            switch (line[pos]) {
                case '\\':
                    text += '\\';
                    break;
                case '"':
                    text += '"';
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 'r':
                    text += '\r';
                    break;
                default:
                    Fail(std::string("unknown escape \\") + line[pos] + " in a quoted text");
            }
        }
        Fail("a quoted text has no closing quote");
    }

    void ParseValue(std::string_view line) {
        if (CurrentKey == nullptr) Fail("a value before the first [key] line");
        std::size_t pos = 0;
        std::string name;
        if (line.front() == '@') {
            pos = 1;
        } else {
            name = QuotedText(line, pos);
        }
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] != '=') Fail("expected '=' after the value name");
        const std::string_view data = TrimBlanks(line.substr(pos + 1));
        CurrentKey->SetValue(name, ParseData(data));
    }

    RegistryValue ParseData(std::string_view data) {
        if (data.starts_with('"')) {
            std::size_t pos = 0;
            const std::string text = QuotedText(data, pos);
            const std::string_view rest = TrimBlanks(data.substr(pos));
            if (!rest.empty() && rest.front() != ';') Fail("text after the closing quote");
            RegistryValue value = TextValue(text);
            if (value.Data.size() > MaxRegValueBytes) Fail(ValueTooLarge());
            return value;
        }
        // Outside quotes a ';' starts a comment, as regedit reads it.
        data = TrimBlanks(data.substr(0, data.find(';')));
        if (data.starts_with('-')) Fail("deleting a value is not something this file can hold");
        // Regedit takes the kinds in lower case only and skips the line otherwise.
        if (data.starts_with("dword:")) return DwordValue(HexNumber(TrimBlanks(data.substr(6)), "a dword"));
        if (data.starts_with("hex:")) return {RegBinary, HexBytes(data.substr(4))};
        if (data.starts_with("hex(")) {
            const std::size_t close = data.find("):");
            if (close == std::string_view::npos) Fail("expected \"):\" after the type of a hex(...) value");
            const std::uint32_t type = HexNumber(data.substr(4, close - 4), "the type of a hex(...) value");
            RegistryValue value{type, HexBytes(data.substr(close + 2))};
            if (AnsiStrings && (type == RegSz || type == RegExpandSz || type == RegMultiSz)) {
                const std::string ansi(value.Data.begin(), value.Data.end());
                value.Data = Utf16ToBytes(Utf8ToUtf16(Cp1252ToUtf8(ansi)));
            }
            return value;
        }
        Fail("unknown kind of value; expected \"text\", dword: or hex");
    }

    std::uint32_t HexNumber(std::string_view digits, const std::string& what) const {
        if (digits.empty() || digits.size() > 8) Fail(what + " must be 1 to 8 hex digits");
        std::uint32_t number = 0;
        for (const char c : digits) {
            const int d = HexDigit(c);
            if (d < 0) Fail(what + " must be 1 to 8 hex digits");
            number = number << 4 | static_cast<std::uint32_t>(d);
        }
        return number;
    }

    // Byte lists continue on the next line after a trailing "\"; LineIndex moves along with them.
    std::vector<std::uint8_t> HexBytes(std::string_view first) {
        std::vector<std::uint8_t> bytes;
        std::string_view part = first;
        bool afterComma = false;
        while (true) {
            part = TrimBlanks(part.substr(0, part.find(';')));
            const bool continued = part.ends_with('\\');
            if (continued) part.remove_suffix(1);
            for (std::size_t pos = 0; pos < part.size();) {
                if (IsBlank(part[pos])) {
                    ++pos;
                } else if (part[pos] == ',' && !afterComma && !bytes.empty()) {
                    afterComma = true;
                    ++pos;
                } else if ((afterComma || bytes.empty()) && pos + 1 < part.size() &&
                           HexDigit(part[pos]) >= 0 && HexDigit(part[pos + 1]) >= 0) {
                    bytes.push_back(
                        static_cast<std::uint8_t>(HexDigit(part[pos]) << 4 | HexDigit(part[pos + 1])));
                    if (bytes.size() > MaxRegValueBytes) Fail(ValueTooLarge());
                    afterComma = false;
                    pos += 2;
                } else {
                    Fail("expected hex bytes of two digits each, separated by commas");
                }
            }
            if (!continued) {
                if (afterComma) Fail("a hex list ends in a comma");
                return bytes;
            }
            if (++LineIndex >= Lines.size()) Fail(Lines.size(), "the file ends inside a continued hex list");
            if (AnsiStrings) Lines[LineIndex] = Cp1252ToUtf8(Lines[LineIndex]);
            part = Lines[LineIndex];
        }
    }

    static std::string ValueTooLarge() {
        return "a value is larger than " + std::to_string(MaxRegValueBytes >> 20) + " MiB";
    }

    const std::string& FileName;
    std::vector<std::string> Lines;
    std::size_t LineIndex = 0;
    bool WasUtf16 = false;
    bool AnsiStrings = false;
    RegFileDocument Document;
    RegFileKey* CurrentKey = nullptr;
};

}  // namespace

RegFileDocument ParseRegFile(std::string_view bytes, const std::string& fileName) {
    return Parser(bytes, fileName).Run();
}

}  // namespace pairfinder
