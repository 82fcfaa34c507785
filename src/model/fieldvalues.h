#pragma once

// The rules by which a field's text becomes a number and a number becomes a field's text.
// Every number in the program lives as field text between two steps of a calculation, so
// these few functions fix what the user can type and what the window shows. The locale is
// always handed in: the program passes the user's regional format, the tests pin theirs.

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

namespace FieldValues {

// True exactly when the text has length 0; a text of blanks is not empty.
bool isEmpty(const QString& text);

// A plain decimal number in the locale's format, blanks around it allowed: sign, digits, the
// decimal separator, digits, an optional exponent. Group separators are refused. Where the
// locale's decimal separator is a comma, a point is taken as one too ("1.5" is 1.5, never 15),
// except where it may be a thousands separator (isAmbiguousPoint). No value for anything else,
// including "nan", "inf" and numbers too large for a double.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

// In a comma locale, a text with one point followed by exactly three digits and no comma
// ("1.440"): a Turkish user may mean 1440 as well as 1,44, so it is read as neither.
bool isAmbiguousPoint(const QString& text, const QLocale& locale);

// A number that reads only with its digits grouped in the locale's way ("1,450" where the point
// is the decimal separator), which readNumber refuses.
bool isGrouped(const QString& text, const QLocale& locale);

// x (finite) in the shortest form with at most 15 significant digits, the locale's decimal
// separator, no grouping, no trailing zeros, never "-0".
QString writeNumber(double x, const QLocale& locale);

// A list of numbers typed "1; 2,5 4": split at semicolons and blanks, each read as readNumber
// reads it. The list (empty for a text of separators alone), or the first part that does not
// read, for the caller to name.
std::variant<QList<double>, QString> readNumbers(const QString& text, const QLocale& locale);
// The list as readNumbers takes it back, "1; 2,5; 4".
QString writeNumbers(const QList<double>& values, const QLocale& locale);

// x rounded to two decimals as it reads with 15 significant digits, halves to the even
// neighbour: 0.125 → 0.12, 0.375 → 0.38, 2.675 → 2.68.
double round2(double x);

// The integer part, towards zero.
double truncate(double x);

} // namespace FieldValues
