#include "navdb/nav_search.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

class NavSearch : public NavdbTest {
 protected:
  void SetUp() override {
    NavdbTest::SetUp();
    WriteNavFile("navs.txt",
                 "SEA SEATTLE 47.435 -122.310 VOR 116.80\n"
                 "OLM OLYMPIA 46.972 -122.902 VOR 113.40\n");
    WriteNavFile("ints.txt",
                 "SEA FAR_SEA 30.0 -100.0\n"
                 "ALPHA ALPHA 47.0 -121.0\n");
    WriteNavFile("apts.txt",
                 "SEA NEAR_SEA 20 47.46 -122.31\n"
                 "KSEA SEATTLE_TACOMA 433 47.449 -122.309\n");
    LoadNavDatabase();
    plane_lat = 47.45;
    plane_lon = -122.31;
  }

  void Find(const std::string& entry, int32_t kind = 0) {
    cdu_lookup_ident = entry;
    FindWaypointCandidates(kind);
  }

  std::string RowType(int i) { return std::string(TextOf(nav_search_list[i].type)); }
};

TEST_F(NavSearch, IdentCandidatesComeNearestFirst) {
  Find("SEA");
  ASSERT_EQ(nav_search_cnt, 3);
  // Table order is navaid, intersection, airport; the nearer airport moves ahead of the far fix.
  EXPECT_EQ(RowType(1), "APT");
  EXPECT_EQ(RowType(2), "V");
  EXPECT_EQ(RowType(3), "I");
  EXPECT_TRUE(TextIs(nav_search_list[1].info, "20"));
  EXPECT_TRUE(TextIs(nav_search_list[2].extra, "116.80"));
  EXPECT_TRUE(TextIs(nav_search_list[2].info, ""));
  EXPECT_TRUE(TextIs(nav_search_list[2].name, ""));  // only the listed fields are copied
  EXPECT_DOUBLE_EQ(nav_search_list[3].lat, 30.0);
}

TEST_F(NavSearch, KindSelectsTheTables) {
  const std::pair<int32_t, int32_t> cases[] = {{-1, 3}, {0, 3}, {1, 1}, {2, 1}, {3, 1}, {4, 0}};
  for (auto [kind, count] : cases) {
    Find("SEA", kind);
    EXPECT_EQ(nav_search_cnt, count) << "kind " << kind;
  }
  Find("SEA", 2);
  EXPECT_EQ(RowType(1), "I");
}

TEST_F(NavSearch, IdentMatchIsWholeAndCaseSensitive) {
  for (const char* entry : {"sea", "SE", "SEAX", ""}) {
    Find(entry);
    EXPECT_EQ(nav_search_cnt, 0) << entry;
  }
}

