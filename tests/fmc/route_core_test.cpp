// The route core: the route state, the modified-route copy, constraint entries, holds and route
// following.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/leg_constraint.h"
#include "fmc/route_edit.h"
#include "fmc/route_fixture.h"
#include "fmc/route_following.h"
#include "fmc/route_holds.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "state/state_globals.h"

namespace {

using route_test::kLegLon;
using route_test::SetActLegs;
using route_test::SetCandidate;
using route_test::SetModLegs;

using RouteState = route_test::RouteTest;

// Only the first entry, on the ground, applies what a loaded plan left waiting, each by its switch.
TEST_F(RouteState, GroundLoadStepNeedsTheGroundTheFirstEntryAndItsSwitches) {
  // state, ground speed kt, fuel switch, fuel lb, MCP switch, cruise altitude ft; fuel applied, MCP set
  const double cases[][8] = {
      {0, 4.9, 1, 20000, 1, 35000, 1, 1}, {0, 5.0, 1, 20000, 1, 35000, 0, 0}, {1, 0.0, 1, 20000, 1, 35000, 0, 0},
      {0, 0.0, 0, 20000, 1, 1000, 0, 1},  {0, 0.0, 1, 5.0, 1, 999, 0, 0},     {0, 0.0, 1, 5.1, 0, 35000, 1, 0},
  };
  for (const auto& c : cases) {
    std::tie(fms_fpln_active, ground_speed) = std::tuple(static_cast<int32_t>(c[0]), c[1]);
    std::tie(LoadFuelonFlightPlanLoad, plan_fuel) = std::tuple(static_cast<int32_t>(c[2]), c[3]);
    SetMCPCruiseAltonFlightPlanLoad = static_cast<int32_t>(c[4]);
    pending_cruise_alt = static_cast<int32_t>(c[5]);
    plan_fuel_set = pending_cruise_alt_set = 1;
    const int sent_before = KeyEvents(0x1024C);
    StepFplnState();
    EXPECT_EQ(std::tuple(plan_fuel_set, pending_cruise_alt_set, KeyEvents(0x1024C) - sent_before),
              std::tuple(1 - c[6], 1 - c[7], c[7]))
        << c[0] << " " << c[1] << " " << c[3] << " " << c[5];
  }
}

// The state through an edit, ACTIVATE, EXEC and an edit of the active route; a hold entry never
// activates a route without EXEC and never takes a pending modification back to active.
TEST_F(RouteState, RouteStateThroughEditActivationAndExecution) {
  SetModLegs({"KSEA", "KPDX"});
  SetCandidate(1, "ALPHA", 46.5, -122.5);
  InsertTmpFplanWpt(1, 1);
  EXPECT_EQ(fms_fpln_active, 1);
  StepFplnState();  // ACTIVATE
  EXPECT_EQ(fms_fpln_active, 2);
  AddLegHold(1, 1);
  DeleteLegHolds(1, 1);
  EXPECT_EQ(fms_fpln_active, 2);

  // What EXEC leaves: the modified route active, leg 1 flown.
  for (int i = 0; i <= fp_mod_cnt; ++i) fms_fpln_act[i] = fms_fpln_mod[i];
  fp_cnt = fp_mod_cnt;
  stpos = 1;
  StepFplnState();
  EXPECT_EQ(fms_fpln_active, 3);

  cdu_scratchpad = "FL250";
  ParseLegConstraint(1);
  // Only EXEC writes the active route.
  EXPECT_EQ(std::tuple(fms_fpln_active, fms_fpln_mod[1].alt, fms_fpln_act[1].alt), std::tuple(4, 25000.0, -999.0));
  StepFplnState();                          // EXEC
  EXPECT_EQ(fms_fpln_active, 3);
  AddLegHold(1, 1);
  EXPECT_EQ(fms_fpln_active, 4);
  DeleteLegHolds(1, 1);
  EXPECT_EQ(fms_fpln_active, 4);
}

class LegConstraint : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetModLegs({"KSEA", "A", "B", "KPDX"});
  }
  void Enter(const std::string& entry, int32_t leg = 1) {
    cdu_message.clear();
    cdu_scratchpad = entry;
    ParseLegConstraint(leg);
  }
};

