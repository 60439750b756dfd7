// The browser's localStorage as the store reaches it: whole items of text, read and written in one call each.
#include "web_storage.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace pairfinder::webstorage {

namespace {

// The item's ItemState by number (0 blocked: reaching localStorage itself throws where the browser blocks
// it; 1 missing; 2 present); a present item's text goes to *text, in memory of the program's that the
// caller frees.
// clang-format off
EM_JS(int, ReadItem, (const char* name, char** text), {
    let found;
    try {
        found = globalThis.localStorage.getItem(UTF8ToString(name));
    } catch (error) {
        return 0;
    }
    if (found === null) return 1;
    const size = lengthBytesUTF8(found) + 1;
    const copy = _malloc(size);
    stringToUTF8(found, copy, size);
    HEAPU32[text >> 2] = copy;
    return 2;
});

EM_JS(int, WriteItem, (const char* name, const char* text), {
    try {
        globalThis.localStorage.setItem(UTF8ToString(name), UTF8ToString(text));
        return 1;
    } catch (error) {
        return 0;
    }
});
// clang-format on

}  // namespace

Item Read(const std::string& name) {
    char* text = nullptr;
    const auto state = static_cast<ItemState>(ReadItem(name.c_str(), &text));
    if (state != ItemState::Present) return {state, {}};
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return {state, std::string(text)};
}

bool Write(const std::string& name, const std::string& text) {
    return WriteItem(name.c_str(), text.c_str()) != 0;
}

}  // namespace pairfinder::webstorage
