#pragma once

// What the window says after a complete run of the first section, decided here and worded by the
// window: a job no shop can make, the turner's sizes that do not fit together, a load beyond the
// rating, a rule of making broken, a shift beyond the span the shop designs within, and a tooth
// count that shares a factor with the starts. Each is a value; none refuses the run.

#include "calc/makingrules.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"
#include "calc/valuerange.h"
#include "calc/wormstarts.h"
#include "model/fault.h"

#include <QList>

#include <variant>

class Workflow;

// x2 outside the span the shop designs within.
struct ShiftOutOfSpan {
    double x2 = 0;
    ValueRange span;
};

using RunNote =
    std::variant<Fault, BlankWarning, RatingWarning, RuleBreak, ShiftOutOfSpan, SharedFactor>;

// The notes for the form as the flow holds it (its gauge's α and its rating's load), in the
// order the window shows them; `shifts` is the span the shop keeps for x2.
QList<RunNote> notesAfterHesapla(const Workflow& flow, const ValueRange& shifts);
