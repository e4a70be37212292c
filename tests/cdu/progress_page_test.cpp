#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/lnav_engage.h"
#include "afds/route_progress_globals.h"
#include "base/geodesy.h"
#include "cdu/cdu_fixture.h"
#include "cdu/eta_text.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class ProgressPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    SetFuelFlow(6000.0);
    std::tie(zulu_hour, zulu_min, fms_page) = std::tuple(12.0, 0.0, 33);
  }
  // KSEA - SEA - TACMA - KPDX, 0.5 degrees (30 NM) apart along a meridian, SEA active.
  static void Route(const std::vector<std::string>& idents = {"KSEA", "SEA", "TACMA", "KPDX"}) {
    SetActiveRoute(idents);
    for (int32_t i = 0; i <= fp_cnt; ++i) {
      fms_fpln_act[i].lat = 47.0 - 0.5 * i;
      fms_fpln_act[i].lon = -122.0;
    }
  }
};

TEST_F(ProgressPageTest, ListsFromToNextAndDestinationWithEtaAndFuel) {
  Route();
  std::tie(ground_speed, dist_to_active_wpt, dest_dtg) = std::tuple(360.0, 12.0, 72.0);  // 6 NM a minute
  Paint();
  EXPECT_EQ(Row(2) + "|" + Row(4), "SEA 12 | 1202Z 19.8|KPDX 72 | 1212Z 18.8");
  std::tie(ground_speed, stpos, trans_alt) = std::tuple(70.0, 2, 18000);  // too slow for a time on the waypoint lines
  Paint();
  EXPECT_EQ(Row(1), " | ");  // nothing passed yet
  std::tie(prog_from_ident, prog_from_alt, prog_from_ata, prog_from_fuel) = std::tuple("SEA", 21000.0, "1155Z", 21500.0);
  Paint();
  EXPECT_EQ(Row(1), "SEA FL210 | 1155Z 21.5");
  EXPECT_EQ(Line(2).right + "|" + Line(4).right, "|1301Z 13.8");  // the destination's own speed rule gives one
}

// A route restored in flight (a panel-state load or a restart) has an active leg past the first but
// no passage seen yet: the FROM line stays blank rather than showing 0 ft and 0.0 fuel.
TEST_F(ProgressPageTest, FromLineIsBlankUntilAWaypointIsPassed) {
  Route();
  std::tie(ground_speed, stpos, prog_from_ident, prog_from_alt, prog_from_ata, prog_from_fuel) =
      std::tuple(360.0, 2, "", 0.0, "", 0.0);
  Paint();
  EXPECT_EQ(Row(1), " | ");
  EXPECT_EQ(Line(2).left.substr(0, 5), "TACMA");
}

TEST_F(ProgressPageTest, NextSkipsADiscontinuityAndIsBlankBeforeTheDestination) {
  Route({"KSEA", "SEA", "DISCO", "TACMA", "KPDX"});
  Paint();
  EXPECT_EQ(Line(3).left.substr(0, 5), "TACMA");
  Route({"KSEA", "SEA", "KPDX"});
  Paint();
  EXPECT_EQ(Row(3), " | ");
}

// Past the T/D the second page shows the deviation from the path beside the track, from 3 ft up
// to 9000.
TEST_F(ProgressPageTest, SecondPageShowsTheVerticalDeviation) {
  Route();
  std::tie(plane_alt, xtk_dist, xtk_side, prog_page, tod) = std::tuple(10000.0, 0.25, 1, 2, 1);
  for (const auto& [dev_ft, text] : {std::pair{2.0, "----"}, std::pair{12000.0, "9000 HI"}, std::pair{-450.0, "450 LO"}}) {
    vnav_path_alt = plane_alt - dev_ft;
    Paint();
    EXPECT_EQ(TextAt(132), std::string("R 0.25 NM ") + text);
  }
}

// The cross-track letter names the side of the track the aircraft is on, as the ND draws the route
// beside it; the crosswind letter the side the wind comes from (the component is positive from the
// right).
TEST_F(ProgressPageTest, SecondPageNamesTheSidesAsTheCrewSeesThem) {
  Route();
  prog_page = 2;
  // Legs along the meridian 122 W; the aircraft 0.1 degrees of longitude east or west of it.
  for (const auto& [from_lat, to_lat, east_deg, side] :
       {std::tuple{47.0, 46.5, -0.1, 'R'}, {46.5, 47.0, 0.1, 'R'}, {47.0, 46.5, 0.1, 'L'}}) {
    lnav_leg[0] = LnavLeg{"A", from_lat, -122.0, "B", to_lat, -122.0};
    // The route runs on along the leg: its end is the active waypoint, not yet passed.
    std::tie(fms_fpln_act[stpos].lat, fms_fpln_act[stpos + 1].lat) = std::tuple(to_lat, 2.0 * to_lat - from_lat);
    CalcDistBrg(from_lat, -122.0, to_lat, -122.0, &active_leg_dist, &rel_leg_course);
    std::tie(plane_lat, plane_lon) = std::tuple(46.75, -122.0 + east_deg);
    CalcDistBrg(plane_lat, plane_lon, to_lat, -122.0, &dist_to_active_wpt, &active_wpt_brg);
    ComputeLnavGeometry(&xtk_side, &xtk_dist);
    Paint();
    EXPECT_EQ(TextAt(132).front(), side) << from_lat << " " << east_deg;
  }
  for (const auto& [cross_kt, text] : {std::pair{30.0, "R  30 KT"}, {-7.6, "L   7 KT"}}) {
    cross_wind = cross_kt;
    Paint();
    EXPECT_EQ(Line(1).right, text);
  }
}

