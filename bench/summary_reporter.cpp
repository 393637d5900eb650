#include "summary_reporter.h"

namespace {

IterationTime perIteration(const benchmark::BenchmarkReporter::Run& run) {
    const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
    return {run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit};
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name == "median") {
                medians_[name] = perIteration(run);
            }
        } else {
            singles_[name] = perIteration(run);
        }
    }
}

std::optional<IterationTime> SummaryReporter::time(const std::string& function) const {
    if (auto median = medians_.find(function); median != medians_.end()) {
        return median->second;
    }
    if (auto single = singles_.find(function); single != singles_.end()) {
        return single->second;
    }
    return std::nullopt;
}
