// Reads a registry export file: what regedit, Wine, a hand or this program's writer may have made of it.
#pragma once

#include <string>
#include <string_view>

#include "reg_file_document.h"

namespace pairfinder {

// Takes "Windows Registry Editor Version 5.00" and "REGEDIT4", in UTF-8 or in UTF-16LE with a byte order
// mark, and what regedit takes of hand edits. Raises RegistryFileError naming fileName and the line for
// anything else, and for a file that the writer could not write back within MaxRegFileBytes.
RegFileDocument ParseRegFile(std::string_view bytes, const std::string& fileName);

}  // namespace pairfinder
