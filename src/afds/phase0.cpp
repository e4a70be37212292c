#include "afds/phase0.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/afds_services.h"
#include "afds/annunciators.h"
#include "afds/ap_engage.h"
#include "afds/fuel_system.h"
#include "afds/lnav_engage.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/gps_uplink.h"
#include "fmc/route_state.h"
#include "sim/fsuipc_client.h"
#include "base/geodesy.h"
#include "sim/fuel_tanks.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kTakeoffGoAround = 0x10110;
constexpr int32_t kBoxTicks = 180;
constexpr int32_t kValveTimeoutTicks = 20 * 18;  // 20 s of simulator time
constexpr double kLocWindow = 45.0;
constexpr double kGsWindow = 30.0;

void AutoflightHousekeeping() {
  if (app_mode == 0 && ((apleft == 1 && apcenter == 1 && apright == 1) || autoland_mode == 1)) {
    apleft = 1;
    apcenter = 0;
    apright = 0;
    autoland_mode = 0;
  }
  if (BurnFuelFromCtrFirst == 1) UpdateFuelSelectors();
  if (to_pitch_mode == 1) {
    SendTakeoffSpeedKey();
    if (ap_alt_lock == 0.0) host::TriggerKeyEvent(kTakeoffGoAround, 0);
  }
}

// The valves with an automatic-close countdown; the wing's counts only in the air.
struct ValveTimeout {
  int32_t* timer;
  int32_t* valve;
  bool airborne_only;
};
constexpr ValveTimeout kValveTimeouts[] = {{&isol_air_valve_timer, &isol_air_valve, false},
                                           {&wing_anti_ice_timer, &wing_anti_ice_valve, true},
                                           {&l_eng_anti_ice_timer, &l_eng_anti_ice_valve, false},
                                           {&r_eng_anti_ice_timer, &r_eng_anti_ice_valve, false}};

// An open valve in warm air starts its countdown; the overhead pass counts it down.
void ArmValveTimeouts() {
  for (const ValveTimeout& v : kValveTimeouts) {
    if (*v.valve == 2 && ReadTokenVar643() > 20.0 && *v.timer == 0) *v.timer = kValveTimeoutTicks;
  }
}

bool Within(double v, double limit) { return v >= -limit && v <= limit; }

void CaptureLocalizer() {
  if ((loc_mode != 1 && app_mode != 1) || loc_capture != 0) return;
  if (!LocalizerReceived()) return;
  if (lnav == 1) LnavIntercept();
  if (hdg_hold_mode == 1) ToggleHdgHold();
  if (hdg_sel_mode == 1) ToggleHdgSel();
  fma_roll_box_timer = kBoxTicks;
  loc_capture = 1;
}

void CaptureGlideslope() {
  if (app_mode != 1 || gs_capture != 0 || loc_capture != 1) return;
  if (!GlideslopeReceived()) return;
  // The glideslope takes the pitch from whichever mode flew it: VNAV and FLCH hand their thrust to SPD.
  if (vnav == 1) AfdsVertModeSwitch();
  if (flch == 1) HandFlchThrustToSpd();
  if (vs_hold_mode == 1) ToggleVsMode();
  if (alt_hold_mode == 1) {
    alt_hold_mode = 0;
    NV_SET(alt_hold, 0.0);
  }
  gs_capture = 1;
  fma_pitch_box_timer = kBoxTicks;
}

// Close to the selected destination runway's threshold and lined up with it.
bool OnShortFinal() {
  if (fms_dest_rwy_pos <= 0 || fms_dest_rwy_pos >= kAirportRunwayRows) return false;
  const RunwayRecord& rwy = airport_recs[2].runways[fms_dest_rwy_pos];
  double dist_nm = 0.0;
  double brg_true = 0.0;
  CalcDistBrg(plane_lat, plane_lon, rwy.lat, rwy.lon, &dist_nm, &brg_true);
  return dist_nm < 5.0 && CalcHeadingDiff(norm360(brg_true - mag_var), rwy.heading) <= 15;
}

