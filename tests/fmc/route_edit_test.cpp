#include "fmc/route_edit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "cdu/cdu_globals.h"
#include "fmc/route_fixture.h"
#include "frame/geodesy.h"
#include "navdb/nav_loader.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_fixture.h"

namespace {

using ::testing::ElementsAre;
using route_test::LegLat;
using route_test::ModIdents;
using route_test::SetCandidate;
using route_test::SetModLegs;

// Entries resolved by the real search over a few made navigation files.
class RouteEdit : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("navs.txt",
                 "SEA SEATTLE 47.435 -122.310 VOR 116.80\n"
                 "OLM OLYMPIA 46.972 -122.902 VOR 113.40\n");
    WriteNavFile("ints.txt", "ALPHA ALPHA 47.2 -121.5\n");
    WriteNavFile("apts.txt", "KSEA SEATTLE_TACOMA 433 47.449 -122.309\n");
    LoadNavDatabase();
    plane_lat = 47.45;
    plane_lon = -122.31;
    SetModLegs({"KSEA", "A", "B", "C", "KPDX"});
  }

  // What the RTE LEGS page does with one match: the search, then the insertion of row 1.
  void InsertEntry(const std::string& entry, int32_t pos) {
    cdu_lookup_ident = entry;
    FindWaypointCandidates(0);
    ASSERT_GE(nav_search_cnt, 1) << entry;
    InsertTmpFplanWpt(pos, 1);
  }

  static void FillModRoute(int32_t last_row) {
    for (int32_t i = 0; i <= last_row; ++i) {
      char ident[16];
      std::snprintf(ident, sizeof ident, "W%03d", i);
      ResetRouteLeg(fms_fpln_mod[i]);
      fms_fpln_mod[i].ident = ident;
      fms_fpln_mod[i].lat = 40.0 + 0.01 * i;
      fms_fpln_mod[i].lon = -100.0;
    }
    fp_mod_cnt = last_row;
  }
};

TEST_F(RouteEdit, WaypointInFrontOfAnOrdinaryLegIsFollowedByADiscontinuity) {
  InsertEntry("SEA", 2);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "SEA", "DISCO", "B", "C", "KPDX"));
  const RouteLeg& sea = fms_fpln_mod[2];
  EXPECT_EQ(sea.type, "V");
  EXPECT_EQ(sea.freq, "116.80");
  EXPECT_EQ(sea.alt, -999.0);
  EXPECT_EQ(sea.intc_crs, -1.0);
  EXPECT_EQ(sea.restr, 0);
  const RouteLeg& disco = fms_fpln_mod[3];
  EXPECT_EQ(disco.lat, 0.0);
  EXPECT_EQ(disco.type, "");
  EXPECT_EQ(disco.intc_crs, -1.0);
  EXPECT_EQ(mod_stpos, 1);
  EXPECT_EQ(fms_fpln_active, 1);
}

TEST_F(RouteEdit, NoDiscontinuityInFrontOfADiscoOrTheLastLegOrAfterTheEnd) {
  struct Case {
    int32_t pos;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {3, {"KSEA", "A", "B", "SEA", "DISCO", "KPDX"}},
      {4, {"KSEA", "A", "B", "DISCO", "SEA", "KPDX"}},
      {5, {"KSEA", "A", "B", "DISCO", "KPDX", "SEA"}},
  };
  for (const Case& c : cases) {
    SetModLegs({"KSEA", "A", "B", "DISCO", "KPDX"});
    InsertEntry("SEA", c.pos);
    EXPECT_EQ(ModIdents(), c.expected) << c.pos;
  }
}

TEST_F(RouteEdit, HoldAtPresentPositionIsNamedAfterTheHighestWptLegWithoutDiscontinuity) {
  fms_fpln_mod[1].ident = "WPT03";
  fms_fpln_mod[3].ident = "WPT07";
  SetCandidate(1, "HOLD PPOS", plane_lat, plane_lon);
  InsertTmpFplanWpt(2, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "WPT03", "WPT08", "B", "WPT07", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[2].lat, plane_lat);
}

TEST_F(RouteEdit, AlongTrackPointsAreNamedInTurnAndLieOnTheLeg) {
  fms_fpln_mod[1].ident = "ABCDE";
  mag_var = 20.0;  // the point stays on the leg whatever the variation
  along_track_offset = 10.0;
  InsertTmpFplanWpt(1, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "ABCDE", "ABC01", "B", "C", "KPDX"));
  EXPECT_NEAR(fms_fpln_mod[2].lat, LegLat(1) + 10.0 / 60.0, 1e-6);
  EXPECT_NEAR(fms_fpln_mod[2].lon, route_test::kLegLon, 1e-6);
  EXPECT_EQ(along_track_offset, 0.0);

  along_track_offset = 5.0;
  InsertTmpFplanWpt(1, 1);
  along_track_offset = -5.0;
  InsertTmpFplanWpt(1, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "ABC03", "ABCDE", "ABC02", "ABC01", "B", "C", "KPDX"));
  EXPECT_NEAR(fms_fpln_mod[1].lat, LegLat(1) - 5.0 / 60.0, 1e-6);
}

