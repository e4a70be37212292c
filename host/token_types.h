// Token variables whose value the simulator delivers as a 32-bit integer in the first 4 bytes of
// TokenVar::value instead of a double. The host keeps every token as a double and converts on read.
#pragma once

#include <cstdint>

namespace simhost {

bool IsIntegerToken(uint32_t id);

}  // namespace simhost
