// The application frame's title of the program; the wording of an error message is every front end's
// (error_text.h).
#include "frame_rules.h"

#include <algorithm>

namespace pairfinder {

namespace {

// The program file name comes from a buffer of this many characters.
constexpr qsizetype ProgramNameLimit = 255;

}  // namespace

QString ApplicationTitle(const QString& programFile) {
    QString name = programFile.left(ProgramNameLimit);
    const qsizetype separator = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    name = name.mid(separator + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
    return name;
}

}  // namespace pairfinder
