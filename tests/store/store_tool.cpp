// A game's save or load and nothing else, for tests that stop or fail it at one of its system calls.
// Usage: store_tool save ROUND | store_tool load. The file is the player's usual one ($XDG_CONFIG_HOME).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "highscore_store.h"

int main(int argc, char** argv) {
    using pairfinder::HighscoreTable;
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "save" && argc == 3) {
            // Every value of a round differs from every other round's, so a mixed table shows.
            const std::string round = argv[2];
            HighscoreTable table;
            table.HighscoreName = {"R" + round + "a", "R" + round + "b", "R" + round + "c"};
            const int n = std::atoi(argv[2]);
            table.HighscoreTries = {n * 3 + 1, n * 3 + 2, n * 3 + 3};
            pairfinder::StoreHighscores(table);
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
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: store_tool save ROUND | store_tool load\n");
    return 2;
}
