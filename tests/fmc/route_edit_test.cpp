// Editing the modified route: insertions in every form, discontinuities, deletions and airways.
#include "fmc/route_edit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/airway_insert.h"
#include "fmc/route_fixture.h"
#include "base/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/nav_loader.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_fixture.h"

namespace {

using ::testing::ElementsAre;
using route_test::LegLat;
using route_test::ModIdents;
using route_test::SetCandidate;
using route_test::SetModLegs;
using Idents = std::vector<std::string>;

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
  void ExpectRefused(const char* what) {
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << what;
    cdu_message.clear();
  }
};

// A waypoint is followed by a discontinuity unless it goes in front of a DISCO or the last leg,
// or after the end.
TEST_F(RouteEdit, WaypointInsertionAndItsDiscontinuity) {
  for (auto [pos, expected] : {std::pair{2, Idents{"KSEA", "A", "SEA", "DISCO", "B", "DISCO", "KPDX"}},
                                {3, {"KSEA", "A", "B", "SEA", "DISCO", "KPDX"}},
                                {4, {"KSEA", "A", "B", "DISCO", "SEA", "KPDX"}},
                                {5, {"KSEA", "A", "B", "DISCO", "KPDX", "SEA"}}}) {
    SetModLegs({"KSEA", "A", "B", "DISCO", "KPDX"});
    InsertEntry("SEA", pos);
    EXPECT_EQ(std::pair(ModIdents(), fms_fpln_mod[pos].freq), std::pair(expected, std::string("116.80"))) << pos;
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

// The point lies on the leg's true bearing whatever the variation; it is named after the leg's fix.
TEST_F(RouteEdit, AlongTrackPointsAreNamedInTurnAndLieOnTheLeg) {
  std::tie(fms_fpln_mod[1].ident, mag_var, along_track_offset) = std::tuple("ABCDE", 20.0, 10.0);
  InsertTmpFplanWpt(1, 1);
  EXPECT_NEAR(fms_fpln_mod[2].lat, LegLat(1) + 10.0 / 60.0, 1e-6);
  EXPECT_EQ(std::pair(fms_fpln_mod[2].lon, along_track_offset), std::pair(route_test::kLegLon, 0.0));
  along_track_offset = 5.0;
  InsertTmpFplanWpt(1, 1);
  along_track_offset = -5.0;
  InsertTmpFplanWpt(1, 1);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "ABC03", "ABCDE", "ABC02", "ABC01", "B", "C", "KPDX"));
  EXPECT_NEAR(fms_fpln_mod[1].lat, LegLat(1) - 5.0 / 60.0, 1e-6);

  for (auto [pos, offset] : {std::pair{7, 5.0}, std::pair{0, -5.0}, std::pair{8, 5.0}}) {  // no leg to run along
    along_track_offset = offset;
    InsertTmpFplanWpt(pos, 1);
    ExpectRefused("along track");
    EXPECT_EQ(std::pair(fp_mod_cnt, along_track_offset), std::pair(7, 0.0));
  }
}

// The magnetic bearing turns true with the variation at the place, not the aircraft's; the numbering
// counts on from the place.
TEST_F(RouteEdit, PlaceBearingDistancePointsAreNumberedFromThePlace) {
  mag_var = 16.0;
  InsertEntry("SEA330/10", 4);
  ASSERT_EQ(fms_fpln_mod[4].ident, "SEA01");
  double lat, lon;
  CalcDestPoint(47.435, -122.310, 330.0 + GetMagVar(47, -122), 10.0, &lat, &lon);
  EXPECT_NEAR(fms_fpln_mod[4].lat, lat, 1e-9);
  EXPECT_NEAR(fms_fpln_mod[4].lon, lon, 1e-9);
  InsertEntry("SEA090/5", 5);
  EXPECT_EQ(fms_fpln_mod[5].ident, "SEA02");
  InsertEntry("ALPHA", 6);  // not moved by the consumed bearing and distance
  EXPECT_EQ(fms_fpln_mod[6].lat, 47.2);
}

// Only an insertion at the active leg of an active route is a direct-to.
TEST_F(RouteEdit, InsertingAtTheActiveLegStartsADirectTo) {
  for (auto [state, pos, direct] : {std::tuple{3, 3, false}, std::tuple{2, 2, false}, std::tuple{3, 2, true}}) {
    SetModLegs({"KSEA", "A", "B", "C", "KPDX"});
    fms_fpln_active = state;
    stpos = 2;
    InsertEntry("ALPHA", pos);
    EXPECT_EQ(std::pair(TmpFrId, direct_pending), std::pair(std::string(direct ? "DIRECT" : ""), direct ? 1 : 0))
        << state << " " << pos;
  }
  EXPECT_EQ(tmp_fr_lat, plane_lat);
}

TEST_F(RouteEdit, InsertDiscoTakesTheFollowingLegsPositionAndConstraint) {
  SetCandidate(1, "OLM", 46.972, -122.902, "V", "113.40");
  fms_fpln_mod[2].alt = 12000.0;
  fms_fpln_mod[2].restr = 1;
  InsertDisco(2);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "OLM", "DISCO", "B", "C", "KPDX"));
  EXPECT_EQ(std::tuple(fms_fpln_mod[3].lat, fms_fpln_mod[3].alt, fms_fpln_mod[3].restr), std::tuple(LegLat(2), 12000.0, 1));
}

