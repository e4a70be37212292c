// The loader on the world-size database, which lives outside the repository; its own file, so that
// CTest can run it alone or leave it out (label "world").
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

TEST(NavLoaderWorld, LoadsTheWorldDatabase) {
  std::string dir = WorldDataDir();
  if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
  ResetModuleState();
  sim_root = dir;
  LoadNavDatabase();
  EXPECT_EQ(std::tuple(nav_ints_cnt, nav_navaids_cnt, nav_apts_cnt, nav_awy_fixes_cnt),
            std::tuple(119720, 14987, 15358, 48813));  // airway lines whose fix has 4+ characters
  ResetModuleState();
}

// The rows of one kind read the plain way: whole lines through getline, then PlainNavRow.
std::vector<NavRecord> ReferenceRows(const std::string& dir, const char* stem, NavTable kind) {
  std::vector<NavRecord> rows;
  for (const char* suffix : {".txt", "_user.txt"}) {
    std::ifstream in(dir + "/Orvantel/Navdata/" + stem + suffix, std::ios::binary);
    std::string line;
    NavRecord row;
    while (std::getline(in, line)) {
      EXPECT_LE(line.size(), 1698u) << "a line the plain reading does not cut";
      if (PlainNavRow(kind, line, &row)) rows.push_back(row);
    }
  }
  return rows;
}

// Every loaded row of the world database is, byte for byte, the row the plain reading gives.
TEST(NavLoaderWorld, RowsMatchThePlainReading) {
  const std::string dir = WorldDataDir();
  if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
  ResetModuleState();
  sim_root = dir;
  LoadNavDatabase();
  const struct {
    const char* stem;
    NavTable kind;
    const NavRecord* table;
    int32_t count;
  } kinds[] = {{"ints", NavTable::kIntersections, nav_ints, nav_ints_cnt},
               {"awys", NavTable::kAirwayFixes, nav_awy_fixes, nav_awy_fixes_cnt},
               {"apts", NavTable::kAirports, nav_apts, nav_apts_cnt},
               {"navs", NavTable::kNavaids, nav_navaids, nav_navaids_cnt}};
  for (const auto& k : kinds) {
    const std::vector<NavRecord> expected = ReferenceRows(dir, k.stem, k.kind);
    ASSERT_EQ(static_cast<size_t>(k.count), expected.size()) << k.stem;
    for (size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(std::memcmp(&k.table[i + 1], &expected[i], sizeof(NavRecord)), 0) << k.stem << " row " << i + 1;
    }
  }
  ResetModuleState();
}

}  // namespace
