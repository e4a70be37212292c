// The vertical path VNAV flies after an EXEC in flight (a constraint changed, a DIRECT TO, a cruise
// altitude): the T/D the ticks take is the one PROGRESS shows, the active leg's constraint ends the
// descent segment, and an entry acts only once executed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "base/geodesy.h"
#include "fmc/fmc_globals.h"
#include "cdu/route_pages_fixture.h"
#include "displays/eadi_fma.h"
#include "module/main_update.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

const Idents kArrival{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "KPDX"};
constexpr int32_t kCentr = 3;
constexpr int32_t kKelso = 4;
constexpr int32_t kWilam = 5;

class DescentAfterExecTest : public RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    host_.SetToken(60, 0.0);              // in the air
    host_.SetToken(614, 6000.0);          // radio height, m
    host_.SetToken(551, 420.0 * 1.68781);  // ground speed
    SetFuelLb(30000.0);
    gross_weight = 150000.0;
    SetActiveRoute(kArrival);
    for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
      std::tie(legs[kWilam].alt, legs[kWilam].restr) = std::tuple(10000.0, 1);
    }
  }

  // The point a fraction `f` along the leg from row `from` to the next row.
  static std::pair<double, double> Along(int32_t from, double f) {
    const RouteLeg& a = fms_fpln_act[from];
    const RouteLeg& b = fms_fpln_act[from + 1];
    return {a.lat + (b.lat - a.lat) * f, a.lon + (b.lon - a.lon) * f};
  }
  void FlyAlong(int32_t from, double f, double alt_ft) {
    const auto [lat, lon] = Along(from, f);
    FlyAt(lat, lon, alt_ft);
  }

  void FlyAt(double lat, double lon, double alt_ft) {
    host_.SetToken(71, lat * 111130.555557);
    host_.SetToken(72, (lon + 360.0) * 781874935307.4);
    host_.SetExpression("(A:INDICATED ALTITUDE, feet)", alt_ft);
    for (int i = 0; i < 18; ++i) {  // one display cycle: every route slot runs
      tick_ += 1.0;
      host_.SetToken(1, tick_);
      MainUpdate();
    }
  }

  // Row `row` active, flown from the row before it.
  static void ActiveLeg(int32_t row) {
    stpos = mod_stpos = row;
    const RouteLeg& from = fms_fpln_act[row - 1];
    const RouteLeg& to = fms_fpln_act[row];
    std::tie(lnav_leg[0].FrId, lnav_leg[0].fr_lat, lnav_leg[0].fr_lon) = std::tuple(from.ident, from.lat, from.lon);
    std::tie(lnav_leg[0].ToId, lnav_leg[0].to_lat, lnav_leg[0].to_lon) = std::tuple(to.ident, to.lat, to.lon);
  }

  // A constraint typed on RTE LEGS line `line` and executed.
  void ExecuteConstraint(const char* entry, const char* key) {
    fms_page = 0;
    PressAndPaint("LEGS");
    EnterAt(entry, key);
    PressAndPaint("EXEC");
  }

  double TodDistanceNm() const { return CalcDistNm(plane_lat, plane_lon, tod_lat, tod_lon); }

  void Tick() {
    tick_ += 1.0;
    host_.SetToken(1, tick_);
    MainUpdate();
  }
  void ExecuteDirectTo(const char* fix) {
    Keys("LEGS");
    EnterAt(fix, "1L");
    Keys("EXEC");
  }
  void EnterCruiseAltitude(const char* entry) {
    fms_page = 0;
    Keys("INIT_REF 6L 3L");
    EnterAt(entry, "1R");
  }

  double tick_ = 1000.0;
};

