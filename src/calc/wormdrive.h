#pragma once

// The first section: from module, wheel tooth count, worm tip diameter and input speed, the
// twelve dimensions of the worm wheel and worm, the centre distance and the output speed.

#include "calc/valuerange.h"
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
CheckedNumber profileShift(const QString& text, const QLocale& locale);

// Whether an input's text reads as the runs read it: z1 as the worm's starts, an empty x2 as no
// shift, any other input as a number. A reopened job's staleness is decided by this reading.
bool inputReads(FieldId field, const QString& text, const QLocale& locale);

// The profile shifts a wheel can have: beyond them the shifted tip falls inside the pitch circle
// or the tooth comes to a point. The design window's span must lie within them too.
inline constexpr ValueRange shiftBounds{-2, 2};

// The inputs that make the job one no shop can make, though the arithmetic goes through: m not
// above zero, Z2 not a whole number of at least 1, d1 not above zero, N1 below zero, x2 outside
// shiftBounds. Each names its field; the window warns of them after HESAPLA, and the sheet and
// the tool windows refuse such a job with the same words.
QList<Fault> unmakeableJob(const FormState& form);
// The fields unmakeableJob reads, which a window that refuses such a job must follow.
inline constexpr std::array<FieldId, 5> unmakeableJobFields = {
    FieldId::m_t, FieldId::Z2_t, FieldId::d1_t, FieldId::N1_t, FieldId::x2_t};
// "Bu iş yapılamaz: «MODÜL (m)» sıfırdan büyük olmalı."
QString jobFaultMessage(const Fault& fault, const QLocale& locale);
