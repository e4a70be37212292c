#include "fmc/vertical_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fmc/vnav_fixture.h"
#include "state/config_globals.h"

namespace {

using vnav_test::DistNm;
using vnav_test::ExecuteProfile;
using vnav_test::RouteNm;
using vnav_test::SetActiveRoute;

constexpr double kPosTolDeg = 1e-4;  // about 0.006 NM
constexpr double kDistTolNm = 0.05;

// Seattle to Portland the long way, east over the Cascades and back along the Columbia: 11 legs,
// 278 NM, with a climb constraint out of Seattle and three on the arrival.
void SetSeattlePortlandRoute() {
  SetActiveRoute({
      {"KSEA", 47.4500, -122.3110},
      {"TACMA", 47.2010, -122.3460, 3, 5000.0, 220.0},
      {"SNOQL", 47.4170, -121.4120},
      {"CLEEL", 47.1960, -120.9480},
      {"ELN", 47.0245, -120.5700},
      {"VANTG", 47.0090, -120.0010},
      {"YKM", 46.5702, -120.4458},
      {"DALLS", 45.6020, -121.1850},
      {"HHOOD", 45.5500, -121.7000, 3, 11000.0, 250.0},
      {"MINNE", 45.5700, -122.1000, 1, 7000.0},
      {"ROWBE", 45.6000, -122.4000, 1, 4000.0},
      {"KPDX", 45.5890, -122.5970},
  });
}

struct PlannedLeg {
  double alt;
  double ias;
  double mach;
};

class RouteProfile : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    SetSeattlePortlandRoute();
    plane_lat = 47.45;
    plane_lon = -122.311;
    plane_alt = 400.0;
  }

  static void ExpectLegs(const PlannedLeg (&expected)[12]) {
    for (int32_t i = 0; i < 12; ++i) {
      const RouteLeg& leg = fms_fpln_act[i];
      EXPECT_DOUBLE_EQ(leg.alt, expected[i].alt) << leg.ident;
      EXPECT_DOUBLE_EQ(leg.ias, expected[i].ias) << leg.ident;
      EXPECT_NEAR(leg.mach, expected[i].mach, 1e-3) << leg.ident;
    }
  }
};

// Climb 2000 ft/min at 406 kt TAS: 295.6 ft/NM, 83.2 NM from 400 ft to FL250. Descent 1900 ft/min at
// 420.5 kt TAS: 271.1 ft/NM. The descent from FL250 ends at HHOOD's 11000 ft, 51.6 NM of descent.
TEST_F(RouteProfile, SeattlePortlandWithClimbConstraint) {
  ExecuteProfile(25000);

  EXPECT_EQ(climb_rate, 2000);
  EXPECT_DOUBLE_EQ(tod_rod, 1900.0);
  EXPECT_EQ(toc_dist, 83);
  EXPECT_DOUBLE_EQ(toc_alt, 25000.0);
  // The climb levels at TACMA first: the T/C and the crossing point are the constraint.
  EXPECT_NEAR(toc_lat, 47.2010, kPosTolDeg);
  EXPECT_NEAR(toc_lon, -122.3460, kPosTolDeg);
  EXPECT_EQ(toc_stpos, 2);
  EXPECT_NEAR(cross_at_lat, 47.2010, kPosTolDeg);
  EXPECT_NEAR(cross_at_lon, -122.3460, kPosTolDeg);
  EXPECT_DOUBLE_EQ(cross_at_elev, 5000.0);

  // T/D on the YKM-DALLS leg, 51.6 NM along the route before HHOOD.
  EXPECT_NEAR(tod_lat, 46.04134, kPosTolDeg);
  EXPECT_NEAR(tod_lon, -120.85324, kPosTolDeg);
  EXPECT_DOUBLE_EQ(tod_alt, 25000.0);
  const double tod_to_dalls = DistNm(tod_lat, tod_lon, fms_fpln_act[7].lat, fms_fpln_act[7].lon);
  EXPECT_NEAR(tod_to_dalls + RouteNm(7, 8), 14000.0 / 1900.0 * 420.5 / 60.0, kDistTolNm);

  const PlannedLeg expected[12] = {
      {-999.0, -999.0, 0.0},   // KSEA keeps its own values
      {5000.0, 220.0, 0.0},    // TACMA, constraint
      {16800.0, 280.0, 0.74},  // SNOQL: 5000 + 40.1 NM of climb
      {23600.0, 280.0, 0.74},  // CLEEL
      {25000.0, 300.0, 0.78},  // ELN: cruise, climb finished
      {25000.0, 300.0, 0.78},  // VANTG
      {25000.0, 300.0, 0.78},  // YKM: the descent meets the cruise level here
      {16900.0, 290.0, 0.74},  // DALLS: 11000 + 21.9 NM of descent
      {11000.0, 250.0, 0.0},   // HHOOD, constraint
      {7000.0, 250.0, 0.0},    // MINNE: below 10000 ft at 250 kt
      {4000.0, 250.0, 0.0},    // ROWBE
      {-999.0, -999.0, 0.0},   // KPDX keeps its own values
  };
  ExpectLegs(expected);
}

