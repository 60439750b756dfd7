// Writes a registry export file that regedit on Windows imports and that the reader takes back unchanged.
#pragma once

#include <string>

#include "reg_file_document.h"

namespace pairfinder {

// Version 5.00 text in UTF-8; every value keeps its type and bytes. A document that ParseRegFile returned
// always formats to at most MaxRegFileBytes, so whatever was read can be written back.
std::string FormatRegFile(const RegFileDocument& document);

}  // namespace pairfinder
