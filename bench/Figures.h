// What the benchmark measured, kept apart from how it is printed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One program's runs, in the order they were made.
struct Series {
    std::vector<double> startMs;  // start to shown and idle
    std::vector<double> endMs;    // the close request (or the Ok click) to exit
    std::vector<double> peakKiB;
    std::vector<double> privateKiB;
    std::vector<double> gdiObjects;
    std::vector<double> userObjects;
};

struct Contender {
    std::string label;
    std::string exe;      // the copy that was run
    std::string shipped;  // the file whose size and imports are shown: the 32-bit build where the runs are 64-bit
    Series runs;
};

// One size of config.bot: the program, and the baseline when there is one.
struct ScaleRow {
    const char* name;
    size_t bytes;
    Series program;
    Series baseline;
};

struct Figures {
    int rounds = 0;
    // The floor, the plain-Win32 dialog and the program, run in turn once per round.
    Contender floor, plain, program;
    int scaleRuns = 0;
    bool hasBaseline = false;
    std::vector<ScaleRow> scale;
};
