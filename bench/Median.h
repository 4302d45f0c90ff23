#ifndef BENCH_MEDIAN_H
#define BENCH_MEDIAN_H

#include <algorithm>
#include <vector>

// The middle of a benchmark's repeated figures, which one slow run (the
// machine busy for a moment) does not move.
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

#endif
