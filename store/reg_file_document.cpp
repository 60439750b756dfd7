// The keys and values of a registry export file, as the reader finds them and the writer writes them.
#include "reg_file_document.h"

namespace pairfinder {

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

const RegistryValue* RegFileKey::FindValue(std::string_view name) const {
    const auto found = ValueIndex.find(AsciiLower(name));
    return found == ValueIndex.end() ? nullptr : &Values[found->second].second;
}

void RegFileKey::SetValue(const std::string& name, const RegistryValue& value) {
    const auto [found, added] = ValueIndex.try_emplace(AsciiLower(name), Values.size());
    if (added) {
        Values.emplace_back(name, value);
    } else {
        Values[found->second].second = value;
    }
}

RegFileKey* RegFileDocument::FindKey(std::string_view path) {
    const auto found = KeyIndex.find(AsciiLower(path));
    return found == KeyIndex.end() ? nullptr : &Keys[found->second];
}

const RegFileKey* RegFileDocument::FindKey(std::string_view path) const {
    return const_cast<RegFileDocument*>(this)->FindKey(path);
}

bool RegFileDocument::HasKey(std::string_view path) const {
    if (path.empty()) return !Keys.empty();
    const std::string lower = AsciiLower(path);
    return KeyIndex.contains(lower) || ParentPaths.contains(lower);
}

RegFileKey& RegFileDocument::FindOrAddKey(std::string_view path) {
    const auto [found, added] = KeyIndex.try_emplace(AsciiLower(path), Keys.size());
    if (!added) return Keys[found->second];
    for (std::size_t cut = path.rfind('\\'); cut != std::string_view::npos && cut > 0;
         cut = path.rfind('\\', cut - 1)) {
        if (!ParentPaths.insert(AsciiLower(path.substr(0, cut))).second) break;
    }
    Keys.emplace_back(std::string(path));
    return Keys.back();
}

std::string NormalizedKeyPath(const std::string& keyPath) {
    std::string normalized;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find('\\', start);
        if (end == std::string::npos) end = keyPath.size();
        if (end > start) {
            if (!normalized.empty()) normalized += '\\';
            normalized.append(keyPath, start, end - start);
        }
        start = end + 1;
    }
    return normalized;
}

}  // namespace pairfinder
