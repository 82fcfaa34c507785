#pragma once

// Failures are values: a calculation that cannot go on returns a Fault naming the field and
// what went wrong, and only the form turns it into a Turkish message for the user.

#include "model/fieldid.h"

#include <QLocale>
#include <QString>

#include <span>
#include <utility>

enum class FaultKind {
    NotANumber,       // the field's text is not a number
    DivisionByZero,   // x ÷ 0
    InvalidOperation, // 0 ÷ 0, the square root of a negative number
    Overflow,         // a result too large for a double
    InvalidAngle,     // degrees-and-minutes notation with 60 minutes or more
    NotACount,        // a count that must be a whole number of 1 or more
    AmbiguousPoint,   // "1.440" in a comma locale: 1,44 or 1440
    InvalidStarts,    // the worm's starts z1 are not a whole number from 1 to 6
    NotPositive,      // a length that must be above zero, such as the worm's pitch diameter
    Negative,         // a value that cannot be below zero, such as a speed
    GroupSeparator,   // "1,450" in a point locale: digits grouped, which a field never takes
    OutOfScale,       // a value so large or so small that what is worked from it is not a number
    OutsideBounds,    // a value no job can have, outside [low, high]
};

struct Fault {
    FieldId field;
    FaultKind kind;
    QString text = {}; // the field's text, where the message quotes it
    double low = 0;    // with OutsideBounds
    double high = 0;

    friend bool operator==(const Fault&, const Fault&) = default;
};

// A calculation whose inputs all read but whose figures would not be finite: the fault names the
// input of the most extreme order of magnitude, the one a user most likely mistyped.
Fault outOfScale(std::span<const std::pair<FieldId, double>> inputs);

// The message shown for a fault, naming the field by its caption; numbers it quotes are written
// in the locale's format.
QString faultMessage(const Fault& fault, const QLocale& locale);
// The same for an input of a window beyond the form, named by its own caption.
QString faultMessage(const Fault& fault, const QString& caption, const QLocale& locale);
