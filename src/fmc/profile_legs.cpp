#include "fmc/profile_legs.h"

#include <algorithm>
#include <cmath>

#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/fuel_tanks.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace profile {

namespace {

// Weight at and above which the climb is planned 0.25 degrees shallower.
constexpr double kHeavyClimbWeightLb = 194000.0;
// Highest planned descent rate.
constexpr int32_t kMaxDescentRateFpm = 2100;

LegTable leg_table;

// Whole hundreds of ft/min; an absurd speed saturates at the largest hundreds an i32 holds.
int32_t RateInHundredsFpm(double rate_fpm) {
  constexpr double kMostHundreds = 21474836.0;
  return TruncToI32(std::clamp((rate_fpm + 50.0) / 100.0, -kMostHundreds, kMostHundreds)) * 100;
}

}  // namespace

const LegTable& MeasureActiveLegs() {
  LegTable& t = leg_table;
  t.last = ClampedLastRow(fp_cnt);
  if (t.last < 0) return t;
  t.from[0] = 0;
  t.len_nm[0] = 0.0;
  t.brg_deg[0] = 0.0;
  int32_t prev = 0;
  for (int32_t i = 1; i <= t.last; ++i) {
    t.from[i] = prev;
    if (IsDisco(fms_fpln_act[i])) {
      t.len_nm[i] = 0.0;
      t.brg_deg[i] = 0.0;
      continue;
    }
    const RouteLeg& a = fms_fpln_act[prev];
    const RouteLeg& b = fms_fpln_act[i];
    CalcDistBrg(a.lat, a.lon, b.lat, b.lon, &t.len_nm[i], &t.brg_deg[i]);
    prev = i;
  }
  return t;
}

double RouteEndAltitudeFt(const RouteLeg& leg) { return leg.alt <= kNoConstraint ? 0.0 : leg.alt; }

double AircraftWeightLb() { return GetTotalFuelWeight() + gross_weight; }

double ClimbAngleDeg(double weight_lb) {
  return weight_lb >= kHeavyClimbWeightLb ? clb_path_angle - 0.25 : clb_path_angle;
}

int32_t ClimbRateFpm(double angle_deg, double tas_kt) { return RateInHundredsFpm(angle_deg * 100.0 * tas_kt / 60.0); }

double DescentRateFpm(double tas_kt) {
  const int32_t rate = RateInHundredsFpm(VnavDescFPA * 100.0 * tas_kt / 60.0);
  return std::min(kMaxDescentRateFpm, rate);
}

bool RatesUsable(double rate_fpm, double tas_kt) { return rate_fpm > 0.0 && tas_kt > 0.0; }

double HeightOverNm(double dist_nm, double rate_fpm, double tas_kt) {
  return RatesUsable(rate_fpm, tas_kt) ? dist_nm / tas_kt * 60.0 * rate_fpm : 0.0;
}

double DistanceForHeightNm(double height_ft, double rate_fpm, double tas_kt) {
  return RatesUsable(rate_fpm, tas_kt) ? height_ft / rate_fpm * tas_kt / 60.0 : 0.0;
}

double RowBearingDeg(int32_t from, int32_t to) {
  double dist_nm, brg;
  CalcDistBrg(fms_fpln_act[from].lat, fms_fpln_act[from].lon, fms_fpln_act[to].lat, fms_fpln_act[to].lon, &dist_nm,
              &brg);
  return brg;
}

}  // namespace profile
