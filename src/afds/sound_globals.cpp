#include "afds/sound_globals.h"

#include "afds/sound_engine.h"

RO_DEFINE_GLOBALS(SOUND_SCALARS)

void ResetSoundGlobals() {
  RO_RESET_GLOBALS(SOUND_SCALARS)
  ForgetRetiredSoundBuffers();
}
