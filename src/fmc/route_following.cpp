#include "fmc/route_following.h"

#include <algorithm>
#include <cmath>

#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/path_legs.h"

namespace {

// Half-length of the passage line either side of the waypoint.
constexpr double kAbeamLineNm = 22.0;

struct Point {
  double lat;
  double lon;
};

double Dist(Point a, Point b) { return CalcDistNm(a.lat, a.lon, b.lat, b.lon); }
Point LegPoint(int32_t i) { return {fms_fpln_act[i].lat, fms_fpln_act[i].lon}; }
Point PresentPosition() { return {plane_lat, plane_lon}; }

double MagneticBearingFromAircraft(Point p) { return MagneticBearing(plane_lat, plane_lon, p.lat, p.lon, mag_var); }

struct Relative {
  double angle;  // 0..180 from the course
  bool left;     // counter-clockwise of the course by more than 0 and up to 180 degrees
};

Relative RelativeToCourse(double bearing, double course) {
  double ccw = norm360(course - bearing);
  return {ccw > 180.0 ? 360.0 - ccw : ccw, ccw > 0.0 && ccw <= 180.0};
}

// Distances between a leg and another point, kept per leg with the two positions they were
// computed for: the legs, the T/C, the T/D and the descent start rarely move between ticks, so the
// walks of the next tick find most of them again. A kept value is used only for exactly the same
// two positions, so it is the value the computation would give.
constexpr double kNoPoint = 1.0e300;
struct KeptDist {
  Point a{kNoPoint, kNoPoint};
  Point b{kNoPoint, kNoPoint};
  double nm = 0.0;
};

enum KeptTo { kToPreviousLeg, kToDescentStart, kToTod, kToToc, kKeptKinds };
KeptDist kept[kKeptKinds][kRouteRows];

double KeptDistNm(KeptTo kind, int32_t leg, Point a, Point b) {
  KeptDist& k = kept[kind][leg];
  if (k.a.lat != a.lat || k.a.lon != a.lon || k.b.lat != b.lat || k.b.lon != b.lon) k = {a, b, Dist(a, b)};
  return k.nm;
}

// Length from leg `from` to leg `to`, kept under `to` (the caller passes the previous real leg).
double SegmentNm(int32_t from, int32_t to) { return KeptDistNm(kToPreviousLeg, to, LegPoint(from), LegPoint(to)); }

// Distance from `p` (leg `leg`, or -1 for the present position) to a point of the profile.
double ToProfilePointNm(KeptTo kind, Point p, int32_t leg, Point target) {
  return leg >= 0 ? KeptDistNm(kind, leg, p, target) : Dist(p, target);
}

// Walks back from `start` (leg `start_leg`, or -1 for the present position) through the legs
// first, first-1, ... lowest ("DISCO" skipped) towards `target`: each segment adds its length until
// the target is no farther than the next leg, then the distance to the target ends the walk.
double BackwardWalk(Point start, int32_t start_leg, int32_t first, int32_t lowest, Point target) {
  double acc = 0.0;
  Point current = start;
  int32_t current_leg = start_leg;
  for (int32_t k = std::min(first, ClampedLastRow(fp_cnt)); k >= lowest; --k) {
    if (IsDisco(fms_fpln_act[k])) continue;
    Point leg = LegPoint(k);
    double d = current_leg >= 0 ? SegmentNm(k, current_leg) : Dist(current, leg);
    double to_target = ToProfilePointNm(kToDescentStart, current, current_leg, target);
    if (d >= to_target) return acc + to_target;
    acc += d;
    current = leg;
    current_leg = k;
  }
  return acc;
}

// The same walk starting at leg `from` (a "DISCO" there starts at the leg before it).
double BackwardWalkFromLeg(int32_t from, Point target) {
  from = std::min(from, ClampedLastRow(fp_cnt));
  while (from >= 0 && IsDisco(fms_fpln_act[from])) --from;
  if (from < 0) return 0.0;
  return BackwardWalk(LegPoint(from), from, from - 1, 0, target);
}

}  // namespace

int32_t IsActiveWptPassed() {
  if (stpos < 0 || stpos > ClampedLastRow(fp_cnt)) return 0;
  const Point w = LegPoint(stpos);
  const double course = rel_leg_course;
  double left_perp = course - 90.0;
  if (left_perp < 0.0) left_perp += 360.0;
  double right_perp = course + 90.0;
  if (right_perp > 360.0) right_perp -= 360.0;

  Point pl, pr;
  CalcDestPoint(w.lat, w.lon, norm360(left_perp + mag_var), kAbeamLineNm, &pl.lat, &pl.lon);
  CalcDestPoint(w.lat, w.lon, norm360(right_perp + mag_var), kAbeamLineNm, &pr.lat, &pr.lon);
  const Relative to_w = RelativeToCourse(MagneticBearingFromAircraft(w), course);
  const Relative to_pl = RelativeToCourse(MagneticBearingFromAircraft(pl), course);
  const Relative to_pr = RelativeToCourse(MagneticBearingFromAircraft(pr), course);

  // Passed: the waypoint and the far end of the line on the other side both lie behind.
  bool passed_right = !to_w.left && to_pl.left && to_w.angle > 90.0 && to_pl.angle > 90.0;
  bool passed_left = to_w.left && !to_pr.left && to_w.angle > 90.0 && to_pr.angle > 90.0;
  return passed_right || passed_left ? 1 : 0;
}

