// Writes a registry export file that regedit on Windows imports and that the reader takes back unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "reg_file_document.h"

namespace pairfinder {

// Version 5.00 text in UTF-8 with "\n" line ends; every value keeps its type and bytes.
std::string FormatRegFile(const RegFileDocument& document);

// The text as regedit itself writes an export: UTF-16LE after a byte order mark, "\r\n" line ends. Regedit
// and Wine read a file without the mark in the ANSI code page, which would change every name with an umlaut
// and every hex(2) and hex(7) value on import.
std::string EncodeRegFile(std::string_view text);
// The size of EncodeRegFile(text), without making it.
std::size_t EncodedRegFileSize(std::string_view text);

// What the store writes: the document formatted and encoded. A document that ParseRegFile returned always
// comes to at most MaxRegFileBytes, so whatever was read can be written back.
std::string RegFileBytes(const RegFileDocument& document);

}  // namespace pairfinder
