#include "sim/sim_globals.h"
#include "sim/tick_globals.h"

RO_DEFINE_GLOBALS(SIM_SCALARS)

void ResetFrameGlobals() {
  // A device left by a case that never unloaded is given back before the handle is forgotten.
  if (dsound != nullptr) dsound->Release();
  RO_RESET_GLOBALS(SIM_SCALARS)
}
