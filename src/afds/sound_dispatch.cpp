#include "afds/sound_dispatch.h"

#include "afds/afds_globals.h"
#include "afds/crew_callouts.h"
#include "afds/gpws_callouts.h"
#include "afds/panel_input_globals.h"
#include "afds/panel_sounds.h"
#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "state/config_globals.h"

void ProcSounds() {
  const bool permitted = SoundPermitted();
  const bool cockpit = PlayCockpitSounds == 1;
  if (gpws_sound_delay == 0 && permitted && cockpit && PlayGpwsSounds == 1) PlayGpws();
  if (alt_callout_delay == 0 && permitted && cockpit && PlayGpwsSounds == 1) PlayAltitudeCallouts();
  if (crew_callout_delay == 0 && permitted && cockpit) PlayCrewCallouts();
  if (sound_event_code > 0 && permitted && cockpit && PlayEventSounds == 1) play_sound_event();
  // Chimes sound even while the simulator's sound is stopped.
  if (chime_code > 0 && cockpit && PlayWarningSounds == 1) PlayChime();
  if (spoiler_sound_request > 0 && permitted && cockpit && PlaySpoilersSounds == 1) PlaySpoilerOrHfStatic();
  KeepSoundOutputCurrent();
}
