// The game's words in the player's language, looked up through the front end's catalogue.
#include "words.h"

#include <cstring>
#include <string>
#include <utility>

#include "german_forms.h"

namespace pairfinder {

namespace {

WordsLookup& Lookup() {
    static WordsLookup lookup;
    return lookup;
}

std::string WithNumber(std::string text, int n) {
    const std::string number = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

}  // namespace

void SetWordsLookup(WordsLookup lookup) {
    Lookup() = std::move(lookup);
}

std::string GermanWords(const char* source, int n) {
    if (n < 0) return source;
    // German has two forms: one, and every other number.
    for (const GermanForms& forms : GermanNumberForms) {
        if (std::strcmp(forms.Source, source) == 0) return WithNumber(n == 1 ? forms.One : forms.Other, n);
    }
    return WithNumber(source, n);
}

std::string Tr(const char* source, const char* disambiguation) {
    return Lookup() ? Lookup()(source, disambiguation, -1) : GermanWords(source, -1);
}

std::string TrN(const char* source, int n) {
    return Lookup() ? Lookup()(source, nullptr, n) : GermanWords(source, n);
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace pairfinder
