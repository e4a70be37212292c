#include "navdb/nav_search.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "base/geodesy.h"
#include "cdu/pages/rte_page.h"
#include "navdb/airways.h"
#include "navdb/mag_model.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

class NavSearch : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("navs.txt", "SEA SEATTLE 47.435 -122.310 VOR 116.80\nOLM OLYMPIA 46.972 -122.902 VOR 113.40\n");
    WriteNavFile("ints.txt", "SEA FAR_SEA 30.0 -100.0\nALPHA ALPHA 47.0 -121.0\n");
    WriteNavFile("apts.txt", "SEA NEAR_SEA 20 47.46 -122.31\nKSEA SEATTLE_TACOMA 433 47.449 -122.309\n");
    LoadNavDatabase();
    plane_lat = 47.45;
    plane_lon = -122.31;
  }

  void Find(const std::string& entry, int32_t kind = 0) {
    cdu_lookup_ident = entry;
    FindWaypointCandidates(kind);
  }
};

// Candidates come nearest first, of the kinds asked for; the nearest airport is the nearest row,
// a tie keeping the earlier one, and without airports the ident stays.
TEST_F(NavSearch, IdentCandidatesAndNearestAirport) {
  Find("SEA");
  // Table order is navaid, intersection, airport; the nearer airport moves ahead of the far fix.
  EXPECT_EQ(Column(nav_search_list, nav_search_cnt, &NavRecord::type), "APT|V|I");
  EXPECT_EQ(Column(nav_search_list, nav_search_cnt, &NavRecord::extra), "|116.80|");
  for (auto [kind, count] : {std::pair{-1, 3}, std::pair{1, 1}, std::pair{3, 1}, std::pair{4, 0}}) {
    Find("SEA", kind);
    EXPECT_EQ(nav_search_cnt, count) << "kind " << kind;
  }
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "KSEA");
  WriteNavFile("apts.txt", "KONE ONE 0 1.0 0.0\nKTWO TWO 0 -1.0 0.0\n");
  LoadNavDatabase();
  std::tie(plane_lat, plane_lon) = std::tuple(0.0, 0.0);
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "KONE");
  ResetModuleState();
  nearest_apt_ident = "KOLD";
  EXPECT_EQ(FindNearestAirport(), 0);
  EXPECT_EQ(nearest_apt_ident, "KOLD");
}

TEST_F(NavSearch, MoreThan250MatchesKeepTheFirst250) {
  std::string text;
  for (int i = 1; i <= 260; ++i) text += "MANY MANY " + std::to_string(i * 0.1) + " 0\n";
  WriteNavFile("ints.txt", text);
  LoadNavDatabase();
  plane_lat = 90.0;  // farthest rows of the file come first after ordering
  plane_lon = 0.0;
  Find("MANY");
  ASSERT_EQ(nav_search_cnt, 250);
  EXPECT_NEAR(nav_search_list[1].lat, 25.0, 1e-9);
  EXPECT_NEAR(nav_search_list[250].lat, 0.1, 1e-9);
}

// The point is named after the highest "WPTnn" of the modified route (its last row not looked at);
// a shorthand position makes a point of its own.
TEST_F(NavSearch, LatLonEntryMakesTheNextWaypointName) {
  fp_mod_cnt = 4;
  fms_fpln_mod[1].ident = "WPT07";
  fms_fpln_mod[2].ident = "WPT7";  // four characters: not counted
  fms_fpln_mod[4].ident = "WPT12";
  Find("N4736.5W12218.3");
  EXPECT_EQ(Column(nav_search_list, nav_search_cnt, &NavRecord::ident), "WPT08");
  EXPECT_NEAR(nav_search_list[1].lat, 47.608333, 1e-6);
  EXPECT_NEAR(nav_search_list[1].lon, -122.305, 1e-9);
  for (auto [entry, lat, lon] : {std::tuple{"5275N", 52.0, -75.0}, std::tuple{"40S10", -40.0, 110.0}}) {
    Find(entry);
    EXPECT_EQ(Column(nav_search_list, nav_search_cnt, &NavRecord::type), "O") << entry;
    EXPECT_EQ(std::pair(nav_search_list[1].lat, nav_search_list[1].lon), std::pair(lat, lon)) << entry;
  }
}

// Entries that resolve to nothing, without touching the place-bearing globals or reading outside
// the entry.
TEST_F(NavSearch, EntriesThatFindNothing) {
  for (const char* entry : {"sea", "SE", "SEAX", "", "SEA330/", "AB330/5", "SEA330/0", "SE/33/10", "/3301234",
                            "ABCDEFGHI330/5", "SEA-10/10", "N4736.5W1221", "12345", "5A75N"}) {
    Find(entry);
    EXPECT_EQ(std::tuple(nav_search_cnt, pbd_brg, cdu_lookup_ident), std::tuple(0, -1.0, entry)) << entry;
  }
}