// Level at FL200 past the T/C with CENTR active, KELSO raised from 12000 to 17000 and executed: the
// T/D moves back along the route, and VNAV starts down there, not where the T/C put the old one.
TEST_F(DescentAfterExecTest, RaisedConstraintMovesTheTodThatStartsTheDescent) {
  ActiveLeg(kCentr);
  FlyAlong(kCentr - 1, 0.5, 20000.0);
  cruise_alt = 20000;  // entered with the constraint, as on PERF INIT
  ExecuteConstraint("12000", "2R");
  FlyAlong(kCentr - 1, 0.5, 20000.0);  // level at the cruise altitude: the T/C is taken
  ASSERT_EQ(std::tuple(toc, tod), std::tuple(1, 0));
  const double old_tod_nm = TodDistanceNm();

  ExecuteConstraint("17000", "2R");
  const double tod_lat_exec = tod_lat, tod_lon_exec = tod_lon;
  ASSERT_GT(TodDistanceNm(), old_tod_nm + 10.0);

  // On towards CENTR and KELSO in half-mile steps until the descent starts.
  double start_nm = -1.0;
  for (int32_t from = kCentr - 1; from < kKelso && start_nm < 0.0; ++from) {
    const double leg_nm = CalcDistNm(fms_fpln_act[from].lat, fms_fpln_act[from].lon, fms_fpln_act[from + 1].lat,
                                     fms_fpln_act[from + 1].lon);
    for (double f = from == kCentr - 1 ? 0.5 : 0.0; f < 1.0 && start_nm < 0.0; f += 0.5 / leg_nm) {
      FlyAlong(from, f, 20000.0);
      if (tod == 1) start_nm = CalcDistNm(plane_lat, plane_lon, tod_lat_exec, tod_lon_exec);
    }
  }
  ASSERT_GE(start_nm, 0.0) << "the descent never started";
  EXPECT_LT(start_nm, 2.0);
}

// At 16000 with KELSO active (12000), KELSO changed to 13000 and executed: the T/D is placed for
// KELSO's constraint, not for WILAM's one further on.
TEST_F(DescentAfterExecTest, ActiveLegsConstraintEndsTheDescentSegment) {
  for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
    std::tie(legs[kKelso].alt, legs[kKelso].restr) = std::tuple(12000.0, 1);
  }
  ActiveLeg(kKelso);
  cruise_alt = 16000;
  toc = 1;
  toc_stpos = 1;
  FlyAlong(kCentr, 0.2, 16000.0);
  const RouteLeg& kelso = fms_fpln_act[kKelso];

  ExecuteConstraint("13000", "1R");
  ASSERT_EQ(fms_fpln_act[kKelso].alt, 13000.0);
  // 3000 ft at the planned descent rate and speed, before KELSO.
  const double expected_nm = 3000.0 / tod_rod * descent_tas / 60.0;
  EXPECT_NEAR(CalcDistNm(tod_lat, tod_lon, kelso.lat, kelso.lon), expected_nm, 1.0);
  EXPECT_LT(toc_stpos, stpos);
}

// Level at FL200 with CENTR active, KELSO deleted into a discontinuity and executed: the gap, which
// carries WILAM's 10000 for the pages, is no constraint of the plan. The descent still ends at WILAM
// and CENTR stays at the cruise level.
TEST_F(DescentAfterExecTest, ExecutedDiscontinuityIsNoConstraintOfTheDescent) {
  ActiveLeg(kCentr);
  FlyAlong(kCentr - 1, 0.5, 20000.0);
  cruise_alt = 20000;
  fms_page = 0;
  PressAndPaint("LEGS");
  PressAndPaint("DEL 2L");
  PressAndPaint("EXEC");
  ASSERT_EQ(fms_fpln_act[kKelso].ident, "DISCO");
  const RouteLeg& wilam = fms_fpln_act[kWilam];
  EXPECT_NEAR(CalcDistNm(tod_lat, tod_lon, wilam.lat, wilam.lon), 10000.0 / tod_rod * descent_tas / 60.0, 1.0);
  EXPECT_EQ(fms_fpln_act[kCentr].alt, 20000.0);
}

// Climbing through 16500 ft to FL200 with VNAV, CENTR passed and KELSO's 12000 of the arrival ahead:
// a constraint below the aircraft is not the climb's, so VNAV never asks for 12000.
TEST_F(DescentAfterExecTest, ClimbTakesNoConstraintBelowTheAircraftAsItsTarget) {
  ActiveLeg(kCentr);
  FlyAlong(kCentr - 1, 0.2, 16000.0);
  cruise_alt = 20000;
  ExecuteConstraint("12000", "2R");
  std::tie(toc, vnav) = std::tuple(0, 1);
  for (double f = 0.2; f < 0.97; f += 0.05) {  // past CENTR, short of the T/D of KELSO's 12000
    FlyAlong(kCentr - 1, f, 16000.0 + 500.0 * f);
  }
  ASSERT_EQ(stpos, kKelso);
  EXPECT_NE(cross_at_elev, 12000.0);
  // The T/C lies where the climb reaches FL200, not at KELSO.
  EXPECT_NEAR(CalcDistNm(plane_lat, plane_lon, toc_lat, toc_lon),
              (cruise_alt - plane_alt) / climb_rate * climb_tas / 60.0, 2.0);
  for (const auto& e : host_.key_events()) {
    EXPECT_FALSE(e.event_id == 0x1024C && e.value == 12000) << "the MCP altitude set to 12000";
  }
}

