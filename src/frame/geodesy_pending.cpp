#include "frame/geodesy_pending.h"

int32_t ConvertRadix(uint32_t value, uint32_t from_base, int32_t to_base) {
  if (from_base < 2) return 0;
  int64_t result = 0;
  int64_t weight = 1;
  while (value != 0) {
    result += static_cast<int64_t>(value % from_base) * weight;
    weight *= to_base;
    value /= from_base;
  }
  return static_cast<int32_t>(result);
}
