#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"
#include "navdb/nearby_lists.h"

namespace {

using NavLoader = NavdbTest;

std::string Ident(const NavRecord& r) { return std::string(TextOf(r.ident)); }

TEST_F(NavLoader, CommentLinesAddNoRowButIndentedSemicolonIsData) {
  WriteNavFile("ints.txt",
               "; a comment line\n"
               "ALPHA ALPHA 47.5 -122.5\n"
               " ;BETA ;BETA 10 20\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 2);
  EXPECT_EQ(Ident(nav_ints[1]), "ALPHA");
  EXPECT_EQ(Ident(nav_ints[2]), ";BETA");
  EXPECT_TRUE(TextIs(nav_ints[1].type, "I"));
  EXPECT_DOUBLE_EQ(nav_ints[1].lat, 47.5);
  EXPECT_DOUBLE_EQ(nav_ints[1].lon, -122.5);
  EXPECT_TRUE(TextIs(nav_ints[1].extra, ""));
}

TEST_F(NavLoader, ShortAirwayFixAddsNoRow) {
  WriteNavFile("awys.txt",
               "J501 1 SEA 47.43 -122.30\n"
               "J501 2 ABCD 47.00 -121.00\n"
               "J501 3 HAROB 46.50 -120.50\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_awy_fixes_cnt, 2);
  EXPECT_EQ(Ident(nav_awy_fixes[1]), "ABCD");
  EXPECT_TRUE(TextIs(nav_awy_fixes[1].name, "ABCD"));
  EXPECT_TRUE(TextIs(nav_awy_fixes[1].type, "I"));
  EXPECT_TRUE(TextIs(nav_awy_fixes[1].airway, ""));
  EXPECT_DOUBLE_EQ(nav_awy_fixes[2].lat, 46.5);
}

TEST_F(NavLoader, NavaidKindsAndFrequencies) {
  WriteNavFile("navs.txt",
               "SEA SEATTLE 47.43 -122.30 vor 116.80\n"
               "OLM OLYMPIA 46.97 -122.90 NDB 338\n"
               "PAE PAINE 47.90 -122.28 DME\n"
               "BTG BATTLE 45.74 -122.59 VoR 116.60\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_navaids_cnt, 4);
  EXPECT_TRUE(TextIs(nav_navaids[1].type, "V"));
  EXPECT_TRUE(TextIs(nav_navaids[1].extra, "116.80"));
  EXPECT_TRUE(TextIs(nav_navaids[2].type, "N"));
  EXPECT_TRUE(TextIs(nav_navaids[2].extra, "338"));
  EXPECT_TRUE(TextIs(nav_navaids[3].type, "N"));
  // No sixth token: the frequency is empty, not the line before's.
  EXPECT_TRUE(TextIs(nav_navaids[3].extra, ""));
  EXPECT_TRUE(TextIs(nav_navaids[4].type, "V"));
}

TEST_F(NavLoader, AirportRowKeepsElevationAsInfo) {
  WriteNavFile("apts.txt", "KSEA SEATTLE_TACOMA 433 47.449 -122.309 16L_11900_47.46_-122.30_180.0_110.30_X_180.0\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(Ident(nav_apts[1]), "KSEA");
  EXPECT_TRUE(TextIs(nav_apts[1].name, "SEATTLE_TACOMA"));
  EXPECT_TRUE(TextIs(nav_apts[1].type, "APT"));
  EXPECT_TRUE(TextIs(nav_apts[1].info, "433"));
  EXPECT_DOUBLE_EQ(nav_apts[1].lat, 47.449);
  EXPECT_DOUBLE_EQ(nav_apts[1].lon, -122.309);
}

// A data line with fewer tokens than its format needs adds nothing, and nothing of it reaches the
// next line.
TEST_F(NavLoader, LinesTooShortForTheirFormatAddNoRow) {
  WriteNavFile("ints.txt", "ONE ONE 1\n\n   \nTWO TWO 2 3\n");
  WriteNavFile("awys.txt", "J1 1 ABCD 10\nJ1 2 EFGH 11 12\n");
  WriteNavFile("apts.txt", "KAAA NAME 100 10\nKBBB NAME 200 10 20\n");
  WriteNavFile("navs.txt", "AAA NAME 10 20\nBBB NAME 10 20 VOR\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 1);
  EXPECT_EQ(Ident(nav_ints[1]), "TWO");
  ASSERT_EQ(nav_awy_fixes_cnt, 1);
  EXPECT_EQ(Ident(nav_awy_fixes[1]), "EFGH");
  ASSERT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(Ident(nav_apts[1]), "KBBB");
  ASSERT_EQ(nav_navaids_cnt, 1);
  EXPECT_EQ(Ident(nav_navaids[1]), "BBB");
  EXPECT_TRUE(TextIs(nav_navaids[1].extra, ""));
}

struct NumberCase {
  const char* token;
  double value;
};

class NavLoaderNumbers : public NavdbTest, public ::testing::WithParamInterface<NumberCase> {};

// Coordinates come from the token's leading decimal part; anything that is not a finite decimal
// number gives 0.0 (a malformed file must not put NaN or infinity into a position).
TEST_P(NavLoaderNumbers, CoordinateFromLeadingDecimalPrefix) {
  WriteNavFile("ints.txt", std::string("FIX FIX ") + GetParam().token + " 1\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 1);
  EXPECT_DOUBLE_EQ(nav_ints[1].lat, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Tokens, NavLoaderNumbers,
                         ::testing::Values(NumberCase{"47.5", 47.5}, NumberCase{"-0.25", -0.25},
                                           NumberCase{"12.5abc", 12.5}, NumberCase{"+3", 3.0},
                                           NumberCase{".5", 0.5}, NumberCase{"1e1", 10.0},
                                           NumberCase{"N47", 0.0}, NumberCase{"-", 0.0},
                                           NumberCase{"nan", 0.0}, NumberCase{"inf", 0.0},
                                           NumberCase{"0x1A", 0.0}, NumberCase{"1e999", 0.0},
                                           NumberCase{"1e-999", 0.0},
                                           NumberCase{"47.123456789012345678901234", 47.123456789012345678901234}));

TEST_F(NavLoader, OverlongTextsAreCutToTheirFields) {
  std::string long_ident(40, 'X');
  std::string long_name(300, 'N');
  WriteNavFile("ints.txt", long_ident + " " + long_name + " 1 2\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 1);
  EXPECT_EQ(Ident(nav_ints[1]), std::string(sizeof(NavRecord::ident) - 1, 'X'));
  EXPECT_EQ(TextOf(nav_ints[1].name), std::string(sizeof(NavRecord::name) - 1, 'N'));
  EXPECT_DOUBLE_EQ(nav_ints[1].lat, 1.0);
}

// A line longer than the 1,698-character buffer continues as a line of its own.
TEST_F(NavLoader, LineLongerThanBufferContinuesAsNextLine) {
  std::string head = "FIX1 NAME 1 2 ";
  std::string pad(1698 - head.size(), ' ');
  WriteNavFile("ints.txt", head + pad + "FIX2 NAME 3 4\nFIX3 NAME 5 6\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 3);
  EXPECT_EQ(Ident(nav_ints[2]), "FIX2");
  EXPECT_EQ(Ident(nav_ints[3]), "FIX3");
}

TEST_F(NavLoader, WindowsLineEndsAndTabsSeparateTokens) {
  WriteNavFile("navs.txt", "SEA\tSEATTLE\t47.43\t-122.30\tVOR\t116.80\r\nOLM OLYMPIA 46.97 -122.90 NDB\r\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_navaids_cnt, 2);
  EXPECT_TRUE(TextIs(nav_navaids[1].extra, "116.80"));
  EXPECT_TRUE(TextIs(nav_navaids[2].extra, ""));
  EXPECT_TRUE(TextIs(nav_navaids[2].type, "N"));
}

TEST_F(NavLoader, UserFileRowsFollowMainRowsWithoutDeduplication) {
  WriteNavFile("ints.txt", "SAME MAIN 1 1\n");
  WriteNavFile("ints_user.txt", "SAME USER 2 2\nOWN USER 3 3\n");
  WriteNavFile("apts_user.txt", "KUSR USER 10 5 6\n");
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 3);
  EXPECT_TRUE(TextIs(nav_ints[1].name, "MAIN"));
  EXPECT_TRUE(TextIs(nav_ints[2].name, "USER"));
  EXPECT_EQ(Ident(nav_ints[3]), "OWN");
  ASSERT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(Ident(nav_apts[1]), "KUSR");
}

TEST_F(NavLoader, MissingFilesLeaveTablesEmptyAndOthersLoad) {
  WriteNavFile("navs.txt", "SEA SEATTLE 47.43 -122.30 VOR 116.80\n");
  navdb_loaded = 0;
  LoadNavDatabase();
  EXPECT_EQ(navdb_loaded, 1);
  EXPECT_EQ(nav_ints_cnt, 0);
  EXPECT_EQ(nav_awy_fixes_cnt, 0);
  EXPECT_EQ(nav_apts_cnt, 0);
  EXPECT_EQ(nav_navaids_cnt, 1);
}

TEST_F(NavLoader, RepeatedLoadStartsCountsFromZero) {
  WriteNavFile("ints.txt", "A1 A 1 1\nA2 A 2 2\n");
  WriteNavFile("awys.txt", "J1 1 ABCD 1 1\n");
  WriteNavFile("apts.txt", "KAAA A 1 1 1\n");
  WriteNavFile("navs.txt", "AAA A 1 1 VOR 110.0\n");
  LoadNavDatabase();
  LoadNavDatabase();
  EXPECT_EQ(nav_ints_cnt, 2);
  EXPECT_EQ(nav_awy_fixes_cnt, 1);
  EXPECT_EQ(nav_apts_cnt, 1);
  EXPECT_EQ(nav_navaids_cnt, 1);
}

TEST_F(NavLoader, FullIntersectionTableDropsFurtherLines) {
  {
    std::ofstream out(root_ / "Orvantel" / "Navdata" / "ints.txt", std::ios::binary);
    for (int i = 0; i < kNavIntsCapacity; ++i) out << "F F 1 1\n";
  }
  WriteNavFile("ints_user.txt", "EXTRA EXTRA 2 2\n");
  LoadNavDatabase();
  EXPECT_EQ(nav_ints_cnt, kNavIntsCapacity);
  EXPECT_EQ(Ident(nav_ints[kNavIntsCapacity]), "F");
  EXPECT_TRUE(TextIs(nav_ints[kNavIntsCapacity + 1].ident, ""));
}

// A nearby list built while the database was empty must not wait for the map centre to move.
TEST_F(NavLoader, LoadForgetsTheNearbyListCentres) {
  FilterAirportsCoarse(47.0, -122.0);
  FilterAirportsFine(47.0, -122.0);
  FilterWaypointsCoarse(47.0, -122.0);
  FilterWaypointsFine(47.0, -122.0);
  FilterStationsCoarse(47.0, -122.0);
  FilterStationsFine(47.0, -122.0);
  WriteNavFile("apts.txt", "KSEA SEATTLE 433 47.449 -122.309\n");
  LoadNavDatabase();
  for (const NavCentre& c : {NavCentre{near_apt_ref_lat, near_apt_ref_lon}, NavCentre{near_apt_ref_lat2, near_apt_ref_lon2},
                             near_wpts_coarse_ctr, near_wpts_fine_ctr, near_stations_coarse_ctr,
                             near_stations_fine_ctr}) {
    EXPECT_EQ(c.lat, -999.0);
    EXPECT_EQ(c.lon, -999.0);
  }
}

TEST_F(NavLoader, ResetModuleStateEmptiesTheTables) {
  WriteNavFile("ints.txt", "A1 A 1 1\n");
  LoadNavDatabase();
  ResetModuleState();
  EXPECT_EQ(nav_ints_cnt, 0);
  EXPECT_EQ(navdb_loaded, 0);
  EXPECT_TRUE(TextIs(nav_ints[1].ident, ""));
  EXPECT_EQ(nav_ints[1].lat, 0.0);
}

// Counts every line of `path` whose whitespace-separated tokens satisfy `accept`.
template <typename Accept>
int CountLines(const std::string& path, Accept accept) {
  std::ifstream in(path);
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] == ';') continue;
    std::istringstream ss(line);
    std::vector<std::string> t;
    for (std::string s; ss >> s;) t.push_back(s);
    if (accept(t)) ++n;
  }
  return n;
}

TEST(NavLoaderWorld, LoadsTheWorldDatabase) {
  std::string dir = WorldDataDir();
  if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
  ResetModuleState();
  sim_root = dir;
  LoadNavDatabase();
  EXPECT_EQ(nav_ints_cnt, 119720);
  EXPECT_EQ(nav_navaids_cnt, 14987);
  EXPECT_EQ(nav_apts_cnt, 15358);
  int fixes = CountLines(dir + "/Orvantel/Navdata/awys.txt",
                         [](const std::vector<std::string>& t) { return t.size() >= 5 && t[2].size() >= 4; });
  EXPECT_EQ(nav_awy_fixes_cnt, std::min(fixes, kNavAwyFixesCapacity));
  EXPECT_GT(nav_awy_fixes_cnt, 0);
  ResetModuleState();
}

// Random bytes in every file: the loader stays inside its tables and yields finite coordinates.
TEST_F(NavLoader, ArbitraryBytesLoadWithoutHarm) {
  uint32_t seed = 777;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0xff; };
  for (const char* name : {"ints.txt", "awys.txt", "apts.txt", "navs.txt"}) {
    std::string bytes(200000, '\0');
    for (char& c : bytes) {
      uint32_t r = next();
      c = r < 40 ? ' ' : (r < 48 ? '\n' : static_cast<char>(r));
    }
    WriteNavFile(name, bytes);
  }
  LoadNavDatabase();
  for (auto [table, count] : {std::pair{nav_ints, nav_ints_cnt}, std::pair{nav_awy_fixes, nav_awy_fixes_cnt},
                              std::pair{nav_apts, nav_apts_cnt}, std::pair{nav_navaids, nav_navaids_cnt}}) {
    EXPECT_GT(count, 0);
    for (int32_t i = 1; i <= count; ++i) {
      ASSERT_TRUE(std::isfinite(table[i].lat) && std::isfinite(table[i].lon)) << i;
    }
  }
}

}  // namespace
