#include "navdb/nav_index.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "navdb/nav_loader.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_fixture.h"
#include "navdb/nearby_lists.h"

namespace {

// Everything a list row holds, for comparing whole lists.
std::string RowsOf(const NavRecord* rows, int32_t count) {
  std::string out = std::to_string(count) + ":";
  char buf[96];
  for (int32_t i = 1; i <= count; ++i) {
    const NavRecord& r = rows[i];
    std::snprintf(buf, sizeof buf, "|%.17g,%.17g,", r.lat, r.lon);
    out += std::string(TextOf(r.ident)) + buf + std::string(TextOf(r.type)) + "," + std::string(TextOf(r.extra)) +
           "," + std::string(TextOf(r.info)) + "," + std::string(TextOf(r.name));
  }
  return out;
}

// The fast answers on the world database against the same operations reading whole tables (the
// indexes dropped), which is what they did before there were indexes.
class NavIndexWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string dir = WorldDataDir();
    if (dir.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
    ResetModuleState();
    sim_root = dir;
    LoadNavDatabase();
  }
  void TearDown() override { ResetModuleState(); }

  // The answers of `run` for cases 0..count-1, first with the indexes, then without them.
  static void ExpectSameWithoutIndexes(size_t count, const std::function<std::string(size_t)>& run,
                                       const std::function<std::string(size_t)>& label) {
    std::vector<std::string> fast;
    for (size_t i = 0; i < count; ++i) fast.push_back(run(i));
    DropNavIndexes();
    for (size_t i = 0; i < count; ++i) EXPECT_EQ(fast[i], run(i)) << label(i);
    BuildNavIndexes();
  }
};

std::string Search(const std::string& entry, int32_t kind) {
  cdu_lookup_ident = entry;
  FindWaypointCandidates(kind);
  return RowsOf(nav_search_list, nav_search_cnt) + "#" + cdu_lookup_ident;
}

// A sample of identifiers from every table (every 211th row) and, with each kind of search, some
// of the most frequent ones, identifiers that match nothing and the place-bearing forms.
TEST_F(NavIndexWorld, IdentifierSearchesFindTheRowsOfTheTableScanInItsOrder) {
  plane_lat = 50.03;
  plane_lon = 8.57;
  std::vector<std::pair<std::string, int32_t>> cases;
  for (const std::string e : {"MA", "KSEA", "SEA", "NOTHERE", "", "EDDF330/10", "FFM090/SEA270", "ABCDEFGHIJKLMNOPQ"}) {
    for (int32_t kind : {0, 1, 2, 3}) cases.emplace_back(e, kind);
  }
  for (const auto& [table, count] : {std::pair(nav_navaids, nav_navaids_cnt), std::pair(nav_ints, nav_ints_cnt),
                                     std::pair(nav_apts, nav_apts_cnt)}) {
    for (int32_t row = 1; row <= count; row += 211) cases.emplace_back(std::string(TextOf(table[row].ident)), 0);
  }
  ExpectSameWithoutIndexes(
      cases.size(), [&](size_t i) { return Search(cases[i].first, cases[i].second); },
      [&](size_t i) { return cases[i].first + " kind " + std::to_string(cases[i].second); });
}

// A grid over the globe, the poles and both sides of the date line included.
TEST_F(NavIndexWorld, NearestAirportIsTheScansAtAGridOfPlaces) {
  std::vector<std::pair<double, double>> places = {{90.0, 0.0}, {-90.0, 0.0}, {0.0, 180.0}, {0.0, -180.0},
                                                   {64.5, -179.99}, {51.0, 179.99}, {47.45, -122.31}};
  for (double lat = -85.0; lat <= 85.0; lat += 10.0) {
    for (double lon = -175.0; lon <= 180.0; lon += 15.0) places.emplace_back(lat, lon);
  }
  ExpectSameWithoutIndexes(
      places.size(),
      [&](size_t i) {
        std::tie(plane_lat, plane_lon, nearest_apt_ident) = std::tuple(places[i].first, places[i].second, "-");
        const int32_t found = FindNearestAirport();
        return std::to_string(found) + nearest_apt_ident;
      },
      [&](size_t i) { return std::to_string(places[i].first) + " " + std::to_string(places[i].second); });
}

