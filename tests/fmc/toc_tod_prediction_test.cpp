#include <gtest/gtest.h>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/vertical_profile.h"
#include "fmc/vnav_fixture.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/geodesy.h"
#include "frame/tick_globals.h"
#include "frame/tick_route.h"
#include "state/config_globals.h"

namespace {

using vnav_test::DistNm;
using vnav_test::ExecuteProfile;
using vnav_test::SetActiveRoute;

constexpr double kDistTolNm = 0.05;
// 4000 ft of descent at 1900 ft/min and 420.5 kt TAS.
constexpr double kFourThousandFtNm = 4000.0 / 1900.0 * 420.5 / 60.0;

// The arrival of the Seattle-Portland route: DALLS, HHOOD (11000 ft at 250 kt), MINNE (7000 ft),
// ROWBE (4000 ft), KPDX.
void SetArrivalRoute(double minne_alt_ft = 7000.0) {
  SetActiveRoute({
      {"YKM", 46.5702, -120.4458},
      {"DALLS", 45.6020, -121.1850},
      {"HHOOD", 45.5500, -121.7000, 3, 11000.0, 250.0},
      {"MINNE", 45.5700, -122.1000, 1, minne_alt_ft},
      {"ROWBE", 45.6000, -122.4000, 1, 4000.0},
      {"KPDX", 45.5890, -122.5970},
  });
}

const RouteLeg& Row(int32_t i) { return fms_fpln_act[i]; }

// The aircraft `nm` before row `row` on the leg into it, with the bearing the frame keeps to it.
void PlaceAircraftBefore(int32_t row, double nm) {
  double len, brg_back;
  CalcDistBrg(Row(row).lat, Row(row).lon, Row(row - 1).lat, Row(row - 1).lon, &len, &brg_back);
  CalcDestPoint(Row(row).lat, Row(row).lon, brg_back, nm, &plane_lat, &plane_lon);
  double d, brg;
  CalcDistBrg(plane_lat, plane_lon, Row(row).lat, Row(row).lon, &d, &brg);
  active_wpt_brg = norm360(brg - mag_var);
}

class TodPrediction : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    // The descent speeds of the plan: 1900 ft/min at 420.5 kt.
    descent_tas = 420.5;
    tod_rod = 1900.0;
    toc = 1;
    tod = 1;
    init_tod = 1;
    toc_stpos = 0;
    mag_var = -15.0;
  }
};

TEST_F(TodPrediction, PassingAConstraintStartsTheNextSegmentAtItsAltitude) {
  SetArrivalRoute();
  stpos = 2;  // HHOOD has become the active leg
  PlaceAircraftBefore(2, 5.0);
  plane_alt = 11000.0;
  cruise_alt = 25000;
  fms_page = 36;
  PredictTod(1);

  EXPECT_EQ(cruise_alt, 11000);
  EXPECT_EQ(tod, 0);
  EXPECT_EQ(tod_stpos, 2);
  EXPECT_EQ(fms_page, 35);
  EXPECT_DOUBLE_EQ(tod_alt, 11000.0);
  // 14.8 NM before MINNE on the leg from HHOOD.
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, Row(3).lat, Row(3).lon), kFourThousandFtNm, kDistTolNm);
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, Row(2).lat, Row(2).lon) + kFourThousandFtNm,
              DistNm(Row(2).lat, Row(2).lon, Row(3).lat, Row(3).lon), kDistTolNm);
  fms_page = 25;  // only the phase pages move
  PredictTod(1);
  EXPECT_EQ(fms_page, 25);
}

TEST_F(TodPrediction, DescentLongerThanTheRouteAheadEndsBehindTheActiveWaypoint) {
  SetArrivalRoute(5000.0);  // HHOOD to MINNE: 6000 ft need 22.1 NM, the leg is 16.9 NM
  stpos = 2;
  PlaceAircraftBefore(2, 20.0);
  PredictTod(1);
  const double needed = 6000.0 / 1900.0 * 420.5 / 60.0;
  const double leg = DistNm(Row(2).lat, Row(2).lon, Row(3).lat, Row(3).lon);
  // The remainder lies behind HHOOD on the aircraft's side, on the line to the aircraft.
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, Row(2).lat, Row(2).lon), needed - leg, kDistTolNm);
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, plane_lat, plane_lon), 20.0 - (needed - leg), kDistTolNm);
}

TEST_F(TodPrediction, AfterTheTocTheSegmentStartsAtThePresentAltitude) {
  SetArrivalRoute();
  stpos = 4;  // ROWBE active, 15 NM out at 9000.4 ft
  PlaceAircraftBefore(4, 15.0);
  plane_alt = 9000.4;
  PredictTod(0);
  const double needed = 5000.0 / 1900.0 * 420.5 / 60.0;
  EXPECT_DOUBLE_EQ(tod_alt, 9000.0);
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, Row(4).lat, Row(4).lon), needed, kDistTolNm);
  EXPECT_NEAR(DistNm(tod_lat, tod_lon, plane_lat, plane_lon), needed - 15.0, kDistTolNm);
}

