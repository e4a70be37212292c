#include "afds/flch_thrust.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "fmc/thrust_limits.h"
#include "sim/debug_log.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/config_globals.h"

namespace {

constexpr uint32_t kThrottleDisconnectOffset = 0x310A;
constexpr uint8_t kThrottleDisconnectBit = 8;
constexpr int32_t kClimbThrustMode = 3;
constexpr int32_t kCruiseThrustMode = 6;

// Within this of the altitude lock the autopilot's altitude capture has the aircraft.
constexpr double kFlchIdleBandFt = 90.0;
// Within this of the altitude lock FLCH hands over to ALT HOLD or V/S.
constexpr double kCaptureBandFt = 700.0;
constexpr double kAltHoldCaptureFt = 35.0;
// Lever tolerances: a step event beyond the step band, a direct set inside it.
constexpr double kLeverStepBand = 300.0;
constexpr double kFlchLeverDeadband = 150.0;
constexpr double kAutothrottleLeverDeadband = 200.0;
constexpr double kAutothrottleMinSet = 10.0;
constexpr double kIdleLever = 10.0;
constexpr double kDescentVsLeverLimit = 150.0;
// Above this on the take-off roll THR no longer moves the levers.
constexpr double kThrustHoldIasKt = 80.0;
// Speed target limits.
constexpr double kMachConversionMin = 0.1;  // below this the airspeed/Mach ratio means nothing
constexpr double kHighAltitudeFt = 30000.0;
constexpr double kMaxIasLowKt = 320.0;
constexpr double kMaxIasHighKt = 300.0;
constexpr double kMinTargetIasKt = 160.0;
// Vertical-speed command limits, ft/min.
constexpr double kClimbVsMin = 300.0;
constexpr double kClimbVsMax = 8500.0;
constexpr double kDescentVsMin = -8500.0;
constexpr double kDescentVsMax = -1000.0;
constexpr double kCaptureClimbVsMax = 1800.0;
constexpr double kCaptureDescentVsMin = -1800.0;
constexpr int32_t kCaptureVsLimit = 1000;
constexpr int32_t kLastPassCount = 17;
// Redraw slots 0, 3, 6, 9, 12 and 15: the idle levers are driven every third tick; the climb
// levers on slots 0 and 8.
constexpr uint32_t kEveryThirdSlot = 0x9249u;
constexpr uint32_t kClimbLeverSlots = 1u << 0 | 1u << 8;

using ap_event::Send;

void WriteThrottleDisconnectBit() {
  if (!FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, kFsuipcSharedBufferBytes)) return;
  FsuipcWrite(kThrottleDisconnectOffset, 1, &kThrottleDisconnectBit, &fsuipc_result);
  FsuipcProcess(&fsuipc_result);
  FsuipcClose();
}

// The lever position of the thrust-limit EPR. The formula overshoots the lever's range at high
// EPR (and undershoots below 1.0), so it is kept within the lever's travel.
double LeverForEprBug() {
  const double e = epr_bug + 0.00125 - 1.0;
  const double lever = IsPwEngine() ? e * 2.0 * ap_event::kFullLever : e / 0.9 * ap_event::kFullLever;
  return ap_event::WithinLeverTravel(lever);
}

void SetLeverDirectly(double target) {
  thr_release_pending = 1;
  FsuipcClear310A();
  Send(ap_event::kThrottleSet, TruncToI32(target));
}

// The steps the run owes on `slots` when the lever lies more than the step band from the target,
// no more than leave it short of the target (a step is smaller than the band); false when it lies
// within the band (where the lever is set directly).
bool StepLever(double diff, uint32_t slots) {
  const int32_t steps = StepsOwedWithin(std::floor(std::fabs(diff) / kLeverStepBand), slots);
  if (diff > kLeverStepBand) {
    ap_event::SendSteps(ap_event::kThrottleStepUp, steps);
    return true;
  }
  if (diff < -kLeverStepBand) {
    ap_event::SendSteps(ap_event::kThrottleStepDown, steps);
    return true;
  }
  return false;
}

