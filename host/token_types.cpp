#include "host/token_types.h"

namespace simhost {

bool IsIntegerToken(uint32_t id) {
  switch (id) {
    // Radio words in packed decimal: the frequencies and token 38's four-digit code.
    case 16:
    case 18:
    case 23:
    case 24:
    case 27:
    case 38:
    case 617:
    case 870:
    case 871:
    // The navigation receiver's flag bits.
    case 46:
    // A plain 32-bit integer variable.
    case 743:
      return true;
    default:
      return false;
  }
}

bool IsTextToken(uint32_t id) {
  return id == 47;  // VOR 1 station ident
}

}  // namespace simhost
