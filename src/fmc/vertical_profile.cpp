#include "fmc/vertical_profile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

#include "fmc/airspeed.h"
#include "fmc/fmc_globals.h"
#include "fmc/profile_legs.h"
#include "fmc/route_model.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using profile::HasAltConstraint;
using profile::HasSpeed;
using profile::LegTable;

// The plan converts both speed schedules to true airspeed at one level for the whole route.
constexpr double kPlanTasAltFt = 30000.0;
constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
// The T/C counts as reached this close below the cruise altitude.
constexpr double kTocMarginFt = 50.0;
// A climb speed constraint below this is taken for a missing value, not a speed.
constexpr double kMinClimbConstraintKt = 50.0;

using RowIndex = std::array<int32_t, kRouteRows>;

RouteLeg& Act(int32_t row) { return fms_fpln_act[row]; }

// Planned altitudes above 1000 ft are whole hundreds; lower ones are kept as computed.
double CutToHundreds(double alt_ft) { return alt_ft > 1000.0 ? std::trunc(alt_ft / 100.0) * 100.0 : alt_ft; }

void PlanRates() {
  const double angle = profile::ClimbAngleDeg(profile::AircraftWeightLb());
  climb_tas = ConvertIasToTas(climb_ias, kPlanTasAltFt);
  descent_tas = ConvertIasToTas(descent_ias, kPlanTasAltFt);
  climb_rate = profile::ClimbRateFpm(angle, climb_tas);
  tod_rod = profile::DescentRateFpm(descent_tas);
}

// The T/C at `dc_nm` along the route from the origin; left as it was when the route is shorter.
void PlaceTocFromOrigin(const LegTable& t, double dc_nm) {
  double sum = 0.0;
  for (int32_t i = 1; i <= t.last; ++i) {
    const double before = sum;
    sum += t.len_nm[i];
    if (sum >= dc_nm) {
      const RouteLeg& start = Act(t.from[i]);
      CalcDestPoint(start.lat, start.lon, t.brg_deg[i], dc_nm - before, &toc_lat, &toc_lon);
      toc_stpos = i - 1;
      return;
    }
  }
}

// The T/D at `dd_nm` back along the route from the destination; left as it was when the route is
// shorter.
void PlaceTodFromDestination(const LegTable& t, double dd_nm) {
  double sum = 0.0;
  for (int32_t k = t.last; k >= 1; --k) {
    const double len = t.len_nm[k];
    sum += len;
    if (sum >= dd_nm && !IsDisco(Act(k))) {
      CalcDestPoint(Act(k).lat, Act(k).lon, profile::RowBearingDeg(k, t.from[k]), len - (sum - dd_nm), &tod_lat,
                    &tod_lon);
      return;
    }
  }
}

// Legs before a constrained leg that carries a speed fly no faster than it, back to the last leg that
// constrains the altitude alone.
void LowerSpeedsBefore(int32_t i) {
  const RouteLeg& leg = Act(i);
  if (leg.restr != 3) return;
  for (int32_t m = i - 1; m >= 1; --m) {
    RouteLeg& earlier = Act(m);
    if (earlier.restr == 1) break;
    if (leg.ias > kMinClimbConstraintKt && leg.ias < earlier.ias) earlier.ias = leg.ias;
  }
}

