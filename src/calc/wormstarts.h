#pragma once

// The number of the worm's starts z1, which every section reads: the output speed
// N2 = N1 × z1 ÷ Z2, the lead angle tan γ = z1 × m ÷ d1, and the index ratio 24 × z1 ÷ Z2 of the
// hobbing machine (the hob for a worm wheel is a copy of the worm, starts and all).

#include "model/fault.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

class FormState;

inline constexpr int maxWormStarts = 6;

// z1 from its text: a whole number from 1 to 6, or the fault that refuses it.
std::variant<int, Fault> wormStarts(const QString& text, const QLocale& locale);

// z1 for a calculation on the form: nothing after the message that refuses it.
std::optional<int> readWormStarts(FormState& form);

// What the status bar says after a complete first section when Z2 and z1 share a factor, so
// that each start of the worm always meets the same teeth of the wheel; empty otherwise.
QString sharedFactorHint(const FormState& form);