TEST_F(RouteEdit, AlongTrackWithoutTheLegItRunsAlongIsRefused) {
  for (auto [pos, offset] : {std::pair{4, 5.0}, std::pair{0, -5.0}, std::pair{5, 5.0}}) {
    along_track_offset = offset;
    cdu_message.clear();
    InsertTmpFplanWpt(pos, 1);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << pos;
    EXPECT_EQ(fp_mod_cnt, 4);
    EXPECT_EQ(along_track_offset, 0.0);
  }
}

TEST_F(RouteEdit, PlaceBearingDistancePointIsMovedAndNumberedFromThePlace) {
  mag_var = 16.0;
  InsertEntry("SEA330/10", 4);
  ASSERT_EQ(fms_fpln_mod[4].ident, "SEA01");
  double lat, lon;
  CalcDestPoint(47.435, -122.310, 346.0, 10.0, &lat, &lon);
  EXPECT_NEAR(fms_fpln_mod[4].lat, lat, 1e-9);
  EXPECT_NEAR(fms_fpln_mod[4].lon, lon, 1e-9);
  EXPECT_EQ(fms_fpln_mod[4].type, "WPT");
  EXPECT_EQ(pbd_dist, 0);
  EXPECT_EQ(pbd_brg, -1.0);
  InsertEntry("SEA090/5", 5);
  EXPECT_EQ(fms_fpln_mod[5].ident, "SEA02");
  // A later plain insertion is not moved by the consumed bearing and distance.
  InsertEntry("ALPHA", 6);
  EXPECT_EQ(fms_fpln_mod[6].lat, 47.2);
}

TEST_F(RouteEdit, PlaceBearingCrossingKeepsItsPositionAndTakesANewName) {
  cdu_lookup_ident = "SEA240/OLM000";
  FindWaypointCandidates(0);
  ASSERT_EQ(nav_search_cnt, 1);
  const double lat = nav_search_list[1].lat;
  InsertTmpFplanWpt(4, 1);
  EXPECT_EQ(fms_fpln_mod[4].ident, "OLM01");
  EXPECT_EQ(fms_fpln_mod[4].lat, lat);
  EXPECT_EQ(pbd_brg2, -1.0);
}

TEST_F(RouteEdit, InsertingAtTheActiveLegStartsADirectTo) {
  fms_fpln_active = 3;
  stpos = 2;
  InsertEntry("ALPHA", 2);
  EXPECT_EQ(TmpFrId, "DIRECT");
  EXPECT_EQ(tmp_fr_lat, plane_lat);
  EXPECT_EQ(tmp_fr_lon, plane_lon);
  EXPECT_EQ(cdu_prompt_mode, 1);
  EXPECT_EQ(direct_pending, 1);
  EXPECT_EQ(fms_fpln_active, 4);
}

TEST_F(RouteEdit, InsertingElsewhereOrWithoutAnActiveRouteIsNoDirectTo) {
  for (auto [state, pos] : {std::pair{3, 3}, std::pair{2, 2}}) {
    fms_fpln_active = state;
    stpos = 2;
    InsertEntry("ALPHA", pos);
    EXPECT_EQ(TmpFrId, "") << state;
    EXPECT_EQ(direct_pending, 0);
  }
}

TEST_F(RouteEdit, InsertDiscoAddsTheDiscontinuityOnlyInsideTheRoute) {
  SetCandidate(1, "OLM", 46.972, -122.902, "V", "113.40");
  fms_fpln_mod[2].alt = 12000.0;
  fms_fpln_mod[2].restr = 1;
  InsertDisco(2);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "OLM", "DISCO", "B", "C", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[3].lat, LegLat(2));  // from the leg that follows
  EXPECT_EQ(fms_fpln_mod[3].alt, 12000.0);
  EXPECT_EQ(fms_fpln_mod[3].restr, 1);
  InsertDisco(fp_mod_cnt);      // becomes the second-to-last leg
  InsertDisco(fp_mod_cnt + 1);  // becomes the last leg
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "OLM", "DISCO", "B", "C", "OLM", "KPDX", "OLM"));
}

