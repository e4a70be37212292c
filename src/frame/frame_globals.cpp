#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"

RO_DEFINE_GLOBALS(FRAME_SCALARS)

void ResetFrameGlobals() {
  // A device left by a case that never unloaded is given back before the handle is forgotten.
  if (dsound != nullptr) dsound->Release();
  RO_RESET_GLOBALS(FRAME_SCALARS)
}
