#pragma once

// A double as it reads with 15 significant digits, the precision that every field text
// carries. Rounding and the degrees-and-minutes split work on these decimal digits rather than
// on the binary value, so that a value shown as 2.675 rounds like 2.675 and 10.6 has 60
// minutes, whatever their binary neighbours are.

#include <QByteArray>

class Decimal15 {
public:
    // x must be finite.
    static Decimal15 fromDouble(double x);

    double toDouble() const;
    bool isNegative() const { return m_negative; }

    // Rounded to the given number of decimal places, halves to the even neighbour.
    Decimal15 roundedHalfEven(int decimals) const;

    // The digits before the decimal point ("0" when there are none) and after it (empty when
    // there are none), without the sign.
    QByteArray integerDigits() const;
    QByteArray fractionDigits() const;

private:
    Decimal15(bool negative, QByteArray digits, int pointPos);

    bool m_negative = false;
    QByteArray m_digits; // no leading or trailing zeros; empty for zero
    int m_pointPos = 0;  // the value is 0.<m_digits> × 10^m_pointPos
};
