#pragma once

// The number of the worm's starts z1, which every section reads: the output speed
// N2 = N1 × z1 ÷ Z2, the lead angle tan γ = z1 × m ÷ d1, and the index ratio 24 × z1 ÷ Z2 of the
// hobbing machine (the hob for a worm wheel is a copy of the worm, starts and all).

#include "model/fault.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

class FormState;

inline constexpr int maxWormStarts = 6;

// z1 from its text: a whole number from 1 to 6, or the fault that refuses it.
std::variant<int, Fault> wormStarts(const QString& text, const QLocale& locale);

// z1 for a calculation on the form: nothing after the message that refuses it.
std::optional<int> readWormStarts(FormState& form);

// A wheel whose tooth count shares a factor with the worm's starts: each start then always meets
// the same teeth, and wear does not spread. The nearest counts below and above share none.
struct SharedFactor {
    std::int64_t z2 = 0;
    int z1 = 0;
    std::int64_t factor = 0; // their greatest common divisor, above 1
    std::int64_t below = 0;
    std::int64_t above = 0;

    friend bool operator==(const SharedFactor&, const SharedFactor&) = default;
};

// For the texts of Z2_t and z1_t; nothing when they share no factor or are not both counts.
std::optional<SharedFactor> sharedFactor(const QString& z2Text, const QString& z1Text,
                                         const QLocale& locale);
