// Waypoint passage on legs whose course turns on the way: across the pole, over the pole itself and
// on a leg of thousands of miles. A waypoint counts as passed where the aircraft crosses the line
// square to the leg at the waypoint, not square to the course the leg started on.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "afds/tick_route.h"
#include "base/geodesy.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "support/tick_fixture.h"

namespace {

using tick_test::RoutePoint;

class LongLegPassage : public tick_test::TickTest {
 protected:
  // `along` NM from `from` on the leg's great circle towards `to`, then `side` NM to its right.
  void At(RoutePoint from, RoutePoint to, double along, double side) {
    double dist = 0.0, brg = 0.0, lat = 0.0, lon = 0.0;
    CalcDistBrg(from.lat, from.lon, to.lat, to.lon, &dist, &brg);
    CalcDestPoint(from.lat, from.lon, brg, along, &lat, &lon);
    CalcDistBrg(lat, lon, from.lat, from.lon, &dist, &brg);
    CalcDestPoint(lat, lon, norm360(brg + (side < 0.0 ? 90.0 : 270.0)), std::fabs(side), &plane_lat, &plane_lon);
    SetPosition(plane_lat, plane_lon);
  }
  // 60 NM beyond `to` on the leg's great circle: the route goes straight on, with no corner to cut
  // at the waypoint.
  static RoutePoint Beyond(RoutePoint from, RoutePoint to) {
    double dist = 0.0, brg = 0.0;
    RoutePoint next{"NEXT", 0.0, 0.0};
    CalcDistBrg(from.lat, from.lon, to.lat, to.lon, &dist, &brg);
    CalcDestPoint(from.lat, from.lon, brg, dist + 60.0, &next.lat, &next.lon);
    return next;
  }
};

// The active leg after flying leg 1 to a point on it, at 120 kt (1 NM look-ahead): across the pole
// (85N 60W to 85N 120E, where the old line was crossed at the pole, 300 NM early), over the pole
// (passed 6 NM abeam, never sequenced before) and a 5,924 NM leg ending 100 degrees off its first
// course (passed 75-80 NM early before).
TEST_F(LongLegPassage, WaypointIsPassedWhereTheLegMeetsIt) {
  const RoutePoint wpt01{"WPT01", 85.0, -60.0}, wpt02{"WPT02", 85.0, 120.0}, pole{"NPOLE", 90.0, 0.0};
  const RoutePoint west{"WPT00", 51.0, -5.0};
  RoutePoint far{"WPT01", 0.0, 0.0};
  CalcDestPoint(west.lat, west.lon, 10.0, 5924.0, &far.lat, &far.lon);
  const struct {
    RoutePoint from, to;
    double along, side;
    int32_t active;
  } cases[] = {{wpt01, wpt02, 310.0, 0.0, 1},  {wpt01, wpt02, 598.0, 5.0, 1},  {wpt01, wpt02, 601.0, -5.0, 2},
               {wpt01, pole, 299.0, 6.0, 1},   {wpt01, pole, 301.0, 6.0, 2},   {west, far, 5844.0, 10.0, 1},
               {west, far, 5922.0, 10.0, 1},   {west, far, 5925.0, 10.0, 2}};
  SetRadioHeightFt(3000.0);
  SetGroundSpeedKt(120.0);
  for (const auto& c : cases) {
    SetActiveRoute({c.from, c.to, Beyond(c.from, c.to)}, 1);
    At(c.from, c.to, c.along, c.side);
    RunToRouteSlot();
    RunToRouteSlot();
    EXPECT_EQ(stpos, c.active) << c.to.ident << " " << c.along;
  }
}

// Within 10 NM of the waypoint on the polar leg, on course to it, the early turn sees nothing: the
// waypoint lies along the leg as flown there.
TEST_F(LongLegPassage, EarlyTurnOnAPolarLegWaitsForTheTurn) {
  const RoutePoint wpt01{"WPT01", 85.0, -60.0}, wpt02{"WPT02", 85.0, 120.0};
  SetActiveRoute({wpt01, wpt02, {"WPT03", 80.0, 120.0}, {"WPT04", 75.0, 120.0}}, 1);
  At(wpt01, wpt02, 591.0, 0.0);
  std::tie(lnav, ap_nav_hold, dist_to_active_wpt, redraw_tick, tick36_counter) = std::tuple(1, 1.0, 9.0, 0, 0);
  active_wpt_brg = norm360(180.0 - mag_var);
  StepEarlyTurnSequencing();
  EXPECT_EQ(dist_to_active_wpt, 9.0);
  active_wpt_brg = norm360(290.0 - mag_var);  // turned off the leg: the waypoint falls behind
  StepEarlyTurnSequencing();
  EXPECT_EQ(dist_to_active_wpt, kSequenceNow);
}

}  // namespace
