// Runs the benchmark's programs under Wine and collects their figures; prints nothing but progress on stderr.
#pragma once

#include <string>

#include "bench/Figures.h"

struct Plan {
    std::string scratch;  // a folder the benchmark may fill
    int rounds = 31;
    int scaleRuns = 7;
    std::string floor, plain, program;
    std::string shippedFloor, shippedPlain, shippedProgram;  // empty: the file that is run
    std::string baseline;                                    // empty: no before-and-after rows
};

// Ends the benchmark with a message when a program fails to start, to show its window or to exit with 0.
Figures Measure(const Plan& plan);

// Files the benchmark reads and writes whole.
std::string ReadWhole(const std::string& path);
bool WriteWhole(const std::string& path, const std::string& bytes);
[[noreturn]] void Fail(const std::string& why);
