#include "figures.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 != 0) return *middle;
    return (*middle + *std::max_element(samples.begin(), middle)) / 2;
}

void PrintFigure(const char* name, double value, const char* unit, const char* detail, double goal) {
    std::printf("%-18s %8.3f %-2s  %s", name, value, unit, detail);
    if (goal > 0) std::printf("; goal < %g %s: %s", goal, unit, value < goal ? "met" : "MISSED");
    std::printf("\n");
    std::fflush(stdout);
}