void ArmLandingChecklist() {
  if (ldg_checklist != 1) return;
  if (ldg_checklist_mode == 0 && radio_height < 1500.0 && to_wpt_dtg < 10.0 && OnShortFinal()) ldg_checklist_mode = 1;
  if (ldg_checklist_mode > 0 && radio_height > 2000.0) {
    ldg_checklist_mode = 0;
  } else if (ldg_checklist_mode < 10 && ReadOnGround() != 0) {
    ldg_checklist_mode = 10;
  }
}

template <typename T>
T BlockField(const uint8_t* block, size_t offset) {
  T v{};
  std::memcpy(&v, block + offset, sizeof v);
  return v;
}

// The simulator's GPS holds a route of at least two waypoints.
bool GpsRouteBound() {
  const uint8_t* block = gps_data_block;
  if (block == nullptr || BlockField<uint32_t>(block, 0) < kGpsBlockMinSize) return false;
  return BlockField<const uint8_t*>(block, kGpsRecordsOffset) != nullptr &&
         BlockField<uint32_t>(block, kGpsCountOffset) >= 2;
}

void FollowNavButton() {
  if (ap_master != 1.0) return;
  const bool heading_mode = hdg_hold_mode == 1 || hdg_sel_mode == 1;
  if (!heading_mode) return;
  // Without a station received the needle rests at the centre: no course is captured then.
  const bool drop = nav_button == 1 ? ReadVor1Signal() > 0.0 && Within(cdi_needle, kLocWindow)
                                    : nav_button == 2 && ReadTokenVar848() != 0 && GpsRouteBound();
  if (!drop) return;
  if (hdg_sel_mode == 1) {
    ToggleHdgSel();
  } else {
    ToggleHdgHold();
  }
}

void StepAltitudeAlert() {
  const double a = alt_sel_num;
  const double h = plane_alt;
  const double gear = ReadTokenVar332();
  const bool gear_down = gear1_pos > 16000.0;
  switch (alt_alert_state) {
    case 0:
      if (gear == 0.0 && h > 950.0 && a - 900.0 < h && h < a + 900.0) alt_alert_state = 1;
      break;
    case 1:
      if (h < 950.0 || gear > 0.0) {
        alt_alert_state = 0;
      } else if (a - 25.0 < h && h < a + 25.0 && gear == 0.0) {
        alt_alert_state = 2;
      }
      if (gear_down) alt_alert_state = 0;
      break;
    case 2:
      if (h < a - 300.0 || h > a + 300.0) alt_alert_state = 3;
      if (gear_down) alt_alert_state = 0;
      break;
    case 3:
      if ((a - 300.0 < h && h < a + 300.0) || h < a - 900.0 || h > a + 900.0 || gear_down) alt_alert_state = 0;
      break;
    default:
      break;
  }
}

}  // namespace

bool LocalizerReceived() { return TestTokenVar46Bit80() != 0 && Within(cdi_needle, kLocWindow); }
bool GlideslopeReceived() {
  return TestTokenVar46Bit80() != 0 && TestTokenVar46Bit40() != 0 && Within(gsi_needle, kGsWindow);
}

void CountValveTimeouts(int32_t ticks) {
  for (const ValveTimeout& v : kValveTimeouts) {
    if (*v.timer <= 0 || ticks <= 0 || (v.airborne_only && ReadOnGround() != 0)) continue;
    *v.timer = std::max(*v.timer - ticks, 0);
    if (*v.timer == 0 && *v.valve > 2) *v.valve = 0;
  }
}

void RunPhase0Housekeeping() {
  AutoflightHousekeeping();
  PollFsuipcState();
  ArmValveTimeouts();
  if (ac_power <= 1 && stpos != kNoActiveLeg) ResetActiveRoute();
  // Whatever dropped the route (this reset, a new origin, a panel state without one), nothing is
  // left for LNAV and VNAV to fly.
  DropRouteModesWithoutRoute();
  // Whatever path left the approach modes, a capture must not outlive them.
  ForgetApproachCapture();
  CaptureLocalizer();
  CaptureGlideslope();
  ArmLandingChecklist();
  NV_SET(epr1, epr1);
  NV_SET(epr2, epr2);
  ReadSpeedModeSelect();
  if (to_callout_mode > 0 && ias < 35.0) to_callout_mode = 0;
  fuel_imbalance = std::fabs(GetFuelLeftTanks() - GetFuel3tanks());
  FollowNavButton();
  StepAltitudeAlert();
}
