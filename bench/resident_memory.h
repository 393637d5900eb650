#pragma once

#include <optional>
#include <string>

// The resident memory of a process with one window open, measured in a child process of
// this program, so that each kind of window starts from the same fresh process.

enum class ResidentWindow { Sheet, Bare };

struct ResidentReport {
    long beforeKib = 0; // resident set with the application set up, before the window
    long afterKib = 0;  // with the window shown and its events handled
    double openUs = 0;  // the first window of the process: fonts, style and all
    // From the start of the process to its first window painted, as the user waits for it:
    // loading the program and its libraries, the application, the window; wall clock.
    double startUs = 0;
};

// The resident set of this process in KiB (VmRSS), or -1 when the system does not say.
long residentKib();

// The command-line flag that makes a process of this program measure one window.
std::string residentFlag(ResidentWindow window);
std::optional<ResidentWindow> residentWindowOf(const std::string& flag);

// The child's side: opens the window in this process (the application exists already)
// and prints its report on one line. Returns the process's exit code.
int reportResidentWindow(ResidentWindow window);

// The parent's side: runs this program as a child for each window in turn, `runs` times each,
// so that both meet the machine in the same moods, and gives for each window the median
// resident set and the median start; none if any child failed.
struct ResidentFigures {
    std::optional<ResidentReport> sheet;
    std::optional<ResidentReport> bare;
};
ResidentFigures measureResidentWindows(int runs);