// The climb pass over legs 1..last-1; returns the leg at which the climb counts as finished (0 when
// it never does).
int32_t PlanClimb(const LegTable& t, double plan_alt, double dc_nm) {
  const int32_t last = t.last;
  // The look-ahead needs the next constrained leg and the next leg at or above the planning level;
  // the legs after the one being planned still hold their values from before the pass.
  static RowIndex next_constrained, next_high;
  next_constrained[last] = kNone;
  for (int32_t i = last - 1; i >= 1; --i) next_constrained[i] = HasAltConstraint(Act(i)) ? i : next_constrained[i + 1];
  next_high[last - 1] = kNone;
  for (int32_t i = last - 2; i >= 0; --i) next_high[i] = Act(i + 1).alt >= plan_alt ? i + 1 : next_high[i + 1];

  double h = profile::RouteEndAltitudeFt(Act(0));
  double s = 0.0;
  bool finished = false;
  int32_t toc_leg = 0;
  int32_t look_ahead = 0;
  // In flight the climb still to fly starts at the aircraft, not at the origin: from the active leg
  // on, the running altitude and distance are the aircraft's, and while climbing or cruising no leg
  // ahead is planned below it. The legs already flown keep the plan from the origin.
  const bool in_flight = ReadOnGround() == 0 && stpos >= 1 && stpos <= last - 1;
  const double floor_ft = in_flight && tod == 0 ? CutToHundreds(plane_alt) : -std::numeric_limits<double>::infinity();
  climb_floor_ft = std::max(floor_ft, 0.0);
  for (int32_t i = 1; i <= last - 1; ++i) {
    RouteLeg& leg = Act(i);
    double d = t.len_nm[i];
    if (in_flight && i == stpos) {
      d = IsDisco(leg) ? 0.0 : CalcDistNm(plane_lat, plane_lon, leg.lat, leg.lon);
      h = plane_alt;
      s = 0.0;
      finished = false;
      toc_leg = 0;
    }
    s = std::trunc(s + d);
    h += profile::HeightOverNm(d, climb_rate, climb_tas);

    // A constraint ahead below the planning level caps the legs before it once the climb is done.
    look_ahead = 0;
    if (h < plan_alt) {
      const int32_t j = next_constrained[i];
      if (j != kNone && Act(j).alt < plan_alt && !(next_high[i] < j)) look_ahead = j;
    }

    if (HasAltConstraint(leg)) {
      if (finished) continue;
      if (toc == 1) {
        toc_leg = stpos;
        finished = true;
      }
      h = leg.alt;
      LowerSpeedsBefore(i);
      if (s > dc_nm && !finished) {
        toc_leg = i;
        finished = true;
      }
      continue;
    }

    h = CutToHundreds(h);
    if (s > dc_nm && !finished) {
      toc_leg = i;
      finished = true;
    }
    if (look_ahead > 0 && finished) h = std::min(h, Act(look_ahead).alt);
    // Past the T/C the climb from the origin is behind: the legs still to fly are at the cruise level.
    if (toc == 1 && i >= stpos) h = std::max(h, plan_alt);
    if (in_flight && i >= stpos) h = std::max(h, floor_ft);
    leg.alt = h;
    if (leg.restr != 2) {
      leg.ias = climb_ias;
      leg.mach = climb_mach;
    }
    if (ClbSpdRest > 0.0 && h < ClbAltRest - 25.0 && leg.ias > ClbSpdRest) {
      leg.ias = ClbSpdRest;
      leg.mach = 0.0;
    }
    if (h >= plan_alt) {
      h = plan_alt;
      leg.alt = plan_alt;
      if (leg.restr != 2) {
        leg.ias = cruise_ias;
        leg.mach = cruise_mach;
      }
      if (!finished) toc_leg = i;
      finished = true;
    }
  }
  if (look_ahead >= 1 && toc == 0) {
    toc_stpos = look_ahead;
    toc_lat = Act(look_ahead).lat;
    toc_lon = Act(look_ahead).lon;
  }
  return toc_leg;
}

// Speed of leg k of the descent pass; `speed` is the running descent speed.
void PlanDescentSpeed(int32_t k, int32_t constrained_before, int32_t last_constrained, int32_t* speed) {
  RouteLeg& leg = Act(k);
  if (HasAltConstraint(leg)) {
    // Without a speed of its own the leg flies the descent speed: what an earlier plan stored on it
    // is no constraint. Up to the T/C leg it stays, as on the legs without a constraint.
    if (leg.ias == kNoConstraint || (!HasSpeed(leg) && k > toc_stpos)) {
      leg.ias = *speed;
      leg.mach = descent_mach;
    }
    return;
  }
  if (constrained_before > 0) {
    const RouteLeg& ahead = Act(constrained_before);
    if (HasSpeed(ahead) && (leg.ias > ahead.ias || *speed > ahead.ias)) {
      leg.ias = ahead.ias;
      leg.mach = 0.0;
    } else {
      leg.ias = *speed;
      leg.mach = descent_mach;
    }
    return;
  }
  // Only a constraint's own speed raises the descent speed, never one an earlier plan stored: a DES
  // speed entry stays.
  if (last_constrained > 0 && HasSpeed(Act(last_constrained)) && Act(last_constrained).ias > *speed) {
    leg.ias = Act(last_constrained).ias;
    leg.mach = 0.0;
    // The constraint speed becomes the descent speed of the whole plan (the VNAV pages show it).
    *speed = TruncToI32(leg.ias);
    descent_ias = *speed;
    return;
  }
  if (k > toc_stpos) {
    leg.ias = *speed;
    leg.mach = descent_mach;
  }
}

