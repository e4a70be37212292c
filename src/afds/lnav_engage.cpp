#include "afds/lnav_engage.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/ap_key_events.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/traffic_pattern.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/named_vars.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

constexpr const char* kNotOnInterceptHeading = "NOT ON INTERCEPT HEADING";
// Closer to the leg than this LNAV engages at once.
constexpr double kDirectXtkNm = 3.0;
// The intercept may lie this far beyond the active waypoint's distance.
constexpr double kInterceptBeyondWptNm = 1.5;
// A heading test: turns to the waypoint or onto the leg of more than 90 degrees cannot intercept,
// and turns of opposite sense are accepted only with the waypoint nearly ahead.
constexpr int32_t kMaxInterceptTurnDeg = 91;
constexpr int32_t kOppositeTurnLimitDeg = 20;
// An intersection lies on the present heading when its bearing is this close (whole degrees).
constexpr int32_t kOnHeadingDeg = 1;
constexpr int32_t kMirroredOnHeadingDeg = 3;
constexpr int32_t kLastChanceOnHeadingDeg = 7;
// The candidate before any intersection was found.
constexpr double kNoCandidate = -999.0;

bool HasActiveLeg() { return stpos >= 0 && stpos <= kLastRouteRow; }

// The row LNAV flies from: the leg before the active one (the origin when the origin is active).
const RouteLeg& LegBeforeActive() { return fms_fpln_act[stpos > 0 ? stpos - 1 : 0]; }

// Whole degrees between the present heading and the magnetic bearing to a point.
int32_t HeadingDiffTo(double lat, double lon) {
  double dist = 0.0, brg_true = 0.0;
  CalcDistBrg(plane_lat, plane_lon, lat, lon, &dist, &brg_true);
  return CalcHeadingDiff(norm360(brg_true - mag_var), plane_hdg_mag);
}

struct Candidate {
  double lat = kNoCandidate;
  double lon = kNoCandidate;
  int32_t diff = 999;
};

// Where the present heading meets the active leg (through the LNAV from-point). The great-circle
// intersection may come out mirrored, so the point with its latitude, then its longitude negated is
// tried as well. Returns false when there is no usable point.
bool FindInterceptPoint(double* out_lat, double* out_lon) {
  const double hdg_true = plane_hdg_mag + mag_var;
  const double leg_true = rel_leg_course + mag_var;
  const LnavLeg& from = lnav_leg[0];
  Candidate cand;
  int32_t code = kNoIntersection;
  for (int pass = 1; pass <= 2; ++pass) {
    double lat = 0.0, lon = 0.0;
    code = pass == 1 ? CalcGreatCircle(plane_lat, plane_lon, hdg_true, from.fr_lat, from.fr_lon, leg_true, &lat, &lon)
                     : CalcGreatCircle(from.fr_lat, from.fr_lon, leg_true, plane_lat, plane_lon, hdg_true, &lat, &lon);
    if (code == kNoIntersection) continue;
    cand = {lat, lon, HeadingDiffTo(lat, lon)};
    if (cand.diff <= kOnHeadingDeg) {
      *out_lat = cand.lat;
      *out_lon = cand.lon;
      return true;
    }
    for (const Candidate mirrored : {Candidate{-lat, lon, 0}, Candidate{lat, -lon, 0}}) {
      cand = {mirrored.lat, mirrored.lon, HeadingDiffTo(mirrored.lat, mirrored.lon)};
      if (cand.diff < kMirroredOnHeadingDeg) {
        *out_lat = cand.lat;
        *out_lon = cand.lon;
        return true;
      }
    }
  }
  if (code == kNoIntersection || cand.diff > kLastChanceOnHeadingDeg) return false;
  if (cand.lat < -100.0 || cand.lon < -200.0) return false;
  *out_lat = cand.lat;
  *out_lon = cand.lon;
  return true;
}

void SetLnavTo(const RouteLeg& to) {
  lnav_leg[0].ToId = to.ident;
  lnav_leg[0].to_lat = to.lat;
  lnav_leg[0].to_lon = to.lon;
}

void EngageDirect() {
  lnav = 1;
  lnav_init_mode = 0;
  fma_roll_box_timer = kFmaBoxTicks;
  FlyLnav();
  hdg_hold_mode = 0;
  hdg_sel_mode = 0;
  NV_SET(hdg_hold, hdg_hold_mode);
  SetLnavTo(fms_fpln_act[stpos]);
  lnav_leg[0].FrId = "DIRECT";
  lnav_leg[0].fr_lat = plane_lat;
  lnav_leg[0].fr_lon = plane_lon;
}

