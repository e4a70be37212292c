#include "fmc/arr_proc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/example_route_fixture.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_fixture.h"
#include "frame/tick_globals.h"
#include "navdb/approach_lists.h"

namespace {

using ::testing::ElementsAre;
using route_test::ModIdents;

// KPDX's runways are 10R, 28L, 10L, 28R (rows 1..4 of its runway table).
constexpr const char* kTestStars =
    "[KPDX]\n"
    "T ARR1 STAR 10R,28R\n"
    "OLM.ARR1 OLM 16000 --- 46.9710 -122.9020\n"
    "ARR1 KELSO 12000 --- 46.1480 -122.8830\n"
    "ARR1 WILAM 80 --- 45.9050 -122.7040\n"
    "ARR1 TIMBR 4000 10R 45.6756 -122.8296\n"
    "T ARR2 STAR 10R\n"
    "ARR2 DALLS 12000 --- 45.6020 -121.1850\n"
    "ARR2 BTG 6000 --- 45.7476 -122.5925\n"
    "T ARR3 STAR\n"
    "ARR3 SOUTH 9000 --- 45.2 -122.6\n";

constexpr const char* kTestApproaches =
    "[KPDX]\n"
    "10R I10R BTG IAF 5000 45.7476 -122.5925 - 0 0\n"
    "10R I10R TIMBR --- ABC 45.6756 -122.8296 - 0 0\n"
    "10R I10R LAVAS FAF 2000 45.6370 -122.7294 - 0 0\n"
    "10R I10R RW10R MAP 80 45.5950 -122.6210 - 0 0\n"
    "10R I10R HOLDX HP 4000 45.7000 -122.6000 - 0 0\n"
    "28R I28R WILAM IAF 4000 45.9050 -122.7040 - 0 0\n"
    "28R I28R RW28R MAP 80 45.5842 -122.5683 - 0 0\n";

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

  void ChooseStar(const std::string& name) {
    for (int i = 1; i <= airport_recs[2].star_list_cnt; ++i) {
      if (name == airport_recs[2].star_list[i]) return SelectArrProcedure(i, 0);
    }
    FAIL() << name << " not offered";
  }
  // What the ARRIVALS page does for an approach row: the legs of the approach, then their insertion.
  void ChooseApproach(const std::string& id, const std::string& rwy, const std::string& trans = "------") {
    appr_sel = id;
    arr_rwy_cur = rwy;
    appr_trans_sel = trans;
    BuildApproachLegList();
    InsertTmpApprRoute(1);
  }
  static const RouteLeg& Row(int32_t i) { return fms_fpln_mod[i]; }
};

// The route's KELSO and the STAR's are one row, the STAR's; an altitude text below 100 is no constraint.
TEST_F(Arrivals, StarBeforeAnyApproachEndsTheRouteWithItsLegsAndTheDestination) {
  ChooseStar("ARR1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(Row(3).proc, "STAR");
  EXPECT_EQ(Row(3).alt, 12000.0);
  EXPECT_EQ(Row(3).restr, 1);
  EXPECT_EQ(Row(4).alt, -999.0);
  EXPECT_EQ(Row(4).restr, 0);
  EXPECT_EQ(Row(4).via, "ARR1");
  EXPECT_EQ(fms_fpln_active, 1);
}

// The runway position is the row of the airport's runway table, not of the pick list.
TEST_F(Arrivals, RunwayChoiceStoresTheRunwayTableRowAndReinsertsTheStar) {
  ChooseStar("ARR1");
  ASSERT_EQ(airport_recs[2].rwy_list_cnt, 2);  // the STAR serves 10R and 28R
  SelectArrRunway(2);
  EXPECT_EQ(arr_rwy_sel, "28R");
  EXPECT_EQ(fms_dest_rwy_pos, 4);
  BuildArrRunwayList("------");
  arr_rwy_sel = "10R";
  SelectArrRunway(FindArrRunwayIndex());
  EXPECT_EQ(fms_dest_rwy_pos, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "TIMBR", "KPDX"));
  EXPECT_EQ(airport_recs[2].star_list_cnt, 3);  // the STARs serving 10R
}

TEST_F(Arrivals, TransitionLegsComeFirstUnderTheirLabel) {
  ModLeg(3, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 3;
  star_trans_sel = "OLM";
  ChooseStar("ARR1");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "KPDX"));
  EXPECT_EQ(Row(2).alt, 16000.0);
  EXPECT_EQ(Row(3).via, "OLM.ARR1");
}