// The descent pass from the destination back towards the T/C leg `toc_leg`; returns the leg where
// the descent meets the planning level (0 when it never does). `speed` ends as the running speed.
int32_t PlanDescent(const LegTable& t, double plan_alt, int32_t toc_leg, int32_t* speed) {
  const int32_t last = t.last;
  static RowIndex prev_constrained;
  prev_constrained[0] = kNone;
  for (int32_t k = 1; k <= last; ++k) prev_constrained[k] = HasAltConstraint(Act(k - 1)) ? k - 1 : prev_constrained[k - 1];

  double h = profile::RouteEndAltitudeFt(Act(last));
  int32_t last_constrained = 0;
  for (int32_t k = last - 1; k >= 1; --k) {
    RouteLeg& leg = Act(k);
    h += profile::HeightOverNm(t.len_nm[k + 1], tod_rod, descent_tas);
    if (HasAltConstraint(leg)) last_constrained = k;
    const int32_t m = prev_constrained[k];
    const int32_t constrained_before = m != kNone && m >= toc_leg ? m : 0;

    if (HasAltConstraint(leg)) {
      h = leg.alt;
    } else if (constrained_before > 0) {
      h = std::min(h, Act(constrained_before).alt);
    }
    if (leg.restr == 2) {
      // A speed-only constraint is the pilot's speed for the leg: the plan keeps it, as in the climb.
      const double own_ias = leg.ias, own_mach = leg.mach;
      PlanDescentSpeed(k, constrained_before, last_constrained, speed);
      leg.ias = own_ias;
      leg.mach = own_mach;
    } else {
      PlanDescentSpeed(k, constrained_before, last_constrained, speed);
    }

    if (k <= toc_stpos) continue;
    h = CutToHundreds(h);
    leg.alt = h;
    if (DescSpdRest > 0.0 && leg.ias > DescSpdRest && h <= DescAltRest) {
      leg.ias = DescSpdRest;
      leg.mach = 0.0;
    }
    if (h >= plan_alt) {
      // Only what the plan itself wrote is capped at the level: a constraint above it (the level
      // lowered below an arrival's constraints) stays the crew's or the procedure's.
      if (!HasAltConstraint(leg)) leg.alt = plan_alt;
      if (!HasSpeed(leg)) {
        leg.ias = cruise_ias;
        leg.mach = cruise_mach;
      }
      return k;
    }
  }
  return 0;
}

// Below the planning level no leg after a speed constraint is planned faster than it.
void ApplySpeedConstraints(int32_t first, int32_t last, double plan_alt, int32_t speed) {
  for (int32_t m = first; m <= last; ++m) {
    RouteLeg& leg = Act(m);
    if (leg.alt >= plan_alt) continue;
    if (HasSpeed(leg)) {
      speed = TruncToI32(leg.ias);
    } else if (leg.ias > speed) {
      leg.ias = speed;
    }
  }
}

// The climb, descent and speed-constraint passes over the legs, for a climb of `dc_nm`.
void PlanLegs(const LegTable& t, double dc_nm, bool climb_usable, bool descent_usable) {
  const double plan_alt = init_cruise_alt;
  const int32_t toc_leg = climb_usable ? PlanClimb(t, plan_alt, dc_nm) : 0;
  int32_t speed = descent_ias;
  const int32_t descent_top = descent_usable ? PlanDescent(t, plan_alt, toc_leg, &speed) : 0;
  ApplySpeedConstraints(descent_top, t.last, plan_alt, speed);
}

