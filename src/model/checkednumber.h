#pragma once

// A double on its way to a field, carrying the first fault met while it was formed. Every
// arithmetic step checks its own result, so a division by zero, an invalid operation or an
// overflow is caught where it happens and never reaches a field as "nan" or "inf". A value
// read from a field that holds no number (or one that reads two ways) carries that field, so
// the message can name it.

#include "model/fault.h"

#include <cmath>
#include <optional>

class CheckedNumber {
public:
    // Implicit, so that constants read naturally in formulas: (Z2 + 2) * m.
    CheckedNumber(double value) // NOLINT(google-explicit-constructor)
        : m_value(value) {}

    static CheckedNumber notANumber(FieldId source) {
        return unreadable(source, FaultKind::NotANumber, {});
    }
    // A text that could be read two ways, quoted in the message.
    static CheckedNumber ambiguous(FieldId source, const QString& text) {
        return unreadable(source, FaultKind::AmbiguousPoint, text);
    }
    // A number with its digits grouped, quoted in the message with the digits as to be typed.
    static CheckedNumber grouped(FieldId source, const QString& text) {
        return unreadable(source, FaultKind::GroupSeparator, text);
    }

    bool ok() const { return !m_kind.has_value(); }
    double value() const { return m_value; }

    // The fault to report when this value was meant for `target`: a field that held no number
    // is named itself, an arithmetic fault is named by the field being computed.
    std::optional<Fault> faultFor(FieldId target) const {
        if (!m_kind) {
            return std::nullopt;
        }
        if (*m_kind == FaultKind::NotANumber || *m_kind == FaultKind::AmbiguousPoint ||
            *m_kind == FaultKind::GroupSeparator) {
            return Fault{m_source, *m_kind, m_text};
        }
        return Fault{target, *m_kind};
    }

    // A function of one argument, for instance the square root, the sine or the rounding.
    template <typename Fn> CheckedNumber apply(Fn fn) const {
        return ok() ? checked(fn(m_value)) : *this;
    }

    friend CheckedNumber operator+(const CheckedNumber& a, const CheckedNumber& b) {
        return combine(a, b, a.m_value + b.m_value);
    }
    friend CheckedNumber operator-(const CheckedNumber& a, const CheckedNumber& b) {
        return combine(a, b, a.m_value - b.m_value);
    }
    friend CheckedNumber operator*(const CheckedNumber& a, const CheckedNumber& b) {
        return combine(a, b, a.m_value * b.m_value);
    }
    friend CheckedNumber operator/(const CheckedNumber& a, const CheckedNumber& b) {
        if (a.ok() && b.ok() && b.m_value == 0.0) {
            return fault(a.m_value == 0.0 ? FaultKind::InvalidOperation
                                          : FaultKind::DivisionByZero);
        }
        return combine(a, b, a.ok() && b.ok() ? a.m_value / b.m_value : 0.0);
    }

private:
    static CheckedNumber unreadable(FieldId source, FaultKind kind, const QString& text) {
        CheckedNumber n(0.0);
        n.m_kind = kind;
        n.m_source = source;
        n.m_text = text;
        return n;
    }

    static CheckedNumber fault(FaultKind kind) {
        CheckedNumber n(0.0);
        n.m_kind = kind;
        return n;
    }

    // The largest magnitude whose 15-digit text still reads back as a double.
    static constexpr double maxFieldMagnitude = 1.79769313486231e308;

    // Operands are finite whenever they are ok, so a NaN result is an invalid operation and an
    // infinite one an overflow.
    static CheckedNumber checked(double result) {
        if (std::isnan(result)) {
            return fault(FaultKind::InvalidOperation);
        }
        if (std::abs(result) > maxFieldMagnitude) {
            return fault(FaultKind::Overflow);
        }
        return result;
    }

    // The left operand's fault comes first, as the left operand is read first.
    static CheckedNumber combine(const CheckedNumber& a, const CheckedNumber& b, double result) {
        if (!a.ok()) {
            return a;
        }
        if (!b.ok()) {
            return b;
        }
        return checked(result);
    }

    double m_value = 0.0;
    std::optional<FaultKind> m_kind;
    FieldId m_source = FieldId::m_t;
    QString m_text;
};
