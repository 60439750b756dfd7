// The browser's localStorage as the store reaches it: whole items of text, read and written in one call each.
#pragma once

#include <optional>
#include <string>

namespace pairfinder::webstorage {

struct Item {
    // False when the page may not use the storage at all (a browser that blocks it for this page).
    bool Available = false;
    // The item's text; empty when there is no such item.
    std::optional<std::string> Text;
};

Item Read(const std::string& name);
// False when the storage refused the write (blocked, or full); then the item is as it was.
bool Write(const std::string& name, const std::string& text);

}  // namespace pairfinder::webstorage
