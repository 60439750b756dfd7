// How an error's message is worded when the error display shows it, the same on every front end.
#pragma once

#include <string>

namespace pairfinder {

// A full stop is added when the last byte sorts after "." (letters, digits, "?", ":" and every byte above
// 127), never after ".", "'", ")", "!" or a space.
std::string WithFullStop(std::string message);

}  // namespace pairfinder
