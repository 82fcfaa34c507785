#pragma once

// Every exact change-gear train for the index ratio 24 × z1 ÷ Z2 that the machine's set of
// change gears can make, one gear of each count: simple trains (A drives B) and compound trains (A
// drives B; C, on B's stud, drives D). Found with whole numbers only, never a floating-point
// compare, and in bounded time for any tooth count.

#include "model/fault.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
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

// The exact trains for a wheel of `z2` teeth (1 or more) cut by a hob of `z1` starts (1 to 6):
// simple ones first, then compound ones, each in ascending order of their teeth. A compound
// train is listed once for each pair of drivers {A, C} (A < C) and driven gears {B, D} (B < D).
QList<GearTrain> gearTrains(std::int64_t z2, int z1);

// The trains for the texts of Z2_t and z1_t, or the fault that refuses them: Z2 not a number
// or not a whole number of 1 or more, or z1 not a whole number from 1 to 6.
std::variant<QList<GearTrain>, Fault> gearTrainsFor(const QString& z2Text, const QString& z1Text,
                                                    const QLocale& locale);

// What the status bar says after Command1: whether the output gear ÇD (its text `cdText`) is a
// whole count in the set, and where to look when it is not.
QString outputGearNote(const QString& cdText, bool inSet);

// The line above the trains: how many there are, or why there are none.
QString trainCountLine(const std::variant<QList<GearTrain>, Fault>& trains, const QString& z2Text,
                       const QString& z1Text, const QLocale& locale);
