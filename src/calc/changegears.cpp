#include "calc/changegears.h"

#include <QCoreApplication>

#include "calc/wormstarts.h"
#include "model/decimal15.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <algorithm>

namespace {

// A number as it reads with 15 digits, as numerator ÷ 10^decimals; nothing when it does not fit.
struct ExactDecimal {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

std::optional<ExactDecimal> exactDecimal(const QString& text, const QLocale& locale) {
    const std::optional<double> value = FieldValues::readNumber(text, locale);
    if (!value) {
        return std::nullopt;
    }
    const Decimal15 decimal = Decimal15::fromDouble(*value);
    const QByteArray fraction = decimal.fractionDigits();
    const QByteArray digits = decimal.integerDigits() + fraction;
    if (digits.size() > 18) {
        return std::nullopt; // far beyond any tooth count
    }
    ExactDecimal exact;
    exact.numerator = digits.toLongLong();
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        exact.denominator *= 10;
    }
    if (decimal.isNegative()) {
        exact.numerator = -exact.numerator;
    }
    return exact;
}

} // namespace

std::optional<std::int64_t> wholeOutputGear(const QString& gdText, const QString& z2Text,
                                            std::int64_t divisor, const QLocale& locale) {
    const std::optional<ExactDecimal> gd = exactDecimal(gdText, locale);
    const std::optional<ExactDecimal> z2 = exactDecimal(z2Text, locale);
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
    if (!gd || !z2 || divisor == 0 ||
        __builtin_mul_overflow(gd->numerator, z2->numerator, &numerator) ||
        __builtin_mul_overflow(gd->denominator, z2->denominator, &denominator) ||
        __builtin_mul_overflow(denominator, divisor, &denominator) ||
        numerator % denominator != 0) {
        return std::nullopt;
    }
    return numerator / denominator;
}

OutputGear outputGear(const QString& gdText, const QString& z2Text, int z1, const Machine& machine,
                      const QLocale& locale) {
    OutputGear gear;
    const std::optional<double> z2 = FieldValues::readNumber(z2Text, locale);
    if (!z2) {
        return gear;
    }
    gear.teeth =
        wholeOutputGear(gdText, z2Text, std::int64_t{effectiveConstant(machine, *z2)} * z1, locale);
    if (!gear.teeth) {
        return gear;
    }
    const auto inBox = std::count(machine.gears.begin(), machine.gears.end(), *gear.teeth);
    const std::optional<double> gd = FieldValues::readNumber(gdText, locale);
    const bool takenByGd = gd && *gd == double(*gear.teeth);
    if (inBox == 0) {
        gear.fit = OutputGearFit::NotInBox;
    } else if (takenByGd && inBox == 1) {
        gear.fit = OutputGearFit::TakenByInput;
    } else {
        gear.fit = OutputGearFit::InBox;
    }
    return gear;
}

bool Command1_Click(FormState& form, const Machine& machine) {
    using F = FieldId;
    const auto n = [&form](FieldId field) { return form.number(field); };

    if (form.isEmpty(F::GD_t)) {
        form.showMessage(QCoreApplication::translate(
            "Calculation", "Listedeki dişlileri sıarasıyla buraya yazın!"));
        return false;
    }
    const CheckedNumber teeth = n(F::GD_t);
    if (!form.check(F::GD_t, teeth)) {
        return false;
    }
    if (!hasGear(machine, teeth.value())) {
        form.showMessage(QCoreApplication::translate("Calculation", "bu dişli listede yok"));
        return false;
    }
    form.values().gearCount = static_cast<std::int16_t>(teeth.value());
    const std::optional<int> z1 = readWormStarts(form);
    if (!z1) {
        return false;
    }
    // The large-wheel constant depends on Z2, which is then read before the coefficient.
    CheckedNumber divisor = double(machine.indexConstant);
    if (machine.largeWheel) {
        const CheckedNumber z2 = n(F::Z2_t);
        if (!form.check(F::KS_t, z2)) {
            return false;
        }
        divisor = double(effectiveConstant(machine, z2.value()));
    }
    if (!form.store(F::KS_t, teeth / divisor)) {
        return false;
    }
    // From the numbers in one step: a product formed from the coefficient's 15-digit text would
    // make 32 × 36 ÷ 24 the gear 47.9999999999999.
    return form.store(F::ÇD_t, teeth * n(F::Z2_t) / (divisor * double(*z1)));
}
