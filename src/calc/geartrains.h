#pragma once

// Every exact change-gear train for the index ratio K × z1 ÷ Z2 that a machine's box of change
// gears can make, each physical gear used at most once: simple trains (A drives B) and compound
// trains (A drives B; C, on B's stud, drives D). Found with whole numbers only, never a
// floating-point compare, and in bounded time for any tooth count. With a clearance, a
// compound train is listed in an order of its gears that fits the quadrant, or left out.

#include "calc/machine.h"
#include "model/fault.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <map>
#include <variant>

struct GearTrain {
    int a = 0;
    int b = 0;
    int c = 0; // 0 for a simple train
    int d = 0;

    bool isCompound() const { return c != 0; }
    int teeth() const { return a + b + c + d; }
    // "42 → 70" or "20 → 25, 43 → 86"
    QString text(const QLocale& locale) const;

    friend bool operator==(const GearTrain&, const GearTrain&) = default;
};

struct TrainSearch {
    QList<GearTrain> trains;
    qsizetype unfit = 0; // exact compound trains that fit the quadrant in no order
};

// The trains of one machine; the pairs of its gears are found once, for every search after.
class GearTrainFinder {
public:
    explicit GearTrainFinder(Machine machine);

    // The exact trains for a wheel of `z2` teeth (1 or more) cut by a hob of `z1` starts
    // (1 to 6): simple ones first, then compound ones, each in ascending order of their teeth.
    // A compound train is listed once for each pair of drivers {A, C} and driven gears {B, D},
    // as A ≤ C and B ≤ D where that order fits.
    TrainSearch find(std::int64_t z2, int z1) const;

private:
    struct PairProduct {
        std::int64_t product = 0;
        int low = 0;
        int high = 0;
    };

    Machine m_machine;
    std::map<int, int> m_counts; // how many gears of each count the box holds
    QList<PairProduct> m_pairs;  // every pair of two gears of the box, by product
    std::int64_t m_largestZ2 = 0;
};

// The trains for the texts of Z2_t and z1_t, or the fault that refuses them: Z2 not a number
// or not a whole number of 1 or more, or z1 not a whole number from 1 to 6.
std::variant<TrainSearch, Fault> gearTrainsFor(const QString& z2Text, const QString& z1Text,
                                               const Machine& machine, const QLocale& locale);
