// Median and spread of repeated measurements: one slow run on a busy machine must not move the figure.
#pragma once

#include <algorithm>
#include <vector>

struct Spread {
    double median = 0;
    double low = 0;   // first quartile
    double high = 0;  // third quartile
    double min = 0;
    double max = 0;
};

inline double Quantile(std::vector<double> sorted, double q) {
    if (sorted.empty()) return 0;
    double at = q * double(sorted.size() - 1);
    size_t below = size_t(at);
    size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - double(below));
}

inline Spread SpreadOf(std::vector<double> values) {
    Spread spread;
    if (values.empty()) return spread;
    std::sort(values.begin(), values.end());
    spread.median = Quantile(values, 0.5);
    spread.low = Quantile(values, 0.25);
    spread.high = Quantile(values, 0.75);
    spread.min = values.front();
    spread.max = values.back();
    return spread;
}
