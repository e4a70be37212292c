// Entries made for a modification that is not executed, flown on the CDU: ERASE and a panel-state
// load leave none of them for the next EXEC, and EXEC takes the last cruise altitude entered.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/route_pages_fixture.h"
#include "fmc/proc_route.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

class PendingEntriesTest : public RoutePagesTest {
 protected:
  // KSEA runway 16L to KPDX by SEA, activated and executed with no cruise altitude; PERF INIT shown.
  void ExecuteSeattlePortlandWithNoCruiseAltitude() {
    Keys("RTE");
    EnterAt("KSEA", "1L");
    EnterAt("KPDX", "1R");
    EnterAt("16L", "2L");
    Keys("LEGS");
    EnterAt("SEA", "1L");
    Keys("RTE 6R EXEC INIT_REF 6L 3L");
  }
  // The same, executed at FL310.
  void ExecuteSeattlePortland() {
    ExecuteSeattlePortlandWithNoCruiseAltitude();
    EnterAt("FL310", "1R");
    Keys("EXEC");
    ASSERT_EQ(std::tuple(fms_fpln_active, cruise_alt, dep_rwy_sel_act), std::tuple(3, 31000, "16L"));
  }
  // The origin leg lies on the threshold of `rwy`.
  static void ExpectRouteStartsAt(const char* rwy) {
    EXPECT_EQ(dep_rwy_sel_act, rwy);
    const RunwayRecord& r = airport_recs[1].runways[RunwayTableRow(airport_recs[1], rwy)];
    EXPECT_EQ(std::pair(fms_fpln_act[0].lat, fms_fpln_act[0].lon), std::pair(r.lat, r.lon));
  }
};

// FL200 on VNAV CLB, ERASE, then a cost index and EXEC: the route stays at FL310.
TEST_F(PendingEntriesTest, EraseOfAVnavCruiseAltitudeLeavesNothingForTheNextExec) {
  ExecuteSeattlePortland();
  Keys("VNAV");
  EnterAt("FL200", "1L");
  Keys("6L");
  EXPECT_EQ(Line(1).left, "FL310");
  Keys("INIT_REF 6L 3L");
  EnterAt("50", "2R");
  Keys("EXEC");
  EXPECT_EQ(std::pair(cruise_alt, Line(1).right), std::pair(31000, std::string("FL310")));
}

// Before the first EXEC: FL200 on VNAV CLB, then FL310 on PERF INIT. EXEC takes FL310.
TEST_F(PendingEntriesTest, ExecTakesTheLastCruiseAltitudeEntered) {
  Keys("RTE");
  EnterAt("KSEA", "1L");
  EnterAt("KPDX", "1R");
  Keys("LEGS");
  EnterAt("SEA", "1L");
  Keys("VNAV");
  EnterAt("FL200", "1L");
  Keys("INIT_REF 6L 3L");
  EnterAt("FL310", "1R");  // activates the route
  Keys("EXEC");
  EXPECT_EQ(std::pair(cruise_alt, Line(1).right), std::pair(31000, std::string("FL310")));
}

// No cruise altitude nor cost index executed: FL370 and 80 on PERF INIT, FL390 on VNAV CLB, then ERASE
// gives "none" back to both. Entries from "none" executed, then changed and erased, come back.
TEST_F(PendingEntriesTest, EraseGivesBackNoCruiseAltitudeAndNoCostIndex) {
  ExecuteSeattlePortlandWithNoCruiseAltitude();
  ASSERT_EQ(std::tuple(fms_fpln_active, cruise_alt, cost_index), std::tuple(3, 0, -1));
  EnterAt("FL370", "1R");
  EnterAt("80", "2R");
  Keys("VNAV");
  EnterAt("FL390", "1L");
  ASSERT_EQ(std::tuple(fms_fpln_active, cruise_alt, pending_cruise_alt, cost_index), std::tuple(4, 0, 39000, 80));
  Keys("6L");
  EXPECT_EQ(std::tuple(fms_fpln_active, cruise_alt, pending_cruise_alt, cost_index), std::tuple(3, 0, 0, -1));
  EXPECT_EQ(Line(1).left, "");  // the CLB page's cruise altitude box
  Keys("INIT_REF 6L 3L");
  EnterAt("FL350", "1R");
  EnterAt("60", "2R");
  Keys("EXEC");
  EnterAt("FL390", "1R");
  EnterAt("70", "2R");
  Keys("6L");
  EXPECT_EQ(std::pair(cruise_alt, cost_index), std::pair(35000, 60));
}

