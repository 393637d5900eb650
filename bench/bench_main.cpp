// The benchmark of the combat sheet: opening a window, a user's click, a Calculate, and
// the memory of a window. Run on the offscreen platform unless told otherwise.

#include "bench_summary.h"
#include "resident_memory.h"
#include "summary_reporter.h"
#include "ui/program_look.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int ResidentRuns = 15;

// Repeated runs and their medians, unless the command line says otherwise: other work on
// the machine then moves a single figure less.
const char* const DefaultFlags[] = {"--benchmark_repetitions=5",
                                    "--benchmark_display_aggregates_only=true"};

struct Arguments {
    std::vector<std::string> texts;
    std::vector<char*> pointers;
    int count = 0;

    Arguments(int argc, char* argv[]) {
        for (int i = 0; i < argc; ++i) {
            texts.emplace_back(argv[i]);
        }
        for (const char* flag : DefaultFlags) {
            const std::string name = std::string(flag).substr(0, std::string(flag).find('='));
            if (!given(name)) {
                texts.insert(texts.begin() + 1, flag);
            }
        }
        for (std::string& text : texts) {
            pointers.push_back(text.data());
        }
        count = static_cast<int>(texts.size());
        pointers.push_back(nullptr);
    }

    bool given(const std::string& name) const {
        for (std::size_t i = 1; i < texts.size(); ++i) {
            if (texts[i].rfind(name, 0) == 0) {
                return true;
            }
        }
        return false;
    }
};

// The offscreen platform warns that it cannot pass size hints to a window system it does not
// have, and about a runtime folder it does not need; neither says anything about the sheet.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.contains("propagateSizeHints") || message.contains("XDG_RUNTIME_DIR")) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName("Vexolan");
    applyProgramLook(application);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(quietOffscreenNotes);
    if (argc > 1) {
        if (std::optional<ResidentWindow> window = residentWindowOf(argv[1])) {
            QApplication application(argc, argv);
            setUpApplication(application);
            return reportResidentWindow(*window);
        }
    }

    Arguments arguments(argc, argv);
    benchmark::Initialize(&arguments.count, arguments.pointers.data());
    QApplication application(arguments.count, arguments.pointers.data());
    if (benchmark::ReportUnrecognizedArguments(arguments.count, arguments.pointers.data())) {
        return 1;
    }
    setUpApplication(application);

    const double loadBefore = loadAverage();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const ResidentFigures resident = measureResidentWindows(ResidentRuns);
    printSummary(reporter, resident, loadBefore);
    benchmark::Shutdown();
    return 0;
}
