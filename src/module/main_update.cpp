#include "module/main_update.h"

#include <cmath>

#include "afds/afds_globals.h"
#include "afds/flch_thrust.h"
#include "afds/route_progress_globals.h"
#include "afds/standby_gyro.h"
#include "fmc/fmc_globals.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "afds/tick_autoflight.h"
#include "sim/tick_globals.h"
#include "sim/tick_samples.h"
#include "sim/tick_span.h"
#include "afds/tick_route.h"
#include "afds/tick_systems.h"
#include "afds/tick_vnav.h"

namespace {

// The simulator delivers Mach as a 16.16-style word scaled by 3.2.
constexpr double kMachWordScale = 1.52587890625e-05 * 3.2;

// Bank readings this close to level count as level (sensor noise on the attitude displays).
constexpr double kLevelBankDeg = 0.035;

constexpr double kTicksPerSecond = 18.0;

// Below this ground speed the wind estimate is not trusted (taxi, hover in strong wind).
constexpr double kMinWindTriangleGsKt = 25.0;

// What counts ticks in a step of one tick runs once for every tick of the run.
template <typename Step>
void Repeat(int32_t ticks, Step step) {
  for (int32_t i = 0; i < ticks; ++i) step();
}

// A change of pitch as the change over one tick (an eighteenth of a second) of the simulator time
// between the two samples, whatever the frames, the ticks counted or a stall between them; over the
// run's ticks where the clock gives no time (set back, or not running).
double PitchChangePerTick(double change, int32_t ticks) {
  const double now_s = ReadTokenVar604();
  const double elapsed_ticks = (now_s - last_pitch_time_s) * kTicksPerSecond;
  const bool timed = last_pitch_time_s >= 0.0 && std::isfinite(elapsed_ticks) && elapsed_ticks > 0.0;
  last_pitch_time_s = std::isfinite(now_s) ? now_s : -1.0;
  return change / (timed ? elapsed_ticks : ticks);
}

void SampleFlightState(int32_t ticks) {
  SampleAircraftPlace();
  ap_alt_lock = GetApAltLockVar();
  zulu_hour = ReadZuluHour();
  zulu_min = ReadZuluMinute();
  clock_second = ReadClockSecond();
  baro_hpa = ReadAltimeterSetting();
  baro_inhg = baro_hpa / 1013.25 * 29.92;

  xtk_error = ReadTokenVar341();
  nav_rel_brg = ReadTokenVar550();
  gear1_pos = ReadTokenVar332();
  gear2_pos = ReadTokenVar333();
  gear3_pos = ReadTokenVar334();

  plane_mach = ReadTokenVar64() * kMachWordScale;

  const double old_pitch = plane_pitch;
  plane_pitch = ReadTokenVar77();
  alt_rate = PitchChangePerTick(plane_pitch - old_pitch, ticks);

  plane_bank = ReadPlaneBank();
  if (plane_bank > -kLevelBankDeg && plane_bank < kLevelBankDeg) plane_bank = 0.0;
  Repeat(ticks, UpdateStandbyGyro);

  fd_pitch_cmd = ReadFdPitchCmd();
  fd_bank_cmd = ReadFdBankCmd();
  radio_height = ReadTokenVar614() - 9.0;

  ap_spdbug = ReadApSpdBug();
  ap_mach_bug = ReadApMachBug();
  ap_mach = ReadApMach();
  // With the Mach hold on, the speed bug follows the Mach bug at the present airspeed-to-Mach ratio;
  // below Mach 0.1 that ratio means nothing and the simulator's bug stands.
  if (ap_mach == 1.0 && plane_mach >= 0.1) ap_spdbug = ias / plane_mach * ap_mach_bug;

  ap_speed = ReadApSpeed();
  clock_second_b = ReadClockSecond();
  flap_angle = ReadFlapsAngle();
  clock_minute = ReadTokenVar4();
  clock_hour = ReadTokenVar3();
  clock_second_c = ReadClockSecond();
  dme_dist = ReadDmeDistance();
  gsi_needle = ReadTokenVar41();
  nav_obs_crs = ReadTokenVar45();
  cdi_needle = ReadTokenVar40();
  vert_speed = ReadTokenVar65();

  if (clock_second_b != last_clock_second) {
    StepOncePerSecondTimers();
    last_clock_second = clock_second_b;
  }

  ap_hdg_bug = ReadApHdgHold();
  sim_app_hold = ReadApAppHold();
  wind_speed = ReadTokenVar343();
  wind_dir = ReadTokenVar344();
}

void DeriveWindAndTrack() {
  const double a = (wind_dir - plane_hdg_true) * 3.141592653589793 / 180.0;
  head_wind = wind_speed * std::cos(a);
  cross_wind = wind_speed * std::sin(a);

  if (ground_speed > kMinWindTriangleGsKt) {
    true_airspeed = ground_speed + head_wind;
    // One-in-sixty rule. A tailwind equal to the ground speed would divide by zero: no drift then.
    drift_angle = true_airspeed != 0.0 ? cross_wind / (true_airspeed / 60.0) : 0.0;
  } else {
    true_airspeed = 0.0;
    drift_angle = 0.0;
  }

  if (true_airspeed > 0.0) {
    plane_trk_mag = plane_hdg_mag - drift_angle;
    if (plane_trk_mag < 0.0) {
      plane_trk_mag += 360.0;
    } else if (plane_trk_mag >= 360.0) {
      plane_trk_mag -= 360.0;
    }
  } else {
    plane_trk_mag = plane_hdg_mag;
  }
}

void AdvanceCounters(int32_t ticks) {
  Repeat(ticks, [] {
    if (++redraw_tick > 17) redraw_tick = 0;
    if (++tick36_counter > 35) {
      tick36_counter = 0;
      gross_weight = GetPayloadWeight() + GetEmptyWeight();
    }
    if (mcp_knob_idle_ticks < 100) ++mcp_knob_idle_ticks;
  });
  RecordRun(ticks);
}

// The route block's slots: 0, 8 and 12 of the display cycle, and the wrap of the 36-tick counter
// (the CDU keys move redraw_tick, so the two need not coincide), run once when the run passed any.
// An EXEC leaves the active waypoint not measured for the next tick, which then measures the new
// route before anything is painted.
bool IsRouteSlotTick() {
  return (RedrawSlotsPassed() & kRouteBlockSlots) != 0 || Tick36SlotPassed(0) || dist_to_active_wpt == kNoActiveWpt;
}

// Ramps, timers and counts advance by the ticks of the run; the route, guidance and autoflight steps,
// which send key events on what they find, run once on the frame's samples.
void RunTickSteps(int32_t ticks) {
  Repeat(ticks, StepHydraulicPressures);
  Repeat(ticks, [] {
    if (apu_spool_dir == 1 || apu_spool_dir == 2) StepApuSpool();
  });
  StepEarlyTurnSequencing();
  StepAbeamPassage();
  StepLookAhead();
  StepLegTimeStamp();
  if (hold_cnt > 0) StepHoldUpkeep();
  if (vnav == 1 || flch == 1) UpdateSpeedTrend(ticks);
  if (stpos != kNoActiveLeg && IsRouteSlotTick()) {
    RunRouteBlock();
    RunTocTodBlock();
  }
  if (thrust_hold == 1) ProcAutothrottle();
  StepLandingLightFollowUp();
  StepAutopilotFollowUp();
  Repeat(ticks, StepSoundDelays);
  Repeat(ticks, StepIrsAlignment);
  Repeat(ticks, StepSystemsTimers);
  StepFmaAndToga(ticks);
  StepAutolandAndAutobrake();
  StepSimRateAndPauses();
  StepEndOfTick();
}

}  // namespace

void MainUpdate() {
  if (!SampleTickHead()) return;
  const int32_t ticks = TicksElapsed(last_tick18, tick18, tick_runs == 0);
  last_tick18 = tick18;

  SampleFlightState(ticks);
  DeriveWindAndTrack();
  AdvanceCounters(ticks);
  RunTickSteps(ticks);
}
