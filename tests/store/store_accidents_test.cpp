// What ordinary accidents do to the registry file, done for real: a game killed in the middle of a save,
// a disk that fills up, something that is not a file where the file belongs, another game that keeps the
// store locked. None of them may mix two tables, lose the old one, or hang the game.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "file_registry.h"
#include "highscore_store.h"
#include "scratch_registry.h"

namespace pairfinder {
namespace {

namespace fs = std::filesystem;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::RegistryErrorOf;
using testing::RoundTable;
using testing::Table;
using testing::TempFolder;
using testing::WriteBytes;

// A process of the test's own that is killed and reaped on every way out of the test.
class Child {
public:
    // body runs in the child, which ends when it returns; the alarm ends one that hangs.
    explicit Child(const std::function<void()>& body) : Pid(::fork()) {
        if (Pid == 0) {
            ::alarm(60);
            body();
            ::_exit(0);
        }
    }
    ~Child() { Kill(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return Pid > 0; }
    // Returns the wait status.
    int Kill() {
        int status = 0;
        if (Pid > 0) {
            ::kill(Pid, SIGKILL);
            ::waitpid(Pid, &status, 0);
            Pid = -1;
        }
        return status;
    }

private:
    pid_t Pid;
};

// Ends the test process when a step that must not block does block, so the run reports it and goes on.
class Deadline {
public:
    explicit Deadline(unsigned seconds) { ::alarm(seconds); }
    ~Deadline() { ::alarm(0); }
};

bool IsOneRoundsTable(const HighscoreTable& table) {
    const std::string& first = table.HighscoreName[0];
    if (first.size() < 3 || first[0] != 'R') return false;
    return table == RoundTable(std::stoi(first.substr(1)));
}

std::vector<std::string> TempFilesIn(const fs::path& folder) {
    std::vector<std::string> temps;
    for (const std::string& entry : FolderEntries(folder)) {
        if (entry != "registry.reg") temps.push_back(entry);
    }
    return temps;
}

class StoreAccidents : public ::testing::Test {
protected:
    fs::path Folder() const { return Temp.Path() / "pairfinder"; }
    fs::path File() const { return Folder() / "registry.reg"; }

    // Kills a game that saves one round after another at random moments, and loads after each kill.
    // fromNothing removes the file before each game, so the kill often lands in the very first save.
    void KillSavesAtRandom(bool fromNothing) {
        std::minstd_rand random(20261207);
        int kills = 0;
        int midSave = 0;
        std::vector<std::string> badLoads;
        // Enough kills inside a save to mean something, and a bound on the time it may take.
        while ((midSave < 25 || kills < 60) && kills < 600) {
            if (fromNothing) fs::remove(File());
            const int firstRound = kills * 1000;
            Child game([&] {
                FileRegistryBackend backend(File());
                for (int round = firstRound;; ++round) StoreHighscores(RoundTable(round), backend);
            });
            ASSERT_TRUE(game.Started());
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
            game.Kill();
            ++kills;
            if (!TempFilesIn(Folder()).empty()) ++midSave;

            HighscoreTable table;
            FileRegistryBackend backend(File());
            const std::string error = RegistryErrorOf([&] { LoadHighscores(table, backend); });
            if (error != "no error" || !(table == HighscoreTable{} || IsOneRoundsTable(table))) {
                badLoads.push_back("after kill " + std::to_string(kills) + ": " + error + " / " +
                                   table.HighscoreName[0] + " " + table.HighscoreName[2] + " " +
                                   std::to_string(table.HighscoreTries[2]));
            }
        }
        EXPECT_TRUE(badLoads.empty()) << badLoads.size() << " of " << kills
                                      << " loads saw a mixed or damaged table, first " << badLoads.front();
        EXPECT_GT(midSave, 0) << "no kill out of " << kills << " landed inside a save";
        std::printf("%d kills, %d of them inside a save, %zu loads saw a mixed or damaged table\n", kills,
                    midSave, badLoads.size());

        // The next save sweeps up what the killed ones left.
        FileRegistryBackend backend(File());
        StoreHighscores(RoundTable(7), backend);
        EXPECT_EQ(FolderEntries(Folder()), (std::vector<std::string>{"registry.reg"}));
        HighscoreTable table;
        LoadHighscores(table, backend);
        EXPECT_EQ(table, RoundTable(7));
    }

