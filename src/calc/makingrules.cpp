#include "calc/makingrules.h"

#include "calc/angles.h"
#include "calc/wormstarts.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace {

struct Row {
    double angle; // degrees
    double limit;
};

// The least number of wheel teeth against the normal pressure angle φn: AGMA's table as
// Shigley's Mechanical Engineering Design gives it in chapter 15 (Table 15-10). Between its
// rows the row at or below αn is taken, the stricter; below its first row the first holds.
constexpr std::array<Row, 7> leastTeethTable = {{
    {14.5, 40},
    {17.5, 27},
    {20, 21},
    {22.5, 17},
    {25, 14},
    {27.5, 12},
    {30, 10},
}};

// The largest lead angle for the pressure angle: Mott, Machine Elements in Mechanical Design,
// 4th ed., §8-10: 14½° up to about 17° of lead, 20° up to 30°, 25° from 30° to 45°. Read at
// the worm's profile angle, the angle its hob is made to, at or below it as above.
constexpr std::array<Row, 3> largestLeadTable = {{
    {14.5, 17},
    {20, 30},
    {25, 45},
}};

template <std::size_t N> const Row& rowAtOrBelow(const std::array<Row, N>& table, double angle) {
    const Row* taken = table.data();
    for (const Row& row : table) {
        // A computed angle a hair below a row's own is that row.
        if (row.angle <= angle + 1e-9) {
            taken = &row;
        }
    }
    return *taken;
}

} // namespace

double normalPressureAngle(double profileAngle, double leadAngle) {
    return std::atan(std::tan(profileAngle * radiansPerDegree) *
                     std::cos(leadAngle * radiansPerDegree)) /
           radiansPerDegree;
}

QList<RuleBreak> ruleBreaks(double teeth, double leadAngle, double profileAngle) {
    QList<RuleBreak> breaks;
    const double alphaN = normalPressureAngle(profileAngle, leadAngle);
    if (const Row& least = rowAtOrBelow(leastTeethTable, alphaN); teeth < least.limit) {
        breaks.append({MakingRule::LeastWheelTeeth, teeth, least.limit, alphaN, least.angle});
    }
    if (const Row& lead = rowAtOrBelow(largestLeadTable, profileAngle); leadAngle > lead.limit) {
        breaks.append(
            {MakingRule::LeadForProfile, leadAngle, lead.limit, profileAngle, lead.angle});
    }
    return breaks;
}

QList<RuleBreak> formRuleBreaks(const FormState& form, double profileAngle) {
    const CheckedNumber z2 = form.number(FieldId::Z2_t);
    const CheckedNumber m = form.number(FieldId::m_t);
    const CheckedNumber d1 = form.number(FieldId::d1_t);
    const auto z1 = wormStarts(form.getText(FieldId::z1_t), form.locale());
    if (!z2.ok() || !m.ok() || !d1.ok() || !std::holds_alternative<int>(z1) ||
        !(m.value() > 0 && d1.value() > 0 && z2.value() > 0)) {
        return {};
    }
    const double gamma = std::atan(std::get<int>(z1) * m.value() / d1.value()) / radiansPerDegree;
    return ruleBreaks(z2.value(), gamma, profileAngle);
}

QString ruleName(MakingRule rule) {
    switch (rule) {
    case MakingRule::LeastWheelTeeth:
        return QCoreApplication::translate("MakingRules", "en az diş");
    case MakingRule::LeadForProfile:
        return QCoreApplication::translate("MakingRules", "helis açısı");
    case MakingRule::WormSize:
        return QCoreApplication::translate("MakingRules", "vida çapı");
    }
    return {};
}

QString ruleBreakText(const RuleBreak& rule, const QLocale& locale) {
    const auto degrees = [&locale](double x) {
        return QStringLiteral("%1°").arg(
            FieldValues::writeNumber(std::round(x * 100) / 100, locale));
    };
    switch (rule.rule) {
    case MakingRule::LeastWheelTeeth:
        return QCoreApplication::translate(
                   "MakingRules", "Dişli %1 dişli; αn %2 için en az %3 diş gerekir (AGMA en az "
                                  "diş sayısı tablosu, Shigley 15. bölüm, %4 satırı).")
            .arg(locale.toString(rule.value), degrees(rule.angle), locale.toString(rule.limit),
                 degrees(rule.tabledAngle));
    case MakingRule::LeadForProfile:
        return QCoreApplication::translate(
                   "MakingRules", "Helis açısı γ %1; %2 profil açısında en çok %3 olmalı (Mott, "
                                  "8-10, %4 satırı).")
            .arg(degrees(rule.value), degrees(rule.angle), degrees(rule.limit),
                 degrees(rule.tabledAngle));
    case MakingRule::WormSize: {
        const auto mm = [&locale](double x) {
            return FieldValues::writeNumber(std::round(x * 100) / 100, locale);
        };
        return QCoreApplication::translate(
                   "MakingRules", "d1 = %1 mm, AGMA'nın merkez mesafesine göre vida çapı "
                                  "aralığının dışında: %2 ile %3 mm (Shigley, denklem 15-27).")
            .arg(mm(rule.value), mm(rule.limit), mm(rule.upper));
    }
    }
    return {};
}

QString shiftOutOfRangeText(double x2, const ValueRange& range, const QLocale& locale) {
    return QCoreApplication::translate(
               "MakingRules", "Profil kaydırma x2 = %1 kullanılan aralığın dışında: %2 ile %3 "
                              "arasında olmalı.")
        .arg(FieldValues::writeNumber(x2, locale), FieldValues::writeNumber(range.low, locale),
             FieldValues::writeNumber(range.high, locale));
}
