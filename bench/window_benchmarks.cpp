// Opening a sheet window against a bare one, and one user click on a check box, also with the
// range chart of a full sheet open beside it.

#include "bench_sheet_window.h"
#include "paint_counter.h"
#include "support/fresh_sheet.h"
#include "twelve_row_attack.h"
#include "ui/range_chart_window.h"
#include "ui/sheet_form.h"
#include "window_opening.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMainWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QWidget& windowOf(BenchSheetWindow& sheet) {
    return sheet.window;
}

QWidget& windowOf(QMainWindow& window) {
    return window;
}

// The sheet's widgets in a bare window, made from a sheet's model that nothing is bound to.
struct SheetWidgetsOnly {
    SheetWidgetsOnly() { window->setCentralWidget(new SheetForm(model.sheet)); }
    FreshSheet model;
    std::unique_ptr<QMainWindow> window = makeBareWindow();
};

QWidget& windowOf(SheetWidgetsOnly& widgets) {
    return *widgets.window;
}

// Each window is closed while the clock is stopped, and what its deletion posted is done
// then too, so that no opening pays for the last one's closing.
template <typename Make> void openWindows(benchmark::State& state, Make make) {
    for (auto _ : state) {
        auto opened = make();
        if (!showUntilExposed(windowOf(*opened))) {
            state.SkipWithError("the window was never exposed");
            break;
        }
        state.PauseTiming();
        opened.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void openSheetWindow(benchmark::State& state) {
    openWindows(state, [] { return std::make_unique<BenchSheetWindow>(); });
}

void openBareWindow(benchmark::State& state) {
    openWindows(state, makeBareWindow);
}

// The sheet's widgets alone, as the layout tables make them, without the model, the
// binding or the menu bar: what the toolkit asks for this many widgets.
void openSheetWidgetsOnly(benchmark::State& state) {
    openWindows(state, [] { return std::make_unique<SheetWidgetsOnly>(); });
}

// A shown sheet past its setup panel, as a user has it in play, with the right shoulder's
// damage box at hand.
struct PlayingSheet {
    BenchSheetWindow bench;
    QAbstractButton* shoulder = nullptr;

    // With the chart, the sheet holds a weapon in every row and its chart is shown.
    bool open(bool withChart) {
        if (!showUntilExposed(bench.window)) {
            return false;
        }
        if (withChart) {
            fillInAttack(bench.window.sheet());
            bench.window.sheet().mnuRangeChart.userClick();
            if (!showUntilExposed(*bench.window.rangeChart())) {
                return false;
            }
        }
        auto* done = bench.window.findChild<QAbstractButton*>("Command5");
        shoulder = bench.window.findChild<QAbstractButton*>("rightShoulderBox");
        if (done == nullptr || shoulder == nullptr) {
            return false;
        }
        done->click();
        QCoreApplication::processEvents();
        return shoulder->isVisible();
    }

    // Each click ticks or unticks the box; the model must have followed every one.
    bool followedClicks(BoxState startValue, benchmark::IterationCount clicks) {
        const bool ticked = (startValue == BoxState::Ticked) == (clicks % 2 == 0);
        return bench.window.sheet().rightShoulderBox.value() ==
               (ticked ? BoxState::Ticked : BoxState::Unticked);
    }
};

// What a click sets going depends on how it reaches the screen: the three variants share
// the click through the binding, the shoulder rule's handlers and the binding's refresh.
enum class Painting { None, ChangedWidgets, WholeWindow };

// Kept out of line, so that a profiler can single out the clicks from the setting up.
[[gnu::noinline]] void clickOnce(PlayingSheet& playing, Painting painting) {
    playing.shoulder->click();
    if (painting == Painting::ChangedWidgets) {
        QCoreApplication::processEvents();
    } else if (painting == Painting::WholeWindow) {
        playing.bench.window.repaint();
    }
}

void clickShoulder(benchmark::State& state, Painting painting, bool withChart = false) {
    PlayingSheet playing;
    if (!playing.open(withChart)) {
        state.SkipWithError("no shown sheet with a shoulder box");
        return;
    }
    if (painting == Painting::ChangedWidgets) {
        PaintCounter counter;
        playing.shoulder->installEventFilter(&counter);
        playing.shoulder->click();
        QCoreApplication::processEvents();
        playing.shoulder->removeEventFilter(&counter);
        if (counter.paints == 0) {
            state.SkipWithError("a click repainted nothing");
            return;
        }
    }
    const BoxState startValue = playing.bench.window.sheet().rightShoulderBox.value();
    for (auto _ : state) {
        clickOnce(playing, painting);
    }
    if (!playing.followedClicks(startValue, state.iterations())) {
        state.SkipWithError("the model did not follow the clicks");
    }
}

void clickCheckBoxToRefresh(benchmark::State& state) {
    clickShoulder(state, Painting::None);
}

void clickCheckBoxToRepaint(benchmark::State& state) {
    clickShoulder(state, Painting::ChangedWidgets);
}

void clickCheckBoxAndRepaintWindow(benchmark::State& state) {
    clickShoulder(state, Painting::WholeWindow);
}

// The chart is worked out again after the click and its changed cells repainted as well.
void clickCheckBoxWithRangeChartToRepaint(benchmark::State& state) {
    clickShoulder(state, Painting::ChangedWidgets, true);
}

} // namespace

BENCHMARK(openSheetWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(openBareWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(openSheetWidgetsOnly)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(clickCheckBoxToRefresh)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(clickCheckBoxToRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(clickCheckBoxAndRepaintWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(clickCheckBoxWithRangeChartToRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();
