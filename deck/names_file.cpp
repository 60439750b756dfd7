// The small file that keeps an own deck's name and its pictures' names in order beside the pictures.
#include "names_file.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <variant>
#include <vector>

namespace pairfinder::deck {

namespace {

// As much of JSON as a names file uses, parsed strictly and in bounded depth: a file is untrusted input.
struct Json;
using JsonObject = std::map<std::string, Json>;
using JsonArray = std::vector<Json>;
struct Json {
    std::variant<std::nullptr_t, bool, std::int64_t, std::string, std::shared_ptr<JsonArray>,
                 std::shared_ptr<JsonObject>>
        Value;
};

class Parser {
public:
    explicit Parser(std::string_view text) : Text(text) {}

    std::optional<Json> Document() {
        auto value = Parse(0);
        SkipBlanks();
        if (!value || At != Text.size()) return std::nullopt;
        return value;
    }

private:
    static constexpr int DeepestNesting = 8;

    void SkipBlanks() {
        while (At < Text.size() && (Text[At] == ' ' || Text[At] == '\t' || Text[At] == '\n' || Text[At] == '\r'))
            ++At;
    }

    bool Take(char c) {
        SkipBlanks();
        if (At < Text.size() && Text[At] == c) {
            ++At;
            return true;
        }
        return false;
    }

    bool TakeWord(std::string_view word) {
        if (Text.substr(At, word.size()) != word) return false;
        At += word.size();
        return true;
    }

    std::optional<Json> Parse(int depth) {
        if (depth > DeepestNesting) return std::nullopt;
        SkipBlanks();
        if (At >= Text.size()) return std::nullopt;
        const char c = Text[At];
        if (c == '{') return Object(depth);
        if (c == '[') return Array(depth);
        if (c == '"') {
            auto text = String();
            if (!text) return std::nullopt;
            return Json{std::move(*text)};
        }
        if (TakeWord("true")) return Json{true};
        if (TakeWord("false")) return Json{false};
        if (TakeWord("null")) return Json{nullptr};
        return Number();
    }

    std::optional<Json> Object(int depth) {
        ++At;
        auto object = std::make_shared<JsonObject>();
        if (Take('}')) return Json{object};
        do {
            SkipBlanks();
            auto key = String();
            if (!key || !Take(':')) return std::nullopt;
            auto value = Parse(depth + 1);
            // A name given twice is a file two writers disagree in: refused rather than guessed at.
            if (!value || !object->emplace(std::move(*key), std::move(*value)).second) return std::nullopt;
        } while (Take(','));
        if (!Take('}')) return std::nullopt;
        return Json{object};
    }

    std::optional<Json> Array(int depth) {
        ++At;
        auto array = std::make_shared<JsonArray>();
        if (Take(']')) return Json{array};
        do {
            auto value = Parse(depth + 1);
            if (!value) return std::nullopt;
            array->push_back(std::move(*value));
        } while (Take(','));
        if (!Take(']')) return std::nullopt;
        return Json{array};
    }

    std::optional<Json> Number() {
        const std::size_t start = At;
        if (At < Text.size() && Text[At] == '-') ++At;
        const std::size_t digits = At;
        while (At < Text.size() && Text[At] >= '0' && Text[At] <= '9') ++At;
        // Whole numbers only: a format version is one, and nothing else in the file is a number.
        if (At == digits || At - digits > 9 || (Text[digits] == '0' && At - digits > 1)) return std::nullopt;
        std::int64_t value = 0;
        for (std::size_t i = digits; i < At; ++i) value = value * 10 + (Text[i] - '0');
        return Json{Text[start] == '-' ? -value : value};
    }

