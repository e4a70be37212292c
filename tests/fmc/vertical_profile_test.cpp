// The vertical profile of the active route and the T/C and T/D predictions.
#include "fmc/vertical_profile.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/profile_legs.h"
#include "fmc/traffic_pattern.h"
#include "fmc/vnav_fixture.h"
#include "module/module_state.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using vnav_test::DistNm;
using vnav_test::ExecuteProfile;
using vnav_test::SetActiveRoute;

constexpr double kPosTolDeg = 1e-4;  // about 0.006 NM
constexpr double kDistTolNm = 0.05;

const RouteLeg& Row(int32_t i) { return fms_fpln_act[i]; }
double RowDistNm(int32_t a, int32_t b) { return DistNm(Row(a).lat, Row(a).lon, Row(b).lat, Row(b).lon); }

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

using RouteProfile = vnav_test::VnavTest;

// Climb 2000 ft/min at 406 kt TAS: 295.6 ft/NM, 83.2 NM from 400 ft to FL250. Descent 1900 ft/min at
// 420.5 kt TAS: 271.1 ft/NM. The descent from FL250 ends at HHOOD's 11000 ft, 51.6 NM of descent.
TEST_F(RouteProfile, SeattlePortlandWithClimbConstraint) {
  SetSeattlePortlandRoute();
  std::tie(plane_lat, plane_lon, plane_alt) = std::tuple(47.45, -122.311, 400.0);
  ExecuteProfile(25000);

  // The climb levels at TACMA first: the T/C and the crossing point are the constraint.
  EXPECT_EQ(std::tuple(toc_dist, toc_stpos, cross_at_elev), std::tuple(83, 2, 5000.0));
  EXPECT_NEAR(toc_lat, 47.2010, kPosTolDeg);
  EXPECT_NEAR(cross_at_lat, 47.2010, kPosTolDeg);
  // T/D on the YKM-DALLS leg, 51.6 NM along the route before HHOOD.
  EXPECT_NEAR(tod_lat, 46.04134, kPosTolDeg);
  EXPECT_NEAR(tod_lon, -120.85324, kPosTolDeg);
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, Row(7).lat, Row(7).lon) + RowDistNm(7, 8), 14000.0 / 1900.0 * 420.5 / 60.0,
              kDistTolNm);

  const struct {
    int32_t row;
    double alt, ias, mach;
  } expected[] = {
      {0, -999.0, -999.0, 0.0},   // KSEA keeps its own values
      {1, 5000.0, 220.0, 0.0},    // TACMA, constraint
      {2, 16800.0, 280.0, 0.74},  // SNOQL: 5000 + 40.1 NM of climb
      {4, 25000.0, 300.0, 0.78},  // ELN: cruise, climb finished
      {6, 25000.0, 300.0, 0.78},  // YKM: the descent meets the cruise level here
      {7, 16900.0, 290.0, 0.74},  // DALLS: 11000 + 21.9 NM of descent
      {8, 11000.0, 250.0, 0.0},   // HHOOD, constraint
      {9, 7000.0, 250.0, 0.0},    // MINNE: below 10000 ft at 250 kt
      {11, -999.0, -999.0, 0.0},  // KPDX keeps its own values
  };
  for (const auto& e : expected) {
    const RouteLeg& leg = Row(e.row);
    EXPECT_EQ(std::pair(leg.alt, leg.ias), std::pair(e.alt, e.ias)) << leg.ident;
    EXPECT_NEAR(leg.mach, e.mach, 1e-3) << leg.ident;
  }
}

// A reset starts the next flight without the last one's profile and holding pattern.
TEST_F(RouteProfile, ResetForgetsThePlannedProfileAndPattern) {
  std::tie(clb_path_angle, tod_rod, toc_stpos, cross_at_lat) = std::tuple(2.75, 1900.0, 5, 47.0);
  std::tie(pattern_prev, pattern_hdg_sent) = std::tuple(3, 90.0);
  ResetModuleState();
  EXPECT_EQ(std::tuple(clb_path_angle, tod_rod, toc_stpos, cross_at_lat, pattern_prev, pattern_hdg_sent),
            std::tuple(3.0, 0.0, 0, 0.0, 0, kNoPatternHeadingSent));
}

