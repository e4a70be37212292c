#include "fmc/dep_proc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/example_route_fixture.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_fixture.h"

namespace {

using ::testing::ElementsAre;
using route_test::ModIdents;

// KSEA's runways are 16L, 34R, 16C, 34C, 16R, 34L (rows 1..6 of its runway table).
constexpr const char* kTestSids =
    "[KSEA]\n"
    "T DEP1 SID 16L,34R\n"
    "DEP1 SOUTH 3000 16L 47.30 -122.31\n"
    "DEP1 NORTH 3000 34R 47.60 -122.31\n"
    "DEP1 OLM 6000 --- 46.9710 -122.9020\n"
    "DEP1.KELSO KELSO 10000 --- 46.1480 -122.8830\n"
    "T SHORT1 SID 34L\n"
    "SHORT1 ONLY 3000 --- 47.50 -122.40\n"
    "T NINE1 SID\n"
    "NINE1 R19 3000 19 47.20 -122.30\n"
    "NINE1 R27 3000 27 47.20 -122.40\n";

class Departures : public example_route_test::ExampleRouteTest {
 protected:
  void SetUp() override {
    ExampleRouteTest::SetUp();
    sim_.Write("Orvantel/Navdata/sids.txt", kTestSids);
    ASSERT_EQ(LoadAirport("KSEA", 1), 1);
    AddNavaid("OLM", 46.9710, -122.9020, "V", "113.40");
    // An active route KSEA - OLM - KELSO - WILAM - KPDX whose modification is being edited.
    ModLeg(0, "KSEA", 47.4500, -122.3110, "APT");
    ModLeg(1, "OLM", 46.9710, -122.9020, "VOR").alt = 15000.0;
    ModLeg(2, "KELSO", 46.1480, -122.8830);
    ModLeg(3, "WILAM", 45.9050, -122.7040);
    ModLeg(4, "KPDX", 45.5890, -122.5970, "APT");
    fp_mod_cnt = 4;
    mod_stpos = 1;
    fms_fpln_active = 3;
    ResetDepArrSelection();
  }

