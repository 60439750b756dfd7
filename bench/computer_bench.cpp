// How well the computer plays at each level, and what its choice of a card costs. Each level plays 1,000 seeded
// games on 8 and on 18 pairs against a player of perfect memory, who takes every pair it has seen and otherwise
// turns a card it has not; the first seat alternates from game to game. The share of pairs each level takes is
// reported as the counter "share" (percent); the levels must stand clearly apart, and the Master must hold its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "board_size.h"
#include "computer_player.h"

namespace pairfinder {
namespace {

constexpr int Games = 1000;

// The player of perfect memory the levels are measured against: it knows every face seen, takes a pair it knows,
// and otherwise turns a card nobody has seen.
class PerfectMemory {
public:
    explicit PerfectMemory(std::uint32_t seed) : Engine(seed) {}

    int ChooseCard(const TableView& table) {
        const int cells = table.Board().Cards();
        const int open = table.OpenCard();
        std::vector<int> unseen;
        const auto faceOf = [&table](int p) { return table.SeenFace(p).Pair; };
        for (int p = 0; p < cells; ++p) {
            if (table.InPlay(p) && p != open && !table.WasSeen(p)) unseen.push_back(p);
        }
        const auto partner = [&](int of) {
            for (int q = 0; q < cells; ++q) {
                if (q != of && table.InPlay(q) && table.WasSeen(q) && faceOf(q) == faceOf(of)) return q;
            }
            return -1;
        };
        if (open < 0) {
            for (int p = 0; p < cells; ++p) {
                if (table.InPlay(p) && table.WasSeen(p) && partner(p) >= 0) return p;
            }
        } else if (const int known = partner(open); known >= 0) {
            return known;
        }
        if (!unseen.empty()) return unseen[Engine() % unseen.size()];
        for (int p = 0; p < cells; ++p) {
            if (table.InPlay(p) && p != open) return p;
        }
        return -1;
    }

private:
    std::minstd_rand Engine;
};

// One game on `board` between the computer (seat 0) and perfect memory (seat 1), seat `first` beginning: the
// computer's pairs and all pairs.
std::pair<int, int> PlayGame(const BoardSize& board, Level level, std::uint32_t seed, int first) {
    std::minstd_rand dealer(seed);
    const int cells = board.Cards();
    std::vector<std::int32_t> deal(static_cast<std::size_t>(cells));
    for (int p = 0; p < cells; ++p) deal[static_cast<std::size_t>(p)] = p % board.Pairs;
    std::shuffle(deal.begin(), deal.end(), dealer);
    TableRecord table;
    table.Deal(board);
    ComputerPlayer computer(level, seed * 2 + 1);
    PerfectMemory perfect(seed * 2 + 2);
    int turn = first;
    int computerPairs = 0;
    for (int left = board.Pairs; left > 0;) {
        const auto choose = [&] { return turn == 0 ? computer.ChooseCard(table) : perfect.ChooseCard(table); };
        const int a = choose();
        table.Shown(a, deal[static_cast<std::size_t>(a)]);
        table.Opened(a);
        const int b = choose();
        table.Shown(b, deal[static_cast<std::size_t>(b)]);
        const bool paired = deal[static_cast<std::size_t>(a)] == deal[static_cast<std::size_t>(b)];
        table.TurnEnded(a, b, paired);
        if (paired) {
            --left;
            if (turn == 0) ++computerPairs;
        } else {
            turn = 1 - turn;
        }
    }
    return {computerPairs, board.Pairs};
}

void BM_LevelShareAgainstPerfectMemory(benchmark::State& state) {
    const auto level = static_cast<Level>(state.range(0));
    const BoardSize board = *BoardOfPairs(static_cast<int>(state.range(1)));
    double share = 0;
    for (auto _ : state) {
        int won = 0;
        int all = 0;
        for (int game = 0; game < Games; ++game) {
            const auto [pairs, total] = PlayGame(board, level, static_cast<std::uint32_t>(game + 1), game % 2);
            won += pairs;
            all += total;
        }
        share = 100.0 * won / all;
    }
    state.counters["share"] = share;
}
BENCHMARK(BM_LevelShareAgainstPerfectMemory)
    ->ArgsProduct({{0, 1, 2}, {8, 18}})
    ->ArgNames({"level", "pairs"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// One choice on the full board half played, with every card in play seen once: the most it ever weighs.
void BM_ComputerChoosesACard(benchmark::State& state) {
    TableRecord table;
    table.Deal(FullBoard);
    for (int p = 0; p < FullBoard.Cards(); ++p) {
        table.Shown(p, p / 2 * 2 == p ? p / 2 : (p + 31) % 32);
        if (p % 2 == 1) table.TurnEnded(p - 1, p, false);
    }
    ComputerPlayer computer(Level::Advanced, 7);
    for (auto _ : state) benchmark::DoNotOptimize(computer.ChooseCard(table));
}
BENCHMARK(BM_ComputerChoosesACard);

}  // namespace
}  // namespace pairfinder

BENCHMARK_MAIN();
