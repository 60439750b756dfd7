# Writes the languages the game speaks, one for each catalogue i18n/pairfinder_<code>.ts, into a header the rules
# compile in: each language's code, as its catalogue declares it, and its own name, which its catalogue gives as
# the translation of "Deutsch" (the name German calls itself). A translator adds a language by adding its
# catalogue; nothing else names it.
#   cmake -DCATALOGUES=i18n -DOUTPUT=languages.h -P languages.cmake
file(GLOB catalogues "${CATALOGUES}/pairfinder_*.ts")
list(SORT catalogues)
set(entries "")
set(german "")
foreach(catalogue IN LISTS catalogues)
  file(READ "${catalogue}" ts)
  if(NOT ts MATCHES "<TS [^>]* language=\"([a-z][a-z][a-z]?)\"")
    message(FATAL_ERROR "${catalogue} declares no language")
  endif()
  set(code "${CMAKE_MATCH_1}")
  if(NOT ts MATCHES "<source>Deutsch</source>[ \t\r\n]*<comment>[^<]*</comment>[ \t\r\n]*<translation>([^<]+)</translation>")
    message(FATAL_ERROR "${catalogue} gives its language no name: translate \"Deutsch\" with its own name")
  endif()
  set(entry "    {\"${code}\", \"${CMAKE_MATCH_1}\"},\n")
  # German first: the catalogues' source language, which the game speaks without a catalogue.
  if(code STREQUAL "de")
    set(german "${entry}")
  else()
    string(APPEND entries "${entry}")
  endif()
endforeach()
if(german STREQUAL "")
  message(FATAL_ERROR "${CATALOGUES} holds no German catalogue, pairfinder_de.ts")
endif()
file(WRITE "${OUTPUT}.new" "// Written by cmake/languages.cmake from the catalogues in i18n/; add a catalogue, not a line here.
#pragma once

#include <array>
#include <string_view>

namespace pairfinder {

struct Language {
    // As BCP 47 and the catalogue's file name write it: \"de\", \"en\".
    std::string_view Code;
    // In its own words, as the menu lists it: \"Deutsch\", \"English\".
    std::string_view Name;
};

inline constexpr Language Languages[] = {
${german}${entries}};

}  // namespace pairfinder
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
