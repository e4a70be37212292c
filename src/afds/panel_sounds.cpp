#include "afds/panel_sounds.h"

#include <cmath>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "sim/debug_log.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kWarningChimeDelayTicks = 54;
constexpr int32_t kSpoilerDelayTicks = 25;
constexpr int32_t kHfStaticDelayTicks = 50;
constexpr int32_t kSpoilerRumble = 20;
constexpr int32_t kHfStatic = 8;
constexpr int32_t kFlapHandleEvent = 11;
constexpr double kSpoilerExtended = 1000.0;
constexpr double kSpoilerRumbleMinIas = 180.0;

struct PanelEvent {
  int32_t code;
  const char* file;
  bool spool_group;  // the spool / speedbrake group and its volume, else the panel-event group
};

const PanelEvent kPanelEvents[] = {
    {2, "OV Panel Click.wav", false},
    {3, "OV Push Button.wav", false},
    {6, "OV Switch Click.wav", false},
    {7, "RO757_StbyAttSpool.wav", true},
    {9, "DO757_RA Zudez OZ.wav", false},
    {10, "SpeedBrakes.wav", true},
    {11, "757Flaps.wav", false},
    {12, "RO757 Thrust-Lever-Idle.wav", false},
    {13, "RO757 Thrust-Lever-Cutoff.wav", false},
};

bool SpoilersExtended() { return ReadTokenVar326() > kSpoilerExtended && ReadTokenVar327() > kSpoilerExtended; }
bool SpoilersRetracted() { return ReadTokenVar326() < kSpoilerExtended && ReadTokenVar327() < kSpoilerExtended; }

void StopLoop(SoundGroup group, int32_t* flag) {
  StopGroupSound(group);
  *flag = 0;
}

// Loops start only with the device present and the simulator's sound on; their own switches keep a
// stopped loop from starting but never stop a running one.
bool LoopMayStart(int32_t own_switch) {
  return sound_available == 1 && sim_sound_stopped == 0 && PlayCockpitSounds == 1 && own_switch == 1;
}

// The gear-drag step the present speed (on the ground) or gear extension (in the air) calls for;
// 0 = keep the present step.
int32_t GearDragStepFor(bool on_ground, double gear) {
  if (on_ground) {
    if (gear < 12800.0) return 0;
    if (ias > 70.0 && ias <= 80.0) return 20;
    if (ias > 80.0 && ias <= 100.0) return 40;
    if (ias > 100.0 && ias <= 120.0) return 60;
    if (ias > 120.0 && ias < 140.0) return 80;
    if (ias >= 140.0) return 100;
    return 0;
  }
  if (gear > 2000.0 && gear < 3200.0) return 20;
  if (gear >= 3200.0 && gear < 6400.0) return 40;
  if (gear >= 6400.0 && gear < 9600.0) return 60;
  if (gear >= 9600.0 && gear < 12800.0) return 80;
  if (gear >= 12800.0) return 100;
  return 0;
}

}  // namespace

void play_sound_event() {
  ClampVolumeAtLeast1(&VolumeEvents);
  ClampVolumeAtLeast1(&VolumeStbyAttSpool);
  for (const PanelEvent& e : kPanelEvents) {
    if (e.code != sound_event_code) continue;
    const std::string path = SoundFolderPath(e.file);
    if (e.code == kFlapHandleEvent) {
      LogLine("play_sound_event()  sound_event_code=%d, soundfile=%s\n", sound_event_code, path.c_str());
    }
    if (e.spool_group) {
      PlayGroupFile(SoundGroup::kSpool, path, VolumeAttenuation(VolumeStbyAttSpool), false);
    } else {
      PlayGroupFile(SoundGroup::kEvent, path, VolumeAttenuation(VolumeEvents), false);
    }
    break;
  }
  if (sound_event_followup > 0) {
    sound_event_code = sound_event_followup;
    sound_event_followup = 0;
  } else {
    sound_event_code = 0;
  }
}

void PlayChime() {
  const int32_t volume = VolumeAttenuation(ClampVolume1To100(&VolumeWarnings));
  switch (chime_code) {
    case 5:
      // A warning chime while the last one's delay runs is dropped, not held.
      if (chime_delay == 0) {
        chime_delay = kWarningChimeDelayTicks;
        PlayGroupSound(SoundGroup::kChime, "757LEVELAWARN.wav", volume, false);
      }
      break;
    case 1: PlayGroupSound(SoundGroup::kChime, "757LEVELBWARN.wav", volume, false); break;
    case 4:
      if (ac_power >= 1 || ReadTokenVar364() != 0.0) PlayGroupSound(SoundGroup::kChime, "757Sign.wav", volume, false);
      break;
    default: break;
  }
  chime_code = 0;
}

void PlaySpoilerOrHfStatic() {
  const int32_t volume = VolumeAttenuation(ClampVolumeAtLeast1(&VolumeSpoilers));
  if (spoiler_sound_request == kSpoilerRumble && ias >= kSpoilerRumbleMinIas) {
    if (spoiler_sound_delay == 0) {
      spoiler_sound_last = kSpoilerRumble;
      spoiler_sound_delay = kSpoilerDelayTicks;
      PlayGroupSound(SoundGroup::kSpoiler, "OV Spoiler.wav", volume, false);
    }
  } else if (spoiler_sound_request == kHfStatic) {
    spoiler_sound_last = kHfStatic;
    spoiler_sound_delay = kHfStaticDelayTicks;
    PlayGroupSound(SoundGroup::kSpoiler, "HF Static.wav", volume, false);
  }
  spoiler_sound_request = 0;
}