TEST_F(RouteProfile, UnconstrainedClimbLaysTheTocOutFromThePresentPosition) {
  fms_fpln_act[1].restr = 0;
  fms_fpln_act[1].alt = kNoConstraint;
  fms_fpln_act[1].ias = kNoConstraint;
  ExecuteProfile(25000);

  // 83.2 NM along the route: 5.0 NM past CLEEL towards ELN.
  EXPECT_EQ(toc_stpos, 3);
  EXPECT_NEAR(toc_lat, 47.14984, kPosTolDeg);
  EXPECT_NEAR(toc_lon, -120.84575, kPosTolDeg);
  EXPECT_NEAR(RouteNm(0, 3) + DistNm(fms_fpln_act[3].lat, fms_fpln_act[3].lon, toc_lat, toc_lon), 24600.0 / 2000.0 * 406.0 / 60.0,
              kDistTolNm);
  EXPECT_DOUBLE_EQ(cross_at_lat, toc_lat);
  EXPECT_DOUBLE_EQ(cross_at_lon, toc_lon);
  // TACMA climbs from 0 ft at 250 kt below 10000 ft.
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].alt, 4400.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].ias, 250.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].mach, 0.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].alt, 23000.0);
}

TEST_F(RouteProfile, RouteEndsWithoutAnAltitudePlanFromZeroFeet) {
  ExecuteProfile(25000);
  const double snoql = fms_fpln_act[2].alt, dalls = fms_fpln_act[7].alt;
  const double tod_lat_sentinel_ends = tod_lat;
  SetSeattlePortlandRoute();
  fms_fpln_act[0].alt = 0.0;
  fms_fpln_act[11].alt = 0.0;
  ExecuteProfile(25000);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].alt, snoql);
  EXPECT_DOUBLE_EQ(fms_fpln_act[7].alt, dalls);
  EXPECT_DOUBLE_EQ(tod_lat, tod_lat_sentinel_ends);
}

struct RateCase {
  double weight_lb;
  int32_t climb_ias_kt;
  int32_t descent_ias_kt;
  double fpa_deg;
  int32_t climb_rate_fpm;
  double tod_rod_fpm;
};

class ProfileRates : public vnav_test::VnavTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(ProfileRates, FollowTheWeightAndTheSpeeds) {
  const RateCase& c = GetParam();
  SetSeattlePortlandRoute();
  gross_weight = c.weight_lb;
  climb_ias = c.climb_ias_kt;
  descent_ias = c.descent_ias_kt;
  VnavDescFPA = c.fpa_deg;
  init_cruise_alt = 25000;
  CalcRouteProfile(25000);
  EXPECT_EQ(climb_rate, c.climb_rate_fpm);
  EXPECT_DOUBLE_EQ(tod_rod, c.tod_rod_fpm);
  EXPECT_DOUBLE_EQ(climb_tas, c.climb_ias_kt * 1.45);
  EXPECT_DOUBLE_EQ(descent_tas, c.descent_ias_kt * 1.45);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileRates,
    ::testing::Values(RateCase{193999.0, 280, 290, 2.75, 2000, 1900.0},  // 3.0 degrees: 2030 -> 2000
                      RateCase{194000.0, 280, 290, 2.75, 1900, 1900.0},  // 2.75 degrees: 1861 -> 1900
                      RateCase{150000.0, 280, 400, 2.75, 2000, 2100.0},  // 2658 capped
                      RateCase{150000.0, 250, 250, 3.0, 1800, 1800.0}));

