#include "fmc/route_following.h"

#include <algorithm>
#include <cmath>

#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"

RO_DEFINE_GLOBALS(FMC_ROUTE_FOLLOWING_GLOBALS)

void ResetRouteFollowingGlobals() { RO_RESET_GLOBALS(FMC_ROUTE_FOLLOWING_GLOBALS) }

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

// ---- the aircraft's place along the route ----

// Flat vectors in NM about a waypoint: x east, y north.
struct Flat {
  double x, y;
};
Flat operator-(Flat a, Flat b) { return {a.x - b.x, a.y - b.y}; }
Flat operator*(double k, Flat a) { return {k * a.x, k * a.y}; }
Flat operator+(Flat a, Flat b) { return {a.x + b.x, a.y + b.y}; }
double Dot(Flat a, Flat b) { return a.x * b.x + a.y * b.y; }
double Cross(Flat a, Flat b) { return a.x * b.y - a.y * b.x; }
Flat Heading(double brg_deg) { return {std::sin(brg_deg * kDegToRad), std::cos(brg_deg * kDegToRad)}; }
Flat RightOf(Flat u) { return {u.y, -u.x}; }

// Where `p` lies about `c`: great circles through c stay straight lines through it.
Flat FlatAbout(Point c, Point p) {
  double d = 0.0, brg = 0.0;
  CalcDistBrg(c.lat, c.lon, p.lat, p.lon, &d, &brg);
  return d * Heading(brg);
}

// A turn flatter than the first needs no rounding; one sharper than the second is a reversal, which
// LNAV flies as two legs.
constexpr double kMinCornerDeg = 1.0;
constexpr double kMaxCornerDeg = 150.0;
// The length of route before and after a waypoint over which its corner is rounded (at most half of
// either leg): about the look-ahead by which LNAV turns short of the waypoint.
constexpr double kCornerNm = 2.5;

// The route as LNAV flies it turns at a waypoint on an arc tangent to both legs kCornerNm (or half a
// leg) from the waypoint; distances along the route are taken on it, so that an aircraft turning
// short of the waypoint passes it at the pace it flies, and without a jump where the active leg
// changes half a minute before the waypoint. The waypoint's place on the route is the arc's middle.
struct Corner {
  bool round = false;
  Point c{};
  Flat u_in{}, u_out{};
  double in_brg = 0.0, out_brg = 0.0;  // deg true, the legs' courses at c
  double t = 0.0, half = 0.0, r = 0.0, side = 0.0;
  // How much shorter the arc is than the legs, from either tangent point to the arc's middle.
  double HalfSavingNm() const { return round ? t - r * half : 0.0; }
};

// The corner at `c` between the leg arriving from `in_from` and the leg leaving towards `out_to`; not
// round for a leg of no length or a turn too flat or too sharp.
Corner CornerAt(Point in_from, Point c, Point out_to) {
  Corner k;
  k.c = c;
  double in_nm = 0.0, back_brg = 0.0, out_nm = 0.0, out_brg = 0.0;
  CalcDistBrg(c.lat, c.lon, in_from.lat, in_from.lon, &in_nm, &back_brg);
  CalcDistBrg(c.lat, c.lon, out_to.lat, out_to.lon, &out_nm, &out_brg);
  if (in_nm <= 0.0 || out_nm <= 0.0) return k;
  const double in_brg = norm360(back_brg + 180.0);
  double turn_deg = norm360(out_brg - in_brg);
  if (turn_deg > 180.0) turn_deg -= 360.0;  // + right, - left
  if (std::fabs(turn_deg) < kMinCornerDeg || std::fabs(turn_deg) > kMaxCornerDeg) return k;
  k.round = true;
  k.u_in = Heading(in_brg);
  k.u_out = Heading(out_brg);
  k.in_brg = in_brg;
  k.out_brg = out_brg;
  k.t = std::min(kCornerNm, std::min(in_nm, out_nm) / 2.0);
  k.half = std::fabs(turn_deg) / 2.0 * kDegToRad;
  k.r = k.t / std::tan(k.half);
  k.side = turn_deg > 0.0 ? 1.0 : -1.0;  // the inside of the turn
  return k;
}

enum class CornerPart { kBefore, kRound, kPast };

// The route where the aircraft's place on it is: its true course, and how much faster than the aircraft
// along it the place moves (on an arc, by the arc's radius over the aircraft's distance from its centre).
struct RoutePace {
  double course_deg = 0.0;
  double scale = 1.0;
};