// The dense places, where the limit of 3,000 rows cuts the waypoint list, an ocean, the date line
// and a pole.
TEST_F(NavIndexWorld, CoarseListsAreTheScansAtSeveralPlaces) {
  const std::pair<double, double> places[] = {{50.03, 8.57},   {41.98, -87.90}, {47.45, -122.31}, {35.55, 139.78},
                                              {-33.95, 151.18}, {30.0, -40.0},   {65.0, -179.9},   {89.5, 45.0},
                                              {-89.9, 0.0}};
  const std::function<void(double, double)> filters[] = {FilterAirportsCoarse, FilterWaypointsCoarse,
                                                         FilterStationsCoarse};
  const auto list = [](size_t f) {
    return f == 0 ? RowsOf(near_apts_coarse, near_apts_coarse_cnt)
                  : (f == 1 ? RowsOf(near_wpts_coarse, near_wpts_coarse_cnt)
                            : RowsOf(near_stations_coarse, near_stations_coarse_cnt));
  };
  const size_t n = std::size(places) * 3;
  ExpectSameWithoutIndexes(
      n,
      [&](size_t i) {
        filters[i % 3](places[i / 3].first, places[i / 3].second);
        return list(i % 3);
      },
      [&](size_t i) { return "list " + std::to_string(i % 3) + " at " + std::to_string(places[i / 3].first); });
  FilterWaypointsCoarse(50.03, 8.57);
  EXPECT_EQ(near_wpts_coarse_cnt, kNearCoarseCapacity);
}

// Rows added after the load are not in the indexes: the searches read the tables and find them.
TEST_F(NavIndexWorld, RowsAddedAfterTheLoadAreFound) {
  NavRecord& added = AddNavRow(nav_apts, &nav_apts_cnt, "ZZZZ", 30.0, -40.0);
  plane_lat = 30.01;
  plane_lon = -40.0;
  EXPECT_EQ(FindNearestAirport(), 1);
  EXPECT_EQ(nearest_apt_ident, "ZZZZ");
  EXPECT_EQ(Search("ZZZZ", 3), RowsOf(&added - 1, 1) + "#ZZZZ");
}

// A reset drops the indexes with the tables.
TEST_F(NavIndexWorld, ResetDropsTheIndexes) {
  int32_t rows[4];
  EXPECT_GT(RowsWithIdent(NavTable::kAirports, "EDDF", rows, 4), 0);
  ResetModuleState();
  EXPECT_EQ(RowsWithIdent(NavTable::kAirports, "EDDF", rows, 4), -1);
  NearRows near;
  EXPECT_FALSE(FindRowsNear(NavTable::kAirports, 50.0, 8.0, 100.0, &near));
}

// More rows of one identifier than the list holds, in the main and the user file: the first 250 in
// table order, as the scan keeps them, before the ordering by distance.
class NavIndexFiles : public NavdbTest {};

TEST_F(NavIndexFiles, ALongRunOfOneIdentifierKeepsTheFirst250InTableOrder) {
  std::string ints, user;
  for (int i = 0; i < 200; ++i) ints += "DUP N" + std::to_string(i) + " " + std::to_string(i % 7) + " 1\n";
  for (int i = 0; i < 100; ++i) user += "DUP U" + std::to_string(i) + " " + std::to_string(i % 5) + " 2\n";
  WriteNavFile("ints.txt", ints);
  WriteNavFile("ints_user.txt", user);
  WriteNavFile("apts.txt", "KAAA FIELD 100 0 0\n");
  LoadNavDatabase();
  const auto names = [] {
    cdu_lookup_ident = "DUP";
    FindWaypointCandidates(2);
    std::string s;
    for (int32_t i = 1; i <= nav_search_cnt; ++i) s += std::to_string(nav_search_list[i].lat) + ",";
    return std::to_string(nav_search_cnt) + ":" + s;
  };
  const std::string fast = names();
  DropNavIndexes();
  EXPECT_EQ(fast, names());
  EXPECT_EQ(nav_search_cnt, kNavSearchCapacity);
}

}  // namespace
