// Conversions of simulator and panel values (f64) to the module's integers. The module truncates
// toward zero everywhere; a value outside the i32 range (or not a number) would make that
// conversion undefined, so it is brought to the nearest end of the range (NaN to 0) first.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

inline int32_t TruncToI32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// A drawing coordinate or size in pixels. Truncated as above, but held within +-2^24, far outside
// any surface: a symbol's offsets and the sums of a few coordinates then stay inside the i32 range,
// so that an absurd simulator value draws off the surface instead of wrapping.
inline constexpr double kPixelLimit = 16777216.0;
inline int32_t TruncToPixel(double v) {
  return TruncToI32(v < -kPixelLimit ? -kPixelLimit : v > kPixelLimit ? kPixelLimit : v);
}

// The sum of two i32 values held at the ends of the range, for values that may have saturated.
inline int32_t SatAddI32(int32_t a, int32_t b) {
  const int64_t s = int64_t{a} + b;
  return s > std::numeric_limits<int32_t>::max()   ? std::numeric_limits<int32_t>::max()
         : s < std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::min()
                                                    : static_cast<int32_t>(s);
}
