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

inline double Quantile(const std::vector<double>& sorted, double q) {
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

// Each pair's ratio: two programs run in turn see the same moment of the machine, so their ratio is steadier than
// the ratio of two medians taken over different moments.
inline std::vector<double> PairRatios(const std::vector<double>& ours, const std::vector<double>& theirs) {
    std::vector<double> ratios;
    for (size_t i = 0; i < ours.size() && i < theirs.size(); ++i)
        if (theirs[i] > 0) ratios.push_back(ours[i] / theirs[i]);
    return ratios;
}
