// The short-lived registry access object: one key of HKEY_CURRENT_USER at a time, typed reads and writes.
#include "registry_access.h"

#include <algorithm>
#include <utility>

#include "registry_error.h"

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

std::optional<std::uint32_t> RegistryAccess::TypeOf(const std::string& name) {
    const auto value = Query(name);
    if (!value) return std::nullopt;
    return value->Type;
}

std::string RegistryAccess::ReadString(const std::string& name) {
    const auto value = Query(name);
    if (!value || value->Data.empty()) return {};
    if (value->Type != RegSz && value->Type != RegExpandSz) throw RegistryError::InvalidDataType(name);
    return TextOf(*value);
}

std::int32_t RegistryAccess::ReadInteger(const std::string& name) {
    const auto value = Query(name);
    // A four-byte buffer cannot take more, and anything less would leave part of the number undefined.
    const auto number = value ? DwordNumber(*value) : std::nullopt;
    if (!number) throw RegistryError::GetDataFailed(name);
    if (value->Type != RegDword) throw RegistryError::InvalidDataType(name);
    return static_cast<std::int32_t>(*number);
}

void RegistryAccess::WriteString(const std::string& name, const std::string& value) {
    Set(name, TextValue(value));
}

void RegistryAccess::WriteInteger(const std::string& name, std::int32_t value) {
    Set(name, DwordValue(static_cast<std::uint32_t>(value)));
}

}  // namespace pairfinder
