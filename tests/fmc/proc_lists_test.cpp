#include "fmc/proc_lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fmc/fmc_globals.h"
#include "navdb/procs_fixture.h"

namespace {

using ::testing::ElementsAre;
using Names = std::vector<std::string>;

Names SidNames() {
  Names out;
  for (int i = 1; i <= airport_recs[1].sid_list_cnt; ++i) out.emplace_back(airport_recs[1].sid_list[i]);
  return out;
}
Names DepRunways() {
  Names out;
  for (int i = 1; i <= airport_recs[1].rwy_list_cnt; ++i) out.emplace_back(airport_recs[1].rwy_list[i]);
  return out;
}
Names SidTransitions() {
  Names out;
  for (int i = 1; i <= airport_recs[1].trans_list_cnt; ++i) out.emplace_back(airport_recs[1].trans_list[i].name);
  return out;
}

// KTST (runways 16L, 34R, 16R, 34L) with SIDs for each kind of runway field.
class PickLists : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    LoadOriginWith(
        "[KTST]\n"
        "T EAST1 SID 16L,16R\n"
        "EAST1.ZULU ZULU 5000 --- 45.5 -121.5\n"
        "EAST1.ALFA ALFA 5000 --- 45.5 -121.6\n"
        "EAST1 EASTR 4000 --- 45.3 -121.8\n"
        "T EAST1 SID 34L\n"
        "T ANY1 SID\n"
        "ANY1 ANYFX 4000 --- 45.2 -122.0\n"
        "T NUM1 SID 19,27\n"
        "T WEST1 SID 34R\n"
        "WEST1.AB ABFIX 5000 --- 45.1 -122.5\n"
        "WEST1.ABC ABCFX 5000 --- 45.1 -122.6\n"
        "WEST1.AB ABFX2 5000 --- 45.1 -122.7\n");
  }
};

// No runway lists every record, duplicates included; a runway lists the procedures serving it.
TEST_F(PickLists, SidListFollowsTheRunway) {
  for (auto [runway, sids] : {std::pair{"------", Names{"EAST1", "EAST1", "ANY1", "NUM1", "WEST1"}},
                              std::pair{"16R", Names{"EAST1", "ANY1"}}, std::pair{"34L", Names{"EAST1", "ANY1"}},
                              std::pair{"9", Names{"ANY1"}},  // 19 is not runway 9
                              std::pair{"27", Names{"ANY1", "NUM1"}}, std::pair{"16", Names{"ANY1"}}}) {
    BuildSidList(runway);
    EXPECT_EQ(SidNames(), sids) << runway;
  }
}

TEST_F(PickLists, RunwayListFollowsTheFirstRecordOfTheName) {
  BuildDepRunwayList("EAST1");  // the 34L record of the same name does not count
  EXPECT_THAT(DepRunways(), ElementsAre("16L", "16R"));
  BuildDepRunwayList("NOSUCH");
  EXPECT_THAT(DepRunways(), ElementsAre("16L", "34R", "16R", "34L"));
}

TEST_F(PickLists, TransitionsAreListedOnceInByteOrder) {
  BuildSidTransList("WEST1", "------");
  EXPECT_THAT(SidTransitions(), ElementsAre("AB", "ABC"));
  BuildSidTransList("EAST1", "16L");
  EXPECT_THAT(SidTransitions(), ElementsAre("ALFA", "ZULU"));  // the common route's closing leg adds none
  BuildSidTransList("EAST1", "34R");
  EXPECT_TRUE(SidTransitions().empty());
}

// Full lists stop adding; a full transition list is still sorted.
TEST_F(PickLists, ListsStopAtTheirCapacity) {
  std::string sids = "[KTST]\n";
  for (int i = 1; i <= 105; ++i) sids += "T S" + std::to_string(i) + " SID\n";
  char line[64];
  for (int i = 1; i <= 125; ++i) {
    std::snprintf(line, sizeof line, "S1.T%03d FX%03d 5000 --- 45.0 -122.0\n", 126 - i, i);
    sids += line;
  }
  LoadOriginWith(sids);
  BuildSidList("------");
  EXPECT_EQ(airport_recs[1].sid_list_cnt, 100);
  EXPECT_EQ(SidNames().back(), "S100");
  BuildSidTransList("S1", "------");
  ASSERT_EQ(airport_recs[1].trans_list_cnt, 118);
  EXPECT_EQ(SidTransitions().front(), "T008");  // the first 118 met, then sorted
  EXPECT_EQ(SidTransitions().back(), "T125");
}

// The arrival side: the destination's STARs and runways.
using ArrivalPickLists = ProcsTest;

TEST_F(ArrivalPickLists, ArrivalListsFilterByRunwayAndStar) {
  LoadDestWith(
      "[KTST]\n"
      "T NORTH1 STAR 34R\n"
      "OLM.NORTH1 OLM 12000 --- 46.0 -122.0\n"
      "T SOUTH1 STAR\n",
      "");
  BuildStarList("16L");
  ASSERT_EQ(airport_recs[2].star_list_cnt, 1);
  EXPECT_STREQ(airport_recs[2].star_list[1], "SOUTH1");
  BuildStarTransList("NORTH1", "34R");
  ASSERT_EQ(airport_recs[2].trans_list_cnt, 1);
  EXPECT_STREQ(airport_recs[2].trans_list[1].name, "OLM");
  EXPECT_EQ(FindArrRunwayIndex(), 0);  // list empty
  BuildArrRunwayList("NORTH1");
  ASSERT_EQ(airport_recs[2].rwy_list_cnt, 1);
  EXPECT_STREQ(airport_recs[2].rwy_list[1], "34R");
  BuildArrRunwayList("------");
  arr_rwy_sel = "16R";
  EXPECT_EQ(FindArrRunwayIndex(), 3);
  arr_rwy_sel = "09";
  EXPECT_EQ(FindArrRunwayIndex(), 0);
}

TEST(RunwayField, CommasDelimitRunways) {
  EXPECT_TRUE(ProcedureServesRunway("", "27"));
  EXPECT_TRUE(ProcedureServesRunway("19,27", "27"));
  EXPECT_TRUE(ProcedureServesRunway("19,27", "19"));
  EXPECT_FALSE(ProcedureServesRunway("19,27", "9"));
  EXPECT_FALSE(ProcedureServesRunway("19,27", "19,2"));
  EXPECT_FALSE(ProcedureServesRunway("16B", "16L"));
}

}  // namespace
