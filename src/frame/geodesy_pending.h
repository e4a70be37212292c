// Stand-in for the geodesy and math helper the radio readers need until the helpers are merged.
#pragma once

#include <cstdint>

// Re-weights the base-from digits of value as base-to digits (16, 10 turns a packed-decimal
// frequency word into its decimal number: 0x1090 gives 1090).
int32_t ConvertRadix(uint32_t value, uint32_t from_base, int32_t to_base);
