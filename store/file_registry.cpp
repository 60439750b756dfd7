// HKEY_CURRENT_USER kept in a registry export file, for systems without a registry.
#include "file_registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include "reg_file_format.h"
#include "registry_error.h"

namespace pairfinder {

namespace fs = std::filesystem;

namespace {

// Root passes access() for any file, but a file or folder with no write bit was made read-only on
// purpose, and is treated as such for everyone.
bool IsWritable(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    return ::access(path.c_str(), W_OK) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : Fd(fd) {}
    ~FileDescriptor() {
        if (Fd >= 0) ::close(Fd);
    }
    FileDescriptor(FileDescriptor&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    int Get() const { return Fd; }
    bool Valid() const { return Fd >= 0; }
    // Closing can report a late write error, so it is checked where data was written.
    bool Close() { return ::close(std::exchange(Fd, -1)) == 0; }

private:
    int Fd;
};

std::optional<std::string> ReadWholeFile(const fs::path& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        if (errno == ENOENT) return std::nullopt;
        throw RegistryError("Cannot read the registry file '" + file.string() + "': " + std::strerror(errno));
    }
    std::string bytes;
    char buffer[65536];
    // One byte past the limit is enough for the parser to report the size.
    while (bytes.size() <= MaxRegFileBytes) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            throw RegistryError("Cannot read the registry file '" + file.string() +
                                "': " + std::strerror(errno));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

RegFileDocument LoadDocument(const fs::path& file) {
    const auto bytes = ReadWholeFile(file);
    return bytes ? ParseRegFile(*bytes, file.string()) : RegFileDocument{};
}

// The registry takes doubled and trailing separators as one; the file must not grow a key with an empty
// part, which its own reader would refuse.
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

// Whatever is written must be readable again: the reader takes a file that is too big for damage.
std::optional<std::string> FormatWithinLimits(const RegFileDocument& document) {
    std::string text = FormatRegFile(document);
    if (text.size() > MaxRegFileBytes) return std::nullopt;
    return text;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A reader, a crash or a second game sees either the old file or the new one, never a torn one.
bool ReplaceFile(const fs::path& file, const std::string& text) {
    std::string temp = file.string() + ".tmp-XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (!fd.Valid()) return false;
    struct stat old {};
    bool ok = ::stat(file.c_str(), &old) != 0 || ::fchmod(fd.Get(), old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd.Get(), text) && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(temp.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself must reach the disk too, or a crash could bring back the old file.
    FileDescriptor folder(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
    return true;
}

// An exclusive lock on the folder rather than the file: the file is replaced on every write, and a lock
// on a file that has been renamed over protects nothing.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : Fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        while (Fd.Valid() && !Locked) {
            if (::flock(Fd.Get(), LOCK_EX) == 0) {
                Locked = true;
            } else if (errno != EINTR) {
                break;
            }
        }
    }
    bool Held() const { return Locked; }

private:
    FileDescriptor Fd;
    bool Locked = false;
};

class FileKeyHandle : public RegistryKeyHandle {
public:
    FileKeyHandle(fs::path file, std::string keyPath, std::unique_ptr<FolderLock> lock)
        : FilePath(std::move(file)), KeyPath(std::move(keyPath)), Lock(std::move(lock)) {}

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        const RegFileDocument document = LoadDocument(FilePath);
        const RegFileKey* key = document.FindKey(KeyPath);
        const RegistryValue* value = key ? key->FindValue(name) : nullptr;
        if (!value) return std::nullopt;
        return *value;
    }

    // Reads the file again first, so values someone else added since the key was opened are kept.
    bool SetValue(const std::string& name, const RegistryValue& value) override {
        if (value.Data.size() > MaxRegValueBytes) return false;
        RegFileDocument document = LoadDocument(FilePath);
        if (fs::exists(FilePath) && !IsWritable(FilePath)) return false;
        document.FindOrAddKey(KeyPath).SetValue(name, value);
        const auto text = FormatWithinLimits(document);
        return text && ReplaceFile(FilePath, *text);
    }

private:
    fs::path FilePath;
    std::string KeyPath;
    std::unique_ptr<FolderLock> Lock;
};

}  // namespace

fs::path DefaultRegistryFilePath() {
    fs::path config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and must be ignored, so the file never depends on the working
    // folder.
    if (xdg != nullptr && *xdg != '\0' && fs::path(xdg).is_absolute()) {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || *home == '\0') {
            const passwd* entry = ::getpwuid(::getuid());
            home = entry != nullptr ? entry->pw_dir : "";
        }
        config = fs::path(home) / ".config";
    }
    return config / "pairfinder" / "registry.reg";
}

FileRegistryBackend::FileRegistryBackend(fs::path file) : FilePath(std::move(file)) {}

bool FileRegistryBackend::KeyExistsWithFullAccess(const std::string& keyPath) {
    if (!IsWritable(FilePath)) return false;
    return LoadDocument(FilePath).HasKey(NormalizedKeyPath(keyPath));
}

std::unique_ptr<RegistryKeyHandle> FileRegistryBackend::CreateOrOpenKey(const std::string& rawKeyPath) {
    const std::string keyPath = NormalizedKeyPath(rawKeyPath);
    const fs::path folder = FilePath.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return nullptr;
    auto lock = std::make_unique<FolderLock>(folder);
    if (!lock->Held()) return nullptr;

    RegFileDocument document = LoadDocument(FilePath);
    const bool fileExists = fs::exists(FilePath);
    if (fileExists && !IsWritable(FilePath)) return nullptr;
    if (!document.HasKey(keyPath)) {
        if (!IsWritable(folder)) return nullptr;
        document.FindOrAddKey(keyPath);
        const auto text = FormatWithinLimits(document);
        if (!text || !ReplaceFile(FilePath, *text)) return nullptr;
    }
    return std::make_unique<FileKeyHandle>(FilePath, keyPath, std::move(lock));
}

}  // namespace pairfinder
