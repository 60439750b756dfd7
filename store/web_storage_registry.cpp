// HKEY_CURRENT_USER kept in the browser's localStorage, for the page.
#include "web_storage_registry.h"

#include <utility>

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

}  // namespace

WebStorageRegistryBackend::WebStorageRegistryBackend(std::string root) : Root(std::move(root)) {}

std::string WebStorageRegistryBackend::ItemName(const std::string& keyPath) const {
    const std::string path = NormalizedKeyPath(keyPath);
    return path.empty() ? Root : Root + "\\" + path;
}

bool WebStorageRegistryBackend::KeyExistsWithFullAccess(const std::string& keyPath) {
    const std::string item = ItemName(keyPath);
    webstorage::Item found = webstorage::Read(item);
    if (!found.Available || !found.Text) return false;
    RegFileDocument document = ParseRegFile(*found.Text, item);
    const bool exists = document.HasKey(NormalizedKeyPath(keyPath));
    Kept.emplace(item, std::move(document));
    return exists;
}

std::unique_ptr<RegistryKeyHandle> WebStorageRegistryBackend::CreateOrOpenKey(const std::string& keyPath) {
    const std::string item = ItemName(keyPath);
    RegFileDocument document;
    if (Kept && Kept->first == item) {
        document = std::move(Kept->second);
        Kept.reset();
    } else {
        const webstorage::Item found = webstorage::Read(item);
        if (!found.Available) return nullptr;
        if (found.Text) document = ParseRegFile(*found.Text, item);
    }
    return std::make_unique<WebStorageKey>(item, NormalizedKeyPath(keyPath), std::move(document));
}

void WebStorageRegistryBackend::EndOperation() {
    Kept.reset();
}

}  // namespace pairfinder
