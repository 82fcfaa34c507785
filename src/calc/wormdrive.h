#pragma once

// The first section: from module, wheel tooth count, worm tip diameter and input speed, the
// twelve dimensions of the worm wheel and worm, the centre distance and the output speed.

class FormState;

// Runs when HESAPLA is clicked. A complete run enables Command2; returns whether it ran to its
// end.
bool HESAPLA_Click(FormState& form);
