#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "afds/lnav_engage.h"
#include "afds/route_progress_globals.h"
#include "afds_fixture.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using afds_test::Events;

constexpr double kNmPerDeg = 60.0;
constexpr const char* kNotOnIntercept = "NOT ON INTERCEPT HEADING";

// An eastbound route along the equator (every course 090 true, no variation): A, B 60 NM east, C.
class LnavTest : public afds_test::AfdsTest {
 protected:
  void SetUp() override {
    AfdsTest::SetUp();
    SetActiveRoute({{"A", 0.0, 0.0}, {"B", 0.0, 1.0}, {"C", 0.0, 2.0}});
    SetRadioHeightFt(3000.0);
  }
  // The aircraft `east_nm` along the leg and `south_nm` right of it, with the route distances the
  // route following keeps (measured along the leg, so the along-track point is abeam).
  void Place(double east_nm, double south_nm) {
    SetPosition(-south_nm / kNmPerDeg, east_nm / kNmPerDeg);
    RunTicks(1);
    std::tie(active_leg_dist, dist_to_active_wpt, rel_leg_course) = std::tuple(60.0, 60.0 - east_nm, 90.0);
    Mark();
  }
  void Headings(double heading, double wpt_brg, double leg_course) {
    std::tie(plane_hdg_mag, active_wpt_brg, rel_leg_course) = std::tuple(heading, wpt_brg, leg_course);
  }
  bool Direct() const { return lnav == 1 && lnav_init_mode == 0 && lnav_leg[0].FrId == "DIRECT"; }
  bool Armed() const { return lnav == 1 && lnav_init_mode == 1; }
};

struct HeadingCase {
  const char* label;
  double heading, wpt_brg, leg_course, xtk_nm;
  int32_t act_without_heading;
  const char* outcome;  // "direct", "search" (intercept search, armed or refused) or "refused"
};

void PrintTo(const HeadingCase& c, std::ostream* os) { *os << c.label; }

