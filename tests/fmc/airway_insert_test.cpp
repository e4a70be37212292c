#include "fmc/airway_insert.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/route_fixture.h"
#include "navdb/airways.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using route_test::ModIdents;
using route_test::SetModLegs;

// An airway of seven fixes W1..W7 in the search list, as LoadAirway leaves it (no type text).
class AirwayInsert : public plan_files_test::PlanFilesTest {
 protected:
  void SetUp() override {
    PlanFilesTest::SetUp();
    for (int i = 1; i <= 7; ++i) {
      route_test::SetCandidate(i, "W" + std::to_string(i), 46.0 + 0.1 * i, -121.0, "");
      SetText(nav_search_list[i].airway, "J9");
    }
    SetModLegs({"KSEA", "A", "B", "KPDX"});
    mod_stpos = 1;
  }

  void Insert(int32_t entry, int32_t exit) {
    awy_entry_idx = entry;
    awy_exit_idx = exit;
    InsertAirwayWpts();
  }
};

// The fixes after the entry up to the exit follow the insertion point, in either direction.
TEST_F(AirwayInsert, FixesFromEntryToExitFollowTheInsertionPoint) {
  struct Case {
    int32_t entry;
    int32_t exit;
    std::vector<std::string> route;
  };
  const Case cases[] = {
      {3, 6, {"KSEA", "A", "W4", "W5", "W6", "B", "KPDX"}},
      {6, 3, {"KSEA", "A", "W5", "W4", "W3", "B", "KPDX"}},
      {4, 4, {"KSEA", "A", "W4", "B", "KPDX"}},
      {0, 2, {"KSEA", "A", "W1", "W2", "B", "KPDX"}},  // no entry row: from the airway's start
  };
  for (const Case& c : cases) {
    SetModLegs({"KSEA", "A", "B", "KPDX"});
    Insert(c.entry, c.exit);
    EXPECT_THAT(ModIdents(), ElementsAreArray(c.route)) << c.entry << " " << c.exit;
    EXPECT_EQ(fms_fpln_mod[fp_mod_cnt + 1].ident, kRouteEndMark);
    EXPECT_EQ(cdu_message, "");
  }
}

// Inserted legs carry the airway and no constraint or hold; moved legs keep theirs.
TEST_F(AirwayInsert, InsertedLegsCarryTheAirwayAndMovedLegsTheirConstraintRowAndHold) {
  fms_fpln_mod[2].hold_idx = 1;
  next_restr_leg_mod = 2;
  hold_cnt = 1;
  route_holds[1].saved_leg = 2;
  Insert(1, 2);
  const RouteLeg& w2 = fms_fpln_mod[2];
  EXPECT_EQ(w2.ident, "W2");
  EXPECT_EQ(w2.proc, "AWY");
  EXPECT_EQ(w2.via, "J9");
  EXPECT_EQ(w2.alt, -999.0);
  EXPECT_EQ(w2.hold_idx, 0);
  EXPECT_EQ(fms_fpln_mod[3].ident, "B");
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
  EXPECT_EQ(next_restr_leg_mod, 3);
  EXPECT_EQ(route_holds[1].saved_leg, 3);
}

// A navaid of the same ident within the fix's whole degree gives its type, unless the fix is an airport.
TEST_F(AirwayInsert, AVorOfTheAirwayTakesTheNavaidsTypeAndFrequency) {
  AddNavaid("W3", 46.3, -121.0, "V", "116.80");
  AddNavaid("W4", 46.4, -121.0, "V", "117.00");
  AddNavaid("W5", 47.5, -121.0, "N", "362");  // another whole degree of latitude: not this fix
  route_test::SetCandidate(4, "W4", 46.4, -121.0, "APT");
  Insert(2, 5);
  EXPECT_EQ(fms_fpln_mod[2].type, "VOR");
  EXPECT_EQ(fms_fpln_mod[2].freq, "116.80");
  EXPECT_EQ(fms_fpln_mod[3].type, "APT");
  EXPECT_EQ(fms_fpln_mod[3].freq, "");
  EXPECT_EQ(fms_fpln_mod[4].type, "");
}

TEST_F(AirwayInsert, EndMarkMayReachRow200ButNotPassIt) {
  fp_mod_cnt = 196;
  for (int32_t i = 4; i <= 196; ++i) fms_fpln_mod[i].ident = "F" + std::to_string(i);
  Insert(1, 4);  // three legs: the last leg at 199, the end mark at 200
  EXPECT_EQ(fp_mod_cnt, 199);
  EXPECT_EQ(fms_fpln_mod[200].ident, kRouteEndMark);
  EXPECT_EQ(cdu_message, "");
  Insert(4, 5);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(fp_mod_cnt, 199);
  EXPECT_EQ(fms_fpln_mod[2].ident, "W2");
}

TEST_F(AirwayInsert, RowsOutsideTheListOrTheRouteAreRefused) {
  const std::vector<std::string> before = ModIdents();
  struct Bad {
    int32_t entry, exit, stpos;
  };
  for (Bad b : {Bad{1, 0, 1}, Bad{1, 8, 1}, Bad{-1, 2, 1}, Bad{9, 2, 1}, Bad{1, 2, 4}, Bad{1, 2, 999}, Bad{1, 2, -1}}) {
    cdu_message.clear();
    mod_stpos = b.stpos;
    Insert(b.entry, b.exit);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << b.entry << " " << b.exit << " " << b.stpos;
    EXPECT_EQ(ModIdents(), before);
  }
}

// The RTE page's path on the example airway J5: VIA J5 after SEA, then TO WILAM.
TEST_F(AirwayInsert, ExitFixOnTheExampleAirwayInsertsTheSegment) {
  sim_root = RO757_SOURCE_DIR "/examples/sim";
  SetModLegs({"KSEA", "SEA", "KPDX"});
  LoadAirway("J5");
  ASSERT_EQ(awy_entry_idx, 1);
  rte_rows[2].to_fix = "WILAM";
  ASSERT_EQ(SelectAirwayExitFix(2), 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[5].via, "J5");
}

}  // namespace
