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

struct OrderCase {
  const char* name;
  int32_t entry;
  int32_t exit;
  std::vector<std::string> route;
};

class AirwayOrder : public AirwayInsert, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(AirwayOrder, FixesAfterTheEntryUpToTheExitFollowTheInsertionPoint) {
  Insert(GetParam().entry, GetParam().exit);
  EXPECT_THAT(ModIdents(), ElementsAreArray(GetParam().route));
  EXPECT_EQ(fms_fpln_mod[fp_mod_cnt + 1].ident, kRouteEndMark);
  EXPECT_EQ(cdu_message, "");
}

INSTANTIATE_TEST_SUITE_P(
    Directions, AirwayOrder,
    ::testing::Values(OrderCase{"AlongTheAirway", 3, 6, {"KSEA", "A", "W4", "W5", "W6", "B", "KPDX"}},
                      OrderCase{"AgainstTheAirway", 6, 3, {"KSEA", "A", "W5", "W4", "W3", "B", "KPDX"}},
                      OrderCase{"EntryIsTheExit", 4, 4, {"KSEA", "A", "W4", "B", "KPDX"}},
                      OrderCase{"NoEntryRowTakesTheAirwayFromItsStart", 0, 2, {"KSEA", "A", "W1", "W2", "B", "KPDX"}}),
    [](const ::testing::TestParamInfo<OrderCase>& i) { return std::string(i.param.name); });

TEST_F(AirwayInsert, InsertedLegsCarryTheAirwayAndNoConstraint) {
  fms_fpln_mod[2].hold_idx = 1;  // B moves up; the row it leaves must not keep its hold
  Insert(1, 2);
  const RouteLeg& w2 = fms_fpln_mod[2];
  EXPECT_EQ(w2.ident, "W2");
  EXPECT_EQ(w2.proc, "AWY");
  EXPECT_EQ(w2.via, "J9");
  EXPECT_DOUBLE_EQ(w2.lat, 46.2);
  EXPECT_EQ(w2.alt, -999.0);
  EXPECT_EQ(w2.ias, -999.0);
  EXPECT_EQ(w2.intc_crs, -999.0);
  EXPECT_EQ(w2.restr, -999);
  EXPECT_EQ(w2.hold_idx, 0);
  EXPECT_EQ(w2.freq, "");
  EXPECT_EQ(fms_fpln_mod[3].hold_idx, 1);
}

TEST_F(AirwayInsert, MovedLegsKeepTheirConstraintRowAndHold) {
  next_restr_leg_mod = 2;
  hold_cnt = 1;
  route_holds[1].saved_leg = 2;
  Insert(1, 4);
  EXPECT_EQ(fms_fpln_mod[5].ident, "B");
  EXPECT_EQ(next_restr_leg_mod, 5);
  EXPECT_EQ(route_holds[1].saved_leg, 5);
}

TEST_F(AirwayInsert, AVorOfTheAirwayTakesTheNavaidsTypeAndFrequency) {
  AddNavaid("W3", 46.3, -121.0, "V", "116.80");
  AddNavaid("W5", 47.5, -121.0, "N", "362");  // another whole degree of latitude: not this fix
  Insert(2, 5);
  EXPECT_EQ(fms_fpln_mod[2].type, "VOR");
  EXPECT_EQ(fms_fpln_mod[2].freq, "116.80");
  EXPECT_EQ(fms_fpln_mod[4].ident, "W5");
  EXPECT_EQ(fms_fpln_mod[4].type, "");
  EXPECT_EQ(fms_fpln_mod[4].freq, "");
}

TEST_F(AirwayInsert, AnAirportOfTheAirwayIsNotLookedUp) {
  route_test::SetCandidate(2, "W2", 46.2, -121.0, "APT");
  AddNavaid("W2", 46.2, -121.0, "V", "116.80");
  Insert(1, 2);
  EXPECT_EQ(fms_fpln_mod[2].type, "APT");
  EXPECT_EQ(fms_fpln_mod[2].freq, "");
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
  EXPECT_EQ(fms_fpln_mod[200].ident, kRouteEndMark);
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
  mod_stpos = 1;
  LoadAirway("J5");
  ASSERT_EQ(awy_entry_idx, 1);
  rte_rows[2].to_fix = "WILAM";
  ASSERT_EQ(SelectAirwayExitFix(2), 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "CENTR", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[5].via, "J5");
}

}  // namespace
