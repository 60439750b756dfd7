// The browser's localStorage as the store reaches it: whole items of text, read and written in one call each.
#pragma once

#include <string>

namespace pairfinder::webstorage {

// What a read found. Blocked: the page may not use the storage at all (a browser that blocks it for this
// page). The numbers are those the JavaScript side returns.
enum class ItemState : int { Blocked = 0, Missing = 1, Present = 2 };

struct Item {
    ItemState State = ItemState::Blocked;
    // The item's text when it is present.
    std::string Text;
};

Item Read(const std::string& name);
// False when the storage refused the write (blocked, or full); then the item is as it was.
bool Write(const std::string& name, const std::string& text);

}  // namespace pairfinder::webstorage
