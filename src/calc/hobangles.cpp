#include "calc/hobangles.h"

#include <QCoreApplication>

#include "calc/wormstarts.h"
#include "model/decimal15.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

constexpr double degreesPerRadian = 57.29578;
constexpr double minutesPerDegree = 60;

// The angle in minutes, or nothing when its minutes part is 60 or more. The minutes are the
// first two decimals of the notation as it reads with 15 digits, and any further decimals are
// fractions of a minute: 3.355 is 3° 35.5′.
std::optional<double> toMinutes(double notation) {
    const Decimal15 decimal = Decimal15::fromDouble(notation);
    QByteArray fraction = decimal.fractionDigits();
    fraction.append(QByteArray(qMax<qsizetype>(0, 2 - fraction.size()), '0'));
    fraction.insert(2, '.');
    const QLocale c = QLocale::c();
    const double minutes = c.toDouble(QLatin1String(fraction));
    if (minutes >= minutesPerDegree) {
        return std::nullopt;
    }
    const double degrees = c.toDouble(QLatin1String(decimal.integerDigits()));
    const double total = degrees * minutesPerDegree + minutes;
    return decimal.isNegative() ? -total : total;
}

// Minutes back to the notation, the sign in front of the whole angle.
double fromMinutes(double minutes) {
    const double magnitude = Decimal15::fromDouble(std::abs(minutes)).toDouble();
    const double degrees = std::floor(magnitude / minutesPerDegree);
    double notation = degrees + (magnitude - degrees * minutesPerDegree) / 100;
    // A fraction of a minute just below 60 can round up to 60 in 15 digits: carry it.
    if (!toMinutes(notation)) {
        notation = degrees + 1;
    }
    return std::signbit(minutes) ? -notation : notation;
}

} // namespace

std::optional<double> angleInMinutes(double notation) {
    return toMinutes(notation);
}

LeadAngle leadAngle(double tangent) {
    LeadAngle a;
    a.degrees = std::atan(tangent);
    a.degrees = a.degrees * degreesPerRadian;
    a.degrees = FieldValues::round2(a.degrees);
    a.whole = FieldValues::truncate(a.degrees);
    a.fraction = a.degrees - a.whole;
    a.notation = a.whole + (a.fraction * minutesPerDegree) / 100;
    a.notation = FieldValues::round2(a.notation);
    return a;
}

bool Command2_Click(FormState& form) {
    using F = FieldId;
    const auto n = [&form](FieldId field) { return form.number(field); };

    if (form.isEmpty(F::AÇI_t)) {
        form.showMessage(QCoreApplication::translate(
            "Calculation", "Azdırma bıçağının üzerinde yazan açıyı girin !"));
        return false;
    }
    const std::optional<int> z1 = readWormStarts(form);
    if (!z1) {
        return false;
    }
    FormValues& v = form.values();
    // A worm with no pitch circle (a tip diameter below 2m) has no lead angle: a negative d1
    // would turn the angle over and give a swivel that cuts a wrong wheel.
    const CheckedNumber d1 = n(F::d1_t);
    if (!form.check(F::d1_t, d1)) {
        return false;
    }
    if (!(d1.value() > 0)) {
        form.report({F::d1_t, FaultKind::NotPositive});
        return false;
    }
    // The wheel's teeth lie at the worm's lead angle, tan γ = z1 × m ÷ d1; the wheel's own
    // diameter would make it atan(1 ÷ Z2), the same for every worm.
    const CheckedNumber tangent = double(*z1) * n(F::m_t) / n(F::d1_t);
    if (!form.check(F::AASAĞ_t, tangent)) {
        return false;
    }
    const LeadAngle lead = leadAngle(tangent.value());
    v.angleDeg = lead.degrees;
    v.angleWhole = lead.whole;
    v.angleFrac = lead.fraction;
    v.angleDM = lead.notation;

    const CheckedNumber hob = n(F::AÇI_t);
    if (!form.check(F::AÇI_t, hob)) {
        return false;
    }
    const std::optional<double> hobMinutes = toMinutes(hob.value());
    if (!hobMinutes) {
        form.report({F::AÇI_t, FaultKind::InvalidAngle});
        return false;
    }
    // Its minutes are at most 0.99 × 60 ÷ 100 rounded, so always below 60.
    const CheckedNumber leadMinutes = *toMinutes(v.angleDM);
    const CheckedNumber right = CheckedNumber(*hobMinutes) - leadMinutes;
    if (!form.check(F::AASAĞ_t, right)) {
        return false;
    }
    form.setNumber(F::AASAĞ_t, fromMinutes(right.value()));
    const CheckedNumber left = CheckedNumber(*hobMinutes) + leadMinutes;
    if (!form.check(F::AASOL_t, left)) {
        return false;
    }
    form.setNumber(F::AASOL_t, fromMinutes(left.value()));
    form.setEnabled(ButtonId::Command1, true);
    return true;
}
