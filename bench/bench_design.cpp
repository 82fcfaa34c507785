// Design from a housing for every housing of the series × i 5 to 100 in steps of 5, all starts
// and the default modules, at N1 1450 with two of the shop's hobs: each design timed over a
// batch. Prints the median and the slowest design, the median's ratio to the 1 ms budget, and
// how many rows the designs gave.

#include "calc/design.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    constexpr int repeats = 20;
    constexpr double budgetMicros = 1000.0;
    Hob a;
    a.module = 4;
    a.starts = 2;
    a.pitchDiameter = 40;
    Hob b = a;
    b.module = 6.3;
    b.starts = 1;
    b.pitchDiameter = 68;
    const QList<Hob> hobs = {a, b};

    std::vector<double> perDesign;
    qsizetype rows = 0;
    qsizetype empty = 0;
    for (const double housing : housingSeries()) {
        for (int i = 5; i <= 100; i += 5) {
            DesignAsk ask;
            ask.centreDistance = housing;
            ask.ratio = i;
            ask.n1 = 1450;
            qsizetype found = 0;
            const auto start = std::chrono::steady_clock::now();
            for (int r = 0; r < repeats; ++r) {
                found = designDrives(ask, hobs).rows.size();
            }
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            perDesign.push_back(took.count() / repeats);
            rows += found;
            empty += found == 0 ? 1 : 0;
        }
    }
    std::sort(perDesign.begin(), perDesign.end());
    const double median = perDesign[perDesign.size() / 2];
    std::printf("design from a housing, %zu designs × %d\n", perDesign.size(), repeats);
    std::printf("  median %.1f us, slowest %.1f us; median/budget = %.3f\n", median,
                perDesign.back(), median / budgetMicros);
    std::printf("  %lld rows in all, %lld designs with none\n", static_cast<long long>(rows),
                static_cast<long long>(empty));
    return 0;
}
