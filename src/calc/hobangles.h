#pragma once

// The second section: the hob's right and left swivel angles on the hobbing machine, from the
// angle marked on the hob and the worm's lead angle, taken from its starts z1, the module and
// its pitch diameter d1.
//
// Angles are in degrees-and-minutes notation: 1.35 is 1° 35′. The swivel angles are the hob
// angle minus and plus the lead angle, computed in minutes so that minutes carry into degrees.

#include <optional>

class FormState;

// The worm's lead angle, tan γ = z1 × m ÷ d1, in the steps the swivel takes it: decimal degrees
// rounded to two places, their whole degrees and fraction, and the degrees-and-minutes
// notation (2.52 for 2° 52′).
struct LeadAngle {
    double degrees = 0;
    double whole = 0;
    double fraction = 0;
    double notation = 0;
};
LeadAngle leadAngle(double tangent);

// An angle in the notation in minutes, or nothing when its minutes part is 60 or more.
std::optional<double> angleInMinutes(double notation);

// Runs when Command2 is clicked. A complete run enables Command1; returns whether it ran to
// its end.
bool Command2_Click(FormState& form);