// The discontinuity carries the first approach leg's position and constraints; each leg's role
// gives its speed and its altitude text the constraint.
TEST_F(Arrivals, ApproachAfterTheRouteIsSeparatedByADiscontinuity) {
  ChooseApproach("I10R", "10R", "BTG");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "DISCO", "BTG", "TIMBR", "LAVAS", "KPDX"));
  EXPECT_DOUBLE_EQ(Row(4).lat, 45.7476);
  EXPECT_EQ(Row(4).alt, 5000.0);
  EXPECT_EQ(Row(4).restr, 3);
  EXPECT_EQ(Row(5).freq, "116.60");
  const struct {
    int32_t row;
    const char* role;
    double ias, alt;
    int32_t restr;
  } legs[] = {{5, "IAF", 190.0, 5000.0, 3}, {6, "", 180.0, -999.0, 2}, {7, "FAF", 170.0, 2000.0, 3}};
  for (const auto& l : legs) {
    EXPECT_EQ(Row(l.row).proc, "APPR");
    EXPECT_EQ(Row(l.row).aux_text, l.role);
    EXPECT_EQ(Row(l.row).ias, l.ias) << l.row;
    EXPECT_EQ(Row(l.row).alt, l.alt) << l.row;
    EXPECT_EQ(Row(l.row).restr, l.restr) << l.row;
  }
  EXPECT_EQ(fms_fpln_active, 1);
}

TEST_F(Arrivals, ApproachStartingAtTheLastFixTakesItsPlaceAndAnotherReplacesIt) {
  ModLeg(3, "BTG", 45.7476, -122.5925, "VOR");
  ChooseApproach("I10R", "10R", "BTG");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "BTG", "TIMBR", "LAVAS", "KPDX"));
  EXPECT_EQ(Row(3).proc, "APPR");
  ChooseApproach("I28R", "28R", "WILAM");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "DISCO", "WILAM", "KPDX"));
}

TEST_F(Arrivals, StarAfterAnApproachGoesBeforeItsFirstLegAndEndsThere) {
  ModLeg(3, "BTG", 45.7476, -122.5925, "VOR");
  ChooseApproach("I10R", "10R", "BTG");
  arr_rwy_sel = "10R";
  ChooseStar("ARR2");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "DALLS", "BTG", "TIMBR", "LAVAS", "KPDX"));
  EXPECT_EQ(Row(4).proc, "APPR");  // one BTG row, the approach's
  // Another STAR: the arrival is built again from the last en-route leg; the approach goes.
  ChooseStar("ARR3");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "SOUTH", "KPDX"));
}

TEST_F(Arrivals, DiscontinuityBetweenTwoRowsOfTheSameFixGoes) {
  ModLeg(4, "DISCO", 0.0, 0.0);
  ModLeg(5, "KELSO", 46.1480, -122.8830);
  ModLeg(6, "WILAM", 45.9050, -122.7040);
  ModLeg(7, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 7;
  ChooseStar("ARR3");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "WILAM", "SOUTH", "KPDX"));
}

TEST_F(Arrivals, CaseBKeepsTheDestinationsAltitudeConstraint) {
  fms_fpln_mod[4].alt = 1031.0;
  next_restr_leg_mod = 4;
  ChooseStar("ARR3");
  ASSERT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "OLM", "KELSO", "SOUTH", "KPDX"));
  EXPECT_EQ(next_restr_leg_mod, 5);
  EXPECT_EQ(Row(5).alt, 1031.0);
}

TEST_F(Arrivals, ApproachListFollowsTheRunwaysOfTheStar) {
  star_idx = 1;
  BuildStarApprList();
  ASSERT_EQ(appr_list_cnt, 2);
  EXPECT_EQ(appr_list[2].identifier, "I28R");
  star_idx = 3;  // no runway field: no approach
  BuildStarApprList();
  EXPECT_EQ(appr_list_cnt, 0);
}

TEST_F(Arrivals, OnTheLastActiveLegAnApproachStartsWithADirectTo) {
  stpos = 4;
  fp_cnt = 4;
  fms_fpln_active = 3;
  plane_lat = 45.9;
  ChooseApproach("I28R", "28R", "WILAM");
  EXPECT_EQ(TmpFrId, "DIRECT");
  EXPECT_DOUBLE_EQ(tmp_fr_lat, 45.9);
  EXPECT_EQ(fms_fpln_active, 4);
}

TEST_F(Arrivals, ArrivalsThatWouldPassRow200AreRefused) {
  for (int32_t i = 3; i <= 197; ++i) ModLeg(i, "F" + std::to_string(i), 46.0, -122.0);
  ModLeg(198, "KPDX", 45.5890, -122.5970, "APT");
  fp_mod_cnt = 198;
  const std::vector<std::string> before = ModIdents();
  ChooseApproach("I10R", "10R", "BTG");  // a DISCO and three legs
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(ModIdents(), before);
  cdu_message.clear();
  star_trans_sel = "OLM";
  ChooseStar("ARR1");  // three legs
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(ModIdents(), before);
  cdu_message.clear();
  ChooseStar("ARR3");  // one leg
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(fp_mod_cnt, 199);
}

}  // namespace
