// The short-lived registry access object: one key of HKEY_CURRENT_USER at a time, typed reads and writes.
#include "registry_access.h"

#include <algorithm>
#include <utility>

#include "registry_error.h"
#include "text_encoding.h"

namespace pairfinder {

namespace {

std::string WithoutLeadingBackslash(const std::string& keyPath) {
    return !keyPath.empty() && keyPath.front() == '\\' ? keyPath.substr(1) : keyPath;
}

}  // namespace

RegistryAccess::RegistryAccess(RegistryBackend& backend) : Backend(backend) {}

RegistryAccess::~RegistryAccess() {
    CurrentKey.reset();
    Backend.EndOperation();
}

bool RegistryAccess::KeyExists(const std::string& keyPath) {
    return Backend.KeyExistsWithFullAccess(WithoutLeadingBackslash(keyPath));
}

bool RegistryAccess::OpenKey(const std::string& keyPath) {
    CloseKey();
    CurrentKey = Backend.CreateOrOpenKey(WithoutLeadingBackslash(keyPath));
    return CurrentKey != nullptr;
}

void RegistryAccess::CloseKey() {
    if (!CurrentKey) return;
    const bool committed = CurrentKey->Commit();
    CurrentKey.reset();
    const std::string firstUnsaved = std::exchange(FirstUnsaved, {});
    if (!committed) throw RegistryError::SetDataFailed(firstUnsaved);
}

// Without an open key every read finds nothing, as a query on a null key handle does.
std::optional<RegistryValue> RegistryAccess::Query(const std::string& name) {
    if (!CurrentKey) return std::nullopt;
    return CurrentKey->QueryValue(name);
}

void RegistryAccess::Set(const std::string& name, const RegistryValue& value) {
    if (!CurrentKey || !CurrentKey->SetValue(name, value)) throw RegistryError::SetDataFailed(name);
    if (FirstUnsaved.empty()) FirstUnsaved = name;
}

std::string RegistryAccess::ReadString(const std::string& name) {
    const auto value = Query(name);
    if (!value || value->Data.empty()) return {};
    if (value->Type != RegSz && value->Type != RegExpandSz) throw RegistryError::InvalidDataType(name);
    std::u16string text = BytesToUtf16(value->Data);
    text.resize(std::min(text.find(u'\0'), text.size()));
    return Utf16ToUtf8(text);
}

std::int32_t RegistryAccess::ReadInteger(const std::string& name) {
    const auto value = Query(name);
    // A four-byte buffer cannot take more, and anything less would leave part of the number undefined.
    if (!value || value->Data.size() != 4) throw RegistryError::GetDataFailed(name);
    if (value->Type != RegDword) throw RegistryError::InvalidDataType(name);
    const auto& d = value->Data;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(d[0]) | static_cast<std::uint32_t>(d[1]) << 8 |
        static_cast<std::uint32_t>(d[2]) << 16 | static_cast<std::uint32_t>(d[3]) << 24);
}

void RegistryAccess::WriteString(const std::string& name, const std::string& value) {
    std::u16string text = Utf8ToUtf16(value);
    text += u'\0';
    Set(name, RegistryValue{RegSz, Utf16ToBytes(text)});
}

void RegistryAccess::WriteInteger(const std::string& name, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    Set(name, RegistryValue{RegDword,
                            {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                             static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}});
}

}  // namespace pairfinder
