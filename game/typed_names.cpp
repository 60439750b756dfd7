// Names a player types, kept and judged the same way wherever they are typed.
#include "typed_names.h"

#include <algorithm>

#include "words.h"

namespace pairfinder {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string NormalName(std::string_view typed) {
    std::string normal;
    bool blank = false;
    for (const char c : typed) {
        if (IsBlank(c)) {
            blank = !normal.empty();
            continue;
        }
        if (blank) normal += ' ';
        blank = false;
        normal += c;
    }
    return normal;
}

int CharacterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

std::string FirstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int seen = 0; end < text.size() && seen < count; ++seen) {
        ++end;
        while (end < text.size() && IsContinuation(text[end])) ++end;
    }
    return std::string(text.substr(0, end));
}

std::string Folded(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

std::vector<std::string> NameFaults(const std::vector<std::string>& names, int longest, std::string_view same,
                                    const std::vector<std::string_view>& taken) {
    std::vector<std::string> folded;
    folded.reserve(names.size() + taken.size());
    for (const std::string& name : names) folded.push_back(Folded(NormalName(name)));
    for (const std::string_view name : taken) folded.push_back(Folded(name));
    std::vector<std::string> faults;
    faults.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string normal = NormalName(names[i]);
        if (normal.empty()) {
            faults.push_back(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Bitte einen Namen eingeben.")));
        } else if (CharacterCount(normal) > longest) {
            faults.push_back(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Höchstens %1 Zeichen, hier sind es %2.")),
                                    {std::to_string(longest), std::to_string(CharacterCount(normal))}));
        } else if (std::count(folded.begin(), folded.end(), folded[i]) > 1) {
            faults.emplace_back(same);
        } else {
            faults.emplace_back();
        }
    }
    return faults;
}

}  // namespace pairfinder