// Deleting the active leg of an active route starts a direct-to; deleting a DISCO joins its
// neighbours; a range past the end cuts the route.
TEST_F(RouteEdit, RemovingLegsClosesTheGapCarriesHoldsAndRefusesImpossibleRanges) {
  std::tie(cdu_scratchpad, fms_fpln_mod[3].hold_idx, hold_cnt, route_holds[1].saved_leg) = std::tuple("C", 1, 1, 3);
  RemoveFPWpts(1, 3);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "C", "KPDX"));
  EXPECT_EQ(std::tuple(fms_fpln_mod[1].hold_idx, route_holds[1].saved_leg, cdu_scratchpad), std::tuple(1, 1, ""));
  SetModLegs({"KSEA", "A", "DISCO", "B", "C", "KPDX"});
  RemoveFPWpts(2, 3);
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "C", "KPDX"));
  EXPECT_EQ(TmpFrId, "");
  fms_fpln_active = 3;
  stpos = 2;
  RemoveFPWpts(2, 3);
  EXPECT_EQ(TmpFrId, "DIRECT");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "C", "KPDX"));
  RemoveFPWpts(2, 9);
  EXPECT_EQ(fp_mod_cnt, 2);
  for (auto [from, to] : {std::pair{3, 4}, std::pair{-1, 1}, std::pair{2, 1}}) {
    cdu_scratchpad = "X";
    RemoveFPWpts(from, to);
    EXPECT_EQ(std::tuple(fp_mod_cnt, cdu_message, cdu_scratchpad), std::tuple(2, "INVALID DELETE", "X")) << from << " " << to;
  }
}

// Rows 0..200: an edit that would pass row 200 changes nothing.
TEST_F(RouteEdit, TheRouteNeverGrowsPastRow200) {
  for (int32_t i = 0; i <= 199; ++i) {
    ResetRouteLeg(fms_fpln_mod[i]);
    fms_fpln_mod[i].ident = "W" + std::to_string(i);
  }
  fp_mod_cnt = 199;
  SetCandidate(1, "ALPHA", 47.2, -121.5);
  InsertTmpFplanWpt(100, 1);  // would need a DISCO as well
  ExpectRefused("waypoint and DISCO");
  EXPECT_EQ(fms_fpln_mod[100].ident, "W100");
  InsertTmpFplanWpt(199, 1);  // in front of the last leg: one row
  EXPECT_EQ(fp_mod_cnt, 200);
  InsertDisco(200);
  ExpectRefused("DISCO");
  InsertAirwayJoin(1);
  ExpectRefused("THEN");
  EXPECT_EQ(fms_fpln_mod[200].ident, "W199");
}

TEST_F(RouteEdit, RowsOutsideTheRouteOrTheListAreRefused) {
  SetCandidate(1, "ALPHA", 47.2, -121.5);
  for (auto [pos, sel] : {std::pair{6, 1}, std::pair{2, 0}}) {
    InsertTmpFplanWpt(pos, sel);
    ExpectRefused("waypoint");
  }
  InsertDisco(-1);
  ExpectRefused("DISCO");
  InsertAirwayJoin(6);
  ExpectRefused("THEN");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "A", "B", "C", "KPDX"));
  EXPECT_EQ(fms_fpln_active, 0);
}

// An airway of seven fixes W1..W7 in the search list, as LoadAirway leaves it (no type text).
class AirwayInsert : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
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

// The fixes after the entry up to the exit follow the insertion point, also against the airway's order.
TEST_F(AirwayInsert, FixesFromEntryToExitFollowTheInsertionPoint) {
  for (auto [entry, exit, route] : {std::tuple{6, 3, Idents{"KSEA", "A", "W5", "W4", "W3", "B", "KPDX"}},
                                    {4, 4, {"KSEA", "A", "W4", "B", "KPDX"}},
                                    {0, 2, {"KSEA", "A", "W1", "W2", "B", "KPDX"}}}) {  // 0: from the airway's start
    SetModLegs({"KSEA", "A", "B", "KPDX"});
    Insert(entry, exit);
    EXPECT_EQ(std::tuple(ModIdents(), fms_fpln_mod[fp_mod_cnt + 1].ident, cdu_message),
              std::tuple(route, std::string(kRouteEndMark), std::string()))
        << entry << " " << exit;
  }
}

// Inserted legs carry the airway and no constraint or hold; moved legs keep theirs.
TEST_F(AirwayInsert, InsertedLegsCarryTheAirwayAndMovedLegsTheirConstraintRowAndHold) {
  std::tie(fms_fpln_mod[2].hold_idx, next_restr_leg_mod, hold_cnt, route_holds[1].saved_leg) = std::tuple(1, 2, 1, 2);
  Insert(1, 2);
  EXPECT_EQ(fms_fpln_mod[2].ident + " " + fms_fpln_mod[2].proc + " " + fms_fpln_mod[2].via, "W2 AWY J9");
  EXPECT_EQ(std::tuple(fms_fpln_mod[2].alt, fms_fpln_mod[2].hold_idx, fms_fpln_mod[3].hold_idx, next_restr_leg_mod,
                       route_holds[1].saved_leg),
            std::tuple(-999.0, 0, 1, 3, 3));
}

TEST_F(AirwayInsert, EndMarkMayReachRow200ButNotPassIt) {
  fp_mod_cnt = 196;
  for (int32_t i = 4; i <= 196; ++i) fms_fpln_mod[i].ident = "F" + std::to_string(i);
  Insert(1, 4);  // three legs: the last leg at 199, the end mark at 200
  EXPECT_EQ(std::tuple(fp_mod_cnt, fms_fpln_mod[200].ident, cdu_message), std::tuple(199, std::string(kRouteEndMark), ""));
  Insert(4, 5);
  EXPECT_EQ(std::tuple(cdu_message, fp_mod_cnt, fms_fpln_mod[2].ident), std::tuple("INVALID ENTRY", 199, "W2"));
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
    EXPECT_EQ(std::pair(cdu_message, ModIdents()), std::pair(std::string("INVALID ENTRY"), before))
        << b.entry << " " << b.exit << " " << b.stpos;
  }
}

}  // namespace