TEST_F(TodPrediction, ZeroDescentSpeedKeepsTheTodAndStillMeasuresTheRoute) {
  SetArrivalRoute();
  stpos = 2;
  PlaceAircraftBefore(2, 5.0);
  descent_tas = 0.0;
  tod_lat = 1.5;
  tod_lon = 2.5;
  dest_dtg = -1.0;
  PredictTod(1);
  EXPECT_DOUBLE_EQ(tod_lat, 1.5);
  EXPECT_DOUBLE_EQ(tod_lon, 2.5);
  EXPECT_EQ(cruise_alt, 11000);
  EXPECT_GT(dest_dtg, 0.0);
}

TEST_F(TodPrediction, NoActiveRouteChangesNothing) {
  SetArrivalRoute();
  stpos = 999;
  cruise_alt = 25000;
  tod_lat = 1.5;
  PredictTod(1);
  PredictTod(0);
  EXPECT_EQ(cruise_alt, 25000);
  EXPECT_EQ(tod, 1);
  EXPECT_DOUBLE_EQ(tod_lat, 1.5);
  EXPECT_EQ(PredictToc(1), 0);
}

// Climb predictions on the Seattle-Portland departure: KSEA, TACMA, SNOQL, CLEEL, ELN, VANTG, KPDX.
class TocPrediction : public vnav_test::VnavTest {
 protected:
  void SetUp() override {
    VnavTest::SetUp();
    SetActiveRoute({
        {"KSEA", 47.4500, -122.3110},
        {"TACMA", 47.2010, -122.3460},
        {"SNOQL", 47.4170, -121.4120},
        {"CLEEL", 47.1960, -120.9480},
        {"ELN", 47.0245, -120.5700},
        {"VANTG", 47.0090, -120.0010},
        {"KPDX", 45.5890, -122.5970},
    });
    plane_lat = 47.45;
    plane_lon = -122.311;
    plane_alt = 400.0;
  }
};

TEST_F(TocPrediction, PassingAWaypointLaysTheClimbOutFromTheAircraft) {
  ExecuteProfile(25000);
  // TACMA passed at 5000 ft: 20000 ft to go need 67.7 NM, 4.5 NM past CLEEL.
  stpos = 2;
  plane_lat = Row(1).lat;
  plane_lon = Row(1).lon;
  plane_alt = 5000.0;
  EXPECT_EQ(PredictToc(1), 4);
  const double past_cleel = 20000.0 / 2000.0 * 406.0 / 60.0 - DistNm(Row(1).lat, Row(1).lon, Row(2).lat, Row(2).lon) -
                            DistNm(Row(2).lat, Row(2).lon, Row(3).lat, Row(3).lon);
  EXPECT_NEAR(DistNm(Row(3).lat, Row(3).lon, toc_lat, toc_lon), past_cleel, kDistTolNm);
  EXPECT_NEAR(DistNm(Row(4).lat, Row(4).lon, toc_lat, toc_lon) + past_cleel,
              DistNm(Row(3).lat, Row(3).lon, Row(4).lat, Row(4).lon), kDistTolNm);
  EXPECT_DOUBLE_EQ(cross_at_lat, toc_lat);
  EXPECT_DOUBLE_EQ(cross_at_lon, toc_lon);
  // With flag 1 only the leg that carried the previous T/C (CLEEL-ELN) names the T/C leg.
  EXPECT_EQ(toc_stpos, 4);
}

TEST_F(TocPrediction, AtActivationTheTocLegIsTheLegBeforeTheEnd) {
  cruise_alt = 25000;
  climb_tas = 406.0;
  EXPECT_EQ(PredictToc(0), 4);
  EXPECT_EQ(toc_stpos, 3);
}

TEST_F(TocPrediction, ConstraintAheadMakesTheNextTargetTheConstraint) {
  fms_fpln_act[3].restr = 1;
  fms_fpln_act[3].alt = 15000.0;
  ExecuteProfile(25000);
  toc_lat = 0.0;  // a T/C off the route, so that no leg carries it
  toc_lon = 0.0;
  // The T/C moves onto the constraint, so the leg out of CLEEL is the one that carries it.
  EXPECT_EQ(PredictToc(0), 4);
  EXPECT_EQ(toc_stpos, 4);
  EXPECT_DOUBLE_EQ(cross_at_elev, 15000.0);
  EXPECT_DOUBLE_EQ(cross_at_lat, Row(3).lat);
  EXPECT_DOUBLE_EQ(toc_lat, Row(3).lat);
  EXPECT_DOUBLE_EQ(toc_lon, Row(3).lon);
}

TEST_F(TocPrediction, ZeroClimbSpeedKeepsTheToc) {
  cruise_alt = 25000;
  climb_tas = 0.0;
  toc_lat = 1.5;
  toc_lon = 2.5;
  EXPECT_EQ(PredictToc(0), 0);
  EXPECT_EQ(climb_rate, 0);
  EXPECT_DOUBLE_EQ(toc_lat, 1.5);
  EXPECT_DOUBLE_EQ(toc_lon, 2.5);
}

TEST_F(TocPrediction, AboveTheCruiseAltitudeTheTocIsThePresentPosition) {
  cruise_alt = 25000;
  climb_tas = 406.0;
  plane_alt = 26000.0;
  EXPECT_EQ(PredictToc(0), 1);
  EXPECT_NEAR(toc_lat, plane_lat, 1e-9);
  EXPECT_NEAR(toc_lon, plane_lon, 1e-9);
}

}  // namespace
