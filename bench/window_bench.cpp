// What the window's drawing costs offscreen: redrawing the board, one face, a face-set choice, a click, a new game
// and a board chosen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>

#include "board_walk.h"
#include "card_cell.h"
#include "main_window.h"

namespace pairfinder {
namespace {

// No highscore store: the drawing is what is measured.
HighscoreStorage NoStorage() {
    return {[](HighscoreTable&, const BoardSize&) {}, [](const HighscoreTable&, const BoardSize&) {},
            [] { return std::optional<int>(); }, [](const BoardSize&) {}, [] { return false; }, [](bool) {}, {}, {},
            {}, {}};
}

std::unique_ptr<TForm1> OpenWindow() {
    auto form = std::make_unique<TForm1>(NoStorage());
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the window was never exposed");
    QApplication::processEvents();
    return form;
}

CardCell* Cell(TForm1& form, int p) {
    return form.findChild<CardCell*>(QStringLiteral("Image%1").arg(p + 1));
}

void BM_StartWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>(NoStorage());
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWindow)->Unit(benchmark::kMillisecond);

void BM_ShowBacks(benchmark::State& state) {
    auto form = OpenWindow();
    for (auto _ : state) form->ShowBacks();
}
BENCHMARK(BM_ShowBacks)->Unit(benchmark::kMicrosecond);

void BM_ShowFace(benchmark::State& state) {
    auto form = OpenWindow();
    int p = 0;
    for (auto _ : state) {
        form->ShowFace(p);
        p = (p + 1) % layout::CellCount;
    }
}
BENCHMARK(BM_ShowFace)->Unit(benchmark::kMicrosecond);

// Choosing face set k from the menu (the item Deck k): the first time renders it, later times reuse the rendered
// set.
void ChooseFaceSet(TForm1& form, int k) {
    form.findChild<QAction*>(QStringLiteral("Deck%1").arg(k))->trigger();
}

void BM_ChooseFaceSetFirstTime(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto form = OpenWindow();
        state.ResumeTiming();
        ChooseFaceSet(*form, static_cast<int>(state.range(0)));
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChooseFaceSetFirstTime)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_ChooseFaceSetAgain(benchmark::State& state) {
    auto form = OpenWindow();
    ChooseFaceSet(*form, static_cast<int>(state.range(0)));
    for (auto _ : state) ChooseFaceSet(*form, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ChooseFaceSetAgain)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// A mouse click on a cell, through the event system, until the window has repainted.
void BM_ClickToRepaint(benchmark::State& state) {
    auto form = OpenWindow();
    const auto cells = testing::Strangers(form->Board(), 3);
    std::size_t next = 0;
    for (auto _ : state) {
        QTest::mouseClick(Cell(*form, cells[next]), Qt::LeftButton);
        QApplication::processEvents();
        next = (next + 1) % cells.size();
    }
}
BENCHMARK(BM_ClickToRepaint)->Unit(benchmark::kMicrosecond);

// MIX IT from the menu until the window has repainted: what choosing a board is measured against.
void BM_WindowMixIt(benchmark::State& state) {
    auto form = OpenWindow();
    auto* mix = form->findChild<QAction*>(QStringLiteral("Mixitnew1"));
    for (auto _ : state) {
        mix->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowMixIt)->Unit(benchmark::kMicrosecond);

// Choosing board k from the menu (the item Feld k) until the window has repainted, from the full board each time;
// its pictures were rendered at its size by the first choice, as a player who goes back to a board finds them.
void BM_WindowChooseBoard(benchmark::State& state) {
    auto form = OpenWindow();
    auto* board = form->findChild<QAction*>(QStringLiteral("Feld%1").arg(state.range(0)));
    auto* full = form->findChild<QAction*>(QStringLiteral("Feld%1").arg(BoardSizes.size()));
    board->trigger();
    for (auto _ : state) {
        state.PauseTiming();
        full->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
        board->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowChooseBoard)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pairfinder

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns on every window it shows; the numbers are what matter here.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
