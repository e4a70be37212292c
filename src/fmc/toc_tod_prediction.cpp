// The in-flight T/C and T/D predictions (declared in vertical_profile.h).
#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/profile_legs.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/vertical_profile.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/readers_flight.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using profile::LegTable;

// CDU page ids of the climb, cruise and descent phases; T/C moves the first and the last to the
// cruise one.
constexpr int32_t kClimbPhasePage = 34;
constexpr int32_t kCruisePhasePage = 35;
constexpr int32_t kDescentPhasePage = 36;

RouteLeg& Act(int32_t row) { return fms_fpln_act[row]; }

bool HasActiveLeg(int32_t last) { return last >= 1 && stpos >= 0 && stpos <= last; }

// The T/C lies on leg i when the leg is longer than the way from its start to the T/C.
bool TocLiesOnLeg(const LegTable& t, int32_t i) {
  const RouteLeg& start = Act(t.from[i]);
  return t.len_nm[i] > CalcDistNm(start.lat, start.lon, toc_lat, toc_lon);
}

}  // namespace

int32_t PredictToc(int32_t flag) {
  const LegTable& t = profile::MeasureActiveLegs();
  if (!HasActiveLeg(t.last)) return 0;
  const double angle = profile::ClimbAngleDeg(profile::AircraftWeightLb());
  climb_rate = profile::ClimbRateFpm(angle, climb_tas);

  const int32_t s = stpos + flag;
  int32_t result = 0;
  bool found = false;
  double dist_from_origin = 0.0;
  for (int32_t i = 1; i <= std::min(s - 1, t.last); ++i) {
    if (TocLiesOnLeg(t, i)) {
      found = true;
      toc_stpos = i;
      result = i;
    }
    dist_from_origin = std::trunc(dist_from_origin + t.len_nm[i]);
  }

  // The legs ahead up to the cruise level: a constraint among them makes the climb a constrained one.
  // In flight the climb goes on from the aircraft's altitude, and a constraint below it is one of the
  // descent, not of the climb.
  const bool in_flight = ReadOnGround() == 0;
  bool constrained = false;
  double climb_ft = in_flight ? plane_alt : 0.0;
  for (int32_t i = s; i <= t.last - 1; ++i) {
    RouteLeg& leg = Act(i);
    if (TocLiesOnLeg(t, i)) {
      found = true;
      toc_stpos = i;
      result = i;
    }
    dist_from_origin = std::trunc(dist_from_origin + t.len_nm[i]);
    climb_ft += profile::HeightOverNm(t.len_nm[i], climb_rate, climb_tas);
    if (leg.alt >= cruise_alt || climb_ft >= cruise_alt) break;
    if (!profile::HasAltConstraint(leg) || (in_flight && leg.alt < plane_alt)) continue;
    constrained = true;
    if (dist_from_origin < toc_dist) {
      toc_lat = leg.lat;
      toc_lon = leg.lon;
    }
    if (!found) {
      cross_at_lat = leg.lat;
      cross_at_lon = leg.lon;
      cross_at_elev = leg.alt;
      toc_stpos = i;
      result = i;
    }
  }
  if (constrained || !profile::RatesUsable(climb_rate, climb_tas)) return result;

  // An unconstrained climb: lay the climb distance out along the route from the present position.
  const double dc_nm = std::max(0.0, profile::DistanceForHeightNm(cruise_alt - plane_alt, climb_rate, climb_tas));
  double sum = 0.0;
  double from_lat = plane_lat, from_lon = plane_lon;
  for (int32_t i = stpos; i == stpos || i <= t.last - 1; ++i) {
    const RouteLeg& to = Act(i);
    if (IsDisco(to)) continue;
    double step_nm, brg;
    CalcDistBrg(from_lat, from_lon, to.lat, to.lon, &step_nm, &brg);
    sum += step_nm;
    if (sum >= dc_nm) {
      CalcDestPoint(from_lat, from_lon, brg, step_nm - (sum - dc_nm), &toc_lat, &toc_lon);
      cross_at_lat = toc_lat;
      cross_at_lon = toc_lon;
      if (flag == 0) toc_stpos = i - 1;
      return i;
    }
    from_lat = to.lat;
    from_lon = to.lon;
  }
  return result;
}

