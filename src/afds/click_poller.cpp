#include "afds/click_poller.h"

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/ap_key_events.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "afds/electrical.h"
#include "afds/lnav_engage.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace click_poller {

namespace {

using ap_event::Send;
using panel_input::OnRequest;

enum class Channel { kLeft, kCenter, kRight };

int32_t& ChannelFlag(Channel c) {
  switch (c) {
    case Channel::kLeft: return apleft;
    case Channel::kCenter: return apcenter;
    default: return apright;
  }
}

// Engages the simulator's autopilot on the channel. The L button leaves the master-on reaction of
// the main update to pattern_flag; C and R avoid it by taking ap_master at once.
void EngageChannel(Channel c) {
  Send(ap_event::kAutopilotOn);
  if (c == Channel::kLeft) {
    pattern_flag = 1;
  } else {
    ap_master = 1.0;
  }
  ChannelFlag(c) = 1;
  if (lite_mode != 0) return;
  // The autopilot flies the modes the flight director has, captured beams included (V/S or HDG HOLD
  // over a beam would keep its capture and never capture again); only an axis with none gets V/S or
  // HDG HOLD.
  if (!PitchModeFlown()) ToggleVsMode();
  if (!RollModeFlown()) ToggleHdgHold();
}

// With the simulator's approach hold on, a channel joins the approach; L and C arm autoland when the
// other two channels are already in.
void JoinApproach(Channel c) {
  switch (c) {
    case Channel::kLeft:
      apleft = 1;
      if (autoland_mode == 0 && lite_mode == 0 && apcenter == 1 && apright == 1) {
        autoland_mode = 1;
        autoland_spoiler_stage = 0;
      }
      break;
    case Channel::kCenter:
      if (lite_mode != 0) break;
      apcenter = 1;
      if (autoland_mode == 0 && apleft == 1 && apright == 1) autoland_mode = 1;
      break;
    case Channel::kRight:
      if (lite_mode == 0) apright = 1;
      break;
  }
}

void ApButton(Channel c, const char* name, uint32_t* id, const char* light, uint32_t* light_id) {
  const bool clicked = OnRequest(name, id, [c](double) {
    sound_event_code = kSoundClick;
    if (ap_master == 0.0 && AutopilotMayEngage()) {
      EngageChannel(c);
    } else if (lite_mode == 1 && ap_master == 1.0) {
      Send(ap_event::kAutopilotOff);
      Send(ap_event::kHeadingHoldOff);
      Send(ap_event::kAltitudeHoldOff);
    } else if (sim_app_hold == 1.0) {
      JoinApproach(c);
    }
    // R completing the three channels arms autoland, but only on an approach: outside one the
    // flare, retard and spoilers must not run.
    if (c == Channel::kRight && sim_app_hold == 1.0 && autoland_mode == 0 && apleft == 1 && apcenter == 1) {
      autoland_mode = 1;
    }
  });
  if (clicked) panel_input::Publish(light, light_id, ChannelFlag(c));
}

// A button whose routine runs when `allowed`; the sound is queued whether or not it runs.
template <typename Allowed>
void ModeButton(const char* name, uint32_t* id, void (*routine)(), Allowed allowed) {
  OnRequest(name, id, [routine, allowed](double) {
    sound_event_code = kSoundClick;
    if (allowed()) routine();
  });
}

bool Always() { return true; }

}  // namespace

void PollMcpButtons() {
  ApButton(Channel::kLeft, RO_REQ(apleft_clicked), RO_REQ(apleft));
  ApButton(Channel::kCenter, RO_REQ(apcenter_clicked), RO_REQ(apcenter));
  ApButton(Channel::kRight, RO_REQ(apright_clicked), RO_REQ(apright));

  ModeButton(RO_REQ(lnav_clicked), LnavIntercept, Always);
  // VNAV stores its sound after the reset; the order is invisible to the sound pass.
  ModeButton(RO_REQ(vnav_clicked), AfdsVertModeSwitch, [] { return stpos != kNoActiveLeg || lite_mode == 0; });
  ModeButton(RO_REQ(thrust_clicked), ToggleThrustHold, ThrustHoldMayEngage);
  ModeButton(RO_REQ(hdg_clicked), [] { PressHeadingMode(ToggleHdgHold, hdg_hold_mode); }, Always);
  ModeButton(RO_REQ(hdg_sel_clicked), [] { PressHeadingMode(ToggleHdgSel, hdg_sel_mode); }, Always);
  ModeButton(RO_REQ(spd_clicked), EngageSpeedHold, SpeedHoldMayEngage);
  ModeButton(RO_REQ(vs_clicked), PressVs, Always);
  ModeButton(RO_REQ(alt_clicked), [] { ToggleAltHold(0); }, AltHoldMayEngage);
}

}  // namespace click_poller

void PollClickedVars() {
  using namespace click_poller;
  PollMcpButtons();
  UpdateHydraulicPumpLights();
  PollHydraulicApuBusClicks();
  UpdateGeneratorLights();
  PollGeneratorBatteryFuelClicks();
  UpdateFuelPumpLights();
  PollAirIrsTmspEicasClicks();
  UpdateProbeHeatLight();
  PollEfisClicks();
  PollPanelModeClicks();
  // The power-state logic runs once per 18 SERVER frames, but never on a battery the simulator has
  // not switched yet: a toggle sent in this pass reaches it once the pass returns, and the switch
  // would be shown off with the battery on. Such a pass waits for the poller's next one.
  const bool due = server_phase == 0 || electrical_pass_owed != 0;
  if (battery_toggle_sent != 0) {
    battery_toggle_sent = 0;
    electrical_pass_owed = due ? 1 : 0;
    return;
  }
  if (!due) return;
  electrical_pass_owed = 0;
  RunElectricalPass();
}
