// The languages the game speaks, one for each catalogue (languages.h, written by the build from i18n/), and which of
// them a player's system asks for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "languages.h"

namespace pairfinder {

// The language of that code ("de", "en"), as the catalogues name it; none for one the game does not speak.
std::optional<Language> LanguageOf(std::string_view code);

// The first of the languages a system prefers, in its order (BCP 47 tags: "en-GB", "de-AT", "C"), that the game
// speaks, by its primary language; German, the catalogues' own, when none is.
Language LanguageFor(const std::vector<std::string>& preferred);

// Said when a language is chosen, in that language: "Sprache: Deutsch", "Language: English".
std::string LanguageChosenSpoken(const Language& language);

}  // namespace pairfinder
