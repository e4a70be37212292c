#include "fmc/route_candidates.h"

#include <gtest/gtest.h>

#include "cdu/cdu_globals.h"
#include "fmc/route_fixture.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

using route_test::SetCandidate;
using route_test::SetModLegs;

using RouteCandidates = route_test::RouteTest;

TEST_F(RouteCandidates, ChosenCandidateBecomesRowOneAndTheCurrentFix) {
  SetCandidate(1, "SEA", 47.4, -122.3, "V", "116.80");
  SetCandidate(2, "SEA", 30.0, -100.0, "I");
  SelectSearchResult(2);
  EXPECT_TRUE(TextIs(nav_search_list[1].type, "I"));
  EXPECT_TRUE(TextIs(nav_search_list[1].extra, ""));
  EXPECT_EQ(nav_search_list[1].lat, 30.0);
  SetText(nav_search_list[2].info, "433");
  SetCurrentFix(2);
  EXPECT_EQ(cur_fix_ident, "SEA");
  EXPECT_EQ(cur_fix_lon, -100.0);
  EXPECT_EQ(cur_fix_info, "433");
  SetCurrentFix(251);  // no such row: nothing happens
  SelectSearchResult(0);
  EXPECT_EQ(cur_fix_info, "433");
}

TEST_F(RouteCandidates, LegOfAnRteLineIsFoundFromTheLineUpward) {
  SetModLegs({"KSEA", "A", "B", "A", "KPDX"});
  rte_rows[2].to_fix = "A";
  EXPECT_EQ(FindLegIndexOfFix(2), 3);
  rte_rows[0].to_fix = "KSEA";
  EXPECT_EQ(FindLegIndexOfFix(0), 4);  // a match on the origin counts as none
  rte_rows[1].to_fix = "KPDX";
  EXPECT_EQ(FindLegIndexOfFix(1), 4);  // the destination is not looked at
  EXPECT_EQ(FindLegIndexOfFix(4), 4);
  EXPECT_EQ(FindLegIndexOfFix(-1), 4);
}

class AirportByName : public NavdbTest {};

TEST_F(AirportByName, FindsTheFirstAirportWithTheIdent) {
  WriteNavFile("apts.txt", "KSEA SEATTLE 433 47.449 -122.309\nKSEA OTHER 0 10.0 10.0\n");
  LoadNavDatabase();
  EXPECT_EQ(FindNavRecordByName("KSEA"), 1);
  EXPECT_EQ(found_apt_lat, 47.449);
  EXPECT_EQ(FindNavRecordByName("KBFI"), 0);
  EXPECT_EQ(found_apt_lon, -122.309);
}

}  // namespace
