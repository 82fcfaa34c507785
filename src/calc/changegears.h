#pragma once

// The third section: for the hobbing machine's indexing train, the coefficient and the output
// change gear that match an input change gear taken from the machine's set.

#include <array>

class FormState;

// The tooth counts of the machine's change gears.
inline constexpr std::array<int, 32> changeGearSet = {
    20, 24, 25, 26, 32, 37, 41, 42, 43, 47, 48, 49, 50, 51, 53, 54,
    55, 56, 59, 61, 65, 67, 68, 69, 70, 71, 72, 79, 82, 83, 93, 96,
};

// Whether `teeth` is a whole tooth count of a gear in the set.
bool isChangeGear(double teeth);

// Runs when Command1 is clicked. Changes no button's enabled flag.
void Command1_Click(FormState& form);