// A moved leg takes every field, the frequency too; a reset of the modified route empties its first
// RTE row as well.
TEST_F(RouteState, MovedLegsKeepTheirFrequencyAndResetsClearTheFirstRow) {
  SetModLegs({"AAA", "BBB"});
  fms_fpln_mod[1].freq = "110.30";
  MoveModLeg(1, 2);
  EXPECT_EQ(std::tuple(fms_fpln_mod[2].ident, fms_fpln_mod[2].freq), std::tuple("BBB", "110.30"));
  std::tie(rte_rows[0].to_fix, rte_rows[0].via, rte_row_cnt) = std::tuple("KSEA", "J1", 0);
  ResetModRoute();
  EXPECT_EQ(rte_rows[0].to_fix + rte_rows[0].via, "");
}

TEST_F(LegConstraint, AcceptedForms) {
  for (auto [entry, alt_ft, ias_kt, restr] :
       {std::tuple{"250/", -999.0, 250.0, 2}, {"/FL350", 35000.0, -999.0, 1}, {"350", 35000.0, -999.0, 1},
        {"050", 50.0, -999.0, 1}, {"99", 9900.0, -999.0, 1}, {"400/99000", 99000.0, 400.0, 3},
        {"100/500", 50000.0, 100.0, 3}}) {
    SetModLegs({"KSEA", "A", "B", "KPDX"});
    Enter(entry);
    EXPECT_EQ(std::tuple(cdu_message + "|" + cdu_scratchpad, fms_fpln_mod[1].alt, fms_fpln_mod[1].ias, fms_fpln_mod[1].restr),
              std::tuple("|", alt_ft, ias_kt, restr))
        << entry;
  }
  EXPECT_EQ(fms_fpln_active, 1);
}

// A refused part refuses the whole entry: "50/5000" stores no altitude either.
TEST_F(LegConstraint, RefusedEntriesChangeNothing) {
  for (const char* entry : {"/600", "250/99500", "-500", "50/5000", "450/", "", "250/1O000", "99999999999"}) {
    Enter(entry);
    EXPECT_EQ(std::tuple(cdu_message, cdu_scratchpad, fms_fpln_mod[1].alt, fms_fpln_mod[1].ias, fms_fpln_mod[1].restr),
              std::tuple("INVALID ENTRY", entry, -999.0, -999.0, 0))
        << entry;
  }
  for (int32_t leg : {-1, 4, 201}) {  // legs outside the route
    Enter("FL350", leg);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << leg;
  }
  Enter("FL350" + std::string(200, ' ') + "9");  // only the first 140 characters are read
  EXPECT_EQ(std::pair(fms_fpln_mod[1].alt, fms_fpln_active), std::pair(35000.0, 1));
  // On an active route a refusal makes no modification (no copy of the active route).
  SetActLegs({"KSEA", "X", "Y", "Z", "KPDX"});
  fms_fpln_active = 3;
  Enter("50/5000", 3);
  EXPECT_EQ(std::pair(fms_fpln_mod[3].ident, fms_fpln_active), std::pair(std::string("KPDX"), 3));
}

TEST_F(LegConstraint, EachPartKeepsTheOtherConstraintBit) {
  const int32_t cases[][3] = {
      {1, 0, 3}, {2, 1, 3}, {-999, 1, 1}, {-999, 0, 2},  // restr before, entry (0 speed, 1 altitude), after
  };
  for (const auto& c : cases) {
    fms_fpln_mod[2].restr = c[0];
    Enter(c[1] == 0 ? "250/" : "FL200", 2);
    EXPECT_EQ(fms_fpln_mod[2].restr, c[2]) << c[0] << " " << c[1];
  }
}

