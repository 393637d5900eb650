#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Seconds per iteration of one benchmark, on the wall clock and on the process's CPU clock.
struct IterationTime {
    double real = 0;
    double cpu = 0;
};

// The console's report, plus each benchmark's time per iteration kept for the summary:
// the median of the repetitions when there are several, otherwise the one run.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // The time of the benchmark function of that name, if it ran.
    std::optional<IterationTime> time(const std::string& function) const;

private:
    std::map<std::string, IterationTime> medians_;
    std::map<std::string, IterationTime> singles_;
};
