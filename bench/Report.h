// The benchmark's figures as the Markdown tables of the README's "Size and speed"; measures nothing.
#pragma once

#include <string>
#include <vector>

#include "bench/Figures.h"
#include "bench/RelayTrace.h"

void PrintFigures(const Figures& figures);

struct TracedRun {
    std::string label;
    Teardown teardown;
};
void PrintTeardown(const std::vector<TracedRun>& runs);
