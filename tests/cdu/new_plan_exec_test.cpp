// EXEC of a new plan or a new airport, flown on the CDU: what was chosen for the old route (runways,
// holds) does not stay with the new one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "cdu/route_pages_fixture.h"
#include "fmc/route_holds.h"

namespace cdu_test {
namespace {

class NewPlanExecTest : public RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    WritePlan("KPDXKSEA.PLN",
              testing_support::ReadBytes(RO757_SOURCE_DIR "/examples/sim/Orvantel/flightplans/KPDXKSEA.PLN"));
    sim_.MakeDir("Orvantel/PanelStates");
    host_.SetToken(60, 1.0);  // parked
  }
  // KSEA to KPDX with its arrival runway 28R (the fourth of KPDX's table), not yet activated.
  void EnterSeattlePortland() {
    Keys("RTE");
    EnterAt("KSEA", "1L");
    EnterAt("KPDX", "1R");
    Keys("DEP_ARR 2R NEXT_PAGE 2R");
  }
  void ActivateAndExecute() {
    Keys("LEGS");
    EnterAt("SEA", "1L");
    Keys("RTE 6R EXEC");
  }
  // KPDX to KSEA from the stored plans, activated and executed.
  void ExecuteStoredPlan() { Keys("INIT_REF 6L 2R 1L 6R EXEC"); }

  // The route's ends lie at its airports' reference points, not on a runway.
  static void ExpectEndsAtTheAirports() {
    EXPECT_EQ(std::pair(fms_dep_rwy_pos, fms_dest_rwy_pos), std::pair(0, 0));
    EXPECT_NEAR(fms_fpln_act[0].lat, airport_recs[1].lat, 1e-9);
    EXPECT_NEAR(fms_fpln_act[fp_cnt].lon, airport_recs[2].lon, 1e-9);
  }
};

// KSEA 34C to KPDX 28R executed, then KPDX to KSEA loaded and executed: no runway was chosen for
// it. A panel state saved on the first route brings that route's runways back with it.
TEST_F(NewPlanExecTest, StoredPlanTakesNoRunwayOfTheRouteItReplaces) {
  EnterSeattlePortland();
  Keys("RTE");
  EnterAt("34C", "2L");
  ActivateAndExecute();
  EXPECT_EQ(std::tuple(fms_dep_rwy_pos, fms_dest_rwy_pos, fms_fpln_act[0].lat, fms_fpln_act[fp_cnt].lon),
            std::tuple(4, 4, 47.4380, -122.5683));  // on the thresholds of 34C and 28R
  Keys("INIT_REF 6L");
  EnterAt("RWY", "5R");  // SAVE PNL
  ExecuteStoredPlan();
  EXPECT_EQ(std::tuple(fms_fpln_act[0].ident, fms_fpln_act[fp_cnt].ident, Line(2).left),
            std::tuple("KPDX", "KSEA", "-----"));
  ExpectEndsAtTheAirports();
  Keys("INIT_REF 6L 4R 1L");  // LOAD PNL
  EXPECT_EQ(std::tuple(fms_fpln_act[0].ident, fms_dep_rwy_pos, fms_dest_rwy_pos, fms_fpln_act[0].lat),
            std::tuple("KSEA", 4, 4, 47.4380));
}

// A stored plan from fix to fix: no airport of the old route's, nor its runways, stays with it.
TEST_F(NewPlanExecTest, StoredPlanBetweenFixesTakesNoRunwayOfTheOldAirports) {
  WritePlan("A.RTE",
            "[FlightPlan]\nSEA 47.4354 -122.3097 VOR 116.80\nTACMA 47.2010 -122.3460 INT\n"
            "OLM 46.9710 -122.9020 VOR 113.40\n");
  EnterSeattlePortland();
  Keys("RTE");
  EnterAt("34C", "2L");
  ActivateAndExecute();
  ASSERT_EQ(std::pair(fms_dep_rwy_pos, fms_dest_rwy_pos), std::pair(4, 4));
  ExecuteStoredPlan();
  ASSERT_EQ(fms_fpln_act[0].ident + " " + fms_fpln_act[fp_cnt].ident, "SEA OLM");
  EXPECT_EQ(std::tuple(dep_rwy_sel_act, arr_rwy_sel_act, fms_dep_rwy_pos, fms_dest_rwy_pos),
            std::tuple("------", "------", 0, 0));
  EXPECT_EQ(std::pair(fms_fpln_act[0].lat, fms_fpln_act[fp_cnt].lon), std::pair(47.4354, -122.9020));
}

// A new destination drops the arrival runway's row with the runway; ERASE of a departure runway
// when none was executed drops its row too.
TEST_F(NewPlanExecTest, RunwayRowsGoWithTheirClearedRunways) {
  EnterSeattlePortland();
  Keys("RTE");
  EnterAt("KGEG", "1R");  // its fourth runway, 25, would take 28R's row
  ActivateAndExecute();
  EXPECT_EQ(fms_fpln_act[fp_cnt].ident, "KGEG");
  ExpectEndsAtTheAirports();
  Keys("DEP_ARR 1L 1R");  // 16L
  EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, fms_fpln_active), std::tuple("16L", 1, 4));
  Keys("6L");  // ERASE
  EXPECT_EQ(std::tuple(dep_rwy_sel, fms_dep_rwy_pos, fms_fpln_active), std::tuple("------", 0, 3));
}