class RouteHolds : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetModLegs({"KSEA", "A", "B", "C", "D", "E", "KPDX"});
  }
  // Hold rows as "fix@leg", in table order; the hold index of every leg of a route.
  static std::string Rows() {
    std::string out;
    for (int32_t i = 1; i <= hold_cnt; ++i) out += route_holds[i].fix + "@" + std::to_string(route_holds[i].leg) + " ";
    return out;
  }
  static std::string HoldIdx(const RouteLeg* route) {
    std::string out;
    for (int32_t i = 0; i <= 6; ++i) out += std::to_string(route[i].hold_idx);
    return out;
  }
};

// Holds sort by leg and the legs follow their rows; the inbound course is magnetic.
TEST_F(RouteHolds, HoldsSortByLegAndTheLegsFollowTheirRows) {
  mag_var = 15.0;
  AddLegHold(4, 0);
  AddLegHold(5, 0);
  AddLegHold(2, 0);
  EXPECT_EQ(Rows(), "B@2 D@4 E@5 ");
  EXPECT_NEAR(route_holds[1].inbd_crs, 345.0, 1e-6);  // due north from leg 1, less 15 degrees of east variation
  EXPECT_EQ(HoldIdx(fms_fpln_mod), "0010230");
}

TEST_F(RouteHolds, EleventhHoldAndHoldsOffTheRouteAreRefused) {
  for (int32_t leg : {0, 7, -1}) AddLegHold(leg, 0);
  EXPECT_EQ(hold_cnt, 0);
  for (int32_t i = 0; i < kMaxHolds; ++i) AddLegHold(1 + i % 5, 0);
  ASSERT_EQ(hold_cnt, 10);
  AddLegHold(3, 0);
  EXPECT_EQ(std::pair(hold_cnt, cdu_message), std::pair(10, std::string("INVALID ENTRY")));
}

TEST_F(RouteHolds, DeletingAHoldCompactsTheTableAndRenumbersTheLegsInBothRoutes) {
  for (int32_t leg : {2, 4, 5}) AddLegHold(leg, 0);
  SetActLegs({"KSEA", "A", "B", "C", "D", "E", "KPDX"});
  std::tie(fms_fpln_act[2].hold_idx, fms_fpln_act[4].hold_idx, fms_fpln_act[5].hold_idx) = std::tuple(1, 2, 3);
  DeleteLegHolds(4, 0);
  EXPECT_EQ(Rows() + HoldIdx(fms_fpln_mod) + " " + HoldIdx(fms_fpln_act), "B@2 E@5 0010020 0010020");
  EXPECT_EQ(route_holds[3].leg, 0);  // the vacated row is unused
}

// Active waypoint W (leg 1) at 47 N 122 W on a leg flown due north.
class AbeamPassage : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetActLegs({"KSEA", "W", "KPDX"});
    std::tie(fms_fpln_act[1].lat, stpos, rel_leg_course) = std::tuple(47.0, 1, 0.0);
    std::tie(lnav_leg[0].fr_lat, lnav_leg[0].fr_lon) = std::tuple(46.5, kLegLon);
  }
  int32_t PassedFrom(double lat, double side_nm) {
    plane_lat = lat;
    plane_lon = kLegLon + side_nm / (60.0 * std::cos(47.0 * kDegToRad));
    return IsActiveWptPassed();
  }
  // On the great circle through W square to the leg, side_nm east of W.
  int32_t PassedFromAbeam(double side_nm) {
    CalcDestPoint(47.0, kLegLon, side_nm < 0.0 ? 270.0 : 90.0, std::fabs(side_nm), &plane_lat, &plane_lon);
    return IsActiveWptPassed();
  }
};

// Passed: beyond the line square to the leg through the waypoint, within 22 NM of the leg. Exactly
// abeam (the great-circle bearing square to the leg) is not passed at any distance.
TEST_F(AbeamPassage, PassedBeyondTheAbeamLineWithin22Nm) {
  for (auto [lat, side_nm, passed] : {std::tuple{46.999, 5.0, 0}, {47.01, 0.0, 1}, {47.01, -21.0, 1},
                                      {47.01, 30.0, 0}}) {
    EXPECT_EQ(PassedFrom(lat, side_nm), passed) << lat << " " << side_nm;
  }
  EXPECT_EQ(PassedFromAbeam(20.0), 0);
  EXPECT_EQ(PassedFromAbeam(-5.0), 0);
  // The leg is where its points are, whatever the variation; with no active leg nothing is passed.
  mag_var = 20.0;
  rel_leg_course = 340.0;  // due north true
  EXPECT_EQ(PassedFrom(47.01, 3.0), 1);
  EXPECT_EQ(PassedFrom(46.999, 0.0), 0);
  stpos = 999;
  EXPECT_EQ(PassedFrom(47.5, 0.0), 0);
}

