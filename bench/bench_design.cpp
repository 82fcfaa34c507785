// Design from a housing for every housing of the series × i 5 to 100 in steps of 5, all starts
// and the default modules, at N1 1450, each of the three ways a worm is chosen: the shop's 50
// hobs (of the standard worms' sizes, a start count each), the standard worms, a new diameter.
// Each design is timed over a batch. Prints, for each way, the median and the slowest design,
// the median's ratio to the 1 ms budget, and how many rows the designs gave.

#include "calc/design.h"
#include "shophobs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

void timeWay(const char* name, WormChoice worms, const QList<Hob>& hobs) {
    constexpr int repeats = 20;
    constexpr double budgetMicros = 1000.0;
    std::vector<double> perDesign;
    qsizetype rows = 0;
    qsizetype empty = 0;
    for (const double housing : housingSeries()) {
        for (int i = 5; i <= 100; i += 5) {
            DesignAsk ask;
            ask.centreDistance = housing;
            ask.ratio = i;
            ask.n1 = 1450;
            ask.worms = worms;
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
    std::printf("%s, %zu designs × %d\n", name, perDesign.size(), repeats);
    std::printf("  median %.1f us, slowest %.1f us; median/budget = %.3f\n", median,
                perDesign.back(), median / budgetMicros);
    std::printf("  %lld rows in all, %lld designs with none\n", static_cast<long long>(rows),
                static_cast<long long>(empty));
}

} // namespace

int main() {
    const QList<Hob> hobs = fiftyHobs();
    timeWay("the shop's 50 hobs", WormChoice::ShopHobs, hobs);
    timeWay("the standard worms", WormChoice::StandardWorms, hobs);
    timeWay("a new worm diameter", WormChoice::NewDiameter, hobs);
    return 0;
}