// A new destination typed over an active route takes none of the old destination's arrival; ERASE
// gives the old one back with its runway.
TEST_F(NewPlanExecTest, NewDestinationOfAnActiveRouteTakesNoArrivalRunway) {
  EnterSeattlePortland();
  ActivateAndExecute();
  ASSERT_EQ(std::tuple(arr_rwy_sel_act, fms_dest_rwy_pos), std::tuple("28R", 4));
  Keys("RTE");
  EnterAt("KGEG", "1R");
  EXPECT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, fms_fpln_active), std::tuple("------", 0, 4));
  Keys("6L");  // ERASE
  EXPECT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, TextOf(airport_recs[2].icao)), std::tuple("28R", 4, "KPDX"));
  EnterAt("KGEG", "1R");
  Keys("EXEC");
  EXPECT_EQ(std::tuple(fms_fpln_act[fp_cnt].ident, arr_rwy_sel_act), std::tuple("KGEG", "------"));
  ExpectEndsAtTheAirports();
}

// ERASE of another arrival runway chosen over the executed 28R: the row is 28R's again.
TEST_F(NewPlanExecTest, EraseGivesTheExecutedRunwayItsRowBack) {
  EnterSeattlePortland();
  ActivateAndExecute();
  Keys("DEP_ARR 2R NEXT_PAGE 1R");  // 10L
  ASSERT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, fms_fpln_active), std::tuple("10L", 3, 4));
  Keys("6L");
  EXPECT_EQ(std::tuple(arr_rwy_sel, fms_dest_rwy_pos, fms_fpln_active), std::tuple("28R", 4, 3));
}

// Past SEA on KSEA-KPDX, the KPDX-KSEA plan (no cruise altitude) picked from STORED FLIGHT PLANS, as
// the company route, or there after DEL, or uplinked from the GPS (LOAD ATC RTE): a modification
// listed from its leg 1, the route flown, its active leg and airports staying; ERASE gives them back
// whole. EXEC flies the plan from its leg 1.
TEST_F(NewPlanExecTest, PlanPickedInFlightWaitsForExecOrErase) {
  EnterSeattlePortland();
  ActivateAndExecute();
  Keys("DEP_ARR 2R 1R EXEC");  // KPDX's first approach
  const auto [kpdx_approach_row, kpdx_rwy_row] = std::pair(arr_appr_sel, fms_dest_rwy_pos);
  ASSERT_NE(kpdx_approach_row, 0);
  InTheAir(20000.0);
  FlyOverActiveFix();
  for (const auto& [ident, lat, lon] : {std::tuple{"KPDX", 45.589, -122.597}, {"BTG", 45.7476, -122.5925},
                                        {"KSEA", 47.45, -122.311}}) {
    host_.gps().Add(ident, lat, lon, 0.0);
  }
  const auto flown = [] {
    return std::tuple(fms_fpln_act[0].ident, fms_fpln_act[fp_cnt].ident, stpos, lnav_leg[0].ToId, orig_ident, dest_ident);
  };
  const auto before = flown();
  ASSERT_EQ(std::get<2>(before), 2);
  for (const char* pick : {"INIT_REF 6L 2R 1L", "RTE", "INIT_REF 6L 2R DEL 1L", "INIT_REF 6L 3R"}) {
    Keys(pick);
    if (std::string_view(pick) == "RTE") EnterAt("KPDXKSEA", "2R");
    EXPECT_EQ(std::tuple(fms_fpln_active, fms_fpln_mod[0].ident, saved_stpos, orig_entry, dest_entry),
              std::tuple(4, "KPDX", 1, "KPDX", "KSEA"))
        << pick;
    EXPECT_EQ(flown(), before) << pick;
    Keys("6L");
    EXPECT_EQ(flown(), before) << pick;
    EXPECT_EQ(std::tuple(fms_fpln_active, TextOf(airport_recs[1].icao), TextOf(airport_recs[2].icao), fms_dest_rwy_pos),
              std::tuple(3, "KSEA", "KPDX", kpdx_rwy_row))
        << pick;
  }
  EXPECT_EQ(arr_appr_sel, kpdx_approach_row);
  Keys("INIT_REF 6L 2R 1L EXEC");
  EXPECT_EQ(std::tuple(stpos, orig_ident, dest_ident), std::tuple(1, "KPDX", "KSEA"));
  EXPECT_EQ(arr_appr_sel, 0) << "KPDX's approach row marked at KSEA";
}

// An aircraft flying the circuit of the old route's hold: the new plan's EXEC ends it, and the
// table keeps no hold for the map or the frame to fly.
TEST_F(NewPlanExecTest, StoredPlanOverAHeldRouteLeavesNoHold) {
  EnterSeattlePortland();
  ActivateAndExecute();
  Keys("LEGS HOLD 1L 6L EXEC");  // HOLD AT SEA
  ASSERT_EQ(std::tuple(hold_cnt, route_holds[1].fix, holds_present), std::tuple(1, "SEA", 1));
  pattern_leg = 2;  // the circuit being flown
  ExecuteStoredPlan();
  EXPECT_EQ(std::tuple(fms_fpln_active, hold_cnt, route_holds[1].leg, holds_present, pattern_leg, pattern_phase),
            std::tuple(3, 0, 0, 0, 0, 4));
}

}  // namespace
}  // namespace cdu_test
