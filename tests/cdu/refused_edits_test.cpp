// Edits and entries the route pages refuse or take back, pressed key by key: a refusal leaves the
// route, its state and the scratchpad as they were; a deletion ERASE takes back leaves nothing lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cdu/cdu_pages.h"
#include "cdu/route_pages_fixture.h"
#include "fmc/route_holds.h"

namespace cdu_test {
namespace {

class RefusedEditsTest : public RoutePagesTest {
 protected:
  // The route flown, as long as the tables allow: rows 0..200.
  static Idents FullRoute() {
    Idents idents{"KSEA", "SEA", "TACMA"};
    while (idents.size() < 200) idents.push_back("F" + std::to_string(idents.size()));
    idents.push_back("KPDX");
    return idents;
  }
  // RTE page 2 (rows 1 to 5) of the route flown.
  void RteRows(const Idents& idents) {
    SetActiveRoute(idents);
    PlaceSeaOnItsAirways(fms_fpln_act, fp_cnt);
    PressAndPaint("RTE NEXT_PAGE");
  }
  // Line 3 of RTE LEGS: the hold row under TACMA, as the pilot reads it.
  std::string HoldRowUnderTacma() {
    PressAndPaint("LEGS");
    return Line(3).left;
  }
  // A hold at TACMA executed, then OLM typed in front of it: after OLM and a DISCO, TACMA (leg 4 of
  // the modification) and its hold row stand on lines 4 and 5.
  void HoldAtTacmaThenOlmBeforeIt() {
    SetActiveRoute(kRoute);
    ExecuteHoldAt("2L");
    PressAndPaint("LEGS");
    EnterAt("OLM", "2L");
    ASSERT_EQ(Line(5).left, "TACMA - - - - / - - - - - -");
  }
  // HOLD AT the fix on the line of RTE LEGS' HOLD AT prompt, executed.
  void ExecuteHoldAt(std::string_view line) {
    orig_ident = "KSEA";  // the origin flown: EXEC keeps the holds
    PressAndPaint("HOLD");
    if (hold_cnt > 0) PressAndPaint("6L");  // NEXT HOLD
    PressAndPaint(line);
    PressAndPaint("6L");
    Press("EXEC");
  }
  void ExpectHoldGoneAtExec() {
    EXPECT_EQ(fms_fpln_mod[4].hold_idx, 0);
    Press("EXEC");
    EXPECT_EQ(std::tuple(hold_cnt, holds_present, fms_fpln_act[4].hold_idx), std::tuple(0, 0, 0));
  }
};

// A hold belongs to its fix, whatever leg number the fix has in the modification; the hold of a
// deleted fix stays in the active route until EXEC, so ERASE gives it back.
TEST_F(RefusedEditsTest, LegsDeleteTakesOnlyTheDeletedFixsHoldAndLeavesItToExec) {
  SetActiveRoute(kRoute);
  orig_ident = "KSEA";  // the origin flown: EXEC keeps the holds
  PressAndPaint("HOLD");
  PressAndPaint("2L");  // TACMA
  PressAndPaint("6L");
  Press("EXEC");
  const std::string held = HoldRowUnderTacma();
  ASSERT_EQ(held, "TACMA - - - - / - - - - - -");

  PressAndPaint("HOLD");
  PressAndPaint("6L");  // NEXT HOLD
  EnterAt("OLM", "6L");
  PressAndPaint("2L");  // OLM with a hold of its own in front of TACMA, which moves down
  PressAndPaint("DEL 2L");
  EXPECT_EQ(std::pair(hold_cnt, fms_fpln_mod[3].hold_idx), std::pair(1, 1));  // TACMA's, after the DISCO
  PressAndPaint("6L");  // ERASE
  EXPECT_EQ(HoldRowUnderTacma(), held);

  PressAndPaint("DEL 2L");  // TACMA itself
  EXPECT_EQ(std::pair(hold_cnt, fms_fpln_active), std::pair(1, 4));
  PressAndPaint("6L");
  EXPECT_EQ(HoldRowUnderTacma(), held);
  EXPECT_EQ(fms_fpln_act[2].hold_idx, 1);

  PressAndPaint("DEL 2L");
  Press("EXEC");
  EXPECT_EQ(std::pair(hold_cnt, holds_present), std::pair(0, 0));
}

// The hold row's DELETE and RTE HOLD's EXIT HOLD name the hold whose fix moved down in the
// modification: EXEC removes that hold, not one at the fix's old leg number.
TEST_F(RefusedEditsTest, HoldRowDeleteAfterAnInsertionTakesTheMovedFixsHold) {
  HoldAtTacmaThenOlmBeforeIt();
  PressAndPaint("DEL 5L");
  ExpectHoldGoneAtExec();
}

TEST_F(RefusedEditsTest, ExitHoldAfterAnInsertionTakesTheMovedFixsHold) {
  HoldAtTacmaThenOlmBeforeIt();
  PressAndPaint("HOLD");
  PressAndPaint("6R");
  ExpectHoldGoneAtExec();
}

// Every hold a modification takes away leaves at EXEC: a held fix and another fix's hold row deleted
// on RTE LEGS, or a held fix with its RTE segment.
TEST_F(RefusedEditsTest, TwoHoldsTakenAwayInOneModificationLeaveAtExec) {
  SetActiveRoute(kRoute);
  ExecuteHoldAt("2L");  // TACMA
  ExecuteHoldAt("4L");  // CENTR, below TACMA's hold row
  ASSERT_EQ(hold_cnt, 2);
  PressAndPaint("LEGS");
  PressAndPaint("DEL 2L");  // TACMA, a DISCO in its place
  PressAndPaint("DEL 4L");  // CENTR's hold row, below the DISCO
  Press("EXEC");
  EXPECT_EQ(std::pair(hold_cnt, holds_present), std::pair(0, 0));
}

// CENTR's hold, kept, follows CENTR when a fix goes in before it after TACMA's segment went.
TEST_F(RefusedEditsTest, RteSegmentDeleteTakesItsFixsHoldAtExec) {
  SetActiveRoute(kRoute);
  ExecuteHoldAt("2L");
  ExecuteHoldAt("4L");  // CENTR
  PressAndPaint("RTE NEXT_PAGE");
  PressAndPaint("DEL 2L");  // the segment to TACMA
  ASSERT_EQ(ModIdents(), (Idents{"KSEA", "SEA", "CENTR", "KELSO", "KPDX"}));
  PressAndPaint("LEGS");
  EnterAt("OLM", "2L");
  Press("EXEC");
  ASSERT_EQ(hold_cnt, 1);
  EXPECT_EQ(route_holds[1].fix, "CENTR");
  EXPECT_EQ(fms_fpln_act[std::clamp(route_holds[1].leg, 0, kLastRouteRow)].ident, "CENTR");
}

// An airway replacing the row's own fix needs room for its end mark.
TEST_F(RefusedEditsTest, ViaEntryWithoutRoomKeepsTheRowsFix) {
  RteRows(FullRoute());
  EnterAt("J5", "2L");  // SEA to TACMA, the fix of row 2
  ExpectTaken("J5", false);
  EXPECT_EQ(ModIdents(), FullRoute());
  EXPECT_EQ(fms_fpln_active, 3);
  Idents one_less = FullRoute();
  one_less.pop_back();
  one_less.back() = "KPDX";
  RteRows(one_less);
  EnterAt("J5", "2L");
  ExpectTaken("J5", true);
}

TEST_F(RefusedEditsTest, SelectWaypointStepsNothingForARefusedFixAndLeavesAnEmptyList) {
  AddDuplicateFix();
  RteRows(FullRoute());
  EnterAt("DUPLI", "2R");
  ASSERT_EQ(fms_page, kCduPageSelectWaypoint);
  PressAndPaint("1L");
  EXPECT_EQ(std::tuple(cdu_message, fms_fpln_active, fms_page), std::tuple("INVALID ENTRY", 3, kCduPageRte));
  EXPECT_EQ(ModIdents(), FullRoute());

  SetActiveRoute(kRoute);
  PressAndPaint("LEGS");
  EnterAt("DUPLI", "2L");
  ASSERT_EQ(fms_page, kCduPageSelectWaypoint);
  nav_search_cnt = 0;  // as on this page restored from a panel state: no line offers a fix
  PressAndPaint("1L");
  EXPECT_EQ(fms_page, kCduPageRteLegs);
  EXPECT_EQ(ModIdents(), kRoute);
}

// "temp.rte" is rewritten by the next stored-plans list; the file system finds it in any case.
TEST_F(RefusedEditsTest, SaveFlightPlanRefusesThePlanConvertersScratchName) {
  SetActiveRoute(kRoute);
  for (const char* name : {"TEMP", "TEMP.RTE", "temp"}) {
    EnterOn(kCduPageInitRefIndex, name, "6R");
    ExpectTaken(name, false);
  }
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
  EnterAt("TEMPO", "6R");
  EXPECT_EQ(cdu_message, "TEMPO.RTE Saved");
}

}  // namespace
}  // namespace cdu_test
