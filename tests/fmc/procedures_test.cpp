// Procedures: the pick lists, and SIDs, STARs and approaches inserted into the modified route.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/arr_proc.h"
#include "fmc/dep_proc.h"
#include "fmc/plan_files_fixture.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_fixture.h"
#include "sim/tick_globals.h"
#include "navdb/approach_lists.h"
#include "navdb/procs_fixture.h"

namespace {

using ::testing::ElementsAre;
using route_test::ModIdents;
using Names = std::vector<std::string>;

// KSEA's runways are 16L, 34R, 16C, 34C, 16R, 34L; KPDX's 10R, 28L, 10L, 28R (rows of their
// runway tables).
constexpr const char* kTestSids =
    "[KSEA]\n"
    "T DEP1 SID 16L,34R\n"
    "DEP1 SOUTH 3000 16L 47.30 -122.31\n"
    "DEP1 NORTH 3000 34R 47.60 -122.31\n"
    "DEP1 OLM 6000 --- 46.9710 -122.9020\n"
    "DEP1.KELSO KELSO 10000 --- 46.1480 -122.8830\n"
    "T SHORT1 SID 34L\n"
    "SHORT1 ONLY 3000 --- 47.50 -122.40\n"
    "T NINE1 SID\n";

constexpr const char* kTestStars =
    "[KPDX]\n"
    "T ARR1 STAR 10R,28R\n"
    "OLM.ARR1 OLM 16000 --- 46.9710 -122.9020\n"
    "ARR1 KELSO 12000 --- 46.1480 -122.8830\n"
    "ARR1 WILAM 80 --- 45.9050 -122.7040\n"
    "ARR1 TIMBR 4000 10R 45.6756 -122.8296\n"
    "T ARR3 STAR\n"
    "ARR3 SOUTH 9000 --- 45.2 -122.6\n";

constexpr const char* kTestApproaches =
    "[KPDX]\n"
    "10R I10R BTG IAF 5000 45.7476 -122.5925 - 0 0\n"
    "10R I10R TIMBR --- ABC 45.6756 -122.8296 - 0 0\n"
    "10R I10R LAVAS FAF 2000 45.6370 -122.7294 - 0 0\n"
    "10R I10R RW10R MAP 80 45.5950 -122.6210 - 0 0\n"
    "28R I28R WILAM IAF 4000 45.9050 -122.7040 - 0 0\n"
    "28R I28R RW28R MAP 80 45.5842 -122.5683 - 0 0\n";

// The row of `name` in a pick list (0, refused by the page, when it is not offered).
template <class List>
int32_t Offered(const List& list, int32_t count, const std::string& name) {
  for (int32_t i = 1; i <= count; ++i) {
    if (name == list[i]) return i;
  }
  ADD_FAILURE() << name << " not offered";
  return 0;
}

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
    std::tie(fp_mod_cnt, mod_stpos, fms_fpln_active) = std::tuple(4, 1, 3);
    ResetDepArrSelection();
  }
  // The DEPARTURES page's keys for a runway or a SID of the lists shown.
  static void ChooseRunway(const char* rwy) {
    SelectDepRunway(Offered(airport_recs[1].rwy_list, airport_recs[1].rwy_list_cnt, rwy));
  }
  static void ChooseSid(const char* name) {
    SelectDepProcedure(Offered(airport_recs[1].sid_list, airport_recs[1].sid_list_cnt, name), 0);
  }
};

// The runway position is the row of the airport's runway table, not of the pick list. A runway
// without a SID only narrows the SID list.
TEST_F(Departures, RunwayChoiceStoresTheRunwayTableRow) {
  ChooseRunway("34L");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(std::tuple(fms_dep_rwy_pos, fms_fpln_active, airport_recs[1].sid_list_cnt), std::tuple(6, 4, 2));
}

