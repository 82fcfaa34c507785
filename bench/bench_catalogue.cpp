// The default catalogue at four speeds: the housings up to 250 mm × 12 nominal ratios ×
// 2800, 1400, 900 and 500 d/dk, each of the three ways a worm is chosen (the shop's 50 hobs of
// the standard worms' sizes, the standard worms, a new diameter). Prints each way's median of
// 5 runs, its ratio to the 50 ms budget, and how many cells have a drive. Then the default
// selection by motor (its default motors over the same housings and ratios at 1400 d/dk, the
// catalogue made at that one speed included) against its budget of 100 ms.

#include "calc/catalogue.h"
#include "calc/selection.h"
#include "shophobs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

void timeWay(const char* name, WormChoice worms, const QList<Hob>& hobs) {
    constexpr int repeats = 5;
    constexpr double budgetMillis = 50.0;
    CatalogueAsk ask;
    ask.speeds = {2800, 1400, 900, 500};
    ask.design.worms = worms;
    std::vector<double> runs;
    qsizetype withDrive = 0;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const Catalogue catalogue = catalogueOf(ask, hobs);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        runs.push_back(took.count());
        withDrive = std::count_if(catalogue.cells.begin(), catalogue.cells.end(),
                                  [](const CatalogueCell& c) { return c.drive.has_value(); });
    }
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    std::printf("%s: %lld housings x %lld ratios x 4 speeds\n", name,
                static_cast<long long>(ask.housings.size()),
                static_cast<long long>(ask.ratios.size()));
    std::printf("  median %.1f ms; median/budget = %.3f; %lld of %lld cells with a drive\n", median,
                median / budgetMillis, static_cast<long long>(withDrive),
                static_cast<long long>(ask.housings.size() * ask.ratios.size()));
}

void timeSelection(const QList<Hob>& hobs) {
    constexpr int repeats = 5;
    constexpr double budgetMillis = 100.0;
    CatalogueAsk ask;
    ask.speeds = {1400};
    ask.design.worms = WormChoice::StandardWorms;
    const SelectionAsk selection;
    std::vector<double> runs;
    qsizetype rows = 0;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const Catalogue catalogue = catalogueOf(ask, hobs);
        rows = selectionOf(catalogue, ask, selection).size();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        runs.push_back(took.count());
    }
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    std::printf("the selection, standard worms: %lld motors x %lld housings x %lld ratios\n",
                static_cast<long long>(selection.motors.size()),
                static_cast<long long>(ask.housings.size()),
                static_cast<long long>(ask.ratios.size()));
    std::printf("  median %.1f ms; median/budget = %.3f; %lld rows listed\n", median,
                median / budgetMillis, static_cast<long long>(rows));
}

} // namespace

int main() {
    const QList<Hob> hobs = fiftyHobs();
    timeWay("the shop's 50 hobs", WormChoice::ShopHobs, hobs);
    timeWay("the standard worms", WormChoice::StandardWorms, hobs);
    timeWay("a new worm diameter", WormChoice::NewDiameter, hobs);
    timeSelection(hobs);
    return 0;
}
