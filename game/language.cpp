// The languages the game speaks, and which of them a system asks for.
#include "language.h"

#include "typed_names.h"
#include "words.h"

namespace pairfinder {

namespace {

// The language's own name is the translation of German's, which each catalogue gives (cmake/languages.cmake).
[[maybe_unused]] const char* const OwnName = QT_TRANSLATE_NOOP3("Pairfinder", "Deutsch", "the language's own name");

}  // namespace

std::optional<Language> LanguageOf(std::string_view code) {
    for (const Language& language : Languages) {
        if (language.Code == code) return language;
    }
    return std::nullopt;
}

Language LanguageFor(const std::vector<std::string>& preferred) {
    for (const std::string& tag : preferred) {
        const std::string primary = Folded(tag.substr(0, tag.find_first_of("-_.@")));
        if (const std::optional<Language> language = LanguageOf(primary)) return *language;
    }
    return Languages[0];
}

std::string LanguageChosenSpoken(const Language& language) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Sprache: %1")), {language.Name});
}

}  // namespace pairfinder
