// Shared pieces of the vertical profile and the T/C-T/D predictions: the leg lengths of the active
// route, the constraint tests, and the planned climb and descent rates. Units: NM, ft, ft/min, kt.
#pragma once

#include <cstdint>

#include "fmc/route_model.h"
#include "fmc/route_types.h"

namespace profile {

// A gap carries the constraint of the leg after it for the pages and maps; the plan meets it at that
// leg, not at a place of no length before it.
inline bool HasAltConstraint(const RouteLeg& leg) { return IsAltitudeConstraint(leg.restr) && !IsPlaceholder(leg); }
inline bool HasSpeed(const RouteLeg& leg) { return IsSpeedConstraint(leg.restr) && !IsPlaceholder(leg); }

// Leg i of the active route runs from row from[i] to row i. A discontinuity has no length: the leg
// after it is measured from the last row before it, so that the plan and the route-following
// distances agree.
struct LegTable {
  int32_t last = -1;                // last row measured (fp_cnt held inside the table); -1 none
  int32_t from[kRouteRows] = {};
  double len_nm[kRouteRows] = {};   // row 0: 0
  double brg_deg[kRouteRows] = {};  // true, at row from[i] towards row i
};

// Measures rows 0..fp_cnt of the active route into a table in static storage and returns it.
const LegTable& MeasureActiveLegs();

// The origin's or the destination's altitude as a starting level: a route end carries -999.0 when
// nothing gave it an altitude, which stands for no value, not for 999 ft below sea level.
double RouteEndAltitudeFt(const RouteLeg& leg);

// Total fuel plus gross_weight.
double AircraftWeightLb();
// clb_path_angle, 0.25 degrees less for a heavy aircraft.
double ClimbAngleDeg(double weight_lb);
// Rate of a climb at `angle_deg` and `tas_kt`, rounded to whole hundreds of ft/min.
int32_t ClimbRateFpm(double angle_deg, double tas_kt);
// Rate of a descent on VnavDescFPA at `tas_kt`, rounded to whole hundreds, at most 2100 ft/min.
double DescentRateFpm(double tas_kt);

// Feet gained or lost over a distance at a rate and a true airspeed, and the NM needed for a height.
// Both are meaningful only while RatesUsable holds; otherwise they give 0.0.
bool RatesUsable(double rate_fpm, double tas_kt);
double HeightOverNm(double dist_nm, double rate_fpm, double tas_kt);
double DistanceForHeightNm(double height_ft, double rate_fpm, double tas_kt);

// Bearing from row `from` to row `to` of the active route, degrees true.
double RowBearingDeg(int32_t from, int32_t to);

}  // namespace profile