void SetLnavFromLeg(const RouteLeg& from) {
  LnavLeg& lnav = lnav_leg[0];
  if (IsDisco(from)) {
    lnav.FrId = "DIRECT";
    lnav.fr_lat = plane_lat;
    lnav.fr_lon = plane_lon;
  } else {
    lnav.FrId = from.ident;
    lnav.fr_lat = from.lat;
    lnav.fr_lon = from.lon;
  }
}

double ShownDistToActiveWptNm() {
  if (dist_to_active_wpt >= 0.0 || stpos < 0 || stpos > ClampedLastRow(fp_cnt)) return dist_to_active_wpt;
  return Dist(PresentPosition(), LegPoint(stpos));
}

void ComputeRouteDistances() {
  const int32_t last = ClampedLastRow(fp_cnt);
  if (last < 0) return;
  CalcDistBrg(plane_lat, plane_lon, fms_fpln_act[last].lat, fms_fpln_act[last].lon, &dest_dtg, &dest_brg);

  // Reset on every call: with no cruise altitude they would otherwise grow without end.
  route_dist_total = dist_to_tod = route_dist_acc = route_dist_sum = 0.0;
  tod_dist_acc = tod_path_dist = dist_to_cross_at = 0.0;

  const Point toc_pt{toc_lat, toc_lon};
  const Point tod_pt{tod_lat, tod_lon};
  const Point tod_start{last_restr_lat, last_restr_lon};
  const int32_t constraint_leg = std::min(next_restr_leg, last);
  double forward_sum = 0.0;
  double forward_to_constraint = 0.0;
  bool toc_met = false;
  bool tod_met = false;
  Point prev = PresentPosition();
  int32_t prev_leg = -1;
  for (int32_t i = std::max(stpos, 0); i <= last; ++i) {
    if (IsDisco(fms_fpln_act[i])) continue;
    const Point leg = LegPoint(i);
    const double d = prev_leg >= 0 ? SegmentNm(prev_leg, i) : Dist(prev, leg);
    forward_sum += d;
    if (i <= constraint_leg) forward_to_constraint = forward_sum;
    if (toc == 1) {
      if (!tod_met) {
        double to_tod = ToProfilePointNm(kToTod, prev, prev_leg, tod_pt);
        if (d >= to_tod) {
          dist_to_tod += to_tod;
          tod_met = true;
        } else {
          dist_to_tod += d;
        }
      }
    } else if (!toc_met) {
      double to_toc = ToProfilePointNm(kToToc, prev, prev_leg, toc_pt);
      if (d > to_toc) {
        toc_met = true;
        route_dist_total += to_toc;
      } else {
        route_dist_total += d;
        if (i == next_restr_leg) dist_to_cross_at = route_dist_total;
      }
    }
    prev = leg;
    prev_leg = i;
  }

  if (toc_dist_done == 1) route_dist_acc = BackwardWalkFromLeg(last, tod_start);
  route_dist_sum = BackwardWalkFromLeg(next_restr_leg, tod_start);
  if (init_tod == 1) {
    tod_dist_acc = forward_to_constraint;
    if (stpos != kNoActiveLeg) tod_path_dist = BackwardWalk(PresentPosition(), -1, tod_stpos - 1, 1, tod_start);
  }
  dest_dtg = forward_sum;
  if (cruise_alt <= 1000) return;

  if (toc == 1) {
    if (tod == 1) {
      dist_to_cross_at = tod_dist_acc;
      if (route_dist_sum > 0.0) {
        vnav_path_alt = tod_alt - (tod_alt - cross_at_elev) / route_dist_sum * tod_path_dist;
      }
      return;
    }
    dist_to_cross_at = dist_to_tod;
    if (route_dist_acc >= dest_dtg) {
      tod = 1;
      if (init_tod == 0 && init_cruise_alt == cruise_alt) {
        last_restr_lat = tod_lat;
        last_restr_lon = tod_lon;
        init_tod = 1;
        tod_stpos = stpos;
      }
      ComputeRouteDistances();  // once more, now past the T/D
      if (next_restr_leg >= 0 && next_restr_leg <= last) cross_at_elev = fms_fpln_act[next_restr_leg].alt;
    }
    return;
  }
  if (dist_to_cross_at == 0.0) dist_to_cross_at = route_dist_total;
}
