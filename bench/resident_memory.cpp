#include "resident_memory.h"

#include "bench_sheet_window.h"
#include "window_opening.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

constexpr int ChildTimeoutMs = 60000;
const char* const SheetFlag = "--rss-sheet";
const char* const BareFlag = "--rss-bare";
const char* const ReportFormat = "resident before_kib=%ld after_kib=%ld open_us=%.1f\n";
const char* const ReportScan = "resident before_kib=%ld after_kib=%ld open_us=%lf";

} // namespace

long residentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kib = -1;
            fields >> kib;
            return kib;
        }
    }
    return -1;
}

std::string residentFlag(ResidentWindow window) {
    return window == ResidentWindow::Sheet ? SheetFlag : BareFlag;
}

std::optional<ResidentWindow> residentWindowOf(const std::string& flag) {
    if (flag == SheetFlag) {
        return ResidentWindow::Sheet;
    }
    if (flag == BareFlag) {
        return ResidentWindow::Bare;
    }
    return std::nullopt;
}

int reportResidentWindow(ResidentWindow window) {
    const long before = residentKib();
    std::unique_ptr<BenchSheetWindow> sheet;
    std::unique_ptr<QMainWindow> bare;
    QElapsedTimer opening;
    opening.start();
    bool shown = false;
    if (window == ResidentWindow::Sheet) {
        sheet = std::make_unique<BenchSheetWindow>();
        shown = showUntilExposed(sheet->window);
    } else {
        bare = makeBareWindow();
        shown = showUntilExposed(*bare);
    }
    const double openUs = static_cast<double>(opening.nsecsElapsed()) / 1000.0;
    const long after = residentKib();
    std::printf(ReportFormat, before, after, openUs);
    std::fflush(stdout);
    return shown && before > 0 && after > 0 ? 0 : 1;
}

namespace {

std::optional<ResidentReport> runChild(ResidentWindow window) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer started;
    started.start();
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromStdString(residentFlag(window))});
    // The child reports the moment its window is painted.
    const bool reported = child.waitForReadyRead(ChildTimeoutMs);
    const double startUs = static_cast<double>(started.nsecsElapsed()) / 1000.0;
    if (!reported || !child.waitForFinished(ChildTimeoutMs) ||
        child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        return std::nullopt;
    }
    const QByteArray output = child.readAllStandardOutput();
    ResidentReport report;
    if (std::sscanf(output.constData(), ReportScan, &report.beforeKib, &report.afterKib,
                    &report.openUs) != 3) {
        return std::nullopt;
    }
    report.startUs = startUs;
    return report;
}

template <typename Value>
Value medianOf(std::vector<ResidentReport> reports, Value ResidentReport::*field) {
    const auto middle = reports.begin() + static_cast<std::ptrdiff_t>(reports.size() / 2);
    std::nth_element(
        reports.begin(), middle, reports.end(),
        [field](const ResidentReport& a, const ResidentReport& b) { return a.*field < b.*field; });
    return (*middle).*field;
}

std::optional<ResidentReport> medianReport(const std::vector<ResidentReport>& reports) {
    if (reports.empty()) {
        return std::nullopt;
    }
    ResidentReport median;
    median.beforeKib = medianOf(reports, &ResidentReport::beforeKib);
    median.afterKib = medianOf(reports, &ResidentReport::afterKib);
    median.openUs = medianOf(reports, &ResidentReport::openUs);
    median.startUs = medianOf(reports, &ResidentReport::startUs);
    return median;
}

} // namespace

ResidentFigures measureResidentWindows(int runs) {
    std::vector<ResidentReport> sheets, bares;
    for (int run = 0; run < runs; ++run) {
        std::optional<ResidentReport> sheet = runChild(ResidentWindow::Sheet);
        std::optional<ResidentReport> bare = runChild(ResidentWindow::Bare);
        if (!sheet || !bare) {
            return {};
        }
        sheets.push_back(*sheet);
        bares.push_back(*bare);
    }
    return {medianReport(sheets), medianReport(bares)};
}
