#include "afds/panel_mode.h"

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/afds_services.h"
#include "afds/annunciators.h"
#include "afds/ap_key_events.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "afds/panel_input_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using ap_event::Send;
using panel_input::OnRequest;

constexpr double kStartLatchDrop = 49.0;
constexpr double kStartLatchRise = 65.0;
constexpr double kCabinSwitchDelayS = 15.0;
constexpr double kResetMcpMarginFt = 50.0;

// The reduced mode leaves the autoflight to the simulator: the module's own pitch and speed modes
// stop, the windows open, the standby instruments and IRS are made ready, and every simulator hold
// the module's modes do not claim is switched off.
void EnterLiteMode() {
  lite_mode = 1;
  NV_SET(vs_show, 1.0);
  flch = 0;
  hdg_sel_mode = 0;
  FsuipcClear310A();
  if (vnav == 1) AfdsVertModeSwitch();
  NV_SET(ias_show, 1.0);
  if (stdby_power_switch == 0) {
    stdby_power_switch = 1;
    NV_SET(stdby_power_switch, stdby_power_switch);
  }
  to_roll_mode = 0;
  to_pitch_mode = 0;
  if (!(irs_l_anun_mode == 3 && irs_c_anun_mode == 3 && irs_r_anun_mode == 3)) UpdateIrsAnnunciatorVars();
  beg_start_button = ac_power >= 4 ? 2 : 1;
  if (lnav == 0) Send(ap_event::kHeadingHoldOff);  // LNAV steers with it
  if (app_mode == 0) Send(ap_event::kApproachHoldOff);
  if (loc_mode == 0) Send(ap_event::kLocalizerHoldOff);
  if (alt_hold_mode == 0) Send(ap_event::kAltitudeHoldOff);
  l_yaw_damper_mode = 2;
  r_yaw_damper_mode = 2;
  NV_SET(l_yaw_damper_mode, l_yaw_damper_mode);
  NV_SET(r_yaw_damper_mode, r_yaw_damper_mode);
}

// EadiMode and FlightDirectorType: 0 and 1 swap, other values stay.
int32_t SwapStyle(int32_t v) { return v == 0 ? 1 : v == 1 ? 0 : v; }

}  // namespace

namespace click_poller {

void PollPanelModeClicks() {
  OnRequest(RO_REQ(panel_mode_clicked), [](double) {
    if (lite_mode == 1) {
      lite_mode = 0;
      beg_start_button = 0;
    } else if (lite_mode == 0) {
      EnterLiteMode();
    }
    NV_SET(panel_mode, lite_mode);
    NV_SET(beg_start_button, beg_start_button);
  });
  OnRequest(RO_REQ(eadi_style_clicked), [](double) {
    EadiMode = SwapStyle(EadiMode);
    NV_SET(eadi_style, EadiMode);
  });
  OnRequest(RO_REQ(fd_style_clicked), [](double) {
    FlightDirectorType = SwapStyle(FlightDirectorType);
    NV_SET(fd_style, FlightDirectorType);
  });
}

}  // namespace click_poller

void WatchCduMessage() {
  if (fmc_anun == 0 && !cdu_message.empty()) {
    fmc_anun = 1;
    if (cdu_message == "RTE UPLINK OK") acars_anun = 1;
    UpdateStatusAnun();
  } else if (fmc_anun == 1 && cdu_message.empty()) {
    fmc_anun = 0;
    acars_anun = 0;
    UpdateStatusAnun();
  }
}

void ClearResetMcpMessage() {
  if (cdu_message == "RESET MCP" && plane_alt < cruise_alt - kResetMcpMarginFt) cdu_message.clear();
}

void UpdateEngineStartLatches() {
  const double eng1 = ReadTokenVar627();
  const double eng2 = ReadTokenVar646();
  const bool eng1_down = eng1 <= kStartLatchDrop;
  const bool eng2_down = eng2 <= kStartLatchDrop;
  if ((l_eng_start_done == 1 && eng1_down) || (r_eng_start_done != 0 && eng2_down)) {
    if (l_eng_start_done == 1 && eng1_down) l_eng_start_done = 0;
    if (r_eng_start_done == 1 && eng2_down) r_eng_start_done = 0;
    sound_event_code = click_poller::kSoundAcPowerOn;
  }
  if (l_eng_start_done == 0 && eng1 >= kStartLatchRise) l_eng_start_done = 1;
  if (r_eng_start_done == 0 && eng2 >= kStartLatchRise) r_eng_start_done = 1;
}

void KeepApproachHoldAlive() {
  if (ReadApMaster() != 1.0) return;
  // Each mode keeps the hold its button asked for: the approach hold would fly the glideslope too.
  if (app_mode == 1) {
    if (ReadApAppHold() == 0.0) Send(ap_event::kApproachHoldArm);
  } else if (loc_mode == 1 && ReadApNav1Hold() == 0.0) {
    Send(ap_event::kLocalizerArm);
  }
}

void FollowCabinAnnouncementSwitch() {
  if (ReadTokenVar604() - init_sim_time <= kCabinSwitchDelayS) return;
  const double sw = NV_GET(ov_cabin_announcements);
  if (sw != static_cast<double>(play_announcements)) play_announcements = TruncToI32(sw);
}