// The SID's OLM and the route's OLM are one row, with the route's data; a second choice leaves one
// copy; the transition's legs follow under its label. A SID ending at a fix the route holds further
// on joins the route there (no leg flies back to OLM), but not at a namesake elsewhere.
TEST_F(Departures, SidLegsFollowTheOriginAndMergeWithTheFirstEnRouteFix) {
  ChooseRunway("16L");
  ChooseSid("DEP1");
  ChooseSid("DEP1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(std::pair(fms_fpln_mod[1].proc, fms_fpln_mod[2].alt), std::pair(std::string("SID"), 15000.0));
  sid_trans_sel = "KELSO";
  ModLeg(3, "KELSO", 20.0, -150.0);  // a namesake elsewhere is not where the transition ends
  SelectDepProcedure(sid_idx, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "KELSO", "OLM", "KELSO", "WILAM", "KPDX"));
  ModLeg(5, "KELSO", 46.1480, -122.8830);
  SelectDepProcedure(sid_idx, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SOUTH", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(std::tuple(fms_fpln_mod[2].via, fms_fpln_mod[2].alt), std::tuple("DEP1.KELSO", -999.0));
}

TEST_F(Departures, SidsPastRow200AndLegListsPast80LegsAreRefusedOrCut) {
  for (int32_t i = 4; i <= 198; ++i) ModLeg(i, "F" + std::to_string(i), 46.0, -122.0);
  ModLeg(199, "KPDX", 45.5890, -122.5970, "APT");
  std::tie(fp_mod_cnt, sid_sel, dep_rwy_sel) = std::tuple(199, "DEP1", "16L");
  SelectDepProcedure(0, 1);  // two legs, OLM merging afterwards: 201 rows before the merge
  EXPECT_EQ(std::tuple(cdu_message, fp_mod_cnt, fms_fpln_mod[1].ident), std::tuple("INVALID ENTRY", 199, "OLM"));

  std::string sids = "[KSEA]\nT LONG1 SID\n";
  for (int i = 1; i <= 85; ++i) sids += "LONG1 L" + std::to_string(i) + " 5000 --- 47.0 -122.0\n";
  sim_.Write("Orvantel/Navdata/sids.txt", sids);
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  SelectSid("LONG1");
  BuildSidLegList();
  EXPECT_EQ(sid_leg_cnt, 80);
}

TEST_F(Departures, KeysOutsideTheListsDoNothing) {
  for (int32_t row : {0, 7, -1}) SelectDepRunway(row);
  SelectDepProcedure(4, 0);
  SelectDepProcedure(0, 0);
  EXPECT_EQ(dep_rwy_sel + "|" + sid_sel, "------|------");
  EXPECT_EQ(fms_fpln_active, 3);
}

class Arrivals : public example_route_test::ExampleRouteTest {
 protected:
  void SetUp() override {
    ExampleRouteTest::SetUp();
    sim_.Write("Orvantel/Navdata/stars.txt", kTestStars);
    sim_.Write("Orvantel/Navdata/apps.txt", kTestApproaches);
    ASSERT_EQ(LoadAirport("KPDX", 2), 1);
    AddNavaid("BTG", 45.7476, -122.5925, "V", "116.60");
    // KSEA - SEA - OLM - KELSO - KPDX, not yet active.
    ModLeg(0, "KSEA", 47.4500, -122.3110, "APT");
    ModLeg(1, "SEA", 47.4354, -122.3097, "VOR");
    ModLeg(2, "OLM", 46.9710, -122.9020, "VOR");
    ModLeg(3, "KELSO", 46.1480, -122.8830);
    ModLeg(4, "KPDX", 45.5890, -122.5970, "APT");
    fp_mod_cnt = 4;
    fms_fpln_active = 1;
    BuildStarList("------");
    BuildArrRunwayList("------");
  }
  static void ChooseStar(const char* name) {
    SelectArrProcedure(Offered(airport_recs[2].star_list, airport_recs[2].star_list_cnt, name), 0);
  }
  // What the ARRIVALS page does for an approach row: the legs of the approach, then their insertion.
  void ChooseApproach(const std::string& id, const std::string& rwy, const std::string& trans) {
    std::tie(appr_sel, arr_rwy_cur, appr_trans_sel) = std::tuple(id, rwy, trans);
    BuildApproachLegList();
    InsertTmpApprRoute(1);
  }
  static const RouteLeg& Row(int32_t i) { return fms_fpln_mod[i]; }
};

// The route's KELSO and the STAR's are one row, the STAR's; an altitude text below 100 is no
// constraint. The runway position is the row of the airport's runway table.
TEST_F(Arrivals, StarBeforeAnyApproachEndsTheRouteWithItsLegsAndTheDestination) {
  // An active route whose destination carries the next constraint.
  std::tie(fms_fpln_active, next_restr_leg_mod, fms_fpln_mod[4].alt) = std::tuple(3, 4, 31.0);
  ChooseStar("ARR1");
  EXPECT_EQ(std::tuple(fms_fpln_active, next_restr_leg_mod, Row(5).alt), std::tuple(4, 5, 31.0));
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(std::tuple(Row(3).proc, Row(3).alt, Row(4).alt, Row(4).restr), std::tuple("STAR", 12000.0, -999.0, 0));
  ASSERT_EQ(airport_recs[2].rwy_list_cnt, 2);  // the STAR serves 10R and 28R
  BuildArrRunwayList("------");
  arr_rwy_sel = "10R";
  SelectArrRunway(FindArrRunwayIndex());
  EXPECT_EQ(fms_dest_rwy_pos, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "TIMBR", "KPDX"));
}

