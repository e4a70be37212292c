#include "host/token_types.h"

namespace simhost {

bool IsIntegerToken(uint32_t id) {
  switch (id) {
    // Integer-typed tokens go here, one case per token number, as the readers that need them arrive.
    default:
      return false;
  }
}

}  // namespace simhost
