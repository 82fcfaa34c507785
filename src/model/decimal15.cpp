#include "model/decimal15.h"

#include <QLocale>

#include <cstdlib>
#include <utility>

Decimal15::Decimal15(bool negative, QByteArray digits, int pointPos)
    : m_negative(negative)
    , m_digits(std::move(digits))
    , m_pointPos(pointPos) {
    while (m_digits.endsWith('0')) {
        m_digits.chop(1);
    }
    if (m_digits.isEmpty()) {
        m_negative = false;
        m_pointPos = 0;
    }
}

Decimal15 Decimal15::fromDouble(double x) {
    // "d.dddddddddddddde±XX": exactly 15 significant digits, correctly rounded.
    const QByteArray text = QLocale::c().toString(x, 'e', 14).toLatin1();
    const bool negative = text.startsWith('-');
    const qsizetype start = negative ? 1 : 0;
    const qsizetype e = text.indexOf('e');
    QByteArray digits = text.mid(start, e - start);
    digits.remove(1, 1); // the decimal point
    const int exponent = std::atoi(text.constData() + e + 1);
    return {negative, digits, exponent + 1};
}

double Decimal15::toDouble() const {
    if (m_digits.isEmpty()) {
        return 0.0;
    }
    QByteArray text;
    text.reserve(m_digits.size() + 12);
    if (m_negative) {
        text.append('-');
    }
    text.append("0.").append(m_digits).append('e').append(QByteArray::number(m_pointPos));
    return QLocale::c().toDouble(QLatin1String(text));
}

Decimal15 Decimal15::roundedHalfEven(int decimals) const {
    const qsizetype keep = qsizetype(m_pointPos) + decimals;
    if (keep >= m_digits.size()) {
        return *this;
    }
    if (keep < 0) {
        // Below half of the last kept place: rounds to zero.
        return {false, {}, 0};
    }
    QByteArray kept = m_digits.left(keep);
    const char first = m_digits.at(keep);
    const bool moreAfterFirst = m_digits.size() > keep + 1; // no trailing zeros, so nonzero
    const bool lastKeptOdd = !kept.isEmpty() && ((kept.back() - '0') % 2 == 1);
    const bool up = first > '5' || (first == '5' && (moreAfterFirst || lastKeptOdd));
    int pointPos = m_pointPos;
    if (up) {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0) {
            kept[i] = char(kept[i] + 1);
        } else {
            kept.prepend('1');
            ++pointPos;
        }
    }
    return {m_negative, kept, pointPos};
}

QByteArray Decimal15::integerDigits() const {
    if (m_pointPos <= 0) {
        return QByteArrayLiteral("0");
    }
    QByteArray whole = m_digits.left(m_pointPos);
    whole.append(QByteArray(m_pointPos - whole.size(), '0'));
    return whole;
}

QByteArray Decimal15::fractionDigits() const {
    if (m_pointPos >= m_digits.size()) {
        return {};
    }
    if (m_pointPos < 0) {
        return QByteArray(-m_pointPos, '0') + m_digits;
    }
    return m_digits.mid(m_pointPos);
}
