#pragma once

// The third section: for the hobbing machine's indexing train, the coefficient and the output
// change gear that match an input change gear taken from the set of the machine in use, with
// its index constant K (or K′ for a large wheel): KS = GD ÷ K, ÇD = GD × Z2 ÷ (K × z1).

#include "calc/machine.h"
#include "model/fieldid.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class FormState;

// The tooth counts of the built-in machine's change gears.
inline constexpr std::array<int, 32> changeGearSet = {
    20, 24, 25, 26, 32, 37, 41, 42, 43, 47, 48, 49, 50, 51, 53, 54,
    55, 56, 59, 61, 65, 67, 68, 69, 70, 71, 72, 79, 82, 83, 93, 96,
};

// The output gear GD × Z2 ÷ divisor as a whole tooth count, when the texts of GD_t and Z2_t make
// it one exactly: decided on their decimal digits, never on a rounded text of the quotient.
std::optional<std::int64_t> wholeOutputGear(const QString& gdText, const QString& z2Text,
                                            std::int64_t divisor, const QLocale& locale);

// Where the output gear of a run stands against the machine's box.
enum class OutputGearFit {
    InBox,        // a gear of that count is left in the box once GD is taken
    NotWhole,     // GD × Z2 ÷ (K × z1) is no whole tooth count
    NotInBox,     // the box holds no gear of that count
    TakenByInput, // the box's only gear of that count is GD itself
};

struct OutputGear {
    std::optional<std::int64_t> teeth; // when whole
    OutputGearFit fit = OutputGearFit::NotWhole;

    bool inBox() const { return fit == OutputGearFit::InBox; }
};

// The output gear GD × Z2 ÷ (K × z1) of a run with these texts. The box is a multiset, as the
// trains window counts it: GD takes one gear of its count, and ÇD needs another.
OutputGear outputGear(const QString& gdText, const QString& z2Text, int z1, const Machine& machine,
                      const QLocale& locale);

// Runs when Command1 is clicked. Changes no button's enabled flag; returns whether it ran to
// its end.
bool Command1_Click(FormState& form, const Machine& machine);
