#include "fmc/route_following.h"

#include <algorithm>
#include <cmath>

#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"

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

// Points of the sphere as unit vectors from its centre: x towards 0N 0E, y towards 0N 90E, z towards
// the north pole. Great circles are then planes through the centre, and the sides of one are the
// signs of a product with its pole, exact on legs of any length and at the geographic poles.
struct Vec {
  double x, y, z;
};

Vec UnitVector(Point p) {
  const double lat = p.lat * kDegToRad;
  const double lon = p.lon * kDegToRad;
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Norm(Vec a) { return std::sqrt(Dot(a, a)); }
Vec Scaled(Vec a, double k) { return {a.x * k, a.y * k, a.z * k}; }
Vec Sum(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// East and north at p; at a geographic pole those of p's meridian, as CalcDistBrg measures there.
Vec EastAt(Point p) {
  const double lon = p.lon * kDegToRad;
  return {-std::sin(lon), std::cos(lon), 0.0};
}
Vec NorthAt(Point p) {
  const double lat = p.lat * kDegToRad;
  const double lon = p.lon * kDegToRad;
  return {-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
}

// True bearing at p of a direction tangent there.
double BearingAt(Point p, Vec dir) { return norm360(std::atan2(Dot(dir, EastAt(p)), Dot(dir, NorthAt(p))) * kRadToDeg); }

// Below this a cross product of unit vectors is taken as no direction (points some 3 mm apart).
constexpr double kNoCircle = 1e-9;
// Beyond the passage line by no more than the rounding of the positions is still on it.
constexpr double kOnTheLineNm = 1e-9;

// The pole of the active leg's great circle on its left: the leg runs from the LNAV from-point to
// waypoint w. A from-point on w (or its antipode) gives no circle; the leg is then the one leaving
// w on the course rel_leg_course.
Vec ActiveLegPole(Point w) {
  const Vec wv = UnitVector(w);
  Vec pole = Cross(UnitVector({lnav_leg[0].fr_lat, lnav_leg[0].fr_lon}), wv);
  if (Norm(pole) < kNoCircle) {
    const double crs = (rel_leg_course + mag_var) * kDegToRad;
    pole = Cross(wv, Sum(Scaled(NorthAt(w), std::cos(crs)), Scaled(EastAt(w), std::sin(crs))));
  }
  return Scaled(pole, 1.0 / Norm(pole));
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

// A point of the profile counts as on a leg when going by it lengthens the leg by no more than this:
// the T/C and T/D are placed on the legs, up to the rounding of the positions.
constexpr double kOnLegNm = 0.01;

// True when `p` lies on a leg after leg `from` ("DISCO" rows skipped).
bool OnLegAfter(int32_t from, int32_t last, KeptTo kind, Point p) {
  for (int32_t i = from + 1; i <= last; ++i) {
    if (IsDisco(fms_fpln_act[i])) continue;
    const double via = KeptDistNm(kind, from, LegPoint(from), p) + KeptDistNm(kind, i, LegPoint(i), p);
    if (via - SegmentNm(from, i) <= kOnLegNm) return true;
    from = i;
  }
  return false;
}

// Whether a profile point nearer than leg `leg` is met before it. From the aircraft (no previous
// leg) the straight way to a point beyond the active waypoint may be the shorter one (off the
// route), but the point is reached along the route.
bool MetBeforeLeg(bool nearer, int32_t prev_leg, int32_t leg, int32_t last, KeptTo kind, Point p) {
  return nearer && !(prev_leg < 0 && OnLegAfter(leg, last, kind, p));
}

// A T/C this close to the active leg lies on it, up to where the aircraft was when it was laid out.
constexpr double kTocOnActiveLegNm = 1.0;

// True when the T/C lies on the active leg (from the LNAV from-point to `wpt`) farther from the
// waypoint than the aircraft: passed level below the cruise altitude, the climb held back.
bool TocPassedOnActiveLeg(Point toc, Point wpt, double aircraft_to_wpt_nm) {
  const Point from{lnav_leg[0].fr_lat, lnav_leg[0].fr_lon};
  const double toc_to_wpt = Dist(toc, wpt);
  return toc_to_wpt > aircraft_to_wpt_nm && Dist(from, toc) + toc_to_wpt - Dist(from, wpt) <= kTocOnActiveLegNm;
}

// The descent segment's start lies on the leg into it when it is this close to the leg's great circle.
constexpr double kStartOnLegNm = 0.1;

// How far the aircraft is short of the descent segment's start, measured along the route leg that
// leads to it (the leg ending at row tod_stpos); 0 once it is reached or when the start does not lie
// on that leg. A constraint starts the next segment when its waypoint is sequenced, half a minute
// before the aircraft is there, and the first T/D is taken up to 1.5 NM before it.
double ShortOfDescentStartNm(Point start) {
  const int32_t to = tod_stpos;
  if (to < 1 || to > ClampedLastRow(fp_cnt) || IsDisco(fms_fpln_act[to])) return 0.0;
  int32_t from = to - 1;
  while (from >= 0 && IsDisco(fms_fpln_act[from])) --from;
  if (from < 0) return 0.0;
  const Point a = LegPoint(from), b = LegPoint(to);
  double len_nm = 0.0, crs = 0.0;
  CalcDistBrg(a.lat, a.lon, b.lat, b.lon, &len_nm, &crs);
  if (len_nm == 0.0) return 0.0;
  double start_along = 0.0, start_cross = 0.0, along = 0.0, cross = 0.0;
  CalcTrackOffsets(a.lat, a.lon, crs, start.lat, start.lon, &start_along, &start_cross);
  if (std::fabs(start_cross) > kStartOnLegNm) return 0.0;
  CalcTrackOffsets(a.lat, a.lon, crs, plane_lat, plane_lon, &along, &cross);
  return std::max(0.0, start_along - along);
}

// The path altitude at the present position: down from the segment's start towards the crossing
// point, and short of the start on the path that leads into it: the last segment's down to a
// constraint (its waypoint is the start), level into a T/D.
double PathAltitudeFt(const Point& start) {
  const double short_nm = ShortOfDescentStartNm(start);
  if (short_nm <= 0.0) {
    path_in_ft_per_nm = 0.0;  // used up once the aircraft is there
    return tod_alt - (tod_alt - cross_at_elev) / route_dist_sum * tod_path_dist;
  }
  const Point wpt = LegPoint(tod_stpos);
  const bool at_constraint = wpt.lat == start.lat && wpt.lon == start.lon;
  return tod_alt + (at_constraint ? path_in_ft_per_nm : 0.0) * short_nm;
}

// The pole on the left of the great circle from a to b; false when the two give no circle.
bool LegPole(Point a, Point b, Vec* pole) {
  const Vec p = Cross(UnitVector(a), UnitVector(b));
  const double n = Norm(p);
  if (n < kNoCircle) return false;
  *pole = Scaled(p, 1.0 / n);
  return true;
}

bool ActiveRowValid() { return stpos >= 0 && stpos <= ClampedLastRow(fp_cnt); }

// The row the route goes on to from `row`: none after the last row, before a discontinuity, or at a
// hold fix (the route goes on from there only through the hold).
bool NextLegRow(int32_t row, int32_t* next) {
  if (row >= ClampedLastRow(fp_cnt) || fms_fpln_act[row].hold_idx > 0) return false;
  if (IsPlaceholder(fms_fpln_act[row + 1]) || HasNoPlace(fms_fpln_act[row + 1])) return false;
  *next = row + 1;
  return true;
}

// The leg into row `row` of the route ahead: from the LNAV from-point for the active row, else from
// the row before it (NextLegRow keeps placeholders out).
Point LegStart(int32_t row) { return row == stpos ? Point{lnav_leg[0].fr_lat, lnav_leg[0].fr_lon} : LegPoint(row - 1); }

Vec InboundPole(int32_t row) {
  const Point w = LegPoint(row);
  if (row == stpos) return ActiveLegPole(w);
  Vec pole{0.0, 0.0, 0.0};
  if (!LegPole(LegStart(row), w, &pole)) {
    int32_t next = 0;
    if (NextLegRow(row, &next)) LegPole(w, LegPoint(next), &pole);  // a leg of no length: the one leaving
  }
  return pole;
}

// Distance from `p` to the leg from a to b: across to its great circle abeam the leg, else to the
// nearer end.
double OffSegmentNm(Point a, Point b, Point p) {
  Vec pole{0.0, 0.0, 0.0};
  if (!LegPole(a, b, &pole)) return Dist(p, a);
  const Vec av = UnitVector(a), pv = UnitVector(p);
  const double across = Dot(pv, pole);
  const Vec foot = Sum(pv, Scaled(pole, -across));
  const double along = std::atan2(Dot(Cross(av, foot), pole), Dot(av, foot));
  if (along >= 0.0 && along <= std::acos(std::clamp(Dot(av, UnitVector(b)), -1.0, 1.0))) {
    return std::fabs(std::asin(std::clamp(across, -1.0, 1.0))) * kEarthRadiusNm;
  }
  return std::min(Dist(p, a), Dist(p, b));
}

// Whether the aircraft has passed row `row`'s waypoint: it lies beyond the line through the waypoint
// square to the leg there (the leg's direction at the waypoint, so legs of any length and the poles
// are measured alike), or it has cut the corner: it is nearer the leg after the waypoint than the leg
// into it, and less short of the waypoint than it is off that leg (a route that comes back past
// itself is not taken for a corner).
bool WaypointPassed(int32_t row) {
  const Point w = LegPoint(row), here = PresentPosition();
  const double beyond_nm = Dot(UnitVector(here), Cross(InboundPole(row), UnitVector(w))) * kEarthRadiusNm;
  if (beyond_nm > kOnTheLineNm) return true;
  int32_t next = 0;
  if (!NextLegRow(row, &next)) return false;
  const double off_in_nm = OffSegmentNm(LegStart(row), w, here);
  return OffSegmentNm(w, LegPoint(next), here) < off_in_nm && -beyond_nm < off_in_nm;
}

// Distance of the aircraft from the great circle of the leg into row `row`, NM.
double OffLegNm(int32_t row) {
  return std::fabs(std::asin(std::clamp(Dot(UnitVector(PresentPosition()), InboundPole(row)), -1.0, 1.0))) *
         kEarthRadiusNm;
}

}  // namespace

int32_t RouteAheadRow() {
  if (!ActiveRowValid()) return stpos;
  int32_t row = stpos;
  int32_t next = 0;
  while (WaypointPassed(row) && NextLegRow(row, &next)) row = next;
  return row;
}

LegEnds RouteAheadLeg() {
  const int32_t row = RouteAheadRow();
  if (row == stpos || !ActiveRowValid()) {
    const LnavLeg& leg = lnav_leg[0];
    return {leg.fr_lat, leg.fr_lon, leg.to_lat, leg.to_lon};
  }
  const Point from = LegStart(row), to = LegPoint(row);
  return {from.lat, from.lon, to.lat, to.lon};
}

int32_t IsActiveWptPassed() {
  if (!ActiveRowValid() || !WaypointPassed(stpos)) return 0;
  // Within the strip either side of the route the aircraft goes on along: the leg ahead it is taken
  // to, or the active leg where the route does not go on. Far off the route nothing is sequenced.
  return OffLegNm(RouteAheadRow()) <= kAbeamLineNm ? 1 : 0;
}

double ActiveLegCourseHere() {
  const Point here = PresentPosition();
  if (stpos < 0 || stpos > ClampedLastRow(fp_cnt)) return norm360(rel_leg_course + mag_var);
  const Vec along = Cross(ActiveLegPole(LegPoint(stpos)), UnitVector(here));
  // Only at the leg's own poles, a quarter of the globe off the leg, is there no direction along it.
  if (Norm(along) < kNoCircle) return norm360(rel_leg_course + mag_var);
  return BearingAt(here, along);
}

void StartDescentSegmentAt(int32_t row) {
  if (row < 0 || row > ClampedLastRow(fp_cnt)) return;
  const RouteLeg& leg = fms_fpln_act[row];
  // The path that led here, kept for the aircraft still on its way to the waypoint.
  const double in_nm = BackwardWalkFromLeg(row, {last_restr_lat, last_restr_lon});
  path_in_ft_per_nm = tod == 1 && in_nm > 0.0 ? (tod_alt - leg.alt) / in_nm : 0.0;
  last_restr_lat = leg.lat;
  last_restr_lon = leg.lon;
  tod_alt = leg.alt;
  tod_stpos = row;
}

void StartDescentSegmentHere() {
  if (tod == 1 && route_dist_sum > 0.0) tod_alt = vnav_path_alt;
  last_restr_lat = plane_lat;
  last_restr_lon = plane_lon;
  tod_stpos = stpos;
  path_in_ft_per_nm = 0.0;
}

void SetLnavFromLeg(const RouteLeg& from) {
  LnavLeg& lnav = lnav_leg[0];
  if (HasNoPlace(from)) {
    lnav.FrId = "DIRECT";
    lnav.fr_lat = plane_lat;
    lnav.fr_lon = plane_lon;
  } else {
    lnav.FrId = from.ident;
    lnav.fr_lat = from.lat;
    lnav.fr_lon = from.lon;
  }
}

void SetLnavLegToRow(int32_t row) {
  const RouteLeg& to = fms_fpln_act[row];
  lnav_leg[0].ToId = to.ident;
  lnav_leg[0].to_lat = to.lat;
  lnav_leg[0].to_lon = to.lon;
  SetLnavFromLeg(fms_fpln_act[row - 1]);
}

double ShownDistToActiveWptNm() {
  // Negative asks the route block to sequence now; kNoActiveWpt is EXEC's "not measured yet" until
  // the next tick. Neither is a distance to show.
  const bool measured = dist_to_active_wpt >= 0.0 && dist_to_active_wpt != kNoActiveWpt;
  if (measured || stpos < 0 || stpos > ClampedLastRow(fp_cnt)) return dist_to_active_wpt;
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
        if (MetBeforeLeg(d >= to_tod, prev_leg, i, last, kToTod, tod_pt)) {
          dist_to_tod += to_tod;
          tod_met = true;
        } else {
          dist_to_tod += d;
        }
      }
    } else if (!toc_met) {
      const double to_toc = ToProfilePointNm(kToToc, prev, prev_leg, toc_pt);
      // A T/C the aircraft has passed is not ahead: no way to it is walked back and forth.
      if (prev_leg < 0 && TocPassedOnActiveLeg(toc_pt, leg, d)) {
        toc_met = true;
      } else if (MetBeforeLeg(d > to_toc, prev_leg, i, last, kToToc, toc_pt)) {
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
    // Back along every leg flown since the start, not straight across the turns from the start's leg,
    // and down to the first row: a plan taken over in flight starts at the leg being flown.
    if (stpos != kNoActiveLeg) tod_path_dist = BackwardWalk(PresentPosition(), -1, stpos - 1, 0, tod_start);
  }
  dest_dtg = forward_sum;
  if (cruise_alt <= 1000) return;

  if (toc == 1) {
    if (tod == 1) {
      dist_to_cross_at = tod_dist_acc;
      if (route_dist_sum > 0.0) vnav_path_alt = PathAltitudeFt(tod_start);
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