// Step or set the levers towards thrust_target unless the target stands and the lever is there.
void DriveClimbLevers() {
  const double lever = ReadEng1ThrottlePos();
  if (thrust_target == thrust_target_prev && lever >= thrust_target - kFlchLeverDeadband &&
      lever <= thrust_target + kFlchLeverDeadband) {
    return;
  }
  if (!StepLever(thrust_target - lever, kClimbLeverSlots)) SetLeverDirectly(thrust_target);
  thrust_target_prev = thrust_target;
}

void DriveIdleLevers(int32_t owed) {
  const double lever = ReadEng1ThrottlePos();
  if (lever < 1.0) return;
  if (lever > kIdleLever) {
    ap_event::SendSteps(ap_event::kThrottleStepDown, owed);
  } else {
    FsuipcClear310A();
    thr_release_pending = 1;
    Send(ap_event::kThrottleSet, 0);
  }
}

void ControlThrust() {
  if (ReadApSpeed() != 0.0) {
    Send(ap_event::kAirspeedHoldOff);
    Send(ap_event::kMachHoldOff);
  }
  if (at_arm == 0.0) return;
  if (Tick36SlotPassed(0)) WriteThrottleDisconnectBit();
  if (ap_alt_lock > plane_alt) {
    thrust_target = LeverForEprBug();
    if (StepsOwed(kClimbLeverSlots) > 0) DriveClimbLevers();
  } else if (const int32_t owed = StepsOwed(kEveryThirdSlot); owed > 0) {
    DriveIdleLevers(owed);
  }
}

// Past 80 kt on the roll the levers are the crew's until the aircraft flies: closed for a rejected
// take-off they stay closed, at any speed down to the stop. The throttles' own axes are given back.
bool LeversHeldOnTheRoll() {
  if (ReadOnGround() == 0) {
    thr_roll_held = 0;
  } else if (thr_roll_held == 0 && ias > kThrustHoldIasKt) {
    thr_roll_held = 1;
    FsuipcClear310A();
  }
  return thr_roll_held == 1;
}

double MaxIasAt(double alt_ft) { return alt_ft < kHighAltitudeFt ? kMaxIasLowKt : kMaxIasHighKt; }

void UpdateSpeedTarget() {
  if (target_mach > 0.0) {
    if (plane_mach < kMachConversionMin) return;  // on the ground the ratio is meaningless
    target_ias = ias / plane_mach * target_mach;
    Send(ap_event::kAirspeedTarget, TruncToI32(target_ias));
    const double max_ias = MaxIasAt(plane_alt);
    if (target_ias > max_ias) {
      target_ias = max_ias;
      Send(ap_event::kAirspeedTarget, TruncToI32(max_ias));
    }
  } else if (target_ias < kMinTargetIasKt) {
    target_ias = kMinTargetIasKt;
  } else {
    target_ias = std::min(target_ias, MaxIasAt(plane_alt));
  }
}

struct BandGains {
  double lo_fast;
  double hi_fast;
  double lo_slow;
  double hi_slow;
};

// The rules of the climb or the descent: gain K on the trend, the trend thresholds of the far
// (deviation above 5 kt) and near (1..5 kt) bands, their extra steps, and the branch numbers.
struct PitchTable {
  double k;
  BandGains far;
  BandGains near;
  double fast_up_bias;    // added when too fast and not decelerating
  double slow_down_bias;  // taken off when too slow and not accelerating
  double on_speed_step;   // within a knot of the target
  int32_t far_base, near_base, on_speed_base;
};

constexpr PitchTable kClimbTable{10000.0, {-0.05, -0.05, 0.05, 0.05}, {-0.0125, -0.017, 0.0125, 0.017}, 0.0, 0.0,
                                 200.0, 31, 1, 7};
constexpr PitchTable kDescentTable{2500.0, {-0.05, -0.05, 0.05, 0.05}, {-0.0125, -0.02, 0.0125, 0.02}, 200.0, 300.0,
                                   100.0, 311, 11, 17};