// How far `p` is short of a round corner's middle along the route (negative past it), and the
// route's pace there: along the leg arriving before the arc, along the leg leaving after it, and in
// between by the angle about the arc's centre. Deep inside the turn, before one tangent point and past
// the other, by the nearer leg.
CornerPart ShortOfCornerNm(const Corner& k, Point p, double* short_nm, RoutePace* pace) {
  const Flat v = FlatAbout(k.c, p);
  const double before_nm = -Dot(v, k.u_in), after_nm = Dot(v, k.u_out);
  if (before_nm > k.t || after_nm > k.t) {
    const bool arriving =
        before_nm > k.t && (after_nm <= k.t || std::fabs(Cross(k.u_in, v)) <= std::fabs(Cross(k.u_out, v)));
    *short_nm = arriving ? before_nm - k.HalfSavingNm() : -(after_nm - k.HalfSavingNm());
    pace->course_deg = arriving ? k.in_brg : k.out_brg;
    return arriving ? CornerPart::kBefore : CornerPart::kPast;
  }
  const Flat centre = (-k.t) * k.u_in + (k.side * k.r) * RightOf(k.u_in);
  const Flat to_start = ((-k.t) * k.u_in) - centre, to_p = v - centre;
  const double round = std::clamp(std::atan2(k.side * Cross(to_p, to_start), Dot(to_start, to_p)), 0.0, 2.0 * k.half);
  *short_nm = k.r * (k.half - round);
  pace->course_deg = norm360(k.in_brg + k.side * round * kRadToDeg);
  pace->scale = k.r / std::max(std::sqrt(Dot(to_p, to_p)), k.r / 2.0);
  return CornerPart::kRound;
}

// Where the leg to the active waypoint starts: LNAV's from-point (a direct-to's included), or the row
// before the waypoint when LNAV flies no leg to it.
Point ActiveLegFrom() {
  const LnavLeg& leg = lnav_leg[0];
  const Point w = LegPoint(stpos);
  if (!leg.FrId.empty() && leg.to_lat == w.lat && leg.to_lon == w.lon) return {leg.fr_lat, leg.fr_lon};
  for (int32_t i = stpos - 1; i >= 0; --i) {
    if (!IsDisco(fms_fpln_act[i])) return LegPoint(i);
  }
  return w;
}

// The next row after `row` with a place; -1 at the end or at a "DISCO".
int32_t NextPlacedRow(int32_t row) {
  const int32_t next = row + 1;
  return next <= ClampedLastRow(fp_cnt) && !HasNoPlace(fms_fpln_act[next]) ? next : -1;
}

// The corner at row `row` (stpos or later), arrived at from the active leg's start or the row before.
Corner RowCorner(int32_t row) {
  const int32_t next = NextPlacedRow(row);
  if (next < 0 || row < 1 || IsDisco(fms_fpln_act[row - 1])) return {};
  return CornerAt(row == stpos ? ActiveLegFrom() : LegPoint(row - 1), LegPoint(row), LegPoint(next));
}

// The corner at the active leg's start, arrived at on the leg LNAV flew before it (kept at each
// passage); none after a direct-to or without that leg.
Corner FromPointCorner() {
  const Point from = ActiveLegFrom();
  if (prev_leg_known != 1 || lnav_leg[0].FrId == "DIRECT" || prev_leg_to_lat != from.lat ||
      prev_leg_to_lon != from.lon) {
    return {};
  }
  return CornerAt({prev_leg_fr_lat, prev_leg_fr_lon}, from, LegPoint(stpos));
}

// True while the aircraft flies the circuit of a hold at the active waypoint.
bool CircuitAtActiveWaypoint() { return holds_present == 1 && pattern_leg > 0 && route_holds[1].leg == stpos; }

// The active leg measured on the route: its length and how far the aircraft is short of its end.
struct ActiveLegPlace {
  double leg_nm = 0.0;      // from the start's place to the waypoint's, on the route
  double short_nm = 0.0;    // the aircraft's distance to the waypoint's place (negative past it)
  RoutePace pace;           // the route there
};