TEST_F(RouteEdit, AirwayJoinRowsAreInsertedAndRemoved) {
  cdu_scratchpad = "J5";
  InsertAirwayJoin(2);
  const RouteLeg& then = fms_fpln_mod[2];
  EXPECT_EQ(then.ident, "THEN");
  EXPECT_EQ(then.type, "OAWY");
  EXPECT_EQ(then.via, "J5");
  EXPECT_EQ(then.ias, -1.0);
  EXPECT_EQ(then.alt, -999.0);
  InsertAirwayJoin(4);
  RemoveThenRows();
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "C", "KPDX"));
  RemoveThenRows();
  EXPECT_EQ(fp_mod_cnt, 4);
  fp_mod_cnt = -3;
  RemoveThenRows();
  EXPECT_EQ(fp_mod_cnt, -1);
}

TEST_F(RouteEdit, RemovingLegsClosesTheGapEmptiesTheScratchpadAndRebuildsTheRows) {
  cdu_scratchpad = "C";
  fms_fpln_mod[3].hold_idx = 1;
  hold_cnt = 1;
  route_holds[1].saved_leg = 3;
  RemoveFPWpts(1, 3);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "C", "KPDX"));
  EXPECT_EQ(fms_fpln_mod[1].hold_idx, 1);
  EXPECT_EQ(route_holds[1].saved_leg, 1);
  EXPECT_EQ(cdu_scratchpad, "");
  EXPECT_EQ(rte_row_cnt, 1);
  EXPECT_EQ(rte_rows[1].to_fix, "C");
  EXPECT_EQ(fms_fpln_active, 1);
}

TEST_F(RouteEdit, RemovingTheActiveLegOfAnActiveRouteStartsADirectTo) {
  fms_fpln_active = 3;
  stpos = 2;
  RemoveFPWpts(2, 3);
  EXPECT_EQ(TmpFrId, "DIRECT");
  EXPECT_EQ(cdu_prompt_mode, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "C", "KPDX"));
}

TEST_F(RouteEdit, RemovalBeyondTheLastLegCutsTheRouteAndImpossibleRangesAreRefused) {
  RemoveFPWpts(2, 9);
  EXPECT_EQ(fp_mod_cnt, 2);
  for (auto [from, to] : {std::pair{3, 4}, std::pair{-1, 1}, std::pair{2, 1}}) {
    cdu_scratchpad = "X";
    RemoveFPWpts(from, to);
    EXPECT_EQ(fp_mod_cnt, 2) << from << " " << to;
    EXPECT_EQ(cdu_message, "INVALID DELETE");
    EXPECT_EQ(cdu_scratchpad, "X");
  }
}

TEST_F(RouteEdit, CollapseDropsTheAirwayLegsButNotTheLastLeg) {
  SetModLegs({"KSEA", "A", "B", "C", "D", "KPDX"});
  for (int i : {2, 3, 5}) fms_fpln_mod[i].via = "J5";
  CollapseFollowingLegs(1, "J5");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "D", "KPDX"));
  CollapseFollowingLegs(2, "J5");  // the leg after is the last one, on J5 too
  EXPECT_EQ(fp_mod_cnt, 3);
}

// Rows 0..200: an edit that would pass row 200 changes nothing.
TEST_F(RouteEdit, TheRouteNeverGrowsPastRow200) {
  FillModRoute(199);
  SetCandidate(1, "ALPHA", 47.2, -121.5);
  InsertTmpFplanWpt(100, 1);  // would need a DISCO as well
  InsertDisco(100);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(fp_mod_cnt, 199);
  EXPECT_EQ(fms_fpln_mod[100].ident, "W100");
  InsertTmpFplanWpt(199, 1);  // in front of the last leg: one row
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_mod[200].ident, "W199");

  cdu_message.clear();
  InsertTmpFplanWpt(200, 1);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  cdu_message.clear();
  InsertDisco(200);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  cdu_message.clear();
  InsertAirwayJoin(1);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_mod[200].ident, "W199");
}

TEST_F(RouteEdit, RowsOutsideTheRouteAreRefused) {
  SetCandidate(1, "ALPHA", 47.2, -121.5);
  for (auto [pos, sel] : {std::pair{-1, 1}, std::pair{6, 1}, std::pair{2, 0}, std::pair{2, 251}}) {
    cdu_message.clear();
    InsertTmpFplanWpt(pos, sel);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << pos << " " << sel;
  }
  for (int32_t pos : {-1, 6}) {
    cdu_message.clear();
    InsertDisco(pos);
    InsertAirwayJoin(pos);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << pos;
  }
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "C", "KPDX"));
  EXPECT_EQ(fms_fpln_active, 0);
}

}  // namespace
