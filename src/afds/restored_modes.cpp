#include "afds/restored_modes.h"

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "afds/lnav_engage.h"
#include "afds/phase0.h"
#include "fmc/fmc_globals.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using ap_event::Send;

constexpr int32_t kNoMasterSaved = -1;
constexpr int32_t kAutolandArmed = 1;

// CMD engages as its button would engage it, and only on a channel the state restores: a master
// alone would fly the simulator with no CMD lit. Otherwise the simulator's autopilot is off and no
// channel is engaged.
void ResumeAutopilotMaster() {
  const int32_t saved = restored_ap_master;
  restored_ap_master = kNoMasterSaved;
  if (saved == kNoMasterSaved) return;
  const bool channel = apleft == 1 || apcenter == 1 || apright == 1;
  if (saved == 1 && channel && AutopilotMayEngage()) {
    Send(ap_event::kAutopilotOn);
    SetApDiscBar(0);
    ap_master = 1.0;
    return;
  }
  if (ReadApMaster() != 0.0) Send(ap_event::kAutopilotOff);
  ap_master = 0.0;
  apleft = apcenter = apright = 0;
  NV_SET(apleft, apleft);
  NV_SET(apcenter, apcenter);
  NV_SET(apright, apright);
}

// A capture stands only on its beam, received here, and the glideslope never before the localizer:
// otherwise LOC or APP is only armed, and captures as the approach comes to the beam.
void DropUnfoundCaptures() {
  if (loc_capture == 1 && !((loc_mode == 1 || app_mode == 1) && LocalizerReceived())) loc_capture = 0;
  if (gs_capture == 1 && !(app_mode == 1 && loc_capture == 1 && GlideslopeReceived())) gs_capture = 0;
}

// A mode whose button would not engage it here stays off.
void DropRefusedModes() {
  if (lnav == 1 && stpos == kNoActiveLeg) {
    lnav = 0;
    NV_SET(lnav, lnav);
  }
  if (vnav == 1 && !VnavMayEngage()) {
    vnav = 0;
    NV_SET(vnav, vnav);
  }
  if (vnav == 1 && VnavOnlyArms()) vnav_armed = 1;
  if (alt_hold_mode == 1 && !AltHoldMayEngage()) {
    alt_hold_mode = 0;
    NV_SET(alt_hold, alt_hold_mode);
  }
  if (spd_hold == 1 && !SpeedHoldMayEngage()) {
    spd_hold = 0;
    NV_SET(spd_hold, spd_hold);
  }
  if (thrust_hold == 1 && !ThrustHoldMayEngage()) {
    thrust_hold = 0;
    NV_SET(thrust, thrust_hold);
  }
  if (flch == 1 && !FlchMayEngage()) flch = 0;
  DropUnfoundCaptures();
  // The autoland stands only where APP would have armed it: CMD on all three channels.
  const bool three_channels = apleft == 1 && apcenter == 1 && apright == 1;
  if (!(app_mode == 1 && lite_mode == 0 && ap_master == 1.0 && three_channels)) autoland_mode = 0;
}

// CMD over an axis the load left without a mode flies it as its button would engage it: V/S and HDG
// HOLD (a captured beam is its axis' mode). ResumePitchHold and ResumeRollHold then fly them.
void GiveCmdEveryAxis() {
  if (ap_master != 1.0 || lite_mode != 0) return;
  if (!PitchModeFlown()) {
    vs_hold_mode = 1;
    NV_SET(vs_hold, vs_hold_mode);
    NV_SET(vs_show, 1.0);
  }
  if (!RollModeFlown()) {
    hdg_hold_mode = 1;
    NV_SET(hdg_hold, hdg_hold_mode);
  }
}

// An armed LNAV leaves the heading hold to the heading mode that flies to the intercept.
void ResumeRollHold() {
  if (lnav == 1 && lnav_init_mode == 0) {
    FlyLnav();
  } else if (hdg_sel_mode == 1) {
    FlyHdgSel();
  } else if (hdg_hold_mode == 1 && lite_mode == 0) {
    FlyHdgHold();
  } else if (ReadApNavHold() != 0.0) {
    Send(ap_event::kHeadingHoldOff);
  }
}

// FLCH's controller takes the altitude hold over on every pass.
void ResumePitchHold() {
  if (vnav == 1) {
    FlyVnav();
  } else if (alt_hold_mode == 1) {
    FlyAltHold(0);
  } else if (vs_hold_mode == 1) {
    FlyVs();
  } else if (flch == 0 && ReadApAltHold() != 0.0) {
    Send(ap_event::kAltitudeHoldOff);
  }
}

// VNAV and FLCH drive the speed and thrust themselves.
void ResumeSpeedHold() {
  if (spd_hold == 1) {
    SpeedHoldOn();
  } else if (vnav == 0 && flch == 0 && (ReadApSpeed() != 0.0 || ReadApMach() != 0.0)) {
    SpeedHoldsOff();
  }
}

// The NAV hold serves the localizer and the NAV source button alike.
void ResumeApproachHolds() {
  if (app_mode == 1) {
    Send(ap_event::kApproachHoldArm);
  } else if (loc_mode == 1) {
    Send(ap_event::kLocalizerArm);
  } else if (ReadApAppHold() != 0.0 || (nav_button == 0 && ReadApNav1Hold() != 0.0)) {
    LeaveApproachModes();
  }
}

// On the ground a load moves no thrust lever: THR waits for the crew's own press at the take-off,
// and VNAV arms only for the climb, as its button arms it there; past the top of climb it would fly
// the cruise or descent speed with the levers or the simulator's speed hold. Taken as the file is
// applied, so that no tick acts on these modes first.
void DropGroundThrustModes() {
  if (ReadOnGround() == 0) return;
  if (thrust_hold == 1) {
    thrust_hold = 0;
    NV_SET(thrust, thrust_hold);
  }
  if (vnav == 1 && (toc != 0 || tod != 0 || init_tod != 0)) {
    vnav = 0;
    vnav_armed = 0;
    NV_SET(vnav, vnav);
  }
}

}  // namespace

void RestoreApMaster(int32_t saved) { restored_ap_master = saved == 1 ? 1 : 0; }

void RequestRestoredModes() {
  restored_modes_pending = 1;
  DropGroundThrustModes();
  // A flare or rollout from the file is at most an armed autoland, which the approach takes on from
  // the radio height here: no tick flares, retards or rolls out on the file's word.
  if (autoland_mode > kAutolandArmed) autoland_mode = kAutolandArmed;
}

void ResumeRestoredModes() {
  if (restored_modes_pending == 0) return;
  restored_modes_pending = 0;
  ResumeAutopilotMaster();
  DropRefusedModes();
  GiveCmdEveryAxis();
  ResumeRollHold();
  ResumePitchHold();
  ResumeSpeedHold();
  ResumeApproachHolds();
}
