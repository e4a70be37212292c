#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/traffic_pattern.h"
#include "fmc/vertical_profile.h"
#include "fmc/vnav_targets.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "frame/tick_route.h"
#include "frame/tick_vnav.h"
#include "state/config_globals.h"
#include "tick_fixture.h"

namespace {

constexpr uint32_t kMcpAltitude = 0x1024C;
constexpr uint32_t kSpeedHoldOn = 0x1022D;
constexpr uint32_t kMachHoldOff = 0x1023E;
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
    cruise_alt = 35000;
    init_cruise_alt = 35000;
    SetAltitudeFt(35000.0);
    host_.SetToken(115, 1.0);  // the simulator's speed hold is on unless a test says otherwise
    PlaceOnFirstLeg(47.2);
  }
  void PlaceOnFirstLeg(double lat) { SetPosition(lat, -122.0); }
  // The predicted T/D point `nm` north of the aircraft's latitude `lat`.
  void SetTodAhead(double lat, double nm) {
    tod_lat = lat + nm / kNmPerDegLat;
    tod_lon = -122.0;
  }
};

struct TocCase {
  const char* label;
  double plane_alt_ft;
  int32_t toc_after;
};

class TopOfClimb : public VnavTest, public ::testing::WithParamInterface<TocCase> {};

