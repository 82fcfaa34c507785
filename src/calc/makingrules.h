#pragma once

// The rules of making that keep a drive no shop can cut out of the design's list and warn of it
// on the form: the least number of wheel teeth for the normal pressure angle, and the largest
// lead angle for the worm's profile angle. The design checks each of its rows and the form is
// checked after HESAPLA by this one code, so that the two never disagree. The tables are kept
// here, each with the text it was taken from. The wheel's profile shift, which the design
// varies to meet a housing with a worm the shop has, has its range here too; it is the design's
// bound and a warning on the form, not a rule.

#include "calc/valuerange.h"

#include <QList>
#include <QLocale>
#include <QString>

class FormState;

enum class MakingRule {
    LeastWheelTeeth, // Z2 at least the AGMA minimum for αn
    LeadForProfile,  // γ at most the guidance for αx
    // d1 within AGMA's proportion to the centre distance; a rule for a new worm only, since the
    // standard's table and the shop's hobs carry their own (the design checks it, not the form).
    WormSize,
};

struct RuleBreak {
    MakingRule rule = MakingRule::LeastWheelTeeth;
    double value = 0;       // Z2, or γ in degrees
    double limit = 0;       // the least teeth, or the largest lead angle in degrees
    double angle = 0;       // αn or αx the limit was read at, degrees
    double tabledAngle = 0; // the table's row taken for it, degrees
    double upper = 0;       // for the worm's size: the window's upper end, the lower in limit

    friend bool operator==(const RuleBreak&, const RuleBreak&) = default;
};

// αn = atan(tan αx · cos γ), degrees; as the rating reads it.
double normalPressureAngle(double profileAngle, double leadAngle);

// The rules the drive of Z2 teeth, lead angle γ and axial profile angle αx breaks, all in
// degrees; none when it keeps them.
QList<RuleBreak> ruleBreaks(double teeth, double leadAngle, double profileAngle);

// The same for the form's fields as they stand (Z2, m, d1, z1) at the turner's profile angle;
// none where a field does not read, whose fault the form reports on its own.
QList<RuleBreak> formRuleBreaks(const FormState& form, double profileAngle);

// A break in one sentence, naming both numbers and the source of the limit.
QString ruleBreakText(const RuleBreak& rule, const QLocale& locale);
// The rule in short, for a column's cell.
QString ruleName(MakingRule rule);

// The span of the wheel's profile shift the design lists drives within and the form warns
// outside of, unless the shop keeps its own.
inline constexpr ValueRange defaultShiftRange{-1, 1};

// "x2 = 1,2 kullanılan aralığın dışında: −1 ile 1 arasında olmalı."
QString shiftOutOfRangeText(double x2, const ValueRange& range, const QLocale& locale);