class LnavButton : public LnavTest, public ::testing::WithParamInterface<HeadingCase> {};
class LnavAfterNoPlace : public LnavTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(LnavButton, TestsTheHeadingThenEngagesDirectOrSearchesAnIntercept) {
  const HeadingCase& c = GetParam();
  Place(10.0, c.xtk_nm);
  ActLnavWoIntHdg = c.act_without_heading;
  Headings(c.heading, c.wpt_brg, c.leg_course);
  LnavIntercept();
  const std::string outcome = c.outcome;
  if (outcome == "direct") {
    EXPECT_TRUE(Direct());
    EXPECT_EQ(Sent(), (Events{{0x1010F, 0}}));
  } else if (outcome == "search") {
    EXPECT_FALSE(Direct());
    EXPECT_EQ(Sent(), Events{});
  } else {
    EXPECT_EQ(std::tuple(lnav, cdu_message), std::tuple(0, kNotOnIntercept));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LnavButton,
    ::testing::Values(HeadingCase{"BothTurnsRightFarFromTheLeg", 60, 80, 100, 5.0, 0, "search"},
                      HeadingCase{"BothTurnsRightNearTheLeg", 60, 80, 100, 2.0, 0, "direct"},
                      HeadingCase{"WaypointFarLeftOfTheNose", 100, 70, 120, 5.0, 0, "refused"},
                      HeadingCase{"WaypointFarLeftAllowedByConfig", 100, 70, 120, 5.0, 1, "direct"},
                      HeadingCase{"LegCourse95Off", 0, 10, 95, 5.0, 0, "refused"},
                      HeadingCase{"LegCourse90Off", 0, 10, 90, 5.0, 0, "search"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LnavTest, ArmsWithTheInterceptWhereThePresentHeadingMeetsTheLeg) {
  Place(10.0, 10.0);
  Headings(45.0, 80.0, 90.0);
  hdg_sel_mode = 1;
  LnavIntercept();
  ASSERT_TRUE(Armed());
  EXPECT_NEAR(lnav_join_trk_lon * kNmPerDeg, 20.0, 0.05);
  EXPECT_NEAR(lnav_init_dist, 14.142, 0.05);
  EXPECT_EQ(hdg_sel_mode, 1);  // HDG SEL flies to the intercept
  EXPECT_EQ(Sent(), Events{});
}

// After a DISCO, or on a route entered without an origin (row 0 empty), the active leg starts DIRECT
// where the route was executed; the intercept found on that leg is flown on it, not on a leg from the
// row's 0N 0E.
TEST_P(LnavAfterNoPlace, InterceptAfterADiscoKeepsTheLegItWasFoundOn) {
  if (GetParam() == 2) {
    SetActiveRoute({{"A", 10.0, 9.0}, {"DISCO", 0.0, 0.0}, {"B", 10.0, 11.0}, {"C", 10.0, 12.0}}, 2);
  } else {
    SetActiveRoute({{"", 0.0, 0.0}, {"B", 10.0, 11.0}, {"C", 10.0, 12.0}}, 1);
  }
  std::tie(lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon) = std::tuple("DIRECT", 10.0, 10.0);
  SetPosition(10.0 - 10.0 / kNmPerDeg, 10.2);
  RunTicks(1);
  std::tie(active_leg_dist, dist_to_active_wpt) = std::tuple(59.0, 48.0);
  Headings(45.0, 80.0, 90.0);
  hdg_sel_mode = 1;
  LnavIntercept();
  ASSERT_TRUE(Armed());
  EXPECT_EQ(std::tuple(lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon), std::tuple("DIRECT", 10.0, 10.0));
}
INSTANTIATE_TEST_SUITE_P(ActiveRow, LnavAfterNoPlace, ::testing::Values(2, 1));

// The intercept lies 14.14 NM ahead; it may be at most 1.5 NM farther than the active waypoint.
TEST_F(LnavTest, InterceptBeyondTheWaypointIsRefused) {
  for (double beyond_nm : {1.4, 1.6}) {
    lnav = 0;
    cdu_message.clear();
    Place(10.0, 10.0);
    Headings(45.0, 80.0, 90.0);
    dist_to_active_wpt = 14.142 - beyond_nm;
    active_leg_dist = dist_to_active_wpt + 10.0;
    LnavIntercept();
    EXPECT_EQ(Armed(), beyond_nm < 1.5) << beyond_nm;
    EXPECT_EQ(cdu_message, beyond_nm < 1.5 ? "" : kNotOnIntercept) << beyond_nm;
  }
}

TEST_F(LnavTest, DirectEngagementReleasesTheHeadingModesAndNavSource) {
  Place(10.0, 1.0);
  Headings(90.0, 90.0, 90.0);
  std::tie(hdg_hold_mode, nav_button) = std::tuple(1, 1);
  lnav_init_mode = 1;  // left over from an intercept the master-off dropped
  std::tie(lnav_leg[0].ToId, lnav_leg[0].to_lon) = std::tuple("OLD", 9.0);  // a leg from before a route change
  LnavIntercept();
  EXPECT_TRUE(Direct());
  EXPECT_EQ(std::tuple(lnav_leg[0].ToId, lnav_leg[0].to_lon), std::tuple(std::string("B"), 1.0));
  EXPECT_EQ(std::tuple(hdg_hold_mode + nav_button, Sent()), std::tuple(0, (Events{{0x1010F, 0}, {0x1011B, 0}})));
}

TEST_F(LnavTest, WithoutAnActiveRouteNothingIsFlownOrMeasured) {
  stpos = 999;
  int32_t side = 7;
  double dist = 0.0;
  ComputeLnavGeometry(&side, &dist);
  EXPECT_EQ(std::tuple(dist, side), std::tuple(-99.0, 7));
  LnavIntercept();
  EXPECT_EQ(std::tuple(lnav, Sent(), cdu_message), std::tuple(0, Events{}, std::string("")));
}

}  // namespace
