#pragma once

// The first section: from module, wheel tooth count, worm tip diameter and input speed, the
// twelve dimensions of the worm wheel and worm, the centre distance and the output speed.

#include "model/checkednumber.h"
#include "model/fault.h"

#include <QList>
#include <QLocale>

#include <array>

class FormState;

// Runs when HESAPLA is clicked. A complete run enables Command2; returns whether it ran to its
// end.
bool HESAPLA_Click(FormState& form);

// The wheel's profile shift x2 as the first section reads it: an empty field is no shift.
CheckedNumber profileShift(const FormState& form);

// The inputs that make the job one no shop can make, though the arithmetic goes through: m not
// above zero, Z2 not a whole number of at least 1, d1 not above zero, N1 below zero. Each names
// its field; the window warns of them after HESAPLA, and the sheet and the tool windows refuse
// such a job with the same words.
QList<Fault> unmakeableJob(const FormState& form);
// The fields unmakeableJob reads, which a window that refuses such a job must follow.
inline constexpr std::array<FieldId, 4> unmakeableJobFields = {FieldId::m_t, FieldId::Z2_t,
                                                               FieldId::d1_t, FieldId::N1_t};
// "Bu iş yapılamaz: «MODÜL (m)» sıfırdan büyük olmalı."
QString jobFaultMessage(const Fault& fault, const QLocale& locale);
