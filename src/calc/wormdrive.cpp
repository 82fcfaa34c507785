#include "calc/wormdrive.h"

#include <QCoreApplication>

#include "calc/wormstarts.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <cmath>
#include <numbers>

namespace {

// The wheel's face angle is 90°, so its width is taken over half of it.
const double sinHalfFaceAngle = std::sin(45.0 * std::numbers::pi / 180.0);

} // namespace

// Every operand is read back from the text that an earlier step wrote, so each result is
// computed from exactly what the user sees in the window.
bool HESAPLA_Click(FormState& form) {
    using F = FieldId;
    const auto n = [&form](FieldId field) { return form.number(field); };

    if (form.isEmpty(F::m_t)) {
        form.showMessage(
            QCoreApplication::translate("Calculation", "Modül için 1.5,3, 4.5 veya 6 girin "));
        return false;
    }
    if (form.isEmpty(F::Z2_t)) {
        form.showMessage(QCoreApplication::translate("Calculation", "Diş sayısı için sayı girin."));
        return false;
    }
    if (!form.store(F::d2_t, n(F::Z2_t) * n(F::m_t))) {
        return false;
    }
    // The shift moves the wheel's tip and root out by x2·m each side; a zero shift adds an
    // exact zero, so an unshifted wheel's figures are what they always were.
    const CheckedNumber shift = profileShift(form) * n(F::m_t);
    if (!form.store(F::da2_t, (n(F::Z2_t) + 2) * n(F::m_t) + shift * 2)) {
        return false;
    }
    if (!form.store(F::df2_t, n(F::d2_t) - n(F::m_t) * 2.335 + shift * 2)) {
        return false;
    }
    if (!form.store(F::h2_t, (n(F::da2_t) - n(F::df2_t)) / 2)) {
        return false;
    }
    if (form.isEmpty(F::da1_t)) {
        form.showMessage(
            QCoreApplication::translate("Calculation", "Vidanın diş üstü çapı için sayı girin."));
        return false;
    }
    if (!form.store(F::d1_t, n(F::da1_t) - (n(F::m_t) + n(F::m_t)))) {
        return false;
    }
    const CheckedNumber wormRootFactor = CheckedNumber(26) / 6;
    if (!form.store(F::df1_t, n(F::da1_t) - n(F::m_t) * wormRootFactor)) {
        return false;
    }
    if (!form.store(F::h1_t, (n(F::da1_t) - n(F::df1_t)) / 2)) {
        return false;
    }
    // The square root of a negative tooth count is the count's fault, not L's.
    if (n(F::Z2_t).ok() && n(F::Z2_t).value() < 0) {
        form.report({F::Z2_t, FaultKind::NotPositive});
        return false;
    }
    const CheckedNumber rootZ2 = n(F::Z2_t).apply([](double z) { return std::sqrt(z); });
    if (!form.store(F::L_t, (n(F::m_t) + n(F::m_t)) * (rootZ2 + 1))) {
        return false;
    }
    if (!form.store(F::P_t, n(F::m_t) * 3.14)) {
        return false;
    }
    const CheckedNumber slant = n(F::d1_t) * sinHalfFaceAngle;
    if (!form.check(F::ba_t, slant) || !form.store(F::ba_t, n(F::P_t) * 0.25 + slant)) {
        return false;
    }
    if (!form.store(F::ba_t, n(F::ba_t).apply(FieldValues::round2))) {
        return false;
    }
    const CheckedNumber halfD1 = n(F::d1_t) / 2;
    if (!form.check(F::A_t, halfD1) ||
        !form.store(F::A_t, halfD1 + n(F::d2_t) / 2 + profileShift(form) * n(F::m_t))) {
        return false;
    }
    if (form.isEmpty(F::N1_t)) {
        form.showMessage(
            QCoreApplication::translate("Calculation", "Giriş deviri için sayı girin."));
        return false;
    }
    const std::optional<int> z1 = readWormStarts(form);
    if (!z1) {
        return false;
    }
    // Likewise a division by a tooth count of 0 is the count's fault, not N2's.
    if (n(F::Z2_t).ok() && n(F::Z2_t).value() == 0) {
        form.report({F::Z2_t, FaultKind::NotPositive});
        return false;
    }
    if (!form.store(F::N2_t, n(F::N1_t) * double(*z1) / n(F::Z2_t))) {
        return false;
    }
    form.setEnabled(ButtonId::Command2, true);
    return true;
}

CheckedNumber profileShift(const FormState& form) {
    return profileShift(form.getText(FieldId::x2_t), form.locale());
}

CheckedNumber profileShift(const QString& text, const QLocale& locale) {
    return FieldValues::isEmpty(text) ? CheckedNumber(0)
                                      : checkedNumber(FieldId::x2_t, text, locale);
}

bool inputReads(FieldId field, const QString& text, const QLocale& locale) {
    switch (field) {
    case FieldId::z1_t:
        return std::holds_alternative<int>(wormStarts(text, locale));
    case FieldId::x2_t:
        return profileShift(text, locale).ok();
    default:
        return FieldValues::readNumber(text, locale).has_value();
    }
}

QList<Fault> unmakeableJob(const FormState& form) {
    using F = FieldId;
    QList<Fault> faults;
    const auto read = [&form](FieldId field) { return form.number(field); };
    if (const CheckedNumber m = read(F::m_t); m.ok() && !(m.value() > 0)) {
        faults.append({F::m_t, FaultKind::NotPositive});
    }
    if (const CheckedNumber z2 = read(F::Z2_t);
        z2.ok() && !(z2.value() >= 1 && z2.value() == std::floor(z2.value()))) {
        faults.append({F::Z2_t, FaultKind::NotACount});
    }
    if (const CheckedNumber d1 = read(F::d1_t); d1.ok() && !(d1.value() > 0)) {
        faults.append({F::d1_t, FaultKind::NotPositive});
    }
    if (const CheckedNumber n1 = read(F::N1_t); n1.ok() && n1.value() < 0) {
        faults.append({F::N1_t, FaultKind::Negative});
    }
    if (const CheckedNumber x2 = profileShift(form); x2.ok() && !shiftBounds.holds(x2.value())) {
        faults.append({.field = F::x2_t,
                       .kind = FaultKind::OutsideBounds,
                       .low = shiftBounds.low,
                       .high = shiftBounds.high});
    }
    return faults;
}

QString jobFaultMessage(const Fault& fault, const QLocale& locale) {
    return QCoreApplication::translate("Calculation", "Bu iş yapılamaz: %1")
        .arg(faultMessage(fault, locale));
}
