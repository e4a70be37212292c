#include "fmc/traffic_pattern.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "sim/debug_log.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "navdb/path_legs.h"
#include "platform/host_api.h"

RO_DEFINE_GLOBALS(FMC_TRAFFIC_PATTERN_GLOBALS)

void ResetTrafficPatternGlobals() { RO_RESET_GLOBALS(FMC_TRAFFIC_PATTERN_GLOBALS) }

namespace {

constexpr int32_t kTimedLegs = 1;
// Timed legs are sized for at least this ground speed, so that a slow aircraft still flies a
// circuit of useful size.
constexpr double kMinPatternSpeedKt = 150.0;
constexpr double kLeadNm = 1.0;
constexpr const char* kPointNames[kPatternPoints] = {"", "Xwind", "Dwind", "Base", "Final"};

struct Pos {
  double lat = 0.0;
  double lon = 0.0;
};

struct Circuit {
  Pos pt[kPatternPoints];       // 0 the fix
  double course[kPatternPoints];  // deg true of the side that starts at the point
  double size_nm = 0.0;          // W
};

Pos Dest(Pos from, double crs_deg, double dist_nm) {
  Pos p;
  CalcDestPoint(from.lat, from.lon, crs_deg, dist_nm, &p.lat, &p.lon);
  return p;
}

// The circuit: crosswind 0.2 W past the fix, downwind 0.75 W to the side, base W back, final
// 0.75 W onto the extended inbound course, 0.8 W before the fix.
Circuit LayOutCircuit(RouteHold& hold) {
  double final_crs = hold.inbd_crs + mag_var;
  if (final_crs == 360.0) final_crs = 0.0;
  double leg_nm = hold.leg_dist;
  if (hold.leg_mode == kTimedLegs) {
    leg_nm = std::max(ground_speed, kMinPatternSpeedKt) / 60.0 * hold.leg_time;
    hold.leg_dist = leg_nm;
  }
  Circuit c;
  c.size_nm = 1.5 * leg_nm;
  const double turn = hold.turn == 1 ? 90.0 : -90.0;
  const double w = c.size_nm;
  c.pt[0] = {hold.lat, hold.lon};
  c.course[0] = final_crs;
  c.course[1] = norm360(final_crs + turn);
  c.course[2] = norm360(c.course[1] + turn);
  c.course[3] = norm360(c.course[2] + turn);
  c.course[4] = final_crs;
  c.pt[1] = Dest(c.pt[0], final_crs, 0.2 * w);
  c.pt[2] = Dest(c.pt[1], c.course[1], 0.75 * w);
  c.pt[3] = Dest(c.pt[2], c.course[2], w);
  c.pt[4] = Dest(c.pt[3], c.course[3], 0.75 * w);
  return c;
}

// Distance and bearing from the aircraft to the target point, and length and course of the side
// that leads to it.
struct SideView {
  double d = 0.0;
  double b = 0.0;
  double s = 0.0;
  double c = 0.0;
};

SideView ViewSide(const Circuit& circuit, int32_t from, int32_t to) {
  SideView v;
  const Pos& target = circuit.pt[to];
  const Pos& start = circuit.pt[from];
  CalcDistBrg(plane_lat, plane_lon, target.lat, target.lon, &v.d, &v.b);
  CalcDistBrg(start.lat, start.lon, target.lat, target.lon, &v.s, &v.c);
  return v;
}

double AngleBetween(double a_deg, double b_deg) {
  const double diff = std::fabs(norm360(a_deg) - norm360(b_deg));
  return diff > 180.0 ? 360.0 - diff : diff;
}

// Farther than this many side lengths from the point it flies to, the aircraft is off the circuit (a
// slew, a reposition): no point of it is reached from there.
constexpr double kStrayedSides = 2.5;

bool StrayedFromCircuit(const SideView& v, int32_t target) { return target > 0 && v.d > kStrayedSides * v.s; }

// The aircraft is done with a point when close to it, or when the point has fallen behind the side's
// course while it flies the circuit.
bool ReachedPoint(const SideView& v, int32_t target, double size_nm) {
  if (v.d <= 0.25 * size_nm) return true;
  if (target == 0 || StrayedFromCircuit(v, target)) return false;
  return AngleBetween(v.b, v.c) > 90.0;
}

int32_t ValidPoint(int32_t n) { return n >= 0 && n < kPatternPoints ? n : 0; }

}  // namespace

void BuildTrafficPattern() {
  if (hold_cnt < 1) return;
  RouteHold& hold = route_holds[1];
  const Circuit circuit = LayOutCircuit(hold);
  if (lnav != 1) return;
  // The hold steers only while its fix is the leg flown to, and only once executed; one further on
  // waits for the aircraft, one of a modification not yet executed for the EXEC.
  if (hold.leg != stpos || stpos < 1 || stpos > kLastRouteRow || fms_fpln_act[stpos].hold_idx <= 0) {
    pattern_leg = 0;
    return;
  }

  for (int32_t n = 1; n < kPatternPoints; ++n) {
    PatternPoint& p = hold.pattern_pts[n];
    p.lat = circuit.pt[n].lat;
    p.lon = circuit.pt[n].lon;
    p.name = kPointNames[n];
    p.course = circuit.course[n];
  }

  const int32_t start_leg = ValidPoint(pattern_leg);
  int32_t k = start_leg;
  int32_t p = ValidPoint(pattern_prev);
  SideView view = ViewSide(circuit, p, k);
  const bool at_point = ReachedPoint(view, k, circuit.size_nm);

  bool ended = false;
  if (at_point && k > 0) {
    if (pattern_phase == kPatternLastCircuitRequested && k == 1) {
      pattern_phase = kPatternLastCircuit;
      ended = true;
    } else if (pattern_phase == kPatternLastCircuit) {
      ended = true;
    }
    if (ended) {
      holds_present = 0;
      DeleteLegHolds(hold.leg, 0);  // moves the next hold into row 1; the circuit above is a copy
      k = 0;
    }
  }

  if (at_point || (k == 0 && view.d <= dist_per_tick)) {
    if (start_leg == 0 && !ended) {
      holds_present = 1;
      pattern_phase = 0;
      pattern_hdg_sent = kNoPatternHeadingSent;  // a circuit's first heading goes out, whatever was sent before
    }
    k = k == kPatternPoints - 1 ? 1 : k + 1;
    pattern_leg = k;
    p = k - 1 == 0 ? kPatternPoints - 1 : k - 1;
    pattern_prev = p;
    view = ViewSide(circuit, p, k);
  }

  // Off the circuit the point ahead on a side is no place to steer to: one heading back to the fix,
  // and the circuit goes on from the side it was on once the aircraft is near it again.
  const Pos lead = StrayedFromCircuit(view, k) ? circuit.pt[0] : Dest(circuit.pt[p], view.c, view.s - view.d + kLeadNm);
  pattern_hdg = MagneticBearing(plane_lat, plane_lon, lead.lat, lead.lon, mag_var);

  if (holds_present == 1 && pattern_leg > 0 && HeadingCommandDue(pattern_hdg, TruncToI32(pattern_hdg_sent))) {
    host::TriggerKeyEvent(kApHeadingEvent, TruncToI32(pattern_hdg));
    pattern_hdg_sent = pattern_hdg;
    // The bug no longer shows what LNAV sent last: LNAV sends its heading again once it steers.
    lnav_hdg_sent = kNoHeadingSent;
  }
}
