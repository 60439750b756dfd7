// What the window's drawing costs offscreen: redrawing the board, one face, a face-set choice, a click.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>

#include "board_walk.h"
#include "card_cell.h"
#include "main_window.h"

namespace pairfinder {
namespace {

// No highscore store: the drawing is what is measured.
HighscoreStorage NoStorage() {
    return {[](HighscoreTable&) {}, [](const HighscoreTable&) {}};
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
