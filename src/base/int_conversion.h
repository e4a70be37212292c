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