// Level at FL200: DIRECT TO TACMA (behind) and EXEC, on towards it, then DIRECT TO KELSO (12000) and
// EXEC. The T/D lies on the way to KELSO, the descent's distance before it, and the tick after the
// EXEC measures the new leg: no cross-track of the old one (or of none) is read.
TEST_F(DescentAfterExecTest, DirectToPlacesTheTodOnTheNewLeg) {
  std::tie(fms_fpln_act[kKelso].alt, fms_fpln_act[kKelso].restr) = std::tuple(12000.0, 1);
  ActiveLeg(kCentr);
  std::tie(cruise_alt, init_cruise_alt, toc) = std::tuple(20000, 20000, 1);
  FlyAlong(kCentr - 1, 0.5, 20000.0);
  ExecuteDirectTo("TACMA");
  FlyAlong(kCentr - 1, 0.4, 20000.0);  // turned back towards it
  ExecuteDirectTo("KELSO");
  Tick();
  EXPECT_NE(dist_to_active_wpt, kNoActiveWpt);
  EXPECT_LT(xtk_dist, 0.1);  // the direct leg starts at the aircraft
  const RouteLeg& kelso = fms_fpln_act[stpos];
  const double tod_to_kelso_nm = CalcDistNm(tod_lat, tod_lon, kelso.lat, kelso.lon);
  EXPECT_NEAR(tod_to_kelso_nm, 8000.0 / tod_rod * descent_tas / 60.0, 1.0);
  EXPECT_NEAR(TodDistanceNm() + tod_to_kelso_nm, CalcDistNm(plane_lat, plane_lon, kelso.lat, kelso.lon), 0.1);
}

// Level at FL200 on a route executed without a cruise altitude, VNAV engaged: FL200 typed changes
// nothing until EXEC, which takes the T/C with the way to the T/D measured at once; FL250 typed
// after a descent has begun shows on the page, and executed above the aircraft it climbs again.
TEST_F(DescentAfterExecTest, CruiseAltitudeActsOnlyOnceExecuted) {
  ActiveLeg(kCentr);
  vnav = 1;
  EnterCruiseAltitude("FL200");
  FlyAlong(kCentr - 1, 0.2, 20000.0);
  EXPECT_EQ(std::tuple(cruise_alt, toc, tod), std::tuple(0, 0, 0));
  Keys("EXEC");
  while (toc == 0 && tick_ < 1100.0) Tick();
  EXPECT_GT(dist_to_tod, TodDistanceNm() - 1.0) << "TO T/D 0 NM";

  std::tie(tod, init_tod) = std::tuple(1, 1);
  EnterCruiseAltitude("FL250");
  EXPECT_EQ(Line(1).right, "FL250");
  Keys("EXEC");
  FlyAlong(kCentr - 1, 0.3, 20000.0);
  EXPECT_EQ(std::tuple(toc, tod, init_tod, toc_dist_done), std::tuple(0, 0, 0, 0));
}

// Level at FL200 with CENTR active, FL220 executed while the MCP keeps the aircraft at FL200: PROGRESS
// counts the way to the T/C a few miles ahead, and none once the aircraft has passed it level.
TEST_F(DescentAfterExecTest, PassedTocIsNoWayAhead) {
  ActiveLeg(kCentr);
  std::tie(cruise_alt, init_cruise_alt, toc) = std::tuple(20000, 20000, 1);
  FlyAlong(kCentr - 1, 0.1, 20000.0);
  EnterCruiseAltitude("FL220");
  Keys("EXEC");
  FlyAlong(kCentr - 1, 0.1, 20000.0);
  ASSERT_EQ(toc, 0);
  EXPECT_NEAR(route_dist_total, CalcDistNm(plane_lat, plane_lon, toc_lat, toc_lon), 0.5);
  FlyAlong(kCentr - 1, 0.6, 20000.0);
  ASSERT_EQ(std::tuple(toc, stpos), std::tuple(0, kCentr));
  EXPECT_EQ(route_dist_total, 0.0);
}