TEST_F(RouteProfile, RatesFollowTheWeightAndTheSpeeds) {
  // weight lb, descent IAS kt; climb ft/min (3.0 degrees: 2030 -> 2000, 2.75: 1861 -> 1900), descent
  // ft/min at 2.75 degrees (2658 capped)
  for (auto [weight, descent_kt, climb_fpm, descent_fpm] :
       {std::tuple{193999.0, 290, 2000, 1900.0}, {194000.0, 290, 1900, 1900.0}, {150000.0, 400, 2000, 2100.0}}) {
    SetSeattlePortlandRoute();
    std::tie(gross_weight, climb_ias, descent_ias, VnavDescFPA) = std::tuple(weight, 280, descent_kt, 2.75);
    init_cruise_alt = 25000;
    CalcRouteProfile(25000);
    EXPECT_EQ(std::pair(climb_rate, tod_rod), std::pair(climb_fpm, descent_fpm)) << weight << " " << descent_kt;
  }
}

// Short routes north along 122 W from 47 N. Routes that look at the climb end far away, so that the
// descent meets the planning level long before the legs under test.

class ProfileDetails : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    std::tie(plane_alt, plane_lat, plane_lon) = std::tuple(0.0, 47.0, -122.0);
    ClbSpdRest = DescSpdRest = 0.0;  // no speed restriction: only the constraints lower speeds
  }
  void Plan(int32_t cruise_ft) {
    init_cruise_alt = cruise_ft;
    next_restr_leg = fp_cnt;
    CalcRouteProfile(cruise_ft);
  }
};

// A discontinuity is bridged from the fix before it; a constraint leg outside the route reads the
// destination.
TEST_F(ProfileDetails, DiscontinuityAndConstraintLegOutsideTheRoute) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"D", 48.5, -122.0},
                  {"KDDD", 49.5, -122.0}});
  Plan(20000);
  const double toc_lat_plain = toc_lat, tod_lat_plain = tod_lat;
  next_restr_leg = 250;
  CalcRouteProfile(20000);
  EXPECT_DOUBLE_EQ(tod_lat, tod_lat_plain);
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"DISCO", 0.0, 0.0}, {"C", 48.0, -122.0},
                  {"D", 48.5, -122.0}, {"KDDD", 49.5, -122.0}});
  Plan(20000);
  EXPECT_NEAR(toc_lat, toc_lat_plain, 1e-9);
  EXPECT_NEAR(tod_lat, tod_lat_plain, 1e-9);
  EXPECT_DOUBLE_EQ(Row(3).alt, 17600.0);  // C: 60 NM of climb, as without the DISCO
}

// A route too short for the climb or the descent, a rate or a true airspeed of 0 leave the T/C and
// the T/D where they were; a reached T/C is not planned again.
TEST_F(ProfileDetails, NothingIsPlacedThatTheRouteOrTheRatesCannotCarry) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"KDDD", 48.0, -122.0}});
  tod_lat = toc_lat = 1.5;
  Plan(35000);  // 60 NM of route; climbing needs 118 NM and descending 128 NM
  EXPECT_EQ(std::tuple(tod_lat, toc_lat, toc_dist), std::tuple(1.5, 1.5, 118));

  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"KDDD", 48.5, -122.0}});
  toc = 0;
  VnavDescFPA = 0.0;
  Plan(20000);
  EXPECT_EQ(std::tuple(tod_rod, tod_lat, Row(1).alt), std::tuple(0.0, 1.5, 8800.0));  // the climb is still planned
  climb_ias = descent_ias = 0;
  toc_lat = 1.5;
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0}, {"KDDD", 48.5, -122.0}});
  Plan(20000);
  EXPECT_EQ(std::tuple(climb_rate, toc_lat, Row(1).alt), std::tuple(0, 1.5, kNoConstraint));  // no climb pass
}

// A level lowered below the constraints ahead (a low cruise altitude, or the descent segment's level
// of an EXEC in the descent) caps only the planned legs: a constraint keeps its altitude and speed,
// also once the level is raised again.
TEST_F(ProfileDetails, ConstraintsAboveTheLevelKeepTheirAltitudeAndSpeed) {
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0, 3, 4000.0, 190.0},
                  {"KDDD", 48.5, -122.0}});
  for (int32_t level : {3000, 20000, 3000}) {
    Plan(level);
    EXPECT_EQ(std::tuple(Row(2).alt, Row(2).ias, Row(2).restr), std::tuple(4000.0, 190.0, 3)) << level;
  }
  EXPECT_EQ(Row(1).alt, 3000.0);  // the planned leg before it flies the level
  SetActiveRoute({{"KAAA", 47.0, -122.0}, {"B", 47.5, -122.0}, {"C", 48.0, -122.0, 2, kNoConstraint, 200.0},
                  {"KDDD", 48.5, -122.0}});
  Plan(3000);
  EXPECT_EQ(std::pair(Row(2).alt, Row(2).ias), std::pair(3000.0, 200.0));
}