// How far the aircraft's place on the route is short of the active waypoint's: the along-track
// distance on the active leg, round the corners at either end of it, and in the circuit of a hold at
// the waypoint never again more than it came to there, nor past the fix: the circuit is flown at the
// hold's fix, whatever side of it its legs lie.
ActiveLegPlace MeasureActiveLeg() {
  const Point w = LegPoint(stpos), from = ActiveLegFrom(), here = PresentPosition();
  double straight_nm = 0.0, crs = 0.0;
  CalcDistBrg(from.lat, from.lon, w.lat, w.lon, &straight_nm, &crs);
  const Corner at_w = RowCorner(stpos), at_from = FromPointCorner();
  ActiveLegPlace a;
  a.leg_nm = straight_nm - at_w.HalfSavingNm() - at_from.HalfSavingNm();
  double d = 0.0;
  if (at_w.round && ShortOfCornerNm(at_w, here, &d, &a.pace) != CornerPart::kBefore) {
    a.short_nm = d;
  } else if (at_from.round && ShortOfCornerNm(at_from, here, &d, &a.pace) != CornerPart::kPast) {
    a.short_nm = d + a.leg_nm;
  } else if (straight_nm > 0.0) {
    double along = 0.0, cross_unused = 0.0;
    CalcTrackOffsets(from.lat, from.lon, crs, here.lat, here.lon, &along, &cross_unused);
    a.short_nm = straight_nm - along - at_w.HalfSavingNm();
    a.pace.course_deg = ActiveLegCourseHere();
  } else {
    a.short_nm = Dist(here, w);
    a.pace.course_deg = ActiveLegCourseHere();
  }
  if (!CircuitAtActiveWaypoint()) {
    circuit_short_nm = kNotInCircuit;
    return a;
  }
  circuit_short_nm = std::min(circuit_short_nm, a.short_nm);
  a.short_nm = std::max(0.0, circuit_short_nm);
  return a;
}

// The length of the route from row `a` to row `b` (stpos <= a <= b; "DISCO" rows skipped).
double RowsNm(int32_t a, int32_t b) {
  double sum = 0.0;
  int32_t prev = -1;
  double prev_saving = 0.0;
  for (int32_t i = std::max(a, 0); i <= std::min(b, ClampedLastRow(fp_cnt)); ++i) {
    if (IsDisco(fms_fpln_act[i])) continue;
    const double saving = RowCorner(i).HalfSavingNm();
    if (prev >= 0) sum += SegmentNm(prev, i) - prev_saving - saving;
    prev = i;
    prev_saving = saving;
  }
  return sum;
}

// The aircraft's distance along the route to row `row` (negative once past it). A row behind the
// active one is the active leg's start, which the look-ahead sequences before the aircraft is there.
double AlongRouteToRowNm(const ActiveLegPlace& a, int32_t row) {
  if (row >= stpos) return a.short_nm + RowsNm(stpos, row);
  return a.short_nm - a.leg_nm;
}

// ---- the descent path ----

// The first row after which `p` lies on the route ahead, on the leg into it (the T/D is placed on a
// leg, or behind the active waypoint on the way to it); the active row when none.
int32_t RowAfterPoint(Point p) {
  const int32_t last = ClampedLastRow(fp_cnt);
  int32_t from = stpos;
  for (int32_t i = stpos + 1; i <= last; ++i) {
    if (IsDisco(fms_fpln_act[i])) continue;
    if (Dist(LegPoint(from), p) + Dist(p, LegPoint(i)) - SegmentNm(from, i) <= kOnLegNm) return i;
    from = i;
  }
  return stpos;
}

// How far a point on the leg into row `row` (stpos or later) is short of the row's place on the route.
double PointShortOfRowNm(Point p, int32_t row) {
  const Corner k = RowCorner(row);
  double d = 0.0;
  RoutePace unused;
  if (k.round) {
    ShortOfCornerNm(k, p, &d, &unused);
    return d;
  }
  return Dist(p, LegPoint(row));
}

