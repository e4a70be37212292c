#include "navdb/nearby_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frame/geodesy.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"

namespace {

using NearbyLists = NavdbTest;

void AddRow(NavRecord* table, int32_t* count, const std::string& ident, double lat, double lon,
            const char* type = "I", const char* extra = "") {
  NavRecord& r = table[++*count];
  ClearRecord(r);
  SetText(r.ident, ident);
  SetText(r.name, ident);
  r.lat = lat;
  r.lon = lon;
  SetText(r.type, type);
  SetText(r.extra, extra);
}

// The last latitude north of the equator whose distance from (0, 0) is at most `radius`.
double LastLatitudeWithin(double radius) {
  double lo = radius / 60.0 - 0.01;
  double hi = radius / 60.0 + 0.01;
  while (std::nextafter(lo, hi) < hi) {
    double mid = lo + (hi - lo) / 2.0;
    if (mid <= lo || mid >= hi) mid = std::nextafter(lo, hi);
    (CalcDistNm(0.0, 0.0, mid, 0.0) <= radius ? lo : hi) = mid;
  }
  return lo;
}

TEST_F(NearbyLists, RadiusIsInclusive) {
  double inside = LastLatitudeWithin(600.0);
  double outside = std::nextafter(inside, 90.0);
  ASSERT_LE(CalcDistNm(0.0, 0.0, inside, 0.0), 600.0);
  ASSERT_GT(CalcDistNm(0.0, 0.0, outside, 0.0), 600.0);
  AddRow(nav_apts, &nav_apts_cnt, "IN", inside, 0.0);
  AddRow(nav_apts, &nav_apts_cnt, "OUT", outside, 0.0);
  AddRow(nav_apts, &nav_apts_cnt, "SOUTH", -inside, 0.0);
  FilterAirportsCoarse(0.0, 0.0);
  ASSERT_EQ(near_apts_coarse_cnt, 2);
  EXPECT_TRUE(TextIs(near_apts_coarse[1].ident, "IN"));
  EXPECT_TRUE(TextIs(near_apts_coarse[2].ident, "SOUTH"));
}

TEST_F(NearbyLists, CoarseListKeepsTheFirst3000InTableOrder) {
  for (int i = 1; i <= 3100; ++i) AddRow(nav_apts, &nav_apts_cnt, "A" + std::to_string(i), 47.0 + i * 1e-4, -122.0);
  FilterAirportsCoarse(47.0, -122.0);
  ASSERT_EQ(near_apts_coarse_cnt, 3000);
  EXPECT_TRUE(TextIs(near_apts_coarse[3000].ident, "A3000"));
  // All 3,000 lie within 180 NM of the centre; the fine list still stops at 1,000.
  FilterAirportsFine(47.0, -122.0);
  ASSERT_EQ(near_apt_count, 1000);
  EXPECT_TRUE(TextIs(near_apts_fine[1000].ident, "A1000"));
  EXPECT_EQ(near_apt_ref_lat, 47.0);
  EXPECT_EQ(near_apt_ref_lon2, -122.0);
}

TEST_F(NearbyLists, ListsCopyOnlyTheirFields) {
  AddRow(nav_apts, &nav_apts_cnt, "KSEA", 47.45, -122.31, "APT");
  AddRow(nav_awy_fixes, &nav_awy_fixes_cnt, "HAROB", 47.0, -122.0, "I", "X");
  AddRow(nav_navaids, &nav_navaids_cnt, "SEA", 47.43, -122.30, "V", "116.80");
  FilterAirportsCoarse(47.0, -122.0);
  FilterWaypointsCoarse(47.0, -122.0);
  FilterWaypointsFine(47.0, -122.0);
  FilterStationsCoarse(47.0, -122.0);
  FilterStationsFine(47.0, -122.0);
  EXPECT_TRUE(TextIs(near_apts_coarse[1].type, ""));
  EXPECT_TRUE(TextIs(near_apts_coarse[1].name, ""));
  EXPECT_TRUE(TextIs(near_wpts_coarse[1].extra, "X"));
  EXPECT_TRUE(TextIs(near_wpts_coarse[1].type, "I"));
  EXPECT_TRUE(TextIs(near_wpts_fine[1].type, ""));
  EXPECT_TRUE(TextIs(near_stations_fine[1].type, "V"));
  EXPECT_TRUE(TextIs(near_stations_fine[1].extra, "116.80"));
  EXPECT_DOUBLE_EQ(near_stations_fine[1].lat, 47.43);
}

// In PLAN the layers build both waypoint lists around the map centre, far from the aircraft.
TEST_F(NearbyLists, FineWaypointsFollowTheMapCentre) {
  AddRow(nav_awy_fixes, &nav_awy_fixes_cnt, "NEARAC", 40.0, -100.0);
  AddRow(nav_awy_fixes, &nav_awy_fixes_cnt, "CENTRE", 46.6, -100.0);
  AddRow(nav_awy_fixes, &nav_awy_fixes_cnt, "EDGE", 50.1, -100.0);
  FilterWaypointsCoarse(46.67, -100.0);
  FilterWaypointsFine(46.67, -100.0);
  ASSERT_EQ(near_wpts_coarse_cnt, 3);
  ASSERT_EQ(near_wpts_fine_cnt, 1);
  EXPECT_TRUE(TextIs(near_wpts_fine[1].ident, "CENTRE"));
}

TEST_F(NearbyLists, FineWaypointLimitFollowsNearWptsMax) {
  for (int i = 1; i <= 20; ++i) AddRow(nav_awy_fixes, &nav_awy_fixes_cnt, "F" + std::to_string(i), 10.0, 10.0 + i * 0.01);
  FilterWaypointsCoarse(10.0, 10.0);
  near_wpts_max = 5;
  FilterWaypointsFine(10.0, 10.0);
  EXPECT_EQ(near_wpts_fine_cnt, 5);
}

TEST_F(NearbyLists, EmptySourceStillStoresTheCentre) {
  FilterWaypointsCoarse(12.0, 34.0);
  FilterStationsFine(56.0, 78.0);
  EXPECT_EQ(near_wpts_coarse_cnt, 0);
  EXPECT_EQ(near_wpts_coarse_ctr.lat, 12.0);
  EXPECT_EQ(near_wpts_coarse_ctr.lon, 34.0);
  EXPECT_EQ(near_stations_fine_cnt, 0);
  EXPECT_EQ(near_stations_fine_ctr.lat, 56.0);
}

// Lists are rebuilt only once the map centre has moved beyond their distances (or was never set).
TEST_F(NearbyLists, RebuildOnlyBeyondTheThresholds) {
  EXPECT_TRUE(NearbyListStale(near_wpts_coarse_ctr, 47.0, -122.0, kNearCoarseRebuildNm));
  FilterWaypointsCoarse(0.0, 0.0);
  FilterWaypointsFine(0.0, 0.0);
  const struct {
    double lat;
    bool coarse, fine;
  } cases[] = {{0.0, false, false}, {49.0 / 60.0, false, false}, {51.0 / 60.0, false, true},
               {199.0 / 60.0, false, true}, {201.0 / 60.0, true, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(NearbyListStale(near_wpts_coarse_ctr, c.lat, 0.0, kNearCoarseRebuildNm), c.coarse) << c.lat;
    EXPECT_EQ(NearbyListStale(near_wpts_fine_ctr, c.lat, 0.0, kNearFineRebuildNm), c.fine) << c.lat;
  }
}

TEST(NearbyListsWorld, CoarseAndFineListsAroundFrankfurt) {
  std::string dir = WorldDataDir();
  if (dir.empty()) GTEST_SKIP() << "world navigation data not found";
  ResetModuleState();
  sim_root = dir;
  LoadNavDatabase();
  FilterStationsCoarse(50.03, 8.57);
  FilterStationsFine(50.03, 8.57);
  ASSERT_GT(near_stations_coarse_cnt, 100);
  for (int32_t i = 1; i <= near_stations_fine_cnt; ++i) {
    EXPECT_LE(CalcDistNm(50.03, 8.57, near_stations_fine[i].lat, near_stations_fine[i].lon), kNearStationsFineRadiusNm);
  }
  // The latitude pre-test changes nothing: the same rows as a plain scan of every station.
  int32_t expected = 0;
  for (int32_t i = 1; i <= nav_navaids_cnt && expected < kNearCoarseCapacity; ++i) {
    if (CalcDistNm(50.03, 8.57, nav_navaids[i].lat, nav_navaids[i].lon) <= kNearCoarseRadiusNm) ++expected;
  }
  EXPECT_EQ(near_stations_coarse_cnt, expected);
  ResetModuleState();
}

}  // namespace