// A route that flies on past the STAR's first fix (a company route to BTG) joins the STAR there
// rather than flying back to it, but not at a namesake elsewhere.
TEST_F(Arrivals, StarJoinsTheRouteAtItsFirstFixAlreadyOnTheRoute) {
  for (const double kelso_lat : {46.1480, 20.0}) {
    ModLeg(3, "KELSO", kelso_lat, -122.8830);
    ModLeg(4, "WILAM", 45.9050, -122.7040);
    ModLeg(5, "BTG", 45.7476, -122.5925, "VOR");
    ModLeg(6, "KPDX", 45.5890, -122.5970, "APT");
    fp_mod_cnt = 6;
    ChooseStar("ARR1");
  }
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "BTG", "KELSO", "WILAM", "KPDX"));
  ModLeg(3, "KELSO", 46.1480, -122.8830);
  ModLeg(4, "BTG", 45.7476, -122.5925, "VOR");
  ModLeg(5, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 5;
  ChooseStar("ARR1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(Row(3).proc, "STAR");
}

// The discontinuity carries the first approach leg's position and constraints; each leg's role
// gives its speed and its altitude text the constraint; a leg at a navaid takes its type and frequency.
TEST_F(Arrivals, ApproachAfterTheRouteIsSeparatedByADiscontinuity) {
  ChooseApproach("I10R", "10R", "BTG");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "DISCO", "BTG", "TIMBR", "LAVAS", "KPDX"));
  EXPECT_EQ(std::tuple(Row(4).lat, Row(4).restr, Row(5).type + " " + Row(5).freq), std::tuple(45.7476, 3, "VOR 116.60"));
  const double legs[][3] = {{190.0, 5000.0, 3}, {180.0, -999.0, 2}, {170.0, 2000.0, 3}};  // IAF, none, FAF
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(std::tuple(Row(5 + i).ias, Row(5 + i).alt, Row(5 + i).restr), std::tuple(legs[i][0], legs[i][1], legs[i][2]))
        << i;
  }
}

TEST_F(Arrivals, ArrivalsThatWouldPassRow200AreRefused) {
  for (int32_t i = 3; i <= 197; ++i) ModLeg(i, "F" + std::to_string(i), 46.0, -122.0);
  ModLeg(198, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 198;
  const Names before = ModIdents();
  ChooseApproach("I10R", "10R", "BTG");  // a DISCO and three legs
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  cdu_message.clear();
  star_trans_sel = "OLM";
  ChooseStar("ARR1");  // three legs
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(ModIdents(), before);
  cdu_message.clear();
  ChooseStar("ARR3");  // one leg
  EXPECT_EQ(std::pair(cdu_message, fp_mod_cnt), std::pair(std::string(), 199));
}

Names SidNames() {
  Names out;
  for (int i = 1; i <= airport_recs[1].sid_list_cnt; ++i) out.emplace_back(airport_recs[1].sid_list[i]);
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
        "T NUM1 SID 19,27\n"
        "T WEST1 SID 34R\n"
        "WEST1.AB ABFIX 5000 --- 45.1 -122.5\n"
        "WEST1.ABC ABCFX 5000 --- 45.1 -122.6\n"
        "WEST1.AB ABFX2 5000 --- 45.1 -122.7\n");
  }
};

// No runway lists every record, duplicates included; a runway lists the procedures serving it; the
// runway list follows the first record of the name.
TEST_F(PickLists, ListsFollowTheRunwayAndTheProcedure) {
  for (auto [runway, sids] : {std::pair{"------", Names{"EAST1", "EAST1", "ANY1", "NUM1", "WEST1"}},
                              std::pair{"9", Names{"ANY1"}}, std::pair{"16", Names{"ANY1"}}}) {
    BuildSidList(runway);
    EXPECT_EQ(SidNames(), sids) << runway;
  }
  BuildDepRunwayList("EAST1");
  ASSERT_EQ(airport_recs[1].rwy_list_cnt, 2);
  EXPECT_STREQ(airport_recs[1].rwy_list[2], "16R");
  EXPECT_FALSE(ProcedureServesRunway("19,27", "19,2"));
  EXPECT_FALSE(ProcedureServesRunway("16B", "16L"));
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
  BuildSidTransList("S1", "------");
  ASSERT_EQ(airport_recs[1].trans_list_cnt, 118);
  EXPECT_EQ(SidTransitions().front() + SidTransitions().back(), "T008T125");  // the first 118 met, then sorted
}

}  // namespace
