# Writes the German forms of the sentences with a number, as i18n/pairfinder_de.ts gives them, into a header the
# rules compile in: German is the catalogues' source language, so the rules speak it without a catalogue loaded, and
# its two forms ("1 Paar", "3 Paare") come from the one place a translator sees them.
#   cmake -DCATALOGUE=i18n/pairfinder_de.ts -DOUTPUT=german_forms.h -P german_forms.cmake
file(READ "${CATALOGUE}" ts)
set(entries "")
# One message at a time: each ends at its first </message>.
string(REGEX MATCHALL "<message numerus=\"yes\">[^<]*(<[^/][^<]*|</[^m][^<]*)*</message>" messages "${ts}")
function(unescape out text)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  # As a C++ string literal.
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
foreach(message IN LISTS messages)
  if(NOT message MATCHES "<source>([^<]*)</source>")
    message(FATAL_ERROR "${CATALOGUE}: a message without its source")
  endif()
  unescape(source "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "<numerusform>[^<]*</numerusform>" forms "${message}")
  list(LENGTH forms count)
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "${CATALOGUE}: \"${source}\" has ${count} German forms, not two")
  endif()
  list(GET forms 0 one)
  list(GET forms 1 other)
  string(REGEX REPLACE "</?numerusform>" "" one "${one}")
  string(REGEX REPLACE "</?numerusform>" "" other "${other}")
  unescape(one "${one}")
  unescape(other "${other}")
  if(one STREQUAL "" OR other STREQUAL "")
    message(FATAL_ERROR "${CATALOGUE}: \"${source}\" lacks a German form")
  endif()
  string(APPEND entries "    {\"${source}\", \"${one}\", \"${other}\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Written by cmake/german_forms.cmake from ${CATALOGUE}; edit the catalogue, not this file.
#pragma once

namespace pairfinder {

struct GermanForms {
    const char* Source;
    const char* One;
    const char* Other;
};

inline constexpr GermanForms GermanNumberForms[] = {
${entries}    {\"\", \"\", \"\"},
};

}  // namespace pairfinder
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