// Short routes north along 122 W from 47 N. Routes that look at the climb end far away (kFar), so
// that the descent meets the planning level long before the legs under test.
constexpr double kFar = 52.0;

class ProfileDetails : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    plane_alt = 0.0;
    plane_lat = 47.0;
    plane_lon = -122.0;
  }
  void Plan(int32_t cruise_ft) {
    init_cruise_alt = cruise_ft;
    next_restr_leg = fp_cnt;
    CalcRouteProfile(cruise_ft);
  }
};

TEST_F(ProfileDetails, SpeedOnlyLegKeepsItsSpeedInTheClimbExceptTheRestriction) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0, 2, kNoConstraint, 310.0},
                  {"C", 48.0, -122.0, 2, kNoConstraint, 310.0}, {"KDDD", kFar, -122.0}});
  fms_fpln_act[1].mach = fms_fpln_act[2].mach = 0.7;
  Plan(20000);
  // B at 8800 ft, below 10000 - 25 ft: cut to 250 kt without Mach; C at 17600 ft keeps its own.
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].alt, 8800.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].ias, 250.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].mach, 0.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].ias, 310.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].mach, 0.7);
}

TEST_F(ProfileDetails, PlannedAltitudesAreWholeHundredsAbove1000Ft) {
  // B constrained at 12345.6 ft; C on top of it gains nothing and is cut; D 0.5 NM out of the
  // origin of a second route stays as computed.
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0, 1, 12345.6}, {"C", 47.5, -122.0},
                  {"KDDD", kFar, -122.0}});
  Plan(20000);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].alt, 12300.0);

  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"D", 47.0 + 0.5 / 60.0, -122.0}, {"KDDD", kFar, -122.0}});
  Plan(20000);
  EXPECT_NEAR(fms_fpln_act[1].alt, 0.5 / 406.0 * 60.0 * 2000.0, 0.5);
  EXPECT_NE(fms_fpln_act[1].alt, std::trunc(fms_fpln_act[1].alt / 100.0) * 100.0);
}

TEST_F(ProfileDetails, ClimbSpeedConstraintLowersEarlierLegsBackToAnAltitudeOnlyLeg) {
  // Legs 1..5 one NM apart; leg 2 altitude-only, leg 5 5000 ft at 220 kt.
  SetActiveRoute({{"KAAA", 47.0, -122.0},
                  {"L1", 47.0 + 1.0 / 60, -122.0},
                  {"L2", 47.0 + 2.0 / 60, -122.0, 1, 1500.0},
                  {"L3", 47.0 + 3.0 / 60, -122.0, 2, kNoConstraint, 240.0},
                  {"L4", 47.0 + 4.0 / 60, -122.0, 2, kNoConstraint, 200.0},
                  {"L5", 47.0 + 5.0 / 60, -122.0, 3, 5000.0, 220.0},
                  {"KDDD", kFar, -122.0}});
  fms_fpln_act[1].ias = 300.0;
  fms_fpln_act[2].ias = 260.0;
  ClbSpdRest = 0.0;  // no climb restriction, so only the constraint lowers speeds
  DescSpdRest = 0.0;
  Plan(20000);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].ias, 220.0);  // lowered
  EXPECT_DOUBLE_EQ(fms_fpln_act[4].ias, 200.0);  // never raised
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].ias, 260.0);  // the altitude-only leg ends the walk
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].ias, 280.0);  // planned at the climb speed
}

TEST_F(ProfileDetails, RouteShorterThanTheDescentLeavesTheTodWhereItWas) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"KDDD", 48.0, -122.0}});
  tod_lat = 12.5;
  tod_lon = 34.5;
  toc_lat = 1.5;
  toc_lon = 2.5;
  toc_stpos = 7;
  Plan(35000);  // 60 NM of route; climbing needs 118 NM and descending 128 NM
  EXPECT_DOUBLE_EQ(tod_lat, 12.5);
  EXPECT_DOUBLE_EQ(tod_lon, 34.5);
  EXPECT_DOUBLE_EQ(toc_lat, 1.5);
  EXPECT_DOUBLE_EQ(toc_lon, 2.5);
  EXPECT_EQ(toc_stpos, 7);
  EXPECT_EQ(toc_dist, 118);
}