// Two entries of the same value before ERASE: both go, the executed values come back.
TEST_F(PendingEntriesTest, EraseTakesBackEveryEntryNotOnlyTheLast) {
  ExecuteSeattlePortland();
  const int32_t executed_des = descent_ias;
  Keys("VNAV");
  EnterAt("FL200", "1L");
  Keys("INIT_REF 6L 3L");
  EnterAt("FL250", "1R");
  Keys("VNAV PREV_PAGE");  // PATH DES
  EnterAt("280", "2L");
  EnterAt("270", "2L");
  // The cruise altitude of a route being flown waits for EXEC.
  ASSERT_EQ(std::tuple(cruise_alt, pending_cruise_alt, descent_ias), std::tuple(31000, 25000, 270));
  Keys("6L");
  EXPECT_EQ(std::tuple(cruise_alt, pending_cruise_alt, descent_ias), std::tuple(31000, 0, executed_des));
}

// FL350 on PERF INIT or VNAV CRZ while the descent's next segment lowers the cruise altitude to a
// constraint's 11000 ft, then ERASE: the flight keeps its segment, not the altitude before the entry.
TEST_F(PendingEntriesTest, EraseLeavesTheCruiseAltitudeTheFlightMovedOnTo) {
  ExecuteSeattlePortland();
  for (const char* keys : {"INIT_REF 6L 3L", "VNAV NEXT_PAGE"}) {
    cruise_alt = 31000;
    Keys(keys);
    EnterAt("FL350", std::string(keys) == "VNAV NEXT_PAGE" ? "1L" : "1R");
    ASSERT_EQ(std::pair(fms_fpln_active, pending_cruise_alt), std::pair(4, 35000)) << keys;
    cruise_alt = 11000;
    Keys("6L");
    EXPECT_EQ(std::tuple(fms_fpln_active, cruise_alt, pending_cruise_alt), std::tuple(3, 11000, 0)) << keys;
  }
}

// 34R on RTE over the executed 16L, ERASE, then an edit of the legs and EXEC: the route still starts
// on 16L.
TEST_F(PendingEntriesTest, EraseDropsTheRunwayEntry) {
  ExecuteSeattlePortland();
  Keys("RTE");
  EnterAt("34R", "2L");
  Keys("6L");
  EXPECT_EQ(Line(2).left, "16L");
  Keys("LEGS");
  EnterAt("TACMA", "2L");
  Keys("EXEC");
  ExpectRouteStartsAt("16L");
}

// A panel state saved on the executed route, then 34R and FL200 entered and the state loaded: the
// route is the saved one, on 16L at FL310, and nothing waits for EXEC.
TEST_F(PendingEntriesTest, PanelStateLoadDropsTheEntriesMadeBeforeIt) {
  sim_.MakeDir("Orvantel/PanelStates");
  ExecuteSeattlePortland();
  Keys("INIT_REF 6L");
  EnterAt("P", "5R");  // SAVE PNL
  Keys("RTE");
  EnterAt("34R", "2L");
  Keys("VNAV");
  EnterAt("FL200", "1L");
  Keys("INIT_REF 6L 4R 1L");  // LOAD PNL
  ASSERT_EQ(cdu_message, "PANEL STATE LOADED OK");
  EXPECT_EQ(std::tuple(fms_fpln_active, cruise_alt, rte_rwy_entry, pending_cruise_alt),
            std::tuple(3, 31000, "------", 0));
  ExpectRouteStartsAt("16L");
}

}  // namespace
}  // namespace cdu_test