// Down the path towards WILAM's 10000 with KELSO active, a speed for WILAM executed: the descent under
// way keeps its path, so the EXEC puts the aircraft neither above nor below it.
TEST_F(DescentAfterExecTest, ExecDuringTheDescentKeepsThePath) {
  ActiveLeg(kKelso);
  std::tie(cruise_alt, init_cruise_alt, toc) = std::tuple(20000, 20000, 1);
  FlyAlong(kCentr, 0.0, 20000.0);
  ExecuteConstraint("10000", "2R");
  double f = 0.0;
  for (; f < 0.9 && tod == 0; f += 0.02) FlyAlong(kCentr, f, 20000.0);
  for (const double end = f + 0.15; f < end; f += 0.03) FlyAlong(kCentr, f, vnav_path_alt);
  ASSERT_EQ(std::tuple(tod, stpos), std::tuple(1, kKelso));
  const double path_ft = vnav_path_alt;
  ASSERT_LT(path_ft, 19500.0);
  ExecuteConstraint("250/", "2R");
  FlyAt(plane_lat, plane_lon, plane_alt);
  EXPECT_NEAR(vnav_path_alt, path_ft, 10.0);
}

// Level at 16000 towards CENTR (16000) with KELSO's 4000 36 NM on, more than the path covers: the
// descent begins at CENTR, or at once after a DIRECT TO KELSO, never at a T/D behind the aircraft.
TEST_F(DescentAfterExecTest, LateSegmentDescendsFromWhereItStarts) {
  for (const bool direct : {false, true}) {
    SetActiveRoute(kArrival);
    for (RouteLeg* legs : {fms_fpln_act, fms_fpln_mod}) {
      std::tie(legs[kCentr].alt, legs[kCentr].restr, legs[kKelso].alt, legs[kKelso].restr) =
          std::tuple(16000.0, 1, 4000.0, 1);
    }
    ActiveLeg(kCentr);
    std::tie(cruise_alt, init_cruise_alt, toc, tod, init_tod) = std::tuple(16000, 16000, 1, 0, 1);
    std::tie(tod_rod, descent_tas) = std::tuple(1900.0, 420.5);
    FlyAlong(kCentr - 1, 0.9, 16000.0);
    if (direct) ExecuteDirectTo("KELSO");
    for (double f = 0.9; f < 1.0; f += 0.02) FlyAlong(kCentr - 1, f, 16000.0);
    if (!direct) FlyAlong(kCentr, 0.05, 16000.0);  // past CENTR
    EXPECT_EQ(std::tuple(fms_fpln_act[stpos].ident, tod, cross_at_elev), std::tuple("KELSO", 1, 4000.0)) << direct;
  }
}

// Level at FL200 towards CENTR, then down the path as the pilot flies it, onto KELSO (12000) and on to
// WILAM (10000), also with an EXEC or a DIRECT TO 6 NM past KELSO: each segment's path runs from the
// altitude where it starts, so PROGRESS 2 reads no deviation and the PFD VNAV PTH all the way.
TEST_F(DescentAfterExecTest, OnThePathNoReaderShowsADeviation) {
  for (const int change : {0, 1, 2}) {
    SetActiveRoute(kArrival);
    std::tie(fms_fpln_act[kWilam].alt, fms_fpln_act[kWilam].restr) = std::tuple(10000.0, 1);
    ActiveLeg(kCentr);
    std::tie(cruise_alt, init_cruise_alt, toc, tod, init_tod, vnav) = std::tuple(20000, 20000, 1, 0, 0, 1);
    FlyAlong(kCentr - 1, 0.6, 20000.0);
    ExecuteConstraint("12000", "2R");
    toc_dist_done = 1;  // as the T/C leaves it, the T/D ahead now placed
    const double tod_at = tod_lat, kelso_at = fms_fpln_act[kKelso].lat, wilam_at = fms_fpln_act[kWilam].lat;
    for (double lat = plane_lat; lat < wilam_at; lat += 0.5 / 60.0) {
      const double alt_ft = lat < tod_at     ? 20000.0
                            : lat < kelso_at ? 20000.0 - 8000.0 * (lat - tod_at) / (kelso_at - tod_at)
                                             : 12000.0 - 2000.0 * (lat - kelso_at) / (wilam_at - kelso_at);
      FlyAt(lat, fms_fpln_act[kKelso].lon, alt_ft);
      if (change > 0 && std::fabs(lat - kelso_at - 0.1) < 0.25 / 60.0) {
        change == 1 ? ExecuteConstraint("240/", "1R") : ExecuteDirectTo("WILAM");
      }
      if (tod != 1) continue;
      Keys("PROG NEXT_PAGE");
      const std::string dev = Line(3).right;
      ASSERT_TRUE(dev == "----" || std::atoi(dev.c_str()) < 50)
          << change << ": " << (lat - kelso_at) * 60.0 << " NM past KELSO, " << dev;
      ASSERT_STREQ(FmaText(SelectPitchActive(VnavRules::kFormatA)), "VNAV PTH") << change << ": " << lat;
    }
  }
}

}  // namespace
}  // namespace cdu_test