TEST_F(ProfileDetails, ZeroTrueAirspeedPlansNothingItWouldDivideBy) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"KDDD", 48.5, -122.0}});
  climb_ias = 0;
  descent_ias = 0;
  toc_lat = tod_lat = 1.5;
  toc_dist = 42;
  Plan(20000);
  EXPECT_EQ(climb_rate, 0);
  EXPECT_DOUBLE_EQ(tod_rod, 0.0);
  EXPECT_DOUBLE_EQ(toc_lat, 1.5);
  EXPECT_DOUBLE_EQ(tod_lat, 1.5);
  EXPECT_EQ(toc_dist, 42);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].alt, kNoConstraint);  // no climb pass
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].alt, kNoConstraint);
}

TEST_F(ProfileDetails, ZeroDescentPathAngleKeepsTheTodButPlansTheClimb) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"KDDD", 48.5, -122.0}});
  VnavDescFPA = 0.0;
  tod_lat = 1.5;
  Plan(20000);
  EXPECT_DOUBLE_EQ(tod_rod, 0.0);
  EXPECT_DOUBLE_EQ(tod_lat, 1.5);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].alt, 8800.0);
}

TEST_F(ProfileDetails, ConstraintSpeedAboveTheDescentSpeedBecomesIt) {
  // No T/C leg before C: a 320 kt constraint at the last constrained leg sets the descent speed of
  // the legs before it.
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0, 3, 9000.0, 320.0},
                  {"KDDD", 48.5, -122.0}});
  DescSpdRest = 0.0;
  ClbSpdRest = 0.0;
  Plan(30000);
  EXPECT_EQ(descent_ias, 320);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].ias, 320.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[1].mach, 0.0);
}

TEST_F(ProfileDetails, SpeedOnlyLegInTheDescentKeepsItsSpeedForTheLegsAfterIt) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0, 2, kNoConstraint, 240.0},
                  {"D", 48.1, -122.0}, {"KDDD", 48.5, -122.0}});
  DescSpdRest = 0.0;
  Plan(30000);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].ias, 240.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].ias, 240.0);  // lowered to it by the speed-constraint pass
}

TEST_F(ProfileDetails, ConstraintWithoutSpeedTakesTheDescentSpeed) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0, 1, 9000.0},
                  {"KDDD", 48.5, -122.0}});
  DescSpdRest = 0.0;
  Plan(30000);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].ias, 290.0);
  EXPECT_DOUBLE_EQ(fms_fpln_act[2].mach, descent_mach);
}

TEST_F(ProfileDetails, DiscontinuityIsBridgedFromTheFixBeforeIt) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"D", 48.5, -122.0},
                  {"KDDD", 49.5, -122.0}});
  Plan(20000);
  const double toc_lat_plain = toc_lat, tod_lat_plain = tod_lat;
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"DISCO", 0.0, 0.0}, {"C", 48.0, -122.0},
                  {"D", 48.5, -122.0}, {"KDDD", 49.5, -122.0}});
  Plan(20000);
  EXPECT_NEAR(toc_lat, toc_lat_plain, 1e-9);
  EXPECT_NEAR(tod_lat, tod_lat_plain, 1e-9);
  EXPECT_DOUBLE_EQ(fms_fpln_act[3].alt, 17600.0);  // C: 60 NM of climb, as without the DISCO
}

TEST_F(ProfileDetails, ConstraintLegOutsideTheRouteReadsTheDestination) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"D", 48.5, -122.0},
                  {"KDDD", 49.5, -122.0}});
  init_cruise_alt = 20000;
  next_restr_leg = 250;
  CalcRouteProfile(20000);
  // 20000 ft of descent at 271.1 ft/NM: 73.8 NM back from KDDD, 13.8 NM before D.
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, 48.5, -122.0), 20000.0 / 1900.0 * 420.5 / 60.0 - 60.0, 0.05);
}

TEST_F(ProfileDetails, ReachedTocIsNoLongerPlanned) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"KDDD", 48.0, -122.0}});
  toc = 1;
  toc_dist = 5;
  tod_alt_send_cnt = 3;
  Plan(20000);
  EXPECT_EQ(toc_dist, 5);
  EXPECT_EQ(tod_alt_send_cnt, 3);
  toc = 0;
  Plan(20000);
  EXPECT_EQ(tod_alt_send_cnt, 0);
}

}  // namespace
