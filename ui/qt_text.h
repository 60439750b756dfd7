// The game's texts, UTF-8 in the standard library's strings, as the window's Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace pairfinder {

inline QString QtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pairfinder