    TempFolder Temp;
};

// --- A game killed in the middle of a save ---

TEST_F(StoreAccidents, AKillDuringASaveLeavesOneWholeTableAndTheNextSaveRemovesItsTempFile) {
    KillSavesAtRandom(false);
}

TEST_F(StoreAccidents, AKillDuringTheVeryFirstSaveLeavesNoKeyOrAWholeOne) {
    KillSavesAtRandom(true);
}

TEST_F(StoreAccidents, ASaveSweepsOnlyTempFilesOfItsOwnNaming) {
    FileRegistryBackend backend(File());
    StoreHighscores(RoundTable(1), backend);
    WriteBytes(Folder() / "registry.reg.tmp-Ab3xY9", "left by a killed save");
    WriteBytes(Folder() / "registry.reg.tmp-Ab3xY", "five characters");
    WriteBytes(Folder() / "registry.reg.tmp-Ab3xY9.bak", "longer");
    WriteBytes(Folder() / "registry.reg.tmp-Ab3_Y9", "not a letter or digit");
    WriteBytes(Folder() / "other.reg.tmp-Ab3xY9", "another file's");
    fs::create_directory(Folder() / "registry.reg.tmp-Dir123");
    StoreHighscores(RoundTable(2), backend);
    EXPECT_EQ(FolderEntries(Folder()),
              (std::vector<std::string>{"other.reg.tmp-Ab3xY9", "registry.reg", "registry.reg.tmp-Ab3_Y9",
                                        "registry.reg.tmp-Ab3xY", "registry.reg.tmp-Ab3xY9.bak",
                                        "registry.reg.tmp-Dir123"}));
}

// --- A disk that fills up ---

// A small tmpfs over a folder of the test, in a mount namespace of the test process's own, so the mount
// goes away with the process whatever happens. Needs the right to mount: root, as in CI.
class SmallDisk {
public:
    SmallDisk(const fs::path& where, const char* size) : Where(where) {
        fs::create_directories(where);
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            Why = std::string("no mount namespace: ") + std::strerror(errno);
            return;
        }
        const std::string options = std::string("size=") + size;
        if (::mount("pairfinder-test", where.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            Why = std::string("no tmpfs: ") + std::strerror(errno);
            return;
        }
        Mounted = true;
    }
    ~SmallDisk() {
        if (Mounted) ::umount2(Where.c_str(), MNT_DETACH);
    }