// A T/C is shown only where one is placed: with no cruise altitude the route distance is the
// destination's, and the map draws no T/C.
TEST_F(ProgressPageTest, NoTopOfClimbWithoutACruiseAltitude) {
  Route();
  std::tie(ground_speed, toc, route_dist_total) = std::tuple(360.0, 0, 72.0);
  for (const auto& [alt_ft, line] : {std::pair{0, "|"}, {20000, "T O  T/C|1212Z/72  NM"}}) {
    cruise_alt = alt_ft;
    Paint();
    EXPECT_EQ(TextAt(205) + "|" + TextAt(220), line) << alt_ft;
  }
}

// Readouts in the units the crew reads: with KGS every weight and fuel in thousands of kilograms
// (20,000 lb on board is 9.1; at the destination 18,800 lb is 8.5, on the CRZ page as on PROGRESS),
// and the ISA deviation of standard air 0 also above the tropopause (-56.5 C from 36,089 ft up).
TEST_F(ProgressPageTest, ReadoutsShowTheConfiguredUnitAndTheStandardAtmosphere) {
  Route();
  std::tie(ground_speed, dist_to_active_wpt, dest_dtg, gross_weight, weight_unit) =
      std::tuple(360.0, 12.0, 72.0, 0.0, "KGS");
  // Page, sub-page, altitude (ft), SAT (C), the line's y, a text of it.
  for (const auto& [page, sub, alt, sat, y, shown] :
       {std::tuple{33, 1, 0.0, 15.0, 263, "9.1"}, {33, 1, 0.0, 15.0, 175, "1212Z 8.5"}, {15, 2, 0.0, 15.0, 175, "1212Z / 8.5"},
        {3, 1, 0.0, 15.0, 88, "9.1"}, {27, 1, 0.0, 15.0, 185, "9.1"}, {12, 1, 0.0, 15.0, 43, "9.1"},
        {33, 2, 20000.0, -24.6, 88, "/0"}, {33, 2, 39000.0, -56.5, 88, "/0"}, {33, 2, 45000.0, -56.5, 88, "/0"}}) {
    std::tie(fms_page, prog_page, vnav_page, perf_page, plane_alt, static_air_temp) =
        std::tuple(page, sub, sub, sub, alt, sat);
    Paint();
    EXPECT_NE(TextAt(y).find(shown), std::string::npos) << page << " at " << y << ": " << TextAt(y);
  }
}

// At 300 kt one NM is 0.2 minutes. Whole minutes are cut, never rounded up to "60"; the tenths
// are those of the minute.
TEST(EtaTextTest, PrintsTheZuluTimeOfArrival) {
  ResetModuleState();
  ground_speed = 300.0;
  for (const auto& [dist_nm, hour, min, text] : {std::tuple{299.75, 10.0, 0.0, "1059Z 1059.9Z"},
                                                 std::tuple{15000.0, 23.0, 0.0, "0100Z 0100.0Z"},  // 50 hours on
                                                 std::tuple{2.5, 8.0, 30.0, "0830Z 0830.5Z"}}) {
    std::tie(zulu_hour, zulu_min) = std::tuple(hour, min);
    EXPECT_EQ(EtaText(dist_nm) + " " + EtaTextTenths(dist_nm), text) << dist_nm;
  }
}

TEST(EtaTextTest, AfterMinutesAddsTheTimeToGoToZulu) {
  ResetModuleState();
  for (const auto& [hour, min, minutes, eta] :
       {std::tuple{23.0, 30.0, 45.0, "0015Z"},
        std::tuple{22.0, 0.0, 50.0 * 60.0, "0000Z"}, std::tuple{9.0, 15.0, -0.2, "0915Z"},  // behind now is now
        std::tuple{-1.0, 0.0, 30.0, "2330Z"}}) {  // a clock read before midnight wraps into the day
    zulu_hour = hour;
    zulu_min = min;
    EXPECT_EQ(EtaTextAfterMinutes(minutes), eta) << minutes;
  }
}

}  // namespace
}  // namespace cdu_test
