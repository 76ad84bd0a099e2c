#pragma once
// Integer rounding as the page geometry uses it.
#include <cmath>
#include <limits>

namespace kopira::report {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Values beyond the int range (or NaN) saturate instead of
// overflowing, so absurd lengths give absurd but defined pixels.
inline int roundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (v >= kMax) return std::numeric_limits<int>::max();
  if (v <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(std::nearbyint(v));  // default FE_TONEAREST: ties to even
}

// a * b / c in 64 bits, rounded to the nearest integer with halves away from
// zero (the platform's MulDiv); c == 0 gives 0.
inline int mulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const long long product = static_cast<long long>(a) * b;
  const long long half = (c > 0 ? c : -c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const long long magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace kopira::report