// With equal distances the search order stands: the navaid before the airport.
TEST_F(NavSearch, EqualDistancesKeepTheSearchOrder) {
  WriteNavFile("navs.txt", "DUP DUP_NAV 1.0 0.0 NDB 300\n");
  WriteNavFile("apts.txt", "DUP DUP_APT 0 -1.0 0.0\n");
  LoadNavDatabase();
  plane_lat = 0.0;
  plane_lon = 0.0;
  Find("DUP");
  ASSERT_EQ(nav_search_cnt, 2);
  EXPECT_EQ(RowType(1), "N");
  EXPECT_EQ(RowType(2), "APT");
  plane_lat = -0.5;
  Find("DUP");
  EXPECT_EQ(RowType(1), "APT");
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

TEST_F(NavSearch, LatLonEntryMakesTheNextWaypointName) {
  fp_mod_cnt = 5;
  fms_fpln_mod[1].ident = "WPT03";
  fms_fpln_mod[2].ident = "WPT07";
  fms_fpln_mod[3].ident = "WPT7";   // four characters: not counted
  fms_fpln_mod[4].ident = "KSEA";
  fms_fpln_mod[5].ident = "WPT12";  // the last row is not looked at
  Find("N4736.5W12218.3");
  ASSERT_EQ(nav_search_cnt, 1);
  EXPECT_EQ(TextOf(nav_search_list[1].ident), "WPT08");
  EXPECT_NEAR(nav_search_list[1].lat, 47.608333, 1e-6);
  EXPECT_NEAR(nav_search_list[1].lon, -122.305, 1e-9);
  EXPECT_EQ(RowType(1), "I");
  EXPECT_TRUE(TextIs(nav_search_list[1].extra, ""));
}

TEST_F(NavSearch, LatLonEntryInTheSouthEast) {
  Find("S3352.0E15112.0");
  ASSERT_EQ(nav_search_cnt, 1);
  EXPECT_EQ(TextOf(nav_search_list[1].ident), "WPT01");
  EXPECT_NEAR(nav_search_list[1].lat, -33.866667, 1e-6);
  EXPECT_NEAR(nav_search_list[1].lon, 151.2, 1e-9);
}

TEST_F(NavSearch, PlaceBearingDistanceSetsTheGlobalsAndSearchesThePlace) {
  Find("SEA330/10");
  EXPECT_EQ(pbd_brg, 330.0);
  EXPECT_EQ(pbd_dist, 10);
  EXPECT_EQ(pbd_brg2, -1.0);
  EXPECT_EQ(cdu_lookup_ident, "SEA");
  EXPECT_EQ(nav_search_cnt, 3);
}

struct RejectCase {
  const char* entry;
  const char* lookup_after;
};

class NavSearchNoResult : public NavSearch, public ::testing::WithParamInterface<RejectCase> {};

// Entries that resolve to nothing, without touching the place-bearing globals.
TEST_P(NavSearchNoResult, FindsNothing) {
  Find(GetParam().entry);
  EXPECT_EQ(nav_search_cnt, 0);
  EXPECT_EQ(pbd_brg, -1.0);
  EXPECT_EQ(pbd_dist, 0);
  EXPECT_EQ(cdu_lookup_ident, GetParam().lookup_after);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NavSearchNoResult,
    ::testing::Values(RejectCase{"SEA330/", "SEA330/"},        // 7 characters: looked up as an ident
                      RejectCase{"AB330/5", "AB330/5"},        // likewise
                      RejectCase{"SEA330/0", "SEA330/0"},      // no distance and no second place
                      RejectCase{"SE/33/10", "SE/33/10"},      // '/' before a place and three digits
                      RejectCase{"/3301234", "/3301234"},
                      RejectCase{"ABCDEFGHI330/5", "ABCDEFGHI330/5"},  // no room for a second place
                      RejectCase{"SEA-10/10", "SEA-10/10"},    // negative bearing
                      RejectCase{"N4736.5W1221", "N4736.5W1221"},  // too short for latitude/longitude
                      RejectCase{"12345", "12345"}, RejectCase{"5A75N", "5A75N"}));

TEST_F(NavSearch, PlaceBearingPlaceBearingCrossesTheTwoRadials) {
  plane_lat = 47.43;  // the SEA nearest to the aircraft is the VOR
  Find("SEA180/OLM090");
  ASSERT_EQ(nav_search_cnt, 1);
  EXPECT_EQ(pbd_brg, 180.0);
  EXPECT_EQ(pbd_brg2, 90.0);
  EXPECT_EQ(cur_fix_ident, "SEA");
  EXPECT_EQ(cur_fix_type, "V");
  EXPECT_EQ(cur_fix_extra, "116.80");
  EXPECT_EQ(cdu_lookup_ident, "OLM");
  EXPECT_TRUE(TextIs(nav_search_list[1].ident, "OLM"));
  const double lat = nav_search_list[1].lat;
  const double lon = nav_search_list[1].lon;
  double dist, brg;
  CalcDistBrg(47.435, -122.310, lat, lon, &dist, &brg);
  EXPECT_NEAR(norm360(brg - GetMagVar(47, -122)), 180.0, 0.5);
  CalcDistBrg(46.972, -122.902, lat, lon, &dist, &brg);
  EXPECT_NEAR(norm360(brg - GetMagVar(46, -122)), 90.0, 0.5);
}

TEST_F(NavSearch, PlaceBearingPlaceBearingWithUnknownPlaces) {
  Find("XYZ180/OLM090");
  EXPECT_EQ(nav_search_cnt, 0);
  EXPECT_EQ(cur_fix_ident, "");
  Find("SEA180/XYZ090");
  EXPECT_EQ(nav_search_cnt, 0);
  EXPECT_EQ(cur_fix_ident, "SEA");
  EXPECT_EQ(cdu_lookup_ident, "XYZ");
}

struct ShorthandCase {
  const char* entry;
  double lat, lon;
};

class NavSearchShorthand : public NavSearch, public ::testing::WithParamInterface<ShorthandCase> {};

TEST_P(NavSearchShorthand, MakesOnePoint) {
  Find(GetParam().entry);
  ASSERT_EQ(nav_search_cnt, 1);
  EXPECT_EQ(TextOf(nav_search_list[1].ident), GetParam().entry);
  EXPECT_EQ(RowType(1), "O");
  EXPECT_EQ(nav_search_list[1].lat, GetParam().lat);
  EXPECT_EQ(nav_search_list[1].lon, GetParam().lon);
}

INSTANTIATE_TEST_SUITE_P(Entries, NavSearchShorthand,
                         ::testing::Values(ShorthandCase{"5275N", 52.0, -75.0}, ShorthandCase{"75N70", 75.0, -170.0},
                                           ShorthandCase{"5020W", -50.0, -20.0}, ShorthandCase{"5275E", 52.0, 75.0},
                                           ShorthandCase{"5275S", -52.0, 75.0}, ShorthandCase{"40S10", -40.0, 110.0}));

TEST_F(NavSearch, NearestAirport) {
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "KSEA");
  plane_lat = 47.46;
  plane_lon = -122.31;
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "SEA");
}

TEST_F(NavSearch, NearestAirportTieKeepsTheEarlierRow) {
  WriteNavFile("apts.txt", "KONE ONE 0 1.0 0.0\nKTWO TWO 0 -1.0 0.0\n");
  LoadNavDatabase();
  plane_lat = 0.0;
  plane_lon = 0.0;
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "KONE");
}

TEST_F(NavSearch, NearestAirportWithoutAirports) {
  ResetModuleState();
  nearest_apt_ident = "KOLD";
  EXPECT_EQ(FindNearestAirport(), 0);
  EXPECT_EQ(nearest_apt_ident, "KOLD");
}

// Arbitrary scratchpad texts (the characters of every entry form, in any order and length) resolve
// to a bounded list without reading outside the entry.
TEST_F(NavSearch, ArbitraryEntriesStayInBounds) {
  const std::string alphabet = "NSEW0123456789./-SEAOLM ";
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
  for (int i = 0; i < 3000; ++i) {
    std::string entry(next() % 34, ' ');
    for (char& c : entry) c = alphabet[next() % alphabet.size()];
    Find(entry);
    ASSERT_GE(nav_search_cnt, 0) << entry;
    ASSERT_LE(nav_search_cnt, kNavSearchCapacity) << entry;
  }
}

}  // namespace
