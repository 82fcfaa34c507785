#pragma once

// The first section: from module, wheel tooth count, worm tip diameter and input speed, the
// twelve dimensions of the worm wheel and worm, the centre distance and the output speed.

#include "model/fieldid.h"

#include <array>

class FormState;

// Every field a complete run reads or writes: the four inputs and the twelve results.
inline constexpr std::array<FieldId, 16> wormDriveFields = {
    FieldId::m_t,   FieldId::Z2_t, FieldId::da1_t, FieldId::N1_t, FieldId::da2_t, FieldId::d2_t,
    FieldId::df2_t, FieldId::h2_t, FieldId::ba_t,  FieldId::d1_t, FieldId::df1_t, FieldId::h1_t,
    FieldId::L_t,   FieldId::P_t,  FieldId::A_t,   FieldId::N2_t,
};

// Runs when HESAPLA is clicked. A complete run enables Command2; returns whether it ran to its
// end.
bool HESAPLA_Click(FormState& form);
