// The application frame's title of the program; the wording of an error message is every front end's
// (error_text.h).
#pragma once

#include <QString>

#include "error_text.h"

namespace pairfinder {

// The program file's name after its last path separator ("/" or "\"), cut at its first ".", with every
// character after the first in lower case.
QString ApplicationTitle(const QString& programFile);

}  // namespace pairfinder