// Legs along the 122 W meridian, 30 NM apart: KSEA 47.0, A 47.5, B 48.0, C 48.5, KPDX 49.0.
class RouteDistances : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetActLegs({"KSEA", "A", "B", "C", "KPDX"});
    std::tie(stpos, plane_lat, plane_lon) = std::tuple(1, 47.0, kLegLon);
  }
};

// The destination distance skips discontinuities; without a cruise altitude the accumulators do not
// grow from call to call.
TEST_F(RouteDistances, DestinationDistanceSkipsDiscontinuities) {
  route_dist_total = dist_to_tod = route_dist_acc = 500.0;
  toc_lat = 47.75;
  toc_lon = kLegLon;
  for (int i = 0; i < 3; ++i) ComputeRouteDistances();
  EXPECT_NEAR(route_dist_total, 45.0, 1e-6);
  EXPECT_EQ(dist_to_tod + route_dist_acc, 0.0);
  SetActLegs({"KSEA", "A", "DISCO", "B", "KPDX"});  // B at 48.5, the DISCO at 0, 0
  plane_lat = 47.2;
  ComputeRouteDistances();
  EXPECT_NEAR(dest_dtg, 18.0 + 60.0 + 30.0, 1e-6);  // A straight on to B past the DISCO at 0, 0
}

// Distances are kept between passes only for the same positions: a leg or a profile point that
// moves between two passes is measured anew.
TEST_F(RouteDistances, MovedLegsAndProfilePointsAreMeasuredAnew) {
  cruise_alt = 35000;
  toc = toc_dist_done = 1;
  tod_lat = 48.75;  // between C and KPDX
  tod_lon = kLegLon;
  last_restr_lat = tod_lat;
  last_restr_lon = tod_lon;
  ComputeRouteDistances();
  EXPECT_NEAR(dest_dtg, 120.0, 1e-6);
  EXPECT_NEAR(dist_to_tod, 105.0, 1e-6);
  fms_fpln_act[3].lat = 48.25;  // C 15 NM nearer to B
  tod_lat = 48.5;               // the T/D onto C
  ComputeRouteDistances();
  EXPECT_NEAR(dest_dtg, 120.0, 1e-6);  // along a meridian the total stays
  EXPECT_NEAR(dist_to_tod, 90.0, 1e-6);
  fms_fpln_act[3].lon = kLegLon + 1.0;  // C off the meridian: the route grows
  ComputeRouteDistances();
  double expected = CalcDistNm(plane_lat, plane_lon, fms_fpln_act[1].lat, fms_fpln_act[1].lon);
  for (int i = 2; i <= 4; ++i) {
    expected += CalcDistNm(fms_fpln_act[i - 1].lat, fms_fpln_act[i - 1].lon, fms_fpln_act[i].lat, fms_fpln_act[i].lon);
  }
  EXPECT_NEAR(dest_dtg, expected, 1e-9);
}

// A T/D on a leg beyond the active waypoint is reached along the route, also from an aircraft off
// the route that sees it nearer than the waypoint; one behind the waypoint is reached straight.
TEST_F(RouteDistances, TodBeyondTheActiveWaypointIsMeasuredAlongTheRoute) {
  cruise_alt = 35000;
  toc = 1;
  std::tie(tod_lat, tod_lon) = std::tuple(47.75, kLegLon);            // between A and B
  std::tie(plane_lat, plane_lon) = std::tuple(47.75, kLegLon + 0.8);  // 32 NM east of it
  ComputeRouteDistances();
  EXPECT_NEAR(dist_to_tod, CalcDistNm(plane_lat, plane_lon, 47.5, kLegLon) + 15.0, 1e-6);
  tod_lat = 47.25;  // on the active leg, from KSEA to A
  std::tie(plane_lat, plane_lon) = std::tuple(47.0, kLegLon);
  ComputeRouteDistances();
  EXPECT_NEAR(dist_to_tod, 15.0, 1e-6);
}

