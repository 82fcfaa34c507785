#pragma once

// The one conversion the calculations share: the form and its users speak degrees, the
// standard library radians.

#include <numbers>

inline constexpr double radiansPerDegree = std::numbers::pi / 180;
