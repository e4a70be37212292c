// Token variables whose value the simulator delivers as a 32-bit integer in the first 4 bytes of
// TokenVar::value instead of a double. The host keeps every token as a double and converts on read.
// Text tokens are kept apart as texts.
#pragma once

#include <cstdint>

namespace simhost {

bool IsIntegerToken(uint32_t id);

// Token variables the simulator delivers as text (a pointer in TokenVar::value); unset ones read "".
bool IsTextToken(uint32_t id);

}  // namespace simhost
