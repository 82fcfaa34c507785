#pragma once

// The second section: the hob's right and left swivel angles on the hobbing machine, from the
// angle marked on the hob and the worm's lead angle, taken from its pitch diameter d1.
//
// Angles are in degrees-and-minutes notation: 1.35 is 1° 35′. The swivel angles are the hob
// angle minus and plus the lead angle, computed in minutes so that minutes carry into degrees.

class FormState;

// Runs when Command2 is clicked. A complete run enables Command1.
void Command2_Click(FormState& form);
