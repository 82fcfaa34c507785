#include "calc/changegears.h"

#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <algorithm>

namespace {
constexpr double coefficientDivisor = 24;
} // namespace

bool isChangeGear(double teeth) {
    // Every count in the set is whole and small, so an exact compare also refuses fractions.
    return std::any_of(changeGearSet.begin(), changeGearSet.end(),
                       [teeth](int count) { return teeth == count; });
}

bool isChangeGear(const QString& text, const QLocale& locale) {
    const std::optional<double> teeth = FieldValues::readNumber(text, locale);
    return teeth && isChangeGear(*teeth);
}

bool Command1_Click(FormState& form) {
    using F = FieldId;
    const auto n = [&form](FieldId field) { return form.number(field); };

    if (form.isEmpty(F::GD_t)) {
        form.showMessage(QStringLiteral("Listedeki dişlileri sıarasıyla buraya yazın!"));
        return false;
    }
    const CheckedNumber teeth = n(F::GD_t);
    if (!form.check(F::GD_t, teeth)) {
        return false;
    }
    if (!isChangeGear(teeth.value())) {
        form.showMessage(QStringLiteral("bu dişli listede yok"));
        return false;
    }
    form.values().gearCount = static_cast<std::int16_t>(teeth.value());
    if (!form.store(F::KS_t, teeth / coefficientDivisor)) {
        return false;
    }
    return form.store(F::ÇD_t, n(F::KS_t) * n(F::Z2_t));
}