// The path from its start (tod_alt, route_dist_sum along the route before the crossing point) down to
// the crossing point (cross_at_elev) at row `end`, where the aircraft is along the route: the distance
// to the crossing point, the distance flown along the path, the altitude there, and the distance still
// to fly level to its start while the aircraft is short of it. Past the crossing point the path is
// level at its altitude.
void MeasureDescentPath(const ActiveLegPlace& a, int32_t end) {
  dist_to_cross_at = AlongRouteToRowNm(a, end);
  const double off_course_deg = plane_trk_mag + mag_var - a.pace.course_deg;
  path_along_kt = ground_speed * a.pace.scale * std::max(0.0, std::cos(off_course_deg * kDegToRad));
  tod_path_dist = route_dist_sum - dist_to_cross_at;
  path_start_ahead_nm = std::max(0.0, -tod_path_dist);
  if (!(route_dist_sum > 0.0)) {
    vnav_path_alt = dist_to_cross_at > 0.0 ? tod_alt : cross_at_elev;
    return;
  }
  const double share = std::clamp(dist_to_cross_at / route_dist_sum, 0.0, 1.0);
  vnav_path_alt = cross_at_elev + (tod_alt - cross_at_elev) * share;
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

int32_t DescentPathEndRow() {
  const int32_t end = cross_at_row >= 0 ? cross_at_row : next_restr_leg;
  return end >= 1 && end <= ClampedLastRow(fp_cnt) ? end : -1;  // the origin ends no descent
}

void StartDescentSegmentHere(double alt_ft) {
  const int32_t end = DescentPathEndRow();
  if (stpos < 0 || stpos > ClampedLastRow(fp_cnt) || end < 0) return;
  last_restr_lat = plane_lat;
  last_restr_lon = plane_lon;
  tod_stpos = stpos;
  tod_alt = alt_ft;
  route_dist_sum = std::max(0.0, AlongRouteToRowNm(MeasureActiveLeg(), end));
}

// The segment runs from where the aircraft is along the route, at the constraint's altitude: just past
// the waypoint, or wherever a hold's exit or a direct-to has left it.
void StartDescentSegmentAt(int32_t row, double alt_ft) {
  if (row < 0 || row > ClampedLastRow(fp_cnt)) return;
  StartDescentSegmentHere(alt_ft);
  const RouteLeg& leg = fms_fpln_act[row];
  last_restr_lat = tod_lat = leg.lat;
  last_restr_lon = tod_lon = leg.lon;
  cruise_alt = TruncToI32(alt_ft);
  tod_stpos = row;
}

void StartDescentAtTod() {
  const Point tod_pt{tod_lat, tod_lon};
  last_restr_lat = tod_lat;
  last_restr_lon = tod_lon;
  const int32_t end = DescentPathEndRow();
  if (stpos < 0 || stpos > ClampedLastRow(fp_cnt) || end < 0) return;
  tod_stpos = RowAfterPoint(tod_pt);
  route_dist_sum = tod_stpos > end ? 0.0 : std::max(0.0, PointShortOfRowNm(tod_pt, tod_stpos) + RowsNm(tod_stpos, end));
}

void SetCrossingRow(int32_t row) {
  if (row < 0 || row > ClampedLastRow(fp_cnt)) return;
  const RouteLeg& leg = fms_fpln_act[row];
  cross_at_elev = leg.alt;
  cross_at_lat = leg.lat;
  cross_at_lon = leg.lon;
  cross_at_row = row;
}

bool DescentPathEndPassed() {
  const int32_t end = DescentPathEndRow();
  if (end < 0 || stpos < 0 || stpos > ClampedLastRow(fp_cnt) || end < stpos - 1) return false;
  return AlongRouteToRowNm(MeasureActiveLeg(), end) < 0.0;
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
  // The leg flown so far, for the corner at the new leg's start.
  const LnavLeg& was = lnav_leg[0];
  prev_leg_known = was.to_lat == fms_fpln_act[row - 1].lat && was.to_lon == fms_fpln_act[row - 1].lon ? 1 : 0;
  prev_leg_fr_lat = was.fr_lat;
  prev_leg_fr_lon = was.fr_lon;
  prev_leg_to_lat = was.to_lat;
  prev_leg_to_lon = was.to_lon;
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
  route_dist_total = dist_to_tod = route_dist_acc = 0.0;
  tod_dist_acc = tod_path_dist = dist_to_cross_at = path_start_ahead_nm = path_along_kt = 0.0;

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
  if (init_tod == 1) tod_dist_acc = forward_to_constraint;
  dest_dtg = forward_sum;
  if (cruise_alt <= 1000) return;

  if (toc == 1) {
    if (tod == 1) {
      // The path VNAV flies, measured where the aircraft is abeam on the route.
      const int32_t end = DescentPathEndRow();
      // The path runs to an end not yet left behind.
      if (init_tod == 1 && end >= stpos - 1 && stpos <= ClampedLastRow(fp_cnt)) {
        MeasureDescentPath(MeasureActiveLeg(), end);
      } else {
        dist_to_cross_at = tod_dist_acc;
      }
      return;
    }
    dist_to_cross_at = dist_to_tod;
    if (route_dist_acc >= dest_dtg) {
      tod = 1;
      if (init_tod == 0 && init_cruise_alt == cruise_alt) init_tod = 1;
      if (next_restr_leg >= 0 && next_restr_leg <= last) SetCrossingRow(next_restr_leg);
      StartDescentAtTod();
      ComputeRouteDistances();  // once more, now past the T/D
    }
    return;
  }
  if (dist_to_cross_at == 0.0) dist_to_cross_at = route_dist_total;
}
