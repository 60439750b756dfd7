// How an error's message is worded when the error display shows it, the same on every front end.
#include "error_text.h"

namespace pairfinder {

std::string WithFullStop(std::string message) {
    // Compared as unsigned bytes, so the trailing byte of any UTF-8 character above 127 counts as high.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        message += '.';
    }
    return message;
}

}  // namespace pairfinder
