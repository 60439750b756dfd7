// What an own deck is, whichever front end composes it.
#include "own_deck.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pairfinder::deck {

namespace {

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
        return Filled(TrN(QT_TRANSLATE_N_NOOP("Pairfinder",
                                              "Ein Deck braucht mindestens %1 Bilder, hier sind nur %n brauchbare."),
                          pictures),
                      {std::to_string(FewestPictures)});
    }
    if (pictures > MostPictures) {
        return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Ein Deck fasst höchstens %1 Bilder, hier sind %2.")),
                      {std::to_string(MostPictures), std::to_string(pictures)});
    }
    return {};
}

std::vector<std::string> NameFaults(const std::vector<std::string>& names) {
    return pairfinder::NameFaults(names, LongestName,
                                  Tr(QT_TRANSLATE_NOOP("Pairfinder", "Diesen Namen trägt schon ein anderes Bild.")));
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


}  // namespace pairfinder::deck
