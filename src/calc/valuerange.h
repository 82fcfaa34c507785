#pragma once

// A value's allowed span, kept beside the calculation that sets it, so that the calculation, a
// window and a file reader check and name the same bounds.

#include <limits>

struct ValueRange {
    double low = 0;
    double high = std::numeric_limits<double>::infinity();
    bool lowIncluded = true;
    bool highIncluded = true;

    constexpr bool holds(double x) const {
        return (lowIncluded ? x >= low : x > low) && (highIncluded ? x <= high : x < high);
    }
    constexpr bool bounded() const { return high < std::numeric_limits<double>::infinity(); }

    friend constexpr bool operator==(const ValueRange&, const ValueRange&) = default;
};

// A size, a speed, a lead: anything above zero.
inline constexpr ValueRange aboveZero{0, std::numeric_limits<double>::infinity(), false};