// Up of x is at most 300 ft/min above the present vertical speed, down of x at most 300 below.
double TableVs(const PitchTable& t, double v, double dev, double tr, bool fast) {
  const auto up = [v](double x) { return std::min(v + 300.0, x); };
  const auto down = [v](double x) { return std::max(v - 300.0, x); };
  if (dev <= 1.0) {
    // Within a knot of the target only the trend counts.
    if (tr < -0.001) {
      vs_chg = t.on_speed_base;
      return down(v - t.on_speed_step + t.k * tr);
    }
    if (tr > 0.001) {
      vs_chg = t.on_speed_base + 1;
      return up(v + t.on_speed_step + t.k * tr);
    }
    vs_chg = t.on_speed_base + 2;
    return v;
  }
  const BandGains& g = dev > 5.0 ? t.far : t.near;
  const int32_t base = dev > 5.0 ? t.far_base : t.near_base;
  if (fast) {
    if (tr > g.lo_fast) {
      vs_chg = base;
      return up(v + t.fast_up_bias + 100.0 * dev + t.k * tr);
    }
    if (tr < g.hi_fast) {
      vs_chg = base + 1;
      return down(v - 100.0 * dev + t.k * tr);
    }
    vs_chg = base + 2;
    return v;
  }
  if (tr < g.lo_slow) {
    vs_chg = base + 3;
    return down(v - t.slow_down_bias - 100.0 * dev + t.k * tr);
  }
  if (tr > g.hi_slow) {
    vs_chg = base + 4;
    return up(v + 100.0 * dev + t.k * tr);
  }
  vs_chg = base + 5;
  return v;
}

double ClimbVs(double v, double dev, double tr, bool fast, double d) {
  double vs = std::clamp(TableVs(kClimbTable, v, dev, tr, fast), kClimbVsMin, kClimbVsMax);
  if (d < kCaptureBandFt) vs = std::min(vs, kCaptureClimbVsMax);
  return vs;
}

double DescentVs(double v, double dev, double tr, bool fast, double d) {
  double vs = std::clamp(TableVs(kDescentTable, v, dev, tr, fast), kDescentVsMin, kDescentVsMax);
  if (d < kCaptureBandFt) vs = std::max(vs, kCaptureDescentVsMin);
  // With thrust still above idle the descent waits for the levers.
  if (ReadEng1ThrottlePos() > kDescentVsLeverLimit) {
    vs = 0.0;
    vs_chg = 501;
  }
  return vs;
}

// The speed is flown with the pitch: the commanded vertical speed moves with the speed error and
// the airspeed trend.
void CommandPitch(double s, double d) {
  const double v = vert_speed;
  const double dev = ias_target_dev;
  const double tr = ias_trend;
  const bool fast = s > target_ias + 0.5;
  if (dev > 10.0 && tr > 0.2) {
    spdhld_vs = v + 500.0;
    vs_chg = 399;
  } else if (dev > 10.0 && tr < -0.2) {
    spdhld_vs = v - 500.0;
    vs_chg = 400;
  } else if (dev <= 10.0 && tr > 0.075) {
    spdhld_vs = v + 500.0;
    vs_chg = 401;
  } else if (dev <= 10.0 && tr < -0.075) {
    spdhld_vs = v - 500.0;
    vs_chg = 402;
  } else if (ap_alt_lock > plane_alt) {
    spdhld_vs = ClimbVs(v, dev, tr, fast, d);
  } else {
    spdhld_vs = DescentVs(v, dev, tr, fast, d);
  }
  Send(ap_event::kVerticalSpeed, TruncToI32(spdhld_vs));
}

