#include "afds/ap_engage.h"

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "afds/lnav_engage.h"
#include "fmc/fmc_globals.h"
#include "sim/fsuipc_client.h"
#include "sim/named_vars.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kDisconnectBarSeconds = 3;

// LNAV, VNAV and FLCH go with whatever flew them; the levers are given back unless THR holds them.
void DropRouteAndFlchModes() {
  flch = 0;
  lnav = 0;
  lnav_init_mode = 0;  // an armed intercept must not survive into the next LNAV engagement
  vnav = 0;
  if (thrust_hold == 0) FsuipcClear310A();
}

}  // namespace

void DisconnectAutopilot() {
  apleft = 0;
  apcenter = 0;
  apright = 0;
  // A master switched on too low engaged nothing, so there is nothing to announce.
  if (ap_engage_low_ra != 1) {
    apdisc_bar_timer = kDisconnectBarSeconds;
    SetApDiscBar(kDisconnectBarSeconds);
  }
  if (loc_mode == 1 || app_mode == 1) TakeApproachHoldsOff();
  autoland_mode = 0;
  loc_mode = 0;
  app_mode = 0;
  loc_capture = 0;
  gs_capture = 0;
  DropRouteAndFlchModes();
  NV_SET(loc, loc_mode);
  NV_SET(app, app_mode);
  NV_SET(apleft, apleft);
  NV_SET(apcenter, apcenter);
  NV_SET(apright, apright);

  if (SetSpdOffwhenAPMasterSetOff == 1 && at_arm == 1.0) {
    ap_event::Send(ap_event::kAirspeedHoldOff);
    spd_hold = 0;
    thrust_hold = 0;
    FsuipcClear310A();
    thr_release_pending = 0;
    fma_thr_box_timer = 0;
    UpdateThrustModeLights();
  }
}

void ClearAfdsModes() {
  if (hdg_sel_mode == 1) ToggleHdgSel();
  if (hdg_hold_mode == 1) ToggleHdgHold();
  if (alt_hold_mode == 1) ToggleAltHold(0);
  if (vs_hold_mode == 1) ToggleVsMode();
  if (loc_mode == 1 || app_mode == 1) TakeApproachHoldsOff();
  if (loc_mode == 1) {
    loc_mode = 0;
    NV_SET(loc, loc_mode);
  }
  if (app_mode == 1) {
    app_mode = 0;
    NV_SET(app, app_mode);
  }
  ForgetApproachCapture();
  // With no autopilot the flight director was all that flew LNAV, VNAV and FLCH, armed or engaged.
  if (lnav == 1 || lnav_init_mode == 1 || vnav == 1 || flch == 1) {
    DropRouteAndFlchModes();
    if (startup_phase == 0) vnav_armed = 0;
    UpdateModeButtonLights();
  }
}

void DropRouteModesWithoutRoute() {
  if (stpos != kNoActiveLeg) return;
  if (lnav == 1) LnavIntercept();
  if (vnav == 1) AfdsVertModeSwitch();
}

void UpdateModeButtonLights() {
  NV_SET(lnav, lnav);
  NV_SET(vnav, vnav);
  NV_SET(alt_hold, alt_hold_mode);
  NV_SET(vs_hold, vs_hold_mode);
  NV_SET(hdg_hold, hdg_hold_mode);
}

void UpdateThrustModeLights() {
  NV_SET(vnav, vnav);
  NV_SET(spd_hold, spd_hold);
  NV_SET(thrust, thrust_hold);
}

void SetApdisc(int32_t value) { NV_SET(apdisc, value != 0 ? 1.0 : 0.0); }

void SetAtdisc(int32_t value) { NV_SET(atdisc, value != 0 ? 1.0 : 0.0); }
