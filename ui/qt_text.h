// The game's texts, UTF-8 in the standard library's strings, as the window's Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "words.h"

namespace pairfinder {

inline QString QtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the catalogues (marked where it is written) in the language in play; none for none.
inline QString Words(std::string_view source, const char* disambiguation = nullptr) {
    return source.empty() ? QString() : QtText(Tr(std::string(source).c_str(), disambiguation));
}

}  // namespace pairfinder