    std::optional<unsigned> Hex4() {
        if (At + 4 > Text.size()) return std::nullopt;
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Text[At++];
            value <<= 4;
            if (c >= '0' && c <= '9') value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f') value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') value |= static_cast<unsigned>(c - 'A' + 10);
            else return std::nullopt;
        }
        return value;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // One UTF-8 character copied as it is, checked to be one: a names file is UTF-8 or refused.
    bool CopyCharacter(std::string& out) {
        const auto lead = static_cast<unsigned char>(Text[At]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || At + static_cast<std::size_t>(length) > Text.size()) return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(Text[At + static_cast<std::size_t>(i)]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        constexpr std::uint32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        out.append(Text.substr(At, static_cast<std::size_t>(length)));
        At += static_cast<std::size_t>(length);
        return true;
    }

    std::optional<std::string> String() {
        if (At >= Text.size() || Text[At] != '"') return std::nullopt;
        ++At;
        std::string out;
        while (At < Text.size()) {
            const char c = Text[At];
            if (c == '"') {
                ++At;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                if (!CopyCharacter(out)) return std::nullopt;
                continue;
            }
            if (++At >= Text.size()) return std::nullopt;
            const char escaped = Text[At++];
            switch (escaped) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    auto code = Hex4();
                    if (!code) return std::nullopt;
                    if (*code >= 0xD800 && *code <= 0xDBFF) {
                        if (!TakeWord("\\u")) return std::nullopt;
                        auto low = Hex4();
                        if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
                        *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                    } else if (*code >= 0xDC00 && *code <= 0xDFFF) {
                        return std::nullopt;
                    }
                    AppendUtf8(out, *code);
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view Text;
    std::size_t At = 0;
};

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char Digits[] = "0123456789abcdef";
                    out += "\\u00";
                    out += Digits[(c >> 4) & 0xF];
                    out += Digits[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

template <typename T>
const T* Get(const JsonObject& object, const std::string& key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : std::get_if<T>(&found->second.Value);
}

NamesFileRead Refused(std::string fault) {
    return {std::nullopt, std::move(fault)};
}


}  // namespace

bool IsPictureFileName(std::string_view file) {
    if (file.empty() || file.size() > 64 || file.front() == '.') return false;
    return std::all_of(file.begin(), file.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.';
    });
}

std::string WriteNamesFile(const OwnDeck& deck) {
    std::string out = "{\n  \"format\": " + std::to_string(NamesFormat) + ",\n  \"name\": " + Quoted(deck.Name) +
                      ",\n  \"pictures\": [";
    for (std::size_t i = 0; i < deck.Pictures.size(); ++i) {
        const OwnPicture& picture = deck.Pictures[i];
        out += (i == 0 ? "\n    " : ",\n    ");
        out += "{\"file\": " + Quoted(picture.File) + ", \"name\": " + Quoted(picture.Name) + "}";
    }
    return out + (deck.Pictures.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

NamesFileRead ReadNamesFile(std::string_view text) {
    if (text.size() > LargestNamesFile)
        return Refused(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Die Namensliste des Decks ist beschädigt. Sie ist zu groß.")));
    const std::optional<Json> document = Parser(text).Document();
    const auto* root = document ? std::get_if<std::shared_ptr<JsonObject>>(&document->Value) : nullptr;
    if (!root) {
        return Refused(
            Tr(QT_TRANSLATE_NOOP("Pairfinder", "Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON.")));
    }
    const JsonObject& object = **root;

    const std::int64_t* format = Get<std::int64_t>(object, "format");
    if (!format || *format < 1) {
        return Refused(
            Tr(QT_TRANSLATE_NOOP("Pairfinder", "Die Namensliste des Decks ist beschädigt. Ihr fehlt die Formatangabe.")));
    }
    if (*format > NamesFormat) {
        return Refused(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder",
                                                   "Dieses Deck wurde mit einer neueren Version von Pairfinder "
                                                   "gespeichert (Format %1). Bitte Pairfinder aktualisieren, um es zu "
                                                   "öffnen.")),
                              {std::to_string(*format)}));
    }
    const std::string* name = Get<std::string>(object, "name");
    const auto* pictures = Get<std::shared_ptr<JsonArray>>(object, "pictures");
    if (!name || !pictures) {
        return Refused(Tr(QT_TRANSLATE_NOOP(
            "Pairfinder", "Die Namensliste des Decks ist beschädigt. Ihr fehlen der Name des Decks oder die Bilder.")));
    }

    OwnDeck deck;
    deck.Name = NormalName(*name);
    std::set<std::string> files;
    for (const Json& entry : **pictures) {
        const auto* picture = std::get_if<std::shared_ptr<JsonObject>>(&entry.Value);
        const std::string* file = picture ? Get<std::string>(**picture, "file") : nullptr;
        const std::string* pictureName = picture ? Get<std::string>(**picture, "name") : nullptr;
        if (!file || !pictureName) {
            return Refused(Tr(QT_TRANSLATE_NOOP(
                "Pairfinder", "Die Namensliste des Decks ist beschädigt. Ein Bild hat keine Datei oder keinen Namen.")));
        }
        if (!IsPictureFileName(*file) || !files.insert(*file).second)
            return Refused(Filled(Tr(QT_TRANSLATE_NOOP(
                                      "Pairfinder", "Die Namensliste des Decks ist beschädigt. Der Dateiname „%1“ ist "
                                                    "nicht erlaubt.")),
                                  {*file}));
        deck.Pictures.push_back({*file, NormalName(*pictureName)});
    }
    if (const std::string fault = PictureCountFault(static_cast<int>(deck.Pictures.size())); !fault.empty())
        return Refused(fault);
    std::vector<std::string> names;
    for (const OwnPicture& picture : deck.Pictures) names.push_back(picture.Name);
    const std::vector<std::string> faults = NameFaults(names);
    for (std::size_t i = 0; i < faults.size(); ++i) {
        if (!faults[i].empty())
            return Refused(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Bild %1 des Decks: %2")),
                                  {std::to_string(i + 1), faults[i]}));
    }
    return {std::move(deck), {}};
}

}  // namespace pairfinder::deck
