// A game's save or load and nothing else, for tests that stop or fail it at one of its system calls; and
// the registry file reader and writer on their own, for comparing them with another program's.
// Usage: store_tool save ROUND | store_tool load     (the player's usual file, under $XDG_CONFIG_HOME)
//        store_tool dump FILE KEY | store_tool rewrite FILE OUT
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "highscore_store.h"
#include "highscore_tables.h"
#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "registry_error.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every key under keyPath and its values, as "key|name|type|bytes" lines in a fixed order, so two readings
// of the same registry compare as text. The key and value names are compared as the registry does.
int Dump(const std::string& file, const std::string& keyPath) {
    const pairfinder::RegFileDocument document = pairfinder::ParseRegFile(ReadFile(file), file);
    const std::string prefix = pairfinder::AsciiLower(keyPath);
    std::vector<std::string> lines;
    for (const auto& key : document.Keys) {
        const std::string path = pairfinder::AsciiLower(key.Path);
        if (path != prefix && !path.starts_with(prefix + "\\")) continue;
        for (const auto& [name, value] : key.Values) {
            std::ostringstream line;
            line << path.substr(prefix.size()) << '|' << pairfinder::AsciiLower(name) << '|' << value.Type
                 << '|';
            for (const auto byte : value.Data) {
                static constexpr char Digits[] = "0123456789abcdef";
                line << Digits[byte >> 4] << Digits[byte & 0xF];
            }
            lines.push_back(line.str());
        }
    }
    std::sort(lines.begin(), lines.end());
    for (const auto& line : lines) std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using pairfinder::HighscoreTable;
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "save" && argc == 3) {
            pairfinder::StoreHighscores(pairfinder::testing::RoundTable(std::atoi(argv[2])));
            return 0;
        }
        if (command == "load" && argc == 2) {
            HighscoreTable table;
            pairfinder::LoadHighscores(table);
            for (int i = 0; i < HighscoreTable::Places; ++i) {
                std::printf("%s %d\n", table.HighscoreName[static_cast<std::size_t>(i)].c_str(),
                            table.HighscoreTries[static_cast<std::size_t>(i)]);
            }
            return 0;
        }
        if (command == "dump" && argc == 4) return Dump(argv[2], argv[3]);
        if (command == "rewrite" && argc == 4) {
            const auto document = pairfinder::ParseRegFile(ReadFile(argv[2]), argv[2]);
            std::ofstream(argv[3], std::ios::binary) << pairfinder::RegFileBytes(document);
            return 0;
        }
    } catch (const pairfinder::RegistryFileError& error) {
        std::printf("refused at line %d\n", error.Line());
        std::fprintf(stderr, "%s\n", error.what());
        return 3;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: store_tool save ROUND | load | dump FILE KEY | rewrite FILE OUT\n");
    return 2;
}
