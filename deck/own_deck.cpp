// What an own deck is, whichever front end composes it.
#include "own_deck.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pairfinder::deck {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `count` characters of UTF-8 text.
std::string FirstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int seen = 0; end < text.size() && seen < count; ++seen) {
        ++end;
        while (end < text.size() && IsContinuation(text[end])) ++end;
    }
    return std::string(text.substr(0, end));
}

// Letter case aside, as two names sound alike to a player: ASCII letters folded, everything else as it is.
std::string Folded(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

bool IsSeparatorOrDigit(char c) {
    return (c >= '0' && c <= '9') || c == ' ' || c == '_' || c == '-' || c == '.' || c == '(' || c == ')' ||
           c == '~' || c == '+';
}

// What cameras, phones and messengers put before a picture's number; compared in lower case.
constexpr std::array<std::string_view, 15> CameraPrefixes{
    "img", "dsc", "dscn", "dscf", "pxl", "mvimg", "p", "gopr", "dji", "image", "photo", "foto", "bild", "pic",
    "screenshot"};

bool SaysNothing(std::string_view stem) {
    std::string_view rest = stem;
    while (!rest.empty() && IsSeparatorOrDigit(rest.front())) rest.remove_prefix(1);
    const std::string lower = Folded(rest);
    for (const std::string_view prefix : CameraPrefixes) {
        if (lower.size() < prefix.size() || lower.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string_view after = rest.substr(prefix.size());
        if (std::all_of(after.begin(), after.end(), IsSeparatorOrDigit)) return true;
    }
    return std::all_of(rest.begin(), rest.end(), IsSeparatorOrDigit);
}

}  // namespace

std::string PictureCountFault(int pictures) {
    if (pictures < FewestPictures) {
        return "Ein Deck braucht mindestens " + std::to_string(FewestPictures) + " Bilder, hier " +
               (pictures == 1 ? std::string("ist nur 1 brauchbares") : "sind nur " + std::to_string(pictures) +
                                                                            " brauchbare") +
               ".";
    }
    if (pictures > MostPictures) {
        return "Ein Deck fasst höchstens " + std::to_string(MostPictures) + " Bilder, hier sind " +
               std::to_string(pictures) + ".";
    }
    return {};
}

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

std::vector<std::string> NameFaults(const std::vector<std::string>& names) {
    std::vector<std::string> folded;
    folded.reserve(names.size());
    for (const std::string& name : names) folded.push_back(Folded(NormalName(name)));
    std::vector<std::string> faults;
    faults.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string normal = NormalName(names[i]);
        if (normal.empty()) {
            faults.emplace_back("Bitte einen Namen eingeben.");
        } else if (CharacterCount(normal) > LongestName) {
            faults.push_back("Höchstens " + std::to_string(LongestName) + " Zeichen, hier sind es " +
                             std::to_string(CharacterCount(normal)) + ".");
        } else if (std::count(folded.begin(), folded.end(), folded[i]) > 1) {
            faults.emplace_back("Diesen Namen trägt schon ein anderes Bild.");
        } else {
            faults.emplace_back();
        }
    }
    return faults;
}

std::string OfferedName(std::string_view fileName) {
    // The name without a folder, should a platform pass one, and without its extension.
    const std::size_t slash = fileName.find_last_of("/\\");
    if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string_view::npos) fileName = fileName.substr(0, dot);
    std::string spoken(fileName);
    std::replace(spoken.begin(), spoken.end(), '_', ' ');
    spoken = NormalName(spoken);
    if (SaysNothing(spoken)) return {};
    return NormalName(FirstCharacters(spoken, LongestName));
}

int CharacterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

}  // namespace pairfinder::deck
