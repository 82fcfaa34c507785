#include "calc/wormstarts.h"

#include <QCoreApplication>

#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <cmath>
#include <cstdint>
#include <numeric>

std::variant<int, Fault> wormStarts(const QString& text, const QLocale& locale) {
    const std::optional<double> z1 = FieldValues::readNumber(text, locale);
    if (!z1 || *z1 < 1 || *z1 > maxWormStarts || *z1 != std::floor(*z1)) {
        return Fault{FieldId::z1_t, FaultKind::InvalidStarts};
    }
    return static_cast<int>(*z1);
}

std::optional<int> readWormStarts(FormState& form) {
    const auto z1 = wormStarts(form.getText(FieldId::z1_t), form.locale());
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        form.report(*fault);
        return std::nullopt;
    }
    return std::get<int>(z1);
}

QString sharedFactorHint(const FormState& form) {
    // Beyond this a tooth count is no wheel's, and the search below stays short.
    constexpr double largestWheel = 1e9;
    const std::optional<double> z2 =
        FieldValues::readNumber(form.getText(FieldId::Z2_t), form.locale());
    const auto starts = wormStarts(form.getText(FieldId::z1_t), form.locale());
    if (!z2 || *z2 < 1 || *z2 > largestWheel || *z2 != std::floor(*z2) ||
        !std::holds_alternative<int>(starts)) {
        return {};
    }
    const auto teeth = static_cast<std::int64_t>(*z2);
    const std::int64_t z1 = std::get<int>(starts);
    const auto coprime = [z1](std::int64_t n) { return std::gcd(n, z1) == 1; };
    if (coprime(teeth)) {
        return {};
    }
    // 1 shares no factor with anything, and z1 is at most 6, so both searches end within 6.
    std::int64_t below = teeth - 1;
    while (!coprime(below)) {
        --below;
    }
    std::int64_t above = teeth + 1;
    while (!coprime(above)) {
        ++above;
    }
    const auto count = [&form](std::int64_t n) {
        return FieldValues::writeNumber(double(n), form.locale());
    };
    // Short enough for the status bar beside the machine's name.
    return QCoreApplication::translate(
               "Calculation", "Z2 = %1 ile z1 = %2 ortak bölenli, aşınma yayılmaz; yakın uygun diş "
                              "sayıları: %3 ve %4.")
        .arg(count(teeth), count(z1), count(below), count(above));
}
