#include "afds/tick_vnav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "state/config_globals.h"
#include "support/tick_fixture.h"

namespace {

constexpr uint32_t kMcpAltitude = 0x1024C;
constexpr uint32_t kMcpSpeed = 0x101F5;
constexpr uint32_t kPause = 0x10019;
constexpr uint32_t kSimRateDown = 0x100FE;
constexpr double kNmPerDegLat = 60.0;

// A northbound route with the aircraft on its first leg in cruise at 35000 ft.
class VnavTest : public tick_test::TickTest {
 protected:
  void SetUp() override {
    TickTest::SetUp();
    SetActiveRoute(NorthboundRoute(4));
    SetRadioHeightFt(3000.0);
    std::tie(cruise_alt, init_cruise_alt) = std::tuple(35000, 35000);
    SetAltitudeFt(35000.0);
    host_.SetToken(115, 1.0);  // the simulator's speed hold is on unless a test says otherwise
    SetPosition(47.2, -122.0);
  }
  // The predicted T/D point `nm` north of the aircraft's latitude `lat`.
  void SetTodAhead(double lat, double nm) {
    std::tie(tod_lat, tod_lon) = std::tuple(lat + nm / kNmPerDegLat, -122.0);
  }
};

class TopOfClimb : public VnavTest, public ::testing::WithParamInterface<std::pair<double, int32_t>> {};

TEST_P(TopOfClimb, IsTakenJustBelowOrAboveTheCruiseAltitude) {
  SetAltitudeFt(GetParam().first);
  RunToRouteSlot();
  EXPECT_EQ(toc, GetParam().second);
  EXPECT_EQ(tmsp, GetParam().second == 1 ? 6 : 1);  // cruise thrust reference at the T/C
}

INSTANTIATE_TEST_SUITE_P(Cases, TopOfClimb,
                         ::testing::Values(std::pair{34951.0, 1}, std::pair{34950.0, 0}, std::pair{35400.0, 1}));

struct ResetMcpCase {
  double plane_alt_ft;
  int32_t show_msg;
  bool shown;
};

void PrintTo(const ResetMcpCase& c, std::ostream* os) { *os << c.plane_alt_ft << " ft, show_msg " << c.show_msg; }

class TodByPosition : public VnavTest, public ::testing::WithParamInterface<ResetMcpCase> {};

// RESET MCP shows only within 100 ft below the cruise altitude, and only when configured.
TEST_P(TodByPosition, StartsTheDescentAndAsksToResetTheMcp) {
  const ResetMcpCase& c = GetParam();
  std::tie(toc, alt_sel_num, FmcShowResetMCPMsg) = std::tuple(1, 35000, c.show_msg);
  SetAltitudeFt(c.plane_alt_ft);
  SetTodAhead(47.2, 1.0);
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(tod, KeyEventValues(kMcpAltitude)), std::tuple(1, std::vector<int32_t>{35000}));
  EXPECT_EQ(cdu_message, c.shown ? "RESET MCP" : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, TodByPosition,
                         ::testing::Values(ResetMcpCase{34900.0, 1, true}, ResetMcpCase{34899.0, 1, false},
                                           ResetMcpCase{35000.0, 0, false}));

// The T/D by distance compares the bearing to the destination with the active leg's true course.
// A cruise altitude of 1000 ft or less keeps the route distances' own T/D rule out of the way.
using TodByDistance = tick_test::TickTest;

TEST_F(TodByDistance, IsTakenWithTheDestinationSouthAlongTheLeg) {
  SetActiveRoute({{"A", 48.0, -122.0}, {"B", 47.5, -122.0}, {"C", 47.0, -122.0}, {"D", 46.5, -122.0}});
  SetRadioHeightFt(3000.0);
  SetPosition(47.8, -122.0);
  cruise_alt = init_cruise_alt = 900;
  SetAltitudeFt(900.0);
  toc = toc_dist_done = 1;
  last_restr_lat = 48.0;  // the descent is measured from behind the aircraft
  last_restr_lon = -122.0;
  RunToRouteSlot();
  ASSERT_GT(route_dist_acc, to_wpt_dtg);
  EXPECT_EQ(std::tuple(tod, KeyEvents(kMcpAltitude)), std::tuple(1, 1));
}

// The 10000 ft speed restriction in the descent: sent once near it, and level flight (vertical
// speed 0) never reaches it.
TEST_F(VnavTest, DescentRestrictionSpeedIsSentOnceNearItsAltitude) {
  toc = tod = init_tod = vnav = 1;
  host_.SetToken(116, 280.0);
  SetGroundSpeedKt(300.0);
  SetAltitudeFt(10300.0);
  SetVerticalSpeedFpm(0.0);
  RunToRouteSlot();
  EXPECT_EQ(std::tuple(dist_to_desc_alt_rest, KeyEvents(kMcpSpeed)), std::tuple(999.0, 0));
  SetVerticalSpeedFpm(-2000.0);  // 300 ft at 2000 fpm and 300 kt: 0.75 NM
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_NEAR(dist_to_desc_alt_rest, 0.75, 1e-6);
  EXPECT_EQ(std::tuple(KeyEventValues(kMcpSpeed), desc_spd_restr_set), std::tuple(std::vector<int32_t>{250}, 1.0));
}

// Past the T/D the crossing point stays the constraint ahead until the aircraft gets there, though
// the look-ahead sequences it half a minute before; there the next segment starts and its altitude
// goes to the MCP.
TEST_F(VnavTest, CrossingPointPastTheTodSetsTheMcpAltitudeAndStartsTheNextSegment) {
  toc = tod = init_tod = vnav = 1;
  std::tie(alt_sel_num, fms_fpln_act[1].restr, fms_fpln_act[2].restr) = std::tuple(5000, 1, 3);
  std::tie(fms_fpln_act[1].alt, fms_fpln_act[2].alt, cross_at_elev, cross_at_row) = std::tuple(13000.0, 11000.0, 13000.0, 1);
  SetAltitudeFt(13500.0);
  SetGroundSpeedKt(480.0);
  SetPosition(47.5 - 2.0 / kNmPerDegLat, -122.0);  // within the look-ahead of waypoint 1
  RunToRouteSlot();
  RunToRouteSlot();
  RunOffSlotTicks(3);
  const std::vector<int32_t> sent = KeyEventValues(kMcpAltitude);
  EXPECT_EQ(std::tuple(stpos, cross_at_elev, std::count(sent.begin(), sent.end(), 11000)), std::tuple(2, 13000.0, 0));
  SetPosition(47.5 + 0.5 / kNmPerDegLat, -122.0);
  SetAltitudeFt(13000.0);
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kMcpAltitude).back(), 11000);
  EXPECT_EQ(std::tuple(tod, tod_stpos, cross_at_elev, tod_alt), std::tuple(1, 1, 11000.0, 13000.0));
}