void CaptureSelectedAltitude() {
  if (spdhld_vs > kCaptureVsLimit) {
    Send(ap_event::kVerticalSpeed, kCaptureVsLimit);
  } else if (spdhld_vs < -1500.0) {
    Send(ap_event::kVerticalSpeed, -kCaptureVsLimit);
  }
  if (flch == 1) {
    flch = 0;
    vs_hold_mode = 0;
    fma_pitch_box_timer = kFmaBoxTicks;
    spd_hold = 0;
    if (at_arm == 1.0) EngageSpeedHold();
    if (std::fabs(plane_alt - alt_sel_num) < kAltHoldCaptureFt) {
      ToggleAltHold(alt_sel_num);
    } else {
      ToggleVsMode();
    }
    thr_ref_crz_req = 1;
    SelectThrustMode(kCruiseThrustMode);
  } else {
    FsuipcClear310A();
    ReadSpeedModeSelect();
    Send(speed_mode_select != 0 ? ap_event::kMachHoldOn : ap_event::kAirspeedHoldOn);
  }
}

}  // namespace

void SelectThrustMode(int32_t mode) {
  tmsp = mode;
  epr_bug = GetThrustLimitEpr(0.0);
  epr_bug_2 = epr_bug;
}

void PressTmspTo() {
  thr_ref_to_req = 1;
  if (ReadOnGround() != 0) {
    to_epr_temp_sel = ReadTokenVar350();
    SelectThrustMode(1);
  } else {
    SelectThrustMode(2);  // go-around reference
  }
}

void PressTmspCrz() {
  thr_ref_crz_req = 1;
  SelectThrustMode(6);
}

void UpdateSpeedTrend(int32_t ticks) {
  const double s = ReadAirspeedSmoothed();
  // FLCH or VNAV taking the speed after a run without either: the history is their last flight's (or
  // none), and its trend would pitch the wrong way for a second. The trend starts level where it is.
  if (ias_trend_run < tick_runs - 1 || ias_trend_run > tick_runs) {
    std::fill(ias_trend_hist, ias_trend_hist + kIasTrendSamples, s);
  }
  ias_trend_run = tick_runs;
  ias_target_dev = std::fabs(s - (target_ias + 0.5));
  ShiftInSkippedTicks(ias_trend_hist, kIasTrendSamples, s, ticks);
  // Fifteen differences over fourteen: the controller's gains are tuned to it.
  ias_trend = (ias_trend_hist[0] - ias_trend_hist[kIasTrendSamples - 1]) / 14.0;
  std::copy_backward(ias_trend_hist, ias_trend_hist + kIasTrendSamples - 1, ias_trend_hist + kIasTrendSamples);
  ias_trend_hist[0] = s;
}

void ProcFlch() {
  const double d = std::fabs(ap_alt_lock - plane_alt);
  if (d < kFlchIdleBandFt) return;

  if (tmsp != 3 && tmsp != 4 && tmsp != 5 && radio_height > accel_ht) SelectThrustMode(kClimbThrustMode);
  if (FlchFliesThrust()) ControlThrust();

  if (spdhld_flsh_ctr >= 0) {
    const double s = ReadAirspeedSmoothed();
    UpdateSpeedTarget();
    CommandPitch(s, d);
  }
  if (plane_alt > ap_alt_lock && spdhld_vs > 0.0) {
    spdhld_vs = 0.0;
    vs_chg = 601;
  }
  if (log_file != nullptr) DumpFplVnavLog();

  if (d < kCaptureBandFt) {
    CaptureSelectedAltitude();
  } else if (ReadApAltHold() == 0.0) {
    Send(ap_event::kAltitudeHoldOn);
  }
  if (++spdhld_flsh_ctr > kLastPassCount) spdhld_flsh_ctr = 0;
}

void ProcAutothrottle() {
  if (LeversHeldOnTheRoll()) return;
  if (Tick36SlotPassed(0)) WriteThrottleDisconnectBit();
  thrust_target = LeverForEprBug();
  const double lever = ReadEng1ThrottlePos();
  if (thrust_target == thrust_target_prev && !Tick36SlotPassed(0) &&
      std::fabs(lever - thrust_target) <= kAutothrottleLeverDeadband) {
    return;
  }
  const double diff = thrust_target - lever;
  if (!StepLever(diff, kEveryRedrawSlot)) {
    if (std::fabs(diff) > kAutothrottleMinSet) SetLeverDirectly(thrust_target);
    WriteThrottleDisconnectBit();
  }
  thrust_target_prev = thrust_target;
}
