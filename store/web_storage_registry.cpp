// HKEY_CURRENT_USER kept in the browser's localStorage, for the page.
#include "web_storage_registry.h"

#include <optional>
#include <utility>

#include "reg_file_document.h"
#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "web_storage.h"

namespace pairfinder {

namespace {

class WebStorageKey : public RegistryKeyHandle {
public:
    WebStorageKey(std::string item, std::string path, RegFileDocument document)
        : Item(std::move(item)), Path(std::move(path)), Document(std::move(document)) {
        Document.FindOrAddKey(Path);
    }

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        const RegistryValue* value = Document.FindKey(Path)->FindValue(name);
        if (!value) return std::nullopt;
        return *value;
    }

    bool SetValue(const std::string& name, const RegistryValue& value) override {
        Document.FindOrAddKey(Path).SetValue(name, value);
        Changed = true;
        return true;
    }

    bool Commit() override { return !Changed || webstorage::Write(Item, FormatRegFile(Document)); }

private:
    std::string Item;
    std::string Path;
    RegFileDocument Document;
    bool Changed = false;
};

// Empty when the page may not use the storage; a missing item holds no keys.
std::optional<RegFileDocument> ReadDocument(const std::string& item) {
    const webstorage::Item found = webstorage::Read(item);
    if (found.State == webstorage::ItemState::Blocked) return std::nullopt;
    if (found.State == webstorage::ItemState::Missing) return RegFileDocument{};
    return ParseRegFile(found.Text, item);
}

}  // namespace

WebStorageRegistryBackend::WebStorageRegistryBackend(std::string root) : Root(std::move(root)) {}

std::string WebStorageRegistryBackend::ItemName(const std::string& keyPath) const {
    const std::string path = NormalizedKeyPath(keyPath);
    return path.empty() ? Root : Root + "\\" + path;
}

bool WebStorageRegistryBackend::KeyExistsWithFullAccess(const std::string& keyPath) {
    const auto document = ReadDocument(ItemName(keyPath));
    return document && document->HasKey(NormalizedKeyPath(keyPath));
}

std::unique_ptr<RegistryKeyHandle> WebStorageRegistryBackend::CreateOrOpenKey(const std::string& keyPath) {
    const std::string item = ItemName(keyPath);
    auto document = ReadDocument(item);
    if (!document) return nullptr;
    return std::make_unique<WebStorageKey>(item, NormalizedKeyPath(keyPath), std::move(*document));
}

}  // namespace pairfinder
