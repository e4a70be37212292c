// Guidance swept over places off the route: around a route that turns, around a hold and in a descent.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/route_progress_globals.h"
#include "afds/vnav_targets.h"
#include "base/geodesy.h"
#include "fmc/traffic_pattern.h"
#include "module/module_state.h"
#include "support/tick_fixture.h"

namespace {

using tick_test::RoutePoint;

// `along` NM from `a` on the true course `crs`, then `cross` NM to its right.
RoutePoint At(RoutePoint a, double crs, double along, double cross) {
  CalcDestPoint(a.lat, a.lon, norm360(crs + (along < 0.0 ? 180.0 : 0.0)), std::fabs(along), &a.lat, &a.lon);
  CalcDestPoint(a.lat, a.lon, norm360(crs + (cross < 0.0 ? 270.0 : 90.0)), std::fabs(cross), &a.lat, &a.lon);
  return a;
}

// WP0 to WP1 30 NM north, then two legs of 30 NM on 060 (no variation); the course of the leg into
// each row.
const RoutePoint kWp1{"WP1", 47.5, -122.0};
const std::vector<RoutePoint> kRoute{{"WP0", 47.0, -122.0}, kWp1, At(kWp1, 60.0, 30.0, 0.0), At(kWp1, 60.0, 60.0, 0.0)};
constexpr double kCourse[] = {0.0, 0.0, 60.0, 60.0};

class OffRouteGuidance : public tick_test::TickTest {
 protected:
  // WP1 active, LNAV on, the aircraft at `p`.
  void Fresh(const RoutePoint& p) {
    ResetModuleState();
    seen_ = host_.key_events().size();
    SetActiveRoute(kRoute, 1);
    lnav = 1;
    SetPosition(p.lat, p.lon);
    SetRadioHeightFt(5000.0);
    SetGroundSpeedKt(300.0);
  }
  // The value of the last key event `id` since Fresh(), or `none`.
  int32_t Last(uint32_t id, int32_t none) const {
    for (size_t i = host_.key_events().size(); i-- > seen_;) {
      if (host_.key_events()[i].event_id == id) return host_.key_events()[i].value;
    }
    return none;
  }
  size_t seen_ = 0;
};

TEST_F(OffRouteGuidance, CommandsFollowTheGeometryOfEveryPlace) {
  // A place on the leg into row `leg`; the active row once the route blocks have run; the leg LNAV
  // steers along, within 90 degrees of its course and towards it. Passed beyond the line square to
  // the leg or with the corner cut; sequenced only within 22 NM of the route ahead.
  constexpr std::tuple<int, double, double, int32_t, int> kPlaces[] = {
      {1, 15.0, 2.0, 1, 1},  {1, -10.0, 3.0, 1, 1},  {1, 15.0, -60.0, 1, 1}, {1, 35.0, 0.0, 2, 2},
      {2, 10.0, 10.0, 2, 2}, {2, 10.0, -40.0, 1, 2}, {3, 10.0, 0.0, 3, 3}};
  for (const auto& [leg, along_nm, cross_nm, active, steer] : kPlaces) {
    Fresh(At(kRoute[leg - 1], kCourse[leg], along_nm, cross_nm));
    for (int i = 0; i < 4; ++i) RunToRouteSlot();
    double along = 0.0, cross = 0.0;
    CalcTrackOffsets(kRoute[steer - 1].lat, kRoute[steer - 1].lon, kCourse[steer], plane_lat, plane_lon, &along,
                     &cross);
    const double off = std::remainder(Last(0x101FA, -999) - kCourse[steer], 360.0);
    EXPECT_EQ(stpos, active) << leg << " " << along_nm << " " << cross_nm;
    EXPECT_TRUE(std::fabs(off) < 90.0 && (std::fabs(cross) < 1.0 || off * cross < 0.0)) << off << " " << cross_nm;
  }

  // A hold at WP1 (inbound 076, right, 1.5 min) circled towards Dwind: 100 NM south one heading back
  // to the fix; then on the side to Dwind, across a whole degree and back, no heading each time.
  Fresh(At(kWp1, 0.0, -100.0, 0.0));
  const int before = KeyEvents(0x101FA);
  RouteHold& h = route_holds[1];
  std::tie(hold_cnt, fms_fpln_act[1].hold_idx, holds_present, pattern_leg, pattern_prev) = std::tuple(1, 1, 1, 2, 1);
  std::tie(h.leg, h.lat, h.lon, h.inbd_crs, h.turn, h.leg_time, h.leg_mode) =
      std::tuple(1, kWp1.lat, kWp1.lon, 76.0, 1, 1.5, 1);
  RunTicks(36);
  EXPECT_EQ(std::tuple(KeyEvents(0x101FA) - before, CalcHeadingDiff(Last(0x101FA, -999), 0.0) <= 1),
            std::tuple(1, true));
  const RoutePoint p1{"", h.pattern_pts[1].lat, h.pattern_pts[1].lon};
  const double side_crs = h.pattern_pts[1].course;
  const RoutePoint on_side = At(p1, side_crs, 3.0, 0.0);
  SetPosition(on_side.lat, on_side.lon);
  RunTicks(1);
  const double h0 = pattern_hdg;  // 1 NM to the lead point: 0.3 degrees either side of the whole one
  for (int i = 0; i < 8; ++i, RunTicks(1)) {
    const RoutePoint p = At(p1, side_crs, 3.0, -std::tan((std::round(h0) + (i % 2 ? 0.3 : -0.3) - h0) * kDegToRad));
    SetPosition(p.lat, p.lon);
  }
  EXPECT_LE(KeyEvents(0x101FA) - before, 3);

  // Descending towards 12000 ft 20 NM ahead, the autopilot holding 12000 with a descent rate sent:
  // the altitude held and whether a descent rate goes on.
  constexpr std::tuple<double, int32_t, double, int32_t, bool> kLevels[] = {
      {18000.0, 4000, 12000.0, 12000, true},  {18000.0, 14000, 12000.0, 14000, true},
      {11950.0, 4000, 12000.0, 12000, false}, {6000.0, 4000, 12000.0, 4000, false},
      {6000.0, -99, 12000.0, 6000, false},    {6000.0, 8000, 5000.0, 6000, false}};
  for (const auto& [alt_ft, mcp_ft, cross_ft, held_ft, descends] : kLevels) {
    Fresh(kWp1);
    host_.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 12000.0);
    std::tie(vnav, toc, tod, init_tod, ap_alt_lock, vnav_vs_ref, ground_speed, ias) =
        std::tuple(1, 1, 1, 1, 12000.0, -1800, 300.0, 280.0);
    std::tie(plane_alt, alt_sel_num, cross_at_elev, dist_to_cross_at) = std::tuple(alt_ft, mcp_ft, cross_ft, 20.0);
    get_vnav_info();
    const int32_t held = Last(0x1024C, 12000), rate = Last(0x101F4, -1800);
    EXPECT_EQ(std::tuple(held, rate < 0), std::tuple(held_ft, descends)) << alt_ft << " " << mcp_ft;
    EXPECT_FALSE(held > plane_alt && rate < 0) << alt_ft;
  }
}

}  // namespace