void PredictTod(int32_t flag) {
  const int32_t last = ClampedLastRow(fp_cnt);
  if (!HasActiveLeg(last)) return;

  int32_t start_alt;
  int32_t first;
  if (flag == 1) {
    tod_stpos = stpos;
    tod = 0;
    start_alt = TruncToI32(Act(stpos).alt);
    cruise_alt = start_alt;
    first = stpos + 1;
    if (fms_page == kClimbPhasePage || fms_page == kDescentPhasePage) fms_page = kCruisePhasePage;
    ComputeRouteDistances();
  } else {
    start_alt = toc == 1 ? TruncToI32(plane_alt) : cruise_alt;
    first = stpos;
  }

  // The segment ends at the earliest altitude constraint below the start after the T/C.
  int32_t end_row = last;
  int32_t end_alt = TruncToI32(profile::RouteEndAltitudeFt(Act(last)));
  for (int32_t m = last - 1; m >= first; --m) {
    const RouteLeg& leg = Act(m);
    if (leg.alt >= start_alt || m <= toc_stpos) break;
    if (profile::HasAltConstraint(leg)) {
      end_alt = TruncToI32(leg.alt);
      end_row = m;
    }
  }

  if (profile::RatesUsable(tod_rod, descent_tas)) {
    const LegTable& t = profile::MeasureActiveLegs();
    const double dd_nm = std::max(0.0, profile::DistanceForHeightNm(static_cast<double>(start_alt) - end_alt, tod_rod, descent_tas));
    double remaining_nm = dd_nm;
    bool placed = false;
    if (end_row >= stpos) {
      // Back along the route ahead of the active waypoint.
      double sum = 0.0;
      for (int32_t j = end_row; j > stpos && !placed; --j) {
        const double len = t.len_nm[j];
        sum += len;
        if (sum >= dd_nm && !IsDisco(Act(j))) {
          CalcDestPoint(Act(j).lat, Act(j).lon, profile::RowBearingDeg(j, t.from[j]), len - (sum - dd_nm), &tod_lat,
                        &tod_lon);
          placed = true;
        }
      }
      if (!placed) remaining_nm = dd_nm - sum;
    }
    if (!placed) {
      // Behind the active waypoint, on the aircraft's side of it. The bearing is measured here: the
      // tick's one still points at the waypoint flown to before an EXEC.
      const RouteLeg& wpt = Act(stpos);
      double wpt_nm = 0.0, brg_true = 0.0;
      CalcDistBrg(plane_lat, plane_lon, wpt.lat, wpt.lon, &wpt_nm, &brg_true);
      // After the T/C a descent begins no further back than where its segment starts, the active
      // waypoint's constraint or the aircraft: a T/D behind that is never met, and VNAV would hold the
      // altitude all the way to the constraint.
      if (toc == 1) remaining_nm = std::min(remaining_nm, flag == 1 ? 0.0 : wpt_nm);
      CalcDestPoint(wpt.lat, wpt.lon, norm360(brg_true + 180.0), remaining_nm, &tod_lat, &tod_lon);
    }
    // A descent under way keeps the altitude it began at: the path runs from there and its start point,
    // which stays, so an EXEC during the descent moves neither under the aircraft.
    if (!(toc == 1 && tod == 1)) tod_alt = start_alt;
  }
  // Until this segment's descent begins, the T/D just placed is where the tick measures it from.
  if (toc == 1 && tod == 0) {
    last_restr_lat = tod_lat;
    last_restr_lon = tod_lon;
  }
  ComputeRouteDistances();
}
