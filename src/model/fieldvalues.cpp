#include "model/fieldvalues.h"

#include "model/decimal15.h"

#include <cmath>

namespace FieldValues {

bool isEmpty(const QString& text) {
    return text.isEmpty();
}

namespace {

std::optional<double> parseStrict(const QString& text, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // QLocale takes "nan" and "inf" as numbers; a field never holds one.
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    if (const auto value = parseStrict(text, locale)) {
        return value;
    }
    if (locale.decimalPoint() == QLatin1String(",")) {
        return parseStrict(text, QLocale::c());
    }
    return std::nullopt;
}

QString writeNumber(double x, const QLocale& locale) {
    if (x == 0.0) {
        x = 0.0; // drops the sign of -0
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(x, 'g', 15);
}

double round2(double x) {
    return Decimal15::fromDouble(x).roundedHalfEven(2).toDouble();
}

double truncate(double x) {
    return std::trunc(x);
}

} // namespace FieldValues