void PlayEquipmentCoolingLoop() {
  PlayGroupSound(SoundGroup::kCooling, "Equipment Cooling.wav", VolumeAttenuation(ClampVolumeAtLeast1(&VolumeCoolingFan)),
                 true);
  cooling_sound_on = 1;
}

void PlayPacksLoop() {
  PlayGroupSound(SoundGroup::kPacks, "PacksOn.wav", VolumeAttenuation(ClampVolumeAtLeast1(&VolumePacksOn)), true);
  packs_sound_on = 1;
}

void PlaySpeakerBuzzLoop() {
  PlayGroupSound(SoundGroup::kBuzz, "SpeakerBuzz.wav", VolumeAttenuation(ClampVolumeAtLeast1(&VolumeStbyPwrOn)), true);
  buzz_sound_on = 1;
}

void PlayGearDragLoop() {
  const int32_t volume = GearDragAttenuation(ClampVolume1To100(&VolumeGearDrag), gear_drag_step);
  PlayGroupSound(SoundGroup::kGearDrag, "Gear Drag.wav", volume, true);
  gear_drag_sound_on = 1;
}

int32_t GearDragAttenuation(int32_t setting, int32_t step) {
  return static_cast<int32_t>(std::trunc(-30.0 * (100.0 - setting * static_cast<double>(step) / 100.0)));
}

void StopSpoilerSound() {
  StopGroupSound(SoundGroup::kSpoiler);
  spoiler_sound_last = 0;
  spoiler_sound_delay = 0;
}

void StopSpoolSound() { StopGroupSound(SoundGroup::kSpool); }

void UpdateSpoilerAndHfSounds() {
  const bool static_sounding = spoiler_sound_last != kSpoilerRumble && spoiler_buffer != nullptr;
  if (spoiler_sound_delay == 0 || static_sounding) {
    if (SpoilersExtended() && ias >= kSpoilerRumbleMinIas) {
      // The rumble takes the group over from the static; its own delay still has to run out.
      if (spoiler_sound_delay > 0) StopGroupSound(SoundGroup::kSpoiler);
      spoiler_sound_request = kSpoilerRumble;
      spoiler_sound_last = kSpoilerRumble;
    }
  }
  if (spoiler_sound_delay > 0 && spoiler_sound_last == kSpoilerRumble && spoiler_buffer != nullptr &&
      SpoilersRetracted()) {
    StopSpoilerSound();
  }
  // A rumble whose delay ran out before a pass met the spoilers in no longer holds the group.
  if (spoiler_sound_delay == 0 && spoiler_sound_last == kSpoilerRumble && SpoilersRetracted()) {
    spoiler_sound_last = 0;
  }
  if (spoiler_sound_delay == 0 && spoiler_sound_last != kSpoilerRumble && hf_comm_switch == 1) {
    spoiler_sound_request = kHfStatic;
  }
  if (spoiler_sound_delay > 0 && spoiler_sound_last == kHfStatic && spoiler_buffer != nullptr && hf_comm_switch == 0) {
    StopSpoilerSound();
  }
}

void UpdateEquipmentLoops() {
  const bool stopped_sim = sim_sound_stopped == 1;
  if (cooling_sound_on == 0) {
    if (ac_power > 1 && LoopMayStart(PlayCoolingSounds)) PlayEquipmentCoolingLoop();
  } else if (ac_power <= 1 || stopped_sim) {
    StopLoop(SoundGroup::kCooling, &cooling_sound_on);
  }
  const bool pack_running = (l_pack_switch == 1 && l_pack_reset == 2) || (r_pack_switch == 1 && r_pack_reset == 2);
  if (packs_sound_on == 0) {
    if (ac_power > 1 && pack_running && LoopMayStart(PlayPacksSounds)) PlayPacksLoop();
  } else if ((l_pack_reset < 2 && r_pack_reset < 2) || ac_power <= 1 || stopped_sim) {
    StopLoop(SoundGroup::kPacks, &packs_sound_on);
  }
  if (buzz_sound_on == 0) {
    if (ac_power == 1 && LoopMayStart(PlayStbyPwrOnSounds)) PlaySpeakerBuzzLoop();
  } else if (ac_power != 1 || stopped_sim) {
    StopLoop(SoundGroup::kBuzz, &buzz_sound_on);
  }
}

void UpdateGearDragLoop() {
  const double gear = ReadTokenVar332();
  const bool on_ground = ReadOnGround() != 0;
  if (gear_drag_sound_on == 0) {
    if (ias > 60.0 && gear > 1000.0 && LoopMayStart(PlayGearDragSounds)) {
      gear_drag_step = 10;
      PlayGearDragLoop();
    }
  } else if ((on_ground && ias < 60.0) || sim_sound_stopped == 1) {
    StopLoop(SoundGroup::kGearDrag, &gear_drag_sound_on);
    gear_drag_step = 0;
    return;
  }
  if (gear_drag_sound_on == 0) return;
  const int32_t step = GearDragStepFor(on_ground, gear);
  if (step == 0 || step == gear_drag_step) return;
  if (gear_drag_buffer != nullptr) gear_drag_buffer->SetVolume(GearDragAttenuation(ClampVolume1To100(&VolumeGearDrag), step));
  gear_drag_step = step;
}