// True when the next leg of the climb ahead, below the planning level, is planned below `floor_ft`.
// The climb's legs are those from the active one up to the first at the planning level, or up to
// where the planned altitudes fall again (the descent of a route too short for that level); a
// constrained leg keeps its constraint.
bool ClimbAheadPlannedBelow(double floor_ft, int32_t last) {
  double highest = -std::numeric_limits<double>::infinity();
  for (int32_t i = stpos; i <= last - 1; ++i) {
    const RouteLeg& leg = Act(i);
    if (IsDisco(leg) || HasAltConstraint(leg)) continue;
    if (leg.alt >= init_cruise_alt || leg.alt < highest) return false;
    if (leg.alt < floor_ft) return true;
    highest = leg.alt;
  }
  return false;
}

}  // namespace

void ReplanClimbPassedByAircraft() {
  if (fms_fpln_active < 3 || cruise_alt < 1000 || tod != 0 || init_tod != 0) return;
  // Legs ahead are planned no lower than the floor of the last plan: nothing to do until the aircraft
  // climbs above it.
  const double floor_ft = CutToHundreds(plane_alt);
  if (floor_ft <= climb_floor_ft) return;
  const int32_t last = ClampedLastRow(fp_cnt);
  if (stpos < 1 || stpos > last - 1 || !profile::RatesUsable(climb_rate, climb_tas)) return;
  if (!ClimbAheadPlannedBelow(floor_ft, last) || ReadOnGround() != 0) return;
  const LegTable& t = profile::MeasureActiveLegs();
  const double dc_nm = std::max(0.0, profile::DistanceForHeightNm(cruise_alt - plane_alt, climb_rate, climb_tas));
  // The legs are planned as an EXEC in flight plans them, with the T/C row that plan takes (laid out
  // from the origin before the T/C, none on the legs ahead after it): it decides which legs the
  // descent plans. The T/C itself stays where the tick predicted it.
  const int32_t kept_row = toc_stpos;
  const double kept_lat = toc_lat, kept_lon = toc_lon;
  if (toc == 0) {
    PlaceTocFromOrigin(t, dc_nm);
  } else {
    toc_stpos = std::min(toc_stpos, stpos - 1);
  }
  PlanLegs(t, dc_nm, true, profile::RatesUsable(tod_rod, descent_tas));
  std::tie(toc_stpos, toc_lat, toc_lon) = std::tuple(kept_row, kept_lat, kept_lon);
}

bool CruiseAltitudeReached(int32_t cruise_alt_ft) {
  return cruise_alt_ft - plane_alt < kTocMarginFt || plane_alt > cruise_alt_ft;
}

void CalcRouteProfile(int32_t cruise_alt_ft) {
  const LegTable& t = profile::MeasureActiveLegs();
  if (t.last < 1) return;
  const double a = cruise_alt_ft;
  PlanRates();
  const bool climb_usable = profile::RatesUsable(climb_rate, climb_tas);
  const bool descent_usable = profile::RatesUsable(tod_rod, descent_tas);
  // Already above the cruise altitude there is nothing left to climb.
  const double dc_nm = std::max(0.0, profile::DistanceForHeightNm(a - plane_alt, climb_rate, climb_tas));

  if (toc == 0) {
    if (tod == 0) tod_alt_send_cnt = 0;
    toc_alt = a;
    if (climb_usable) {
      toc_dist = TruncToI32(dc_nm);
      PlaceTocFromOrigin(t, dc_nm);
    }
  }

  if (descent_usable) {
    const int32_t target_row = next_restr_leg >= 0 && next_restr_leg <= t.last ? next_restr_leg : t.last;
    const double target_alt = profile::RouteEndAltitudeFt(Act(target_row));
    const double dd_nm = std::max(0.0, profile::DistanceForHeightNm(a - target_alt, tod_rod, descent_tas));
    PlaceTodFromDestination(t, dd_nm);
  }

  PlanLegs(t, dc_nm, climb_usable, descent_usable);
}