  // The DEPARTURES page's runway key for runway `rwy` of the list shown.
  void ChooseRunway(const std::string& rwy) {
    for (int i = 1; i <= airport_recs[1].rwy_list_cnt; ++i) {
      if (rwy == airport_recs[1].rwy_list[i]) return SelectDepRunway(i);
    }
    FAIL() << rwy << " not offered";
  }
  void ChooseSid(const std::string& name) {
    for (int i = 1; i <= airport_recs[1].sid_list_cnt; ++i) {
      if (name == airport_recs[1].sid_list[i]) return SelectDepProcedure(i, 0);
    }
    FAIL() << name << " not offered";
  }
};

// The runway position is the row of the airport's runway table, not of the pick list.
TEST_F(Departures, RunwayWithoutASidOnlyNarrowsTheSidList) {
  ChooseRunway("34L");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(dep_rwy_sel, "34L");
  EXPECT_EQ(fms_dep_rwy_pos, 6);
  ASSERT_EQ(airport_recs[1].sid_list_cnt, 2);
  EXPECT_STREQ(airport_recs[1].sid_list[1], "SHORT1");
}

// The SID's OLM and the route's OLM are one row, with the route's data; another runway reinserts
// the SID with its own legs.
TEST_F(Departures, SidLegsFollowTheOriginAndMergeWithTheFirstEnRouteFix) {
  ChooseRunway("16L");
  ChooseSid("DEP1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[1].proc, "SID");
  EXPECT_EQ(fms_fpln_mod[1].alt, -999.0);
  EXPECT_EQ(fms_fpln_mod[2].alt, 15000.0);
  EXPECT_EQ(rte_rows[1].to_fix, "SOUTH");
  ResetDepArrSelection();
  ChooseRunway("34R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "NORTH", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_dep_rwy_pos, 2);
}

TEST_F(Departures, ChoosingTheSidTwiceLeavesOneCopyAndTheTransitionFollows) {
  ModLeg(1, "SEA", 47.4354, -122.3097, "VOR");
  ChooseRunway("16L");
  ChooseSid("DEP1");
  ChooseSid("DEP1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "SEA", "KELSO", "WILAM", "KPDX"));
  ASSERT_EQ(airport_recs[1].trans_list_cnt, 1);
  sid_trans_sel = airport_recs[1].trans_list[1].name;
  SelectDepProcedure(sid_idx, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "KELSO", "SEA", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[3].via, "DEP1.KELSO");
}

// Without an active route only the origin and the SID remain; a shorter SID replaces every leg.
TEST_F(Departures, WithoutAnActiveRouteTheSidIsTheRoute) {
  mod_stpos = 999;
  ChooseRunway("16L");
  ChooseSid("DEP1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM"));
  EXPECT_EQ(fms_fpln_mod[2].type, "VOR");  // a leg at a VOR takes its type and frequency
  EXPECT_EQ(fms_fpln_mod[2].freq, "113.40");
  mod_stpos = 1;
  ResetDepArrSelection();
  ChooseRunway("34L");
  ChooseSid("SHORT1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "ONLY"));
}

TEST_F(Departures, TheLegRunwayTestIsASubstringTest) {
  mod_stpos = 999;
  ChooseSid("NINE1");
  ASSERT_THAT(ModIdents(), ElementsAre("KSEA"));  // "------": only unrestricted legs
  dep_rwy_sel = "9";
  SelectDepProcedure(sid_idx, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "R19"));
}

TEST_F(Departures, ASidThatWouldPassRow200IsRefused) {
  for (int32_t i = 4; i <= 198; ++i) ModLeg(i, "F" + std::to_string(i), 46.0, -122.0);
  ModLeg(199, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 199;
  sid_sel = "DEP1";
  dep_rwy_sel = "16L";
  SelectDepProcedure(0, 1);  // two legs, OLM merging afterwards: 201 rows before the merge
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(fp_mod_cnt, 199);
  EXPECT_EQ(fms_fpln_mod[1].ident, "OLM");
}

TEST_F(Departures, TheLegListStopsAtEightyLegs) {
  std::string sids = "[KSEA]\nT LONG1 SID\n";
  for (int i = 1; i <= 85; ++i) sids += "LONG1 L" + std::to_string(i) + " 5000 --- 47.0 -122.0\n";
  sim_.Write("Orvantel/Navdata/sids.txt", sids);
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  SelectSid("LONG1");
  BuildSidLegList();
  EXPECT_EQ(sid_leg_cnt, 80);
  EXPECT_EQ(sid_leg_list[80].ident, "L80");
}

TEST_F(Departures, KeysOutsideTheListsDoNothing) {
  for (int32_t row : {0, 7, -1}) SelectDepRunway(row);
  SelectDepProcedure(4, 0);
  SelectDepProcedure(0, 0);
  EXPECT_EQ(dep_rwy_sel, "------");
  EXPECT_EQ(sid_sel, "------");
  EXPECT_EQ(fms_fpln_active, 3);
}

// The example data's TACMA1 from runway 16L with the CENTR transition.
TEST_F(Departures, ExampleSidFromSixteenLeftToCentralia) {
  std::filesystem::copy_file(RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata/sids.txt",
                             sim_ / "Orvantel/Navdata/sids.txt", std::filesystem::copy_options::overwrite_existing);
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  ModLeg(1, "CENTR", 46.7190, -122.6020);
  SelectSid("TACMA1");
  sid_sel = "TACMA1";
  sid_trans_sel = "CENTR";
  dep_rwy_sel = "16L";
  SelectDepProcedure(0, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "HD162", "HD200", "TR230", "TACMA", "TR190", "CENTR", "KELSO",
                                       "WILAM", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[5].via, "TACMA1.CENTR");
}

}  // namespace
