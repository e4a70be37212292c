// The little of the simulator's own state that the stand-in models: what a key event the module sends
// changes in the variables the module reads back. Events not listed change nothing.
#pragma once

#include <cstdint>

namespace simhost {

class Host;

void ApplyKeyEventToSimulator(Host& host, uint32_t event_id, int32_t value);

}  // namespace simhost
