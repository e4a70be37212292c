// The map over a dense place: more airway-fix rows lie within 600 NM than the coarse list holds, and
// the fixes around the aircraft are still drawn.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/geodesy.h"
#include "navdb/navdb_fixture.h"
#include "nd/map_fixture.h"
#include "nd/nearby_layers.h"

namespace {

class DenseNearbyFixes : public MapTest {};

// 3,000 rows 420 NM north come first in the table; the fix 10 NM ahead comes after them.
TEST_F(DenseNearbyFixes, FixAheadIsDrawnOverAFullList) {
  for (int i = 0; i < 3000; ++i) {
    AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "F" + std::to_string(i), plane_lat + 7.0, plane_lon + 0.003 * i);
  }
  double lat = 0.0, lon = 0.0;
  CalcDestPoint(plane_lat, plane_lon, 170.0, 10.0, &lat, &lon);
  AddNavRow(nav_awy_fixes, &nav_awy_fixes_cnt, "NOKDI", lat, lon);
  std::tie(plane_hdg_true, drift_angle, fpnd_rng_nm, map_px_per_nm) = std::tuple(170.0, 0.0, 40.0, 236.0 / 40.0);
  RecordLayer(kFpNdCanvas, 159.0, 272.0, DrawMapWaypointsFpNd);
  EXPECT_EQ(Texts(), std::vector<std::string>{"NOKDI"});
}

}  // namespace
