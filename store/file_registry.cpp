// HKEY_CURRENT_USER kept in a registry export file, for systems without a registry.
#include "file_registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

#include "reg_file_reader.h"
#include "reg_file_writer.h"
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

[[noreturn]] void FailReading(const fs::path& file, const std::string& reason) {
    throw RegistryError("Cannot read the registry file '" + file.string() + "': " + reason);
}

// Only a regular file is read: opening a FIFO or a device could block for ever or never end.
std::optional<std::string> ReadWholeFile(const fs::path& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        if (errno == ENOENT) return std::nullopt;
        // A socket cannot be opened at all.
        if (errno == ENXIO) FailReading(file, "it is not a regular file");
        FailReading(file, std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) FailReading(file, std::strerror(errno));
    if (!S_ISREG(status.st_mode)) FailReading(file, "it is not a regular file");
    std::string bytes;
    bytes.reserve(std::min(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)), MaxRegFileBytes) +
                  1);
    char buffer[65536];
    // One byte past the limit is enough for the parser to report the size.
    while (bytes.size() <= MaxRegFileBytes) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FailReading(file, std::strerror(errno));
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

RegFileDocument LoadDocument(const fs::path& file) {
    const auto bytes = ReadWholeFile(file);
    return bytes ? ParseRegFile(*bytes, file.string()) : RegFileDocument{};
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

constexpr std::string_view TempMarker = ".tmp-";
constexpr std::size_t TempRandomLength = 6;

std::string TempTemplate(const fs::path& file) {
    return file.string() + std::string(TempMarker) + std::string(TempRandomLength, 'X');
}

// mkstemp fills the Xs with letters and digits; nothing else in the folder is ever taken for one of ours.
bool IsOurTempFile(const std::string& entry, const std::string& fileName) {
    const std::string prefix = fileName + std::string(TempMarker);
    if (entry.size() != prefix.size() + TempRandomLength || !entry.starts_with(prefix)) return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// A save killed between creating its temp file and the rename leaves the temp file behind.
void RemoveLeftTempFiles(const fs::path& file) {
    std::error_code error;
    const std::string fileName = file.filename().string();
    for (fs::directory_iterator it(file.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (!IsOurTempFile(entry, fileName)) continue;
        struct stat status {};
        if (::lstat(it->path().c_str(), &status) == 0 && S_ISREG(status.st_mode))
            ::unlink(it->path().c_str());
    }
}

// A reader, a crash or a second game sees either the old file or the new one, never a torn one.
bool ReplaceFile(const fs::path& file, const std::string& text) {
    std::string temp = TempTemplate(file);
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
// on a file that has been renamed over protects nothing. A program that keeps the lock, stopped or stuck,
// is waited for only so long: the caller fails instead of freezing the window.
class FolderLock {
public:
    FolderLock(const fs::path& folder, std::chrono::milliseconds wait)
        : Fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (!Fd.Valid()) return;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        auto pause = std::chrono::milliseconds(1);
        while (true) {
            if (::flock(Fd.Get(), LOCK_EX | LOCK_NB) == 0) {
                Locked = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) return;
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline) {
                TimedOut = true;
                return;
            }
            std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
            pause = std::min(pause * 2, std::chrono::milliseconds(2));
        }
    }
    bool Held() const { return Locked; }
    bool Busy() const { return TimedOut; }

private:
    FileDescriptor Fd;
    bool Locked = false;
    bool TimedOut = false;
};

}  // namespace

// One operation on the file: the folder lock, held until the operation ends, and the file as it was read
// under that lock. Reads and writes go to this copy; Commit brings it to the disk in one replace.
struct FileRegistryBackend::Session {
    Session(const fs::path& folder, std::chrono::milliseconds wait) : Lock(folder, wait) {}

    FolderLock Lock;
    RegFileDocument Document;
    bool Changed = false;
};

namespace {

class FileKeyHandle : public RegistryKeyHandle {
public:
    FileKeyHandle(fs::path file, std::string keyPath, std::unique_ptr<FileRegistryBackend::Session> session)
        : FilePath(std::move(file)), KeyPath(std::move(keyPath)), Session(std::move(session)) {}

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        const RegFileKey* key = Session->Document.FindKey(KeyPath);
        const RegistryValue* value = key ? key->FindValue(name) : nullptr;
        if (!value) return std::nullopt;
        return *value;
    }

    // The reader refuses larger values, so one written here could never be read back.
    bool SetValue(const std::string& name, const RegistryValue& value) override {
        if (value.Data.size() > MaxRegValueBytes) return false;
        Session->Document.FindOrAddKey(KeyPath).SetValue(name, value);
        Session->Changed = true;
        return true;
    }

    bool Commit() override {
        if (!Session->Changed) return true;
        RemoveLeftTempFiles(FilePath);
        const std::string text = RegFileBytes(Session->Document);
        // Whatever is written must be readable again: the reader takes a file that is too big for damage.
        if (text.size() > MaxRegFileBytes || !ReplaceFile(FilePath, text)) return false;
        Session->Changed = false;
        return true;
    }

private:
    fs::path FilePath;
    std::string KeyPath;
    std::unique_ptr<FileRegistryBackend::Session> Session;
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

FileRegistryBackend::FileRegistryBackend(fs::path file, std::chrono::milliseconds lockWait)
    : FilePath(std::move(file)), LockWait(lockWait) {}

FileRegistryBackend::~FileRegistryBackend() = default;

void FileRegistryBackend::EndOperation() {
    Kept.reset();
}

bool FileRegistryBackend::KeyExistsWithFullAccess(const std::string& keyPath) {
    Kept.reset();
    if (!IsWritable(FilePath)) return false;
    auto session = std::make_unique<Session>(FilePath.parent_path(), LockWait);
    if (session->Lock.Busy())
        throw RegistryBusyError("The registry file '" + FilePath.string() + "' is busy");
    if (!session->Lock.Held()) return false;
    session->Document = LoadDocument(FilePath);
    const bool exists = session->Document.HasKey(NormalizedKeyPath(keyPath));
    // Opening the key next takes over the lock and what was read, so an operation reads the file once.
    Kept = std::move(session);
    return exists;
}

std::unique_ptr<RegistryKeyHandle> FileRegistryBackend::CreateOrOpenKey(const std::string& rawKeyPath) {
    const std::string keyPath = NormalizedKeyPath(rawKeyPath);
    const fs::path folder = FilePath.parent_path();
    std::unique_ptr<Session> session = std::move(Kept);
    if (!session) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) return nullptr;
        session = std::make_unique<Session>(folder, LockWait);
        if (!session->Lock.Held()) return nullptr;
        session->Document = LoadDocument(FilePath);
    }
    if (fs::exists(FilePath) ? !IsWritable(FilePath) : !IsWritable(folder)) return nullptr;
    if (!session->Document.HasKey(keyPath)) {
        session->Document.FindOrAddKey(keyPath);
        session->Changed = true;
    }
    return std::make_unique<FileKeyHandle>(FilePath, keyPath, std::move(session));
}

}  // namespace pairfinder
