#include "calc/wormstarts.h"

#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <cmath>
#include <cstdint>
#include <numeric>

// Read as every other field is read, so that "1.000" in a comma locale asks which it means;
// only then is the count checked.
std::variant<int, Fault> wormStarts(const QString& text, const QLocale& locale) {
    if (FieldValues::isAmbiguousPoint(text, locale)) {
        return Fault{FieldId::z1_t, FaultKind::AmbiguousPoint, text};
    }
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

std::optional<SharedFactor> sharedFactor(const QString& z2Text, const QString& z1Text,
                                         const QLocale& locale) {
    // Beyond this a tooth count is no wheel's, and the search below stays short.
    constexpr double largestWheel = 1e9;
    const std::optional<double> z2 = FieldValues::readNumber(z2Text, locale);
    const auto starts = wormStarts(z1Text, locale);
    if (!z2 || *z2 < 1 || *z2 > largestWheel || *z2 != std::floor(*z2) ||
        !std::holds_alternative<int>(starts)) {
        return std::nullopt;
    }
    SharedFactor shared;
    shared.z2 = static_cast<std::int64_t>(*z2);
    shared.z1 = std::get<int>(starts);
    shared.factor = std::gcd(shared.z2, std::int64_t{shared.z1});
    if (shared.factor == 1) {
        return std::nullopt;
    }
    const auto coprime = [&shared](std::int64_t n) {
        return std::gcd(n, std::int64_t{shared.z1}) == 1;
    };
    // 1 shares no factor with anything, and z1 is at most 6, so both searches end within 6.
    shared.below = shared.z2 - 1;
    while (!coprime(shared.below)) {
        --shared.below;
    }
    shared.above = shared.z2 + 1;
    while (!coprime(shared.above)) {
        ++shared.above;
    }
    return shared;
}
