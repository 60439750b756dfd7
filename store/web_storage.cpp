// The browser's localStorage as the store reaches it: whole items of text, read and written in one call each.
#include "web_storage.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace pairfinder::webstorage {

namespace {

// The item's text in memory of the program's, which the caller frees; null for a missing item, and the
// address 1 when the page may not use the storage: reaching localStorage itself throws where it is blocked.
// clang-format off
EM_JS(char*, ReadItem, (const char* name), {
    let text;
    try {
        text = globalThis.localStorage.getItem(UTF8ToString(name));
    } catch (error) {
        return 1;
    }
    if (text === null) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
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
    char* text = ReadItem(name.c_str());
    if (text == reinterpret_cast<char*>(1)) return {};
    if (text == nullptr) return {true, std::nullopt};
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return {true, std::string(text)};
}

bool Write(const std::string& name, const std::string& text) {
    return WriteItem(name.c_str(), text.c_str()) != 0;
}

}  // namespace pairfinder::webstorage
