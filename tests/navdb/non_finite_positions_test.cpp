// Positions the simulator gives as not a number or infinite: the nearby lists of the map built
// around one, and the coordinate texts of one.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "navdb/lat_lon_format.h"
#include "navdb/navdb_fixture.h"
#include "navdb/nearby_lists.h"
#include "support/fp_traps.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

class NonFinitePositions : public NavdbTest {
 protected:
  testing_support::FpTrapsOff traps_off_;
};

// A paint at such a position, then one at a good position: the list holds what the good position
// alone gives (the map layers rebuild a list when NearbyListStale says so).
TEST_F(NonFinitePositions, NearbyListsBuiltAtNoPlaceAreRebuiltAtTheNextGoodPosition) {
  AddNavRow(nav_navaids, &nav_navaids_cnt, "SEA", 47.43, -122.31, "V");
  const auto paint = [](double lat, double lon) {
    if (NearbyListStale(near_stations_coarse_ctr, lat, lon, kNearCoarseRebuildNm)) FilterStationsCoarse(lat, lon);
    if (NearbyListStale(near_stations_fine_ctr, lat, lon, kNearFineRebuildNm)) FilterStationsFine(lat, lon);
    return Column(near_stations_fine, near_stations_fine_cnt, &NavRecord::ident);
  };
  for (const auto& [lat, lon] : {std::pair(kNan, -122.3), std::pair(47.4, kInf), std::pair(-kInf, kNan)}) {
    near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
    EXPECT_EQ(paint(lat, lon), "") << lat << " " << lon;
    EXPECT_EQ(paint(47.45, -122.3), "SEA") << lat << " " << lon;
  }
}

// Each part goes through the integer range's ends (NaN to 0), clean under the sanitizers.
TEST_F(NonFinitePositions, CoordinateTextsOfNoPlace) {
  const struct {
    bool tenths;
    double lat, lon_west;
    const char* texts;
  } cases[] = {{false, kNan, kNan, "N00:00:00 W00:00:00"},
               {false, kInf, -kInf, "N2147483647:00:00 E2147483648:00:00"},
               {true, kNan, kNan, "N00:00:00 W00:00:00"},
               {true, -kInf, kInf, "S2147483647:00:00 W2147483647:00:00"}};
  for (const auto& c : cases) {
    for (const int32_t unit : {1, 0}) {
      std::string lat, lon;
      (c.tenths ? FormatLatLonDms2 : FormatLatLonDms)(c.lat, c.lon_west, &lat, &lon, unit);
      EXPECT_EQ(lat + " " + lon, c.texts) << c.tenths << " " << c.lat << " " << c.lon_west << " " << unit;
    }
  }
}

}  // namespace