// The heading mode that is on keeps flying the aircraft to the intercept: no key event.
void ArmIntercept() {
  double lat = 0.0, lon = 0.0;
  if (!FindInterceptPoint(&lat, &lon)) {
    cdu_message = kNotOnInterceptHeading;
    return;
  }
  double dist = 0.0, brg_unused = 0.0;
  CalcDistBrg(plane_lat, plane_lon, lat, lon, &dist, &brg_unused);
  if (dist > dist_to_active_wpt + kInterceptBeyondWptNm) {
    cdu_message = kNotOnInterceptHeading;
    return;
  }
  lnav = 1;
  fma_roll_box_timer = 0;
  lnav_init_lat = plane_lat;
  lnav_init_lon = plane_lon;
  lnav_init_mode = 1;
  lnav_join_trk_lat = lat;
  lnav_join_trk_lon = lon;
  lnav_join_trk = plane_hdg_mag;
  lnav_init_dist = dist;
  SetLnavTo(fms_fpln_act[stpos]);
  // A DISCO or a missing origin has no position: the leg stays the one the intercept was found on,
  // which starts DIRECT.
  const RouteLeg& from = LegBeforeActive();
  if (HasNoPlace(from)) return;
  lnav_leg[0].FrId = from.ident;
  lnav_leg[0].fr_lat = from.lat;
  lnav_leg[0].fr_lon = from.lon;
}

void PressWithLnavOff() {
  if (stpos == kNoActiveLeg || !HasActiveLeg()) return;
  int32_t wpt_dir = 0, wpt_angle = 0, leg_dir = 0, leg_angle = 0;
  CalcTurnDirAndAngle(plane_hdg_mag, active_wpt_brg, &wpt_dir, &wpt_angle);
  CalcTurnDirAndAngle(plane_hdg_mag, rel_leg_course, &leg_dir, &leg_angle);
  const bool turns_differ = wpt_dir != leg_dir;
  const bool bad_heading = wpt_angle >= kMaxInterceptTurnDeg || leg_angle >= kMaxInterceptTurnDeg ||
                           (turns_differ && wpt_angle >= kOppositeTurnLimitDeg);
  if (bad_heading && lite_mode == 0 && ActLnavWoIntHdg == 0) {
    cdu_message = kNotOnInterceptHeading;
    return;
  }
  ComputeLnavGeometry(&xtk_side, &xtk_dist);
  // Near the leg, or heading straight for the waypoint, there is nothing to intercept.
  if (xtk_dist < kDirectXtkNm || turns_differ || lite_mode == 1) {
    EngageDirect();
  } else {
    ArmIntercept();
  }
}

}  // namespace

void FlyLnav() {
  ap_event::Send(ap_event::kHeadingHoldOn);
  DropNavSourceButton();
  // The bug may have been moved since LNAV last set it: the next aim goes out whatever it is, the
  // traffic pattern's included.
  lnav_hdg_sent = kNoHeadingSent;
  pattern_hdg_sent = kNoPatternHeadingSent;
}

void LnavIntercept() {
  if (lnav != 0) {
    lnav = 0;
    ap_event::Send(ap_event::kHeadingHoldOff);
    lnav_init_mode = 0;
  } else {
    PressWithLnavOff();
  }
  NV_SET(lnav, lnav);
}

void ComputeLnavGeometry(int32_t* xtk_side_out, double* xtk_dist_out) {
  if (stpos == kNoActiveLeg) {
    *xtk_dist_out = kNoXtkDist;
    return;
  }
  double along_unused = 0.0, cross_nm = 0.0;
  LnavLegOffsets(&along_unused, &cross_nm);
  *xtk_dist_out = std::min(std::fabs(cross_nm), kMaxXtkDistNm);
  *xtk_side_out = cross_nm > 0.0 ? 1 : 2;
}

double LnavLegOffsets(double* along_nm, double* cross_nm) {
  const LegEnds leg = RouteAheadLeg();
  double leg_dist = 0.0, leg_crs_true = 0.0;
  CalcDistBrg(leg.fr_lat, leg.fr_lon, leg.to_lat, leg.to_lon, &leg_dist, &leg_crs_true);
  // A leg of no length has no course of its own: it is the one leaving the waypoint on the active course.
  if (leg_dist == 0.0) leg_crs_true = rel_leg_course + mag_var;
  // Measured on the leg's great circle: "leg length - distance to go" holds only near the track, and
  // far off it puts the along-track place behind the aircraft.
  CalcTrackOffsets(leg.fr_lat, leg.fr_lon, leg_crs_true, plane_lat, plane_lon, along_nm, cross_nm);
  return leg_crs_true;
}
