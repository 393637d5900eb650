#include "bench_summary.h"

#include "summary_reporter.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr double ClickTargetUs = 200.0;
constexpr double CalculateTargetUs = 20.0;
constexpr double RangeChartTargetUs = 1000.0;
constexpr double LanceTargetUs = 1000.0;
// What a user waits for: a fresh process to its first painted sheet, against one to a bare
// window of the same size.
constexpr double StartRatioTarget = 1.25;
constexpr double ExtraMemoryTargetMib = 10.0;
constexpr double KibPerMib = 1024.0;
constexpr double MicrosecondsPerSecond = 1e6;
constexpr int NameWidth = 52;

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

struct Microseconds {
    double real;
    double cpu;
};

std::optional<Microseconds> microseconds(const SummaryReporter& times, const std::string& name) {
    if (std::optional<IterationTime> time = times.time(name)) {
        return Microseconds{time->real * MicrosecondsPerSecond, time->cpu * MicrosecondsPerSecond};
    }
    return std::nullopt;
}

void printTime(const char* what, std::optional<Microseconds> us) {
    if (us) {
        std::printf("  %-*s %11.2f us %11.2f us", NameWidth, what, us->real, us->cpu);
    } else {
        std::printf("  %-*s %14s", NameWidth, what, "not run");
    }
}

void printLine(const char* what, std::optional<Microseconds> us) {
    printTime(what, us);
    std::printf("\n");
}

void printTarget(const char* what, std::optional<Microseconds> us, double targetUs) {
    printTime(what, us);
    if (us) {
        std::printf("   target < %.0f us: %s (%.2f of it)", targetUs, verdict(us->cpu < targetUs),
                    us->cpu / targetUs);
    }
    std::printf("\n");
}

void printRatio(const char* what, std::optional<Microseconds> over,
                std::optional<Microseconds> under, std::optional<double> target) {
    if (!over || !under || under->real <= 0 || under->cpu <= 0) {
        return;
    }
    const double real = over->real / under->real;
    const double cpu = over->cpu / under->cpu;
    std::printf("  %-*s %11.2f x  %11.2f x ", NameWidth, what, real, cpu);
    if (target) {
        std::printf("   target <= %.0f x: %s", *target, verdict(cpu <= *target));
    }
    std::printf("\n");
}

void printOpening(const SummaryReporter& times) {
    const auto sheet = microseconds(times, "openSheetWindow");
    const auto bare = microseconds(times, "openBareWindow");
    const auto widgets = microseconds(times, "openSheetWidgetsOnly");
    std::printf("Opening a window until it is exposed and painted:\n");
    printLine("sheet window", sheet);
    printLine("bare window of the same client size", bare);
    printLine("the sheet's widgets alone (no model, binding, menu)", widgets);
    printRatio("ratio sheet / bare", sheet, bare, std::nullopt);
    printRatio("ratio sheet / its widgets alone", sheet, widgets, std::nullopt);
}

void printClick(const SummaryReporter& times) {
    std::printf("One click on the right shoulder's damage box:\n");
    printLine("through binding, handlers and refresh",
              microseconds(times, "clickCheckBoxToRefresh"));
    printTarget("to repainted widgets", microseconds(times, "clickCheckBoxToRepaint"),
                ClickTargetUs);
    printLine("with the whole window repainted",
              microseconds(times, "clickCheckBoxAndRepaintWindow"));
    printLine("to repainted widgets, range chart of twelve rows open",
              microseconds(times, "clickCheckBoxWithRangeChartToRepaint"));
}

void printCalculate(const SummaryReporter& times) {
    std::printf("Calculate and the range chart, model only:\n");
    printTarget("twelve weapon rows", microseconds(times, "calculateTwelveRows"),
                CalculateTargetUs);
    printTarget("range chart of twelve rows, ranges 1 to 24",
                microseconds(times, "recomputeRangeChartTwelveRows"), RangeChartTargetUs);
}

void printLance(const SummaryReporter& times) {
    std::printf("The lance of twelve sheets, each with twelve rows declared, model only:\n");
    printTarget("Next Turn", microseconds(times, "nextTurnTwelveSheets"), LanceTargetUs);
    printTarget("lance view's refresh after a tap",
                microseconds(times, "refreshLanceSceneAfterTap"), LanceTargetUs);
}

void printResident(const ResidentFigures& resident) {
    std::printf("Resident memory of a fresh process with one window (VmRSS, median of runs):\n");
    if (!resident.sheet || !resident.bare) {
        std::printf("  not measured: a child process failed\n");
        return;
    }
    const ResidentReport& sheet = *resident.sheet;
    const ResidentReport& bare = *resident.bare;
    std::printf("  %-*s %11ld KiB (%ld KiB before the window)\n", NameWidth, "with a sheet window",
                sheet.afterKib, sheet.beforeKib);
    std::printf("  %-*s %11ld KiB (%ld KiB before the window)\n", NameWidth, "with a bare window",
                bare.afterKib, bare.beforeKib);
    const double extraMib = static_cast<double>(sheet.afterKib - bare.afterKib) / KibPerMib;
    std::printf("  %-*s %11.2f MiB   target < %.0f MiB: %s\n", NameWidth, "extra for the sheet",
                extraMib, ExtraMemoryTargetMib, verdict(extraMib < ExtraMemoryTargetMib));
    std::printf("  %-*s %11.2f x\n", NameWidth, "ratio sheet / bare",
                static_cast<double>(sheet.afterKib) / static_cast<double>(bare.afterKib));
    std::printf("  %-*s %11.2f x    (sheet %.0f us, bare %.0f us, wall clock)\n", NameWidth,
                "first window of a fresh process, sheet / bare", sheet.openUs / bare.openUs,
                sheet.openUs, bare.openUs);
    const double ratio = sheet.startUs / bare.startUs;
    std::printf("Start of a fresh process to its first painted window (wall clock, median):\n");
    std::printf("  %-*s %11.1f ms\n", NameWidth, "with a sheet window", sheet.startUs / 1000.0);
    std::printf("  %-*s %11.1f ms\n", NameWidth, "with a bare window", bare.startUs / 1000.0);
    std::printf("  %-*s %11.2f x   target <= %.2f x: %s\n", NameWidth, "ratio sheet / bare", ratio,
                StartRatioTarget, verdict(ratio <= StartRatioTarget));
}

} // namespace

double loadAverage() {
    std::ifstream file("/proc/loadavg");
    double load = -1;
    file >> load;
    return file ? load : -1;
}

void printSummary(const SummaryReporter& times, const ResidentFigures& resident,
                  double loadBefore) {
    std::printf("\nSummary: medians; Qt %s on the \"%s\" platform; load average %.2f before, "
                "%.2f after\n",
                qVersion(), qPrintable(QGuiApplication::platformName()), loadBefore, loadAverage());
    std::printf("Targets are judged on CPU time: on a busy machine the wall clock also counts the "
                "waits for a core.\n");
    std::printf("  %-*s %14s %14s\n", NameWidth, "", "real", "CPU");
    printOpening(times);
    printClick(times);
    printCalculate(times);
    printLance(times);
    printResident(resident);
    std::fflush(stdout);
}
