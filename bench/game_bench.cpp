// What the game rules cost per deal and per click, with a window that does nothing.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>

#include "board_walk.h"
#include "game_rules.h"

namespace pairfinder {
namespace {

using testing::PartnerOf;

class NullRequests : public GameRequests {
public:
    void HideOutcome() override {}
    void ShowAttempts(int) override {}
    void ShowBacks() override {}
    void ShowFace(int) override {}
    void ShowOutcome(bool) override {}
    void LoadHighscores() override {}
    void ShowHighscoreMenu() override {}
    void LoadFaceSet() override {}
    void StoreHighscores() override {}
    void ShowChoice(Command, int) override {}
    void Close() override {}
    PictureName FaceName(int) const override { return {}; }
    void Announce(const std::string&) override {}
    void ShowBoard() override {}
    std::optional<int> LoadBoard() override { return std::nullopt; }
    void StoreBoard() override {}
    void EnableChoice(Command, int, bool) override {}
    int FaceCount() const override { return GameBoard::MostPairs; }
    bool HasOwnDeck() const override { return false; }
    void ComposeDeck() override {}
    bool LoadOwnDeckInUse() override { return false; }
    void StoreOwnDeckInUse(bool) override {}
    void EnableCommand(Command, bool) override {}
    void SaveDeck() override {}
    void OpenDeck() override {}
    void AskPlayers(const PlayersChoice&) override {}
    void ShowPlayers(const std::vector<Seat>&, int) override {}
    void WaitForComputer(int, int) override {}
    void ShowWinner(const std::string&) override {}
    std::optional<PlayersChoice> LoadPlayers() override { return std::nullopt; }
    void StorePlayers(const PlayersChoice&) override {}
};

// A second whose deal takes the largest mix: nine rounds of exchanges.
std::int64_t SecondWithLargestMix() {
    for (std::int64_t second = 1;; ++second) {
        RandomSource probe([second] { return second; });
        probe.SeedRandom();
        if (probe.RandomBelow(9) == 8) return second;
    }
}

void BM_NewGameLargestMix(benchmark::State& state) {
    NullRequests window;
    GameRules game(window, [second = SecondWithLargestMix()] { return second; });
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.Board.PairOf.data());
    }
}
BENCHMARK(BM_NewGameLargestMix);

// Choosing a board from the menu, as a player does (item 1 is the smallest): laid out, dealt and said, against
// MIX IT's deal above.
void BM_ChooseBoard(benchmark::State& state) {
    NullRequests window;
    GameRules game(window, [second = SecondWithLargestMix()] { return second; });
    const int item = static_cast<int>(state.range(0));
    for (auto _ : state) {
        game.Run(Command::ChooseBoard, item);
        benchmark::DoNotOptimize(game.Board.PairOf.data());
    }
    state.SetLabel(std::string(BoardSizes[static_cast<std::size_t>(item - 1)].Caption));
}
BENCHMARK(BM_ChooseBoard)->DenseRange(1, static_cast<int>(BoardSizes.size()));

void BM_FirstClick(benchmark::State& state) {
    NullRequests window;
    GameRules game(window);
    game.NewGame();
    for (auto _ : state) {
        game.Board.CardOpen = false;
        game.Board.FaceUp[5] = 0;
        game.CardClicked(5);
    }
}
BENCHMARK(BM_FirstClick);

void BM_TurnWithAMiss(benchmark::State& state) {
    NullRequests window;
    GameRules game(window);
    game.NewGame();
    const std::int32_t other = PartnerOf(game.Board, 5) == 6 ? 7 : 6;
    for (auto _ : state) {
        game.CardClicked(5);
        game.CardClicked(other);
        // Both faces stay open after a miss; close them so the next turn can open 5 again.
        game.Board.FaceUp[5] = 0;
        game.Board.FaceUp[static_cast<std::size_t>(other)] = 0;
    }
}
BENCHMARK(BM_TurnWithAMiss);

void BM_WholeGameOfClicks(benchmark::State& state) {
    NullRequests window;
    GameRules game(window);
    for (auto _ : state) {
        state.PauseTiming();
        game.NewGame();
        state.ResumeTiming();
        for (std::int32_t p = 0; p < game.Board.CardCount; ++p) {
            if (game.Board.Matched[static_cast<std::size_t>(p)]) continue;
            game.CardClicked(p);
            game.CardClicked(PartnerOf(game.Board, p));
        }
        benchmark::DoNotOptimize(game.Board.Attempts);
    }
}
BENCHMARK(BM_WholeGameOfClicks);

}  // namespace
}  // namespace pairfinder

BENCHMARK_MAIN();
