// What loading and saving the highscores cost on the registry file: an ordinary file, and one at the size
// limit that a player could have made by hand or that other keys have filled.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "file_registry.h"
#include "highscore_store.h"
#include "reg_file_document.h"
#include "reg_file_writer.h"

namespace pairfinder {
namespace {

namespace fs = std::filesystem;

HighscoreTable FullTable() {
    HighscoreTable table;
    table.HighscoreName = {"Anna", "Bernd", "Carla"};
    table.HighscoreTries = {31, 40, 52};
    return table;
}

class ScratchFile {
public:
    ScratchFile() {
        std::string pattern = (fs::temp_directory_path() / "pairfinder-bench-XXXXXX").string();
        Root = ::mkdtemp(pattern.data());
        File = Root / "pairfinder" / "registry.reg";
        fs::create_directories(File.parent_path());
    }
    ~ScratchFile() { fs::remove_all(Root); }

    // A file just under the size limit: the highscore key after one key holding most of the values,
    // so each lookup would have to pass all of them if it went value by value.
    void FillToTheLimit() {
        std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Filler]\n";
        const std::string line = "=\"a value added by hand, as long as a sentence\"\n";
        // Written as regedit writes, two bytes a character and "\r\n" line ends.
        std::size_t lines = 3;
        for (int i = 0; 2 * (text.size() + line.size() + 16 + lines) < MaxRegFileBytes - 4096; ++i, ++lines) {
            text += "\"v" + std::to_string(i) + '"' + line;
        }
        text += "\n[HKEY_CURRENT_USER\\Software\\Pairfinder]\n";
        std::ofstream(File, std::ios::binary) << EncodeRegFile(text);
        FileRegistryBackend backend(File);
        StoreHighscores(FullTable(), backend);
    }

    fs::path Root;
    fs::path File;
};

void BM_LoadOrdinary(benchmark::State& state) {
    ScratchFile scratch;
    FileRegistryBackend backend(scratch.File);
    StoreHighscores(FullTable(), backend);
    for (auto _ : state) {
        HighscoreTable table;
        LoadHighscores(table, backend);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadOrdinary)->Unit(benchmark::kMicrosecond);

// Includes writing the temp file, its fsync, the rename and the folder's fsync.
void BM_SaveOrdinary(benchmark::State& state) {
    ScratchFile scratch;
    FileRegistryBackend backend(scratch.File);
    for (auto _ : state) StoreHighscores(FullTable(), backend);
}
BENCHMARK(BM_SaveOrdinary)->Unit(benchmark::kMicrosecond);

void BM_LoadAtTheSizeLimit(benchmark::State& state) {
    ScratchFile scratch;
    scratch.FillToTheLimit();
    state.counters["bytes"] = static_cast<double>(fs::file_size(scratch.File));
    FileRegistryBackend backend(scratch.File);
    for (auto _ : state) {
        HighscoreTable table;
        LoadHighscores(table, backend);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadAtTheSizeLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveAtTheSizeLimit(benchmark::State& state) {
    ScratchFile scratch;
    scratch.FillToTheLimit();
    FileRegistryBackend backend(scratch.File);
    for (auto _ : state) StoreHighscores(FullTable(), backend);
}
BENCHMARK(BM_SaveAtTheSizeLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pairfinder

BENCHMARK_MAIN();
