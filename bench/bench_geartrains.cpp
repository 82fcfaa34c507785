// All exact change-gear trains of the built-in machine for every Z2 from 1 to 500 and every z1
// from 1 to 6: the time
// for one (Z2, z1) (the median of repeated finds), then the median and the worst over all of
// them, against the 50 µs target.

#include "calc/geartrains.h"
#include "calc/wormstarts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    constexpr int repeats = 101;
    constexpr double budgetMicros = 50;
    std::vector<double> perCase;
    std::int64_t worstZ2 = 0;
    int worstZ1 = 0;
    qsizetype trains = 0;
    qsizetype most = 0;
    const GearTrainFinder finder(builtInMachine());
    for (int z1 = 1; z1 <= maxWormStarts; ++z1) {
        for (std::int64_t z2 = 1; z2 <= 500; ++z2) {
            std::vector<double> times;
            for (int i = 0; i < repeats; ++i) {
                const auto start = std::chrono::steady_clock::now();
                const QList<GearTrain> found = finder.find(z2, z1).trains;
                const std::chrono::duration<double, std::micro> took =
                    std::chrono::steady_clock::now() - start;
                times.push_back(took.count());
                if (i == 0) {
                    trains += found.size();
                    most = std::max(most, found.size());
                }
            }
            std::sort(times.begin(), times.end());
            perCase.push_back(times[times.size() / 2]);
            if (perCase.back() >= *std::max_element(perCase.begin(), perCase.end())) {
                worstZ2 = z2;
                worstZ1 = z1;
            }
        }
    }
    std::vector<double> sorted = perCase;
    std::sort(sorted.begin(), sorted.end());
    std::printf("exact change-gear trains for Z2 = 1..500 and z1 = 1..%d, median of %d finds "
                "each\n",
                maxWormStarts, repeats);
    std::printf("  %lld trains in all, at most %lld for one (Z2, z1)\n",
                static_cast<long long>(trains), static_cast<long long>(most));
    std::printf("  median  %.2f us for one (Z2, z1); worst %.2f us (Z2 = %lld, z1 = %d)\n",
                sorted[sorted.size() / 2], sorted.back(), static_cast<long long>(worstZ2), worstZ1);
    std::printf("  budget  %.0f us; median/budget = %.3f\n", budgetMicros,
                sorted[sorted.size() / 2] / budgetMicros);
    return 0;
}
