#pragma once

// The third section: for the hobbing machine's indexing train, the coefficient and the output
// change gear that match an input change gear taken from the machine's set.

#include "model/fieldid.h"

#include <QLocale>
#include <QString>

#include <array>

class FormState;

// Every field a complete run reads or writes.
inline constexpr std::array<FieldId, 4> changeGearFields = {
    FieldId::GD_t,
    FieldId::Z2_t,
    FieldId::KS_t,
    FieldId::ÇD_t,
};

// The tooth counts of the machine's change gears.
inline constexpr std::array<int, 32> changeGearSet = {
    20, 24, 25, 26, 32, 37, 41, 42, 43, 47, 48, 49, 50, 51, 53, 54,
    55, 56, 59, 61, 65, 67, 68, 69, 70, 71, 72, 79, 82, 83, 93, 96,
};

// Whether `teeth` is a whole tooth count of a gear in the set.
bool isChangeGear(double teeth);
// The same for a field's text; a text that is no number is no gear.
bool isChangeGear(const QString& text, const QLocale& locale);

// Runs when Command1 is clicked. Changes no button's enabled flag; returns whether it ran to
// its end.
bool Command1_Click(FormState& form);