// The route slot runs the speed pass: level at the cruise altitude, VNAV holds the cruise Mach.
TEST_F(VnavTest, RouteSlotRunsTheSpeedPass) {
  for (int i = 0; i <= 4; ++i) fms_fpln_act[i].alt = fms_fpln_act[i].ias = 0.0;
  std::tie(vnav, toc, cruise_mach, vnav_last_set_spd) = std::tuple(1, 1, 0.8, -999.0);
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(0x101F6), std::vector<int32_t>{80});
}

// The T/D pause and the step down to normal simulation rate each happen once; the destination
// pause once inside its distance.
TEST_F(VnavTest, TodAndDestinationPausesAndRateStepsHappenOnce) {
  std::tie(PauseAtTod, one_x_at_tod, tod) = std::tuple(1, 1, 1);
  host_.SetToken(336, 4.0);
  RunTicks(3);
  EXPECT_EQ(std::tuple(KeyEvents(kPause), PauseAtTod, KeyEvents(kSimRateDown)), std::tuple(1, 0, 3));
  host_.SetToken(336, 1.0);
  RunTicks(3);
  EXPECT_EQ(std::tuple(KeyEvents(kSimRateDown), tod_1x_done), std::tuple(3, 1));
  std::tie(init_tod, pause_at_dist_on, PauseAtDistFromDest) = std::tuple(1, 1, 20);
  for (const auto& [dest_nm, pauses] : {std::pair{20.0, 1}, std::pair{19.9, 2}, std::pair{10.0, 2}}) {
    dest_dtg = dest_nm;
    RunTicks(3);
    EXPECT_EQ(KeyEvents(kPause), pauses) << dest_nm;
  }
}

}  // namespace
