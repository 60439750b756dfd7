// The application frame's two text rules: the title of the program and the wording of an error message.
#pragma once

#include <QString>
#include <string>

namespace pairfinder {

// The program file's name after its last path separator ("/" or "\"), cut at its first ".", with every
// character after the first in lower case.
QString ApplicationTitle(const QString& programFile);

// The message as the error display shows it: a full stop is added when the last byte sorts after "."
// (letters, digits, "?", ":" and every byte above 127), never after ".", "'", ")", "!" or a space.
std::string WithFullStop(std::string message);

}  // namespace pairfinder
