#include "navdb/nearby_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "navdb/navdb_fixture.h"

namespace {

using NearbyLists = NavdbTest;

TEST_F(NearbyLists, ListsStopAtTheirCapacities) {
  for (int i = 1; i <= 3100; ++i) AddNavRow(nav_apts, &nav_apts_cnt, "A" + std::to_string(i), 47.0 + i * 1e-4, -122.0);
  FilterAirportsCoarse(47.0, -122.0);
  ASSERT_EQ(near_apts_coarse_cnt, 3000);
  EXPECT_TRUE(TextIs(near_apts_coarse[3000].ident, "A3000"));
  // All 3,000 lie within 180 NM of the centre; the fine list still stops at 1,000.
  FilterAirportsFine(47.0, -122.0);
  ASSERT_EQ(near_apt_count, 1000);
  EXPECT_TRUE(TextIs(near_apts_fine[1000].ident, "A1000"));
  ResetModuleState();  // a full list leaves no row behind
  EXPECT_TRUE(TextIs(near_apts_fine[1000].ident, ""));
  // The fine waypoint list stops at `near_wpts_max`.
  for (int i = 1; i <= 20; ++i) AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "F", 10.0, 10.0 + i * 0.01);
  FilterWaypointsCoarse(10.0, 10.0);
  near_wpts_max = 5;
  FilterWaypointsFine(10.0, 10.0);
  EXPECT_EQ(near_wpts_fine_cnt, 5);
  // A full coarse station list is read to its last row.
  for (int i = 1; i <= kNearCoarseCapacity; ++i) SetNavRow(near_stations_coarse[i], "S" + std::to_string(i), 0.0, 0.0);
  SetNavRow(near_stations_coarse[kNearCoarseCapacity], "LAST", 47.0, -122.0);
  near_stations_coarse_cnt = kNearCoarseCapacity;
  FilterStationsFine(47.0, -122.0);
  EXPECT_EQ(Column(near_stations_fine, near_stations_fine_cnt, &NavRecord::ident), "LAST");
}

// In PLAN the layers build both waypoint lists around the map centre, far from the aircraft.
TEST_F(NearbyLists, FineWaypointsFollowTheMapCentre) {
  AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "NEARAC", 40.0, -100.0);
  AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "CENTRE", 46.6, -100.0);
  AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "EDGE", 50.1, -100.0);
  AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "FAR", 57.0, -100.0);
  FilterWaypointsCoarse(46.67, -100.0);
  FilterWaypointsFine(46.67, -100.0);
  EXPECT_EQ(Column(near_wpts_coarse, near_wpts_coarse_cnt, &NavRecord::ident), "NEARAC|CENTRE|EDGE");
  EXPECT_EQ(Column(near_wpts_fine, near_wpts_fine_cnt, &NavRecord::ident), "CENTRE");
}

// Lists are rebuilt only once the map centre has moved beyond their distances (or was never set);
// building from an empty source still stores the centre.
TEST_F(NearbyLists, RebuildOnlyBeyondTheThresholds) {
  EXPECT_TRUE(NearbyListStale(near_wpts_coarse_ctr, 47.0, -122.0, kNearCoarseRebuildNm));
  FilterWaypointsCoarse(0.0, 0.0);
  FilterWaypointsFine(0.0, 0.0);
  EXPECT_EQ(near_wpts_coarse_cnt, 0);
  const struct {
    double lat;
    bool coarse, fine;
  } cases[] = {{49.0 / 60.0, false, false}, {51.0 / 60.0, false, true},
               {199.0 / 60.0, false, true}, {201.0 / 60.0, true, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(NearbyListStale(near_wpts_coarse_ctr, c.lat, 0.0, kNearCoarseRebuildNm), c.coarse) << c.lat;
    EXPECT_EQ(NearbyListStale(near_wpts_fine_ctr, c.lat, 0.0, kNearFineRebuildNm), c.fine) << c.lat;
  }
}

}  // namespace
