// The game's words in the player's language. Every text a player reads or hears is written once, in German, as the
// key of the catalogues (i18n/pairfinder_<language>.ts, Qt Linguist's format), marked where it is written so that
// lupdate finds it, and looked up where it is shown: a front end installs the lookup of the language in play.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogues where it is written, without translating it there: lupdate reads these as Qt
// programs write them. The rules need no Qt for it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(context, text, disambiguation) text
#endif

namespace pairfinder {

// The one context of the catalogues.
inline constexpr const char* WordsContext = "Pairfinder";

// How a front end looks a text up: the German `source`, told apart from another written the same by
// `disambiguation` (or null), and for a sentence with a number its form for `n` (-1 for none), "%n" in it replaced
// by n.
using WordsLookup = std::function<std::string(const char* source, const char* disambiguation, int n)>;

// Tells a picture's plural apart from a name written the same ("Pluszeichen"): two of it.
inline constexpr const char* TwoOfIt = "zwei davon";

// Installs the lookup of the language in play; an empty one restores German, the catalogues' own words.
void SetWordsLookup(WordsLookup lookup);

// `source` in the player's language.
std::string Tr(const char* source, const char* disambiguation = nullptr);
// The form of `source` ("%n Paare") for the number n, in the player's language: "1 Paar", "3 Paare".
std::string TrN(const char* source, int n);

// The text with %1, %2, ... replaced by the arguments in order, as Qt's arg() does: a whole sentence with its
// places, so that a translation may put them where its language wants them.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> arguments);

// German itself, the catalogues' source language: a text as it is written, a sentence with a number in the form
// German takes for it (from i18n/pairfinder_de.ts, compiled in).
std::string GermanWords(const char* source, int n);

}  // namespace pairfinder