TEST_P(TopOfClimb, IsTakenJustBelowOrAboveTheCruiseAltitude) {
  SetAltitudeFt(GetParam().plane_alt_ft);
  RunToRouteSlot();
  EXPECT_EQ(toc, GetParam().toc_after);
  if (GetParam().toc_after == 1) {
    EXPECT_EQ(toc_dist_done, 1);
    EXPECT_EQ(tmsp, 6);
    EXPECT_EQ(vnav_page, 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TopOfClimb,
                         ::testing::Values(TocCase{"FortyNineFeetBelow", 34951.0, 1}, TocCase{"FiftyFeetBelow", 34950.0, 0},
                                           TocCase{"Above", 35400.0, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

struct ResetMcpCase {
  const char* label;
  double plane_alt_ft;
  int32_t show_msg;
  bool shown;
};

class TodByPosition : public VnavTest, public ::testing::WithParamInterface<ResetMcpCase> {};

TEST_P(TodByPosition, StartsTheDescentAndAsksToResetTheMcp) {
  const ResetMcpCase& c = GetParam();
  toc = 1;
  alt_sel_num = 35000;
  FmcShowResetMCPMsg = c.show_msg;
  SetAltitudeFt(c.plane_alt_ft);
  SetTodAhead(47.2, 1.0);
  RunToRouteSlot();
  EXPECT_EQ(tod, 1);
  EXPECT_EQ(init_tod, 1);
  EXPECT_EQ(tod_stpos, 1);
  EXPECT_DOUBLE_EQ(last_restr_lat, tod_lat);
  EXPECT_EQ(KeyEventValues(kMcpAltitude), std::vector<int32_t>{35000});
  EXPECT_EQ(tod_alt_send_cnt, 1);
  EXPECT_EQ(vnav_page, 3);
  EXPECT_EQ(cdu_message, c.shown ? "RESET MCP" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TodByPosition,
    ::testing::Values(ResetMcpCase{"HundredFeetBelowCruise", 34900.0, 1, true},
                      ResetMcpCase{"LowerStill", 34899.0, 1, false},
                      ResetMcpCase{"MessageSwitchedOff", 35000.0, 0, false}),
    [](const auto& info) { return std::string(info.param.label); });

struct EarlyTodCase {
  double tod_nm;
  int32_t tod_after;
};

class TodAfterEarlyTurn : public VnavTest, public ::testing::WithParamInterface<EarlyTodCase> {};

TEST_P(TodAfterEarlyTurn, TakesATodWithinTenMilesAtOnce) {
  toc = 1;
  early_seq_in_cruise = 1;
  SetTodAhead(47.2, GetParam().tod_nm);
  RunToRouteSlot();
  EXPECT_EQ(tod, GetParam().tod_after);
  EXPECT_EQ(early_seq_in_cruise, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, TodAfterEarlyTurn,
                         ::testing::Values(EarlyTodCase{9.0, 1}, EarlyTodCase{10.01, 0}));

// The T/D by distance compares the bearing to the destination with the active leg's true course.
// A cruise altitude of 1000 ft or less keeps the route distances' own T/D rule out of the way.
class TodByDistance : public tick_test::TickTest {
 protected:
  void Fly(const std::vector<tick_test::RoutePoint>& route, double lat, double lon) {
    SetActiveRoute(route);
    SetRadioHeightFt(3000.0);
    SetPosition(lat, lon);
    cruise_alt = 900;
    init_cruise_alt = 900;
    SetAltitudeFt(900.0);
    toc = 1;
    toc_dist_done = 1;
    last_restr_lat = route[0].lat;  // the descent is measured from behind the aircraft
    last_restr_lon = route[0].lon;
    RunToRouteSlot();
  }
};

TEST_F(TodByDistance, IsTakenWithTheDestinationSouthAlongTheLeg) {
  Fly({{"A", 48.0, -122.0}, {"B", 47.5, -122.0}, {"C", 47.0, -122.0}, {"D", 46.5, -122.0}}, 47.8, -122.0);
  ASSERT_GT(route_dist_acc, to_wpt_dtg);
  EXPECT_EQ(tod, 1);
  EXPECT_EQ(init_tod, 1);
  EXPECT_EQ(KeyEvents(kMcpAltitude), 1);
  EXPECT_EQ(vnav_page, 3);
}

TEST_F(TodByDistance, IsNotTakenWhileTheLegPointsAwayFromTheDestination) {
  Fly({{"A", 48.0, -122.0}, {"B", 48.0, -121.0}, {"C", 47.0, -121.0}, {"D", 46.5, -121.0}}, 48.0, -121.7);
  ASSERT_GT(route_dist_acc, to_wpt_dtg);
  EXPECT_EQ(tod, 0);
  EXPECT_EQ(KeyEvents(kMcpAltitude), 0);
}

struct AfterTodCase {
  const char* label;
  double wpt_nm;  // from the aircraft to the active waypoint
  double ap_mach;
  std::vector<uint32_t> events;
};

class AfterTod : public VnavTest, public ::testing::WithParamInterface<AfterTodCase> {};

TEST_P(AfterTod, CommandsTheDescentSpeedOrLeavesTheMachHold) {
  const AfterTodCase& c = GetParam();
  toc = 1;
  vnav = 1;
  host_.SetToken(117, c.ap_mach);
  const double lat = 47.5 - c.wpt_nm / kNmPerDegLat;
  PlaceOnFirstLeg(lat);
  SetTodAhead(lat, 1.0);
  RunToRouteSlot();
  ASSERT_EQ(tod, 1);
  EXPECT_EQ(vnav_cruise, 1);
  EXPECT_EQ(KeyEventOrder({kMachHoldOff, kSpeedHoldOn, kMcpSpeed}), c.events);
  if (c.events == std::vector<uint32_t>{kMcpSpeed}) {
    EXPECT_EQ(KeyEventValues(kMcpSpeed), std::vector<int32_t>{290});
    EXPECT_EQ(vnav_last_set_spd, 290.0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AfterTod,
    ::testing::Values(AfterTodCase{"FarNoMach", 30.0, 0.0, {kMcpSpeed}},
                      AfterTodCase{"FarMach", 30.0, 1.0, {kMachHoldOff, kSpeedHoldOn}},
                      AfterTodCase{"NearNoMach", 20.0, 0.0, {}},
                      AfterTodCase{"NearMach", 20.0, 1.0, {kMachHoldOff, kSpeedHoldOn}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(VnavTest, TodMeasuresTheDescentToTheNextAltitudeTarget) {
  toc = 1;
  fms_fpln_act[3].restr = 1;
  fms_fpln_act[3].alt = 11000.0;
  next_restr_leg = 3;
  SetTodAhead(47.2, 1.0);
  RunToRouteSlot();
  ASSERT_EQ(tod, 1);
  double tod_to_wp1 = 0.0, brg = 0.0;
  CalcDistBrg(tod_lat, tod_lon, 47.5, -122.0, &tod_to_wp1, &brg);
  EXPECT_NEAR(route_dist_sum, tod_to_wp1 + 60.0, 0.01);
  EXPECT_EQ(cross_at_elev, 11000.0);
  EXPECT_EQ(cross_at_lat, 48.5);
  EXPECT_EQ(tod_stpos, 1);
}

class DescentRestriction : public VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    toc = 1;
    tod = 1;
    init_tod = 1;
    vnav = 1;
    host_.SetToken(116, 280.0);
    SetGroundSpeedKt(300.0);
  }
};

TEST_F(DescentRestriction, SpeedIsSentOnceNearTheRestrictionAltitude) {
  SetAltitudeFt(10300.0);
  SetVerticalSpeedFpm(-2000.0);  // 300 ft at 2000 fpm and 300 kt: 0.75 NM
  RunToRouteSlot();
  RunToRouteSlot();
  EXPECT_NEAR(dist_to_desc_alt_rest, 0.75, 1e-6);
  EXPECT_EQ(KeyEventValues(kMcpSpeed), std::vector<int32_t>{250});
  EXPECT_EQ(desc_spd_restr_set, 1.0);
  EXPECT_EQ(vnav_last_set_spd, 250.0);
}

TEST_F(DescentRestriction, LevelFlightNeverReachesTheRestrictionAltitude) {
  SetAltitudeFt(10300.0);
  SetVerticalSpeedFpm(0.0);
  RunToRouteSlot();
  EXPECT_EQ(dist_to_desc_alt_rest, 999.0);
  EXPECT_EQ(KeyEvents(kMcpSpeed), 0);

  SetAltitudeFt(9990.0);  // below the restriction altitude the speed goes out anyway
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kMcpSpeed), std::vector<int32_t>{250});
}

struct ClimbEndCase {
  const char* label;
  int32_t leg_restr;
  int32_t expected_kt;
};

class ClimbRestrictionEnd : public VnavTest, public ::testing::WithParamInterface<ClimbEndCase> {};

TEST_P(ClimbRestrictionEnd, SendsTheLegOrClimbSpeedAboveTheRestrictionAltitude) {
  vnav = 1;
  clb_spd_restr_active = 1;
  fms_fpln_act[1].restr = GetParam().leg_restr;
  fms_fpln_act[1].ias = 240.0;
  SetAltitudeFt(10100.0);
  RunToRouteSlot();
  EXPECT_EQ(KeyEventValues(kMcpSpeed), std::vector<int32_t>{GetParam().expected_kt});
  EXPECT_EQ(target_ias, GetParam().expected_kt);
  EXPECT_EQ(clb_spd_restr_active, 0);
  EXPECT_EQ(spdhld_flsh_ctr, 1);  // one FLCH pass
}

INSTANTIATE_TEST_SUITE_P(Cases, ClimbRestrictionEnd,
                         ::testing::Values(ClimbEndCase{"AltitudeOnly", 1, 280}, ClimbEndCase{"Both", 3, 240}),
                         [](const auto& info) { return std::string(info.param.label); });

class CrossingPoint : public VnavTest {
 protected:
  // Within the look-ahead of waypoint 1 for three ticks between route slots.
  void RunWithinLookAhead() {
    SetGroundSpeedKt(480.0);
    PlaceOnFirstLeg(47.5 - 2.0 / kNmPerDegLat);
    RunToRouteSlot();
    RunOffSlotTicks(3);
  }
};

TEST_F(CrossingPoint, PastTheTodWithVnavItSetsTheMcpAltitudeAndStartsTheNextSegment) {
  toc = 1;
  tod = 1;
  init_tod = 1;
  vnav = 1;
  alt_sel_num = 5000;
  fms_fpln_act[1].restr = 1;
  fms_fpln_act[2].restr = 3;
  fms_fpln_act[2].alt = 11000.0;
  RunWithinLookAhead();
  EXPECT_EQ(cross_at_elev, 11000.0);
  ASSERT_FALSE(KeyEventValues(kMcpAltitude).empty());
  EXPECT_EQ(KeyEventValues(kMcpAltitude).back(), 11000);
  // The constrained active leg began a new descent segment: the T/D tests run again for it.
  EXPECT_EQ(tod, 0);
  EXPECT_EQ(tod_stpos, stpos);
}

class TodPauses : public tick_test::TickTest {};

TEST_F(TodPauses, PauseAtTodHappensOnceAndDisarms) {
  PauseAtTod = 1;
  tod = 1;
  RunTicks(3);
  EXPECT_EQ(KeyEvents(kPause), 1);
  EXPECT_EQ(PauseAtTod, 0);
  EXPECT_EQ(tod_pause_done, 1);
}

TEST_F(TodPauses, SimulationRateIsSteppedDownEveryTickUntilNormal) {
  one_x_at_tod = 1;
  tod = 1;
  host_.SetToken(336, 4.0);
  RunTicks(3);
  EXPECT_EQ(KeyEvents(kSimRateDown), 3);
  host_.SetToken(336, 1.0);
  RunTicks(3);
  EXPECT_EQ(KeyEvents(kSimRateDown), 3);
  EXPECT_EQ(tod_1x_done, 1);
}

struct DestPauseCase {
  double dest_nm;
  int pauses;
};

class PauseNearDestination : public TodPauses, public ::testing::WithParamInterface<DestPauseCase> {};

TEST_P(PauseNearDestination, PausesOnceInsideTheConfiguredDistance) {
  init_tod = 1;
  pause_at_dist_on = 1;
  PauseAtDistFromDest = 20;
  dest_dtg = GetParam().dest_nm;
  RunTicks(3);
  EXPECT_EQ(KeyEvents(kPause), GetParam().pauses);
  EXPECT_EQ(pause_at_dist_on, GetParam().pauses == 1 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PauseNearDestination,
                         ::testing::Values(DestPauseCase{19.9, 1}, DestPauseCase{20.0, 0}));

}  // namespace