// The T/C on the climb is the same case: TO T/C is never shorter than the way to the active waypoint.
TEST_F(RouteDistances, TocBeyondTheActiveWaypointIsMeasuredAlongTheRoute) {
  cruise_alt = 35000;
  std::tie(toc_lat, toc_lon) = std::tuple(47.75, kLegLon);
  std::tie(plane_lat, plane_lon) = std::tuple(47.75, kLegLon + 0.8);
  ComputeRouteDistances();
  EXPECT_NEAR(route_dist_total, CalcDistNm(plane_lat, plane_lon, 47.5, kLegLon) + 15.0, 1e-6);
  toc_lat = 47.25;
  std::tie(plane_lat, plane_lon) = std::tuple(47.0, kLegLon);
  ComputeRouteDistances();
  EXPECT_NEAR(route_dist_total, 15.0, 1e-6);
}

// The path altitude follows the distance still to fly to the crossing point; without a crossing
// point ahead nothing is measured and the path altitude stays.
TEST_F(RouteDistances, DescentPathAltitudeFollowsTheDistanceFromTheDescentStart) {
  cruise_alt = 35000;
  toc = tod = init_tod = 1;
  tod_alt = 35000.0;
  cross_at_elev = 10000.0;
  route_dist_sum = 45.0;  // the path starts between A and B, 45 NM along the route before C
  next_restr_leg = 3;
  plane_lat = 47.9;  // 9 NM past its start
  stpos = tod_stpos = 2;
  ComputeRouteDistances();
  EXPECT_NEAR(dist_to_cross_at, 36.0, 1e-6);
  EXPECT_NEAR(vnav_path_alt, 30000.0, 1e-3);
  next_restr_leg = 0;
  ComputeRouteDistances();
  EXPECT_NEAR(vnav_path_alt, 30000.0, 1e-3);
}

// The path altitude is measured along the legs to the crossing point: from a start on the route's
// first leg (a plan taken over in flight begins at the leg being flown) and past a turn.
TEST_F(RouteDistances, DescentPathIsMeasuredBackAlongTheLegsToItsStart) {
  std::tie(cruise_alt, toc, tod, init_tod, tod_alt, cross_at_elev, next_restr_leg) =
      std::tuple(35000, 1, 1, 1, 35000.0, 10000.0, 3);
  std::tie(route_dist_sum, tod_stpos, plane_lat) = std::tuple(75.0, 1, 47.4);
  ComputeRouteDistances();
  EXPECT_NEAR(vnav_path_alt, 35000.0 - 25000.0 * 9.0 / 75.0, 1e-3);  // 9 NM past the start, 75 NM before C
  fms_fpln_act[2].lon = kLegLon + 0.5;  // the route turns at B: the start before it, the aircraft past it
  std::tie(fms_fpln_act[4].lat, fms_fpln_act[4].lon) = std::tuple(49.0, kLegLon - 0.5);  // on from C as from B
  const auto via_b = [](double lat, double lon) {
    return CalcDistNm(48.0, kLegLon + 0.5, lat, lon) + CalcDistNm(48.0, kLegLon + 0.5, 47.75, kLegLon + 0.25);
  };
  std::tie(route_dist_sum, tod_stpos, stpos) = std::tuple(via_b(48.5, kLegLon), 2, 3);
  std::tie(plane_lat, plane_lon) = std::tuple(48.25, kLegLon + 0.25);
  ComputeRouteDistances();
  // The aircraft lies within metres of the leg: its abeam place there is as good as its own.
  EXPECT_NEAR(vnav_path_alt, 35000.0 - 25000.0 * via_b(plane_lat, plane_lon) / via_b(48.5, kLegLon), 0.1);
}

}  // namespace
