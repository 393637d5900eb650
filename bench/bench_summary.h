#pragma once

#include "resident_memory.h"

#include <optional>

class SummaryReporter;

// The machine's load average over the last minute, or -1 when the system does not say.
double loadAverage();

// The figures that matter, side by side with the floor of the toolkit and with their
// targets, after the benchmarks' own report.
void printSummary(const SummaryReporter& times, const ResidentFigures& resident, double loadBefore);
