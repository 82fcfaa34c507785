#include "model/fieldvalues.h"

#include <QRegularExpression>
#include <QStringList>

#include "model/decimal15.h"

#include <algorithm>
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
    if (locale.decimalPoint() == QLatin1String(",") && !isAmbiguousPoint(text, locale)) {
        return parseStrict(text, QLocale::c());
    }
    return std::nullopt;
}

bool isAmbiguousPoint(const QString& text, const QLocale& locale) {
    if (locale.decimalPoint() != QLatin1String(",")) {
        return false;
    }
    QString number = text.trimmed();
    if (number.startsWith(QLatin1Char('-')) || number.startsWith(QLatin1Char('+'))) {
        number.remove(0, 1);
    }
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point <= 0) {
        return false;
    }
    const auto digitsOnly = [](QStringView part) {
        return std::all_of(part.begin(), part.end(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    };
    const QStringView whole = QStringView(number).left(point);
    const QStringView fraction = QStringView(number).mid(point + 1);
    return fraction.size() == 3 && digitsOnly(whole) && digitsOnly(fraction);
}

bool isGrouped(const QString& text, const QLocale& locale) {
    QLocale grouping = locale;
    grouping.setNumberOptions(QLocale::DefaultNumberOptions);
    bool ok = false;
    const double value = grouping.toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) && text.contains(locale.groupSeparator()) &&
           !readNumber(text, locale);
}

QString writeNumber(double x, const QLocale& locale) {
    if (x == 0.0) {
        x = 0.0; // drops the sign of -0
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(x, 'g', 15);
}

std::variant<QList<double>, QString> readNumbers(const QString& text, const QLocale& locale) {
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QList<double> values;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const std::optional<double> x = readNumber(part, locale);
        if (!x) {
            return part;
        }
        values.append(*x);
    }
    return values;
}

QString writeNumbers(const QList<double>& values, const QLocale& locale) {
    QStringList texts;
    for (const double x : values) {
        texts.append(writeNumber(x, locale));
    }
    return texts.join(QStringLiteral("; "));
}

double round2(double x) {
    return Decimal15::fromDouble(x).roundedHalfEven(2).toDouble();
}

double truncate(double x) {
    return std::trunc(x);
}

} // namespace FieldValues