// Place-bearing/distance sets the globals and searches the place; place-bearing/place-bearing crosses
// the two radials.
TEST_F(NavSearch, PlaceBearingEntries) {
  Find("SEA330/10");
  EXPECT_EQ(std::tuple(pbd_brg, pbd_dist, pbd_brg2, nav_search_cnt, cdu_lookup_ident), std::tuple(330.0, 10, -1.0, 3, "SEA"));
  plane_lat = 47.43;  // the SEA nearest to the aircraft is the VOR
  Find("SEA180/OLM090");
  EXPECT_EQ(Column(nav_search_list, nav_search_cnt, &NavRecord::ident), "OLM");
  const double lat = nav_search_list[1].lat;
  const double lon = nav_search_list[1].lon;
  double dist, brg;
  CalcDistBrg(47.435, -122.310, lat, lon, &dist, &brg);
  EXPECT_NEAR(norm360(brg - GetMagVar(47, -122)), 180.0, 0.5);
  CalcDistBrg(46.972, -122.902, lat, lon, &dist, &brg);
  EXPECT_NEAR(norm360(brg - GetMagVar(46, -122)), 90.0, 0.5);
}

class Airways : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("awys.txt",
                 "J1 1 ALPHA 45.0 -120.0\nJ501 1 BRAVO 46.0 -121.0\nJ501 2 SEA 47.0 -122.0\nJ501 3 DELTA 48.0 -123.0\n"
                 "J501 4 BRAVO 49.0 -124.0\nJ2 1 ECHO 50.0 -125.0\nJ501 1 LATER 51.0 -126.0\n");
    JoinAt("SEA", 47.0, -122.0);
  }

  // The route's fix at its place: an airway is joined only there.
  void JoinAt(const std::string& fix, double lat, double lon) {
    mod_stpos = 3;
    fms_fpln_mod[3].ident = fix;
    std::tie(fms_fpln_mod[3].lat, fms_fpln_mod[3].lon) = std::tuple(lat, lon);
  }

  std::string Idents() { return Column(nav_search_list, nav_search_cnt, &NavRecord::ident); }
};

TEST_F(Airways, HashPrefixedNameLoadsTheAirwayUpToTheEndOfItsBlock) {
  LoadAirway("#J501");
  // Fixes before the joining fix are kept; reading stops at the first other airway after it.
  EXPECT_EQ(Idents(), "BRAVO|SEA|DELTA|BRAVO");
  EXPECT_EQ(std::pair(nav_search_list[3].lat, nav_search_list[3].lon), std::pair(48.0, -123.0));
  EXPECT_EQ(std::tuple(awy_entry_idx, awy_exit_idx, FindAirwayFix("BRAVO"), FindAirwayFix2("DELTA"), FindAirwayFix("ECHO")),
            std::tuple(2, 2, 1, 3, 0));
}

// Without a modified route there is no joining fix: every matching line is kept. Only the main
// file is read, and a line too short for its five tokens is passed over.
TEST_F(Airways, WithoutJoiningFixEveryMatchingLineIsKept) {
  mod_stpos = 999;
  LoadAirway("J501");
  EXPECT_EQ(Idents() + std::to_string(awy_entry_idx), "BRAVO|SEA|DELTA|BRAVO|LATER0");
  WriteNavFile("awys.txt", "J9 1 AAAA 1 1\nJ9 2 BBBB 2\n\nJ9 3 SEA 3 3\n");
  WriteNavFile("awys_user.txt", "J9 4 USER 4 4\n");
  JoinAt("SEA", 3.0, 3.0);
  LoadAirway("J9");
  EXPECT_EQ(Idents() + std::to_string(awy_entry_idx), "AAAA|SEA2");
}

// The exit fix is looked for past the entry row; a fix off the airway or a bad row selects nothing.
TEST_F(Airways, ExitFixSkipsTheEntryRowAndBadRowsFail) {
  LoadAirway("J501");
  rte_rows[1].to_fix = "ECHO";
  EXPECT_EQ(SelectAirwayExitFix(1), 0);
  EXPECT_EQ(std::pair(awy_exit_idx, awy_exit_set), std::pair(2, 0));
  rte_rows[1].to_fix = "DELTA";
  for (int32_t bad_row : {-1, 201}) EXPECT_EQ(SelectAirwayExitFix(bad_row), 0);
  WriteNavFile("awys.txt", "J7 1 SEA 1 1\nJ7 2 MID 2 2\nJ7 3 SEA 3 3\n");
  JoinAt("SEA", 3.0, 3.0);
  LoadAirway("J7");
  ASSERT_EQ(awy_entry_idx, 3);  // the joining fix's row at the route's place
  rte_rows[2].to_fix = "SEA";
  EXPECT_EQ(SelectAirwayExitFix(2), 1);
  EXPECT_EQ(std::pair(awy_exit_idx, awy_exit_set), std::pair(1, 1));
}

}  // namespace