    bool Mounted = false;
    std::string Why;

private:
    fs::path Where;
};

// Writes a file until the disk refuses another byte; returns how much went in.
std::size_t FillUp(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return 0;
    const std::string block(4096, 'f');
    std::size_t written = 0;
    while (true) {
        const ssize_t n = ::write(fd, block.data(), block.size());
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return written;
}

TEST_F(StoreAccidents, ASaveOnAFullDiskFailsWholeAndKeepsThePreviousFileByteForByte) {
    const fs::path disk = Temp.Path() / "disk";
    SmallDisk small(disk, "256k");
    if (!small.Mounted) GTEST_SKIP() << small.Why;
    const fs::path file = disk / "pairfinder" / "registry.reg";
    // A large hand-added value makes the file big enough for a save to run out of room half-way.
    WriteBytes(
        file, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"blob\"=hex:" +
                  [] {
                      std::string hex = "00";
                      for (int i = 1; i < 20000; ++i) hex += ",00";
                      return hex;
                  }() +
                  "\n");
    FileRegistryBackend backend(file);
    StoreHighscores(RoundTable(1), backend);
    const std::string before = ReadBytes(file);
    ASSERT_GT(before.size(), 60000u);

    const fs::path filler = disk / "filler";
    FillUp(filler);
    for (const std::size_t room : {std::size_t{0}, before.size() / 2}) {
        SCOPED_TRACE("room left on the disk: " + std::to_string(room));
        fs::resize_file(filler, fs::file_size(filler) - room);
        EXPECT_EQ(RegistryErrorOf([&] { StoreHighscores(RoundTable(2), backend); }),
                  "Failed to set data for 'sErster'");
        EXPECT_EQ(ReadBytes(file), before);
        EXPECT_EQ(FolderEntries(file.parent_path()), (std::vector<std::string>{"registry.reg"}));
        HighscoreTable table;
        LoadHighscores(table, backend);
        EXPECT_EQ(table, RoundTable(1));
    }

    fs::remove(filler);
    StoreHighscores(RoundTable(2), backend);
    HighscoreTable table;
    LoadHighscores(table, backend);
    EXPECT_EQ(table, RoundTable(2));
}

// --- Something that is not a file where the file belongs ---

TEST_F(StoreAccidents, AFifoASocketOrADeviceInPlaceOfTheFileIsReportedAtOnceByName) {
    fs::create_directories(Folder());
    const std::string expected =
        "Cannot read the registry file '" + File().string() + "': it is not a regular file";
    const auto checkRefused = [&](const char* what) {
        SCOPED_TRACE(what);
        Deadline deadline(20);
        FileRegistryBackend backend(File());
        HighscoreTable table = RoundTable(3);
        EXPECT_EQ(RegistryErrorOf([&] { LoadHighscores(table, backend); }), expected);
        EXPECT_EQ(table, RoundTable(3));
        EXPECT_EQ(RegistryErrorOf([&] { StoreHighscores(RoundTable(4), backend); }), expected);
        EXPECT_FALSE(fs::is_regular_file(File()));
    };

    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    checkRefused("a FIFO");
    fs::remove(File());

    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listening, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = File().string();
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    checkRefused("a socket");
    ::close(listening);
    fs::remove(File());

    fs::create_symlink("/dev/zero", File());
    checkRefused("a link to an endless device");
}

// --- Another game that keeps the store locked ---

TEST_F(StoreAccidents, AStoreLockedByAnotherProgramFailsAfterABoundedWaitAndKeepsTheFile) {
    FileRegistryBackend setup(File());
    StoreHighscores(RoundTable(1), setup);
    const std::string before = ReadBytes(File());

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    Child holder([&] {
        const int folder = ::open(Folder().c_str(), O_RDONLY | O_DIRECTORY);
        if (folder < 0 || ::flock(folder, LOCK_EX) != 0) ::_exit(1);
        (void)!::write(ready[1], "x", 1);
        while (true) ::pause();
    });
    ASSERT_TRUE(holder.Started());
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1) << "the other program did not take the lock";
    ::close(ready[0]);
    ::close(ready[1]);

    {
        Deadline deadline(30);
        FileRegistryBackend backend(File(), std::chrono::milliseconds(300));
        HighscoreTable table;
        EXPECT_EQ(RegistryErrorOf([&] { LoadHighscores(table, backend); }),
                  "Failed to get data for 'sErster'");
        EXPECT_EQ(table, HighscoreTable{});
        EXPECT_EQ(RegistryErrorOf([&] { StoreHighscores(RoundTable(2), backend); }),
                  "Failed to set data for 'sErster'");
        EXPECT_EQ(ReadBytes(File()), before);
    }

    holder.Kill();
    FileRegistryBackend backend(File(), std::chrono::milliseconds(300));
    StoreHighscores(RoundTable(2), backend);
    HighscoreTable table;
    LoadHighscores(table, backend);
    EXPECT_EQ(table, RoundTable(2));
}

}  // namespace
}  // namespace pairfinder