using Prediction = vnav_test::VnavTest;

// The arrival of the Seattle-Portland route, descending at 1900 ft/min and 420.5 kt, the aircraft
// `nm` before row `row` with the bearing the frame keeps to it.
void SetArrival(int32_t row, double nm) {
  SetActiveRoute({{"YKM", 46.5702, -120.4458}, {"DALLS", 45.6020, -121.1850},
                  {"HHOOD", 45.5500, -121.7000, 3, 11000.0, 250.0}, {"MINNE", 45.5700, -122.1000, 1, 7000.0},
                  {"ROWBE", 45.6000, -122.4000, 1, 4000.0}, {"KPDX", 45.5890, -122.5970}});
  descent_tas = 420.5;
  tod_rod = 1900.0;
  toc = tod = init_tod = 1;
  mag_var = -15.0;
  stpos = row;
  double len, brg_back, brg;
  CalcDistBrg(Row(row).lat, Row(row).lon, Row(row - 1).lat, Row(row - 1).lon, &len, &brg_back);
  CalcDestPoint(Row(row).lat, Row(row).lon, brg_back, nm, &plane_lat, &plane_lon);
  CalcDistBrg(plane_lat, plane_lon, Row(row).lat, Row(row).lon, &len, &brg);
  active_wpt_brg = norm360(brg - mag_var);
}

TEST_F(Prediction, ZeroDescentSpeedKeepsTheTodAndNoActiveRouteChangesNothing) {
  SetArrival(2, 5.0);
  std::tie(descent_tas, tod_lat, dest_dtg) = std::tuple(0.0, 1.5, -1.0);
  PredictTod(1);
  EXPECT_DOUBLE_EQ(tod_lat, 1.5);
  EXPECT_GT(dest_dtg, 0.0);  // the route is still measured
  stpos = 999;
  cruise_alt = 25000;
  PredictTod(1);
  PredictTod(0);
  EXPECT_EQ(PredictToc(1), 0);
  EXPECT_EQ(cruise_alt, 25000);
}

// The simulator may report any finite altitude or speed: an absurd one gives an absurd prediction,
// but the arithmetic on its saturated integers stays defined.
TEST_F(Prediction, AbsurdAltitudesAndSpeedsSaturate) {
  SetArrival(2, 5.0);
  fms_fpln_act[5].alt = 30.0;  // the destination's elevation
  std::tie(plane_alt, tod) = std::tuple(-1e308, 0);  // a descent segment still ahead takes its start altitude
  PredictTod(0);
  EXPECT_EQ(tod_alt, -2147483648.0);
  EXPECT_EQ(profile::ClimbRateFpm(3.0, 1e300), 2147483600);
  EXPECT_EQ(profile::ClimbRateFpm(-3.0, 1e300), -2147483600);
}

// The departure of the Seattle-Portland route: KSEA, TACMA, SNOQL, CLEEL, ELN, VANTG, KPDX.
void SetDeparture() {
  SetActiveRoute({{"KSEA", 47.4500, -122.3110}, {"TACMA", 47.2010, -122.3460}, {"SNOQL", 47.4170, -121.4120},
                  {"CLEEL", 47.1960, -120.9480}, {"ELN", 47.0245, -120.5700}, {"VANTG", 47.0090, -120.0010},
                  {"KPDX", 45.5890, -122.5970}});
  std::tie(plane_lat, plane_lon, plane_alt, cruise_alt, climb_tas) = std::tuple(47.45, -122.311, 400.0, 25000, 406.0);
}

TEST_F(Prediction, TocAboveTheCruiseAltitudeAndWithoutClimbSpeed) {
  SetDeparture();
  plane_alt = 26000.0;
  EXPECT_EQ(PredictToc(0), 1);  // above the cruise altitude: the present position
  EXPECT_NEAR(toc_lat, plane_lat, 1e-9);
  climb_tas = 0.0;
  toc_lat = 1.5;
  EXPECT_EQ(PredictToc(0), 0);
  EXPECT_EQ(std::pair(climb_rate, toc_lat), std::pair(0, 1.5));
}

}  // namespace
