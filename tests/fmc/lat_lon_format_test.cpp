#include <gtest/gtest.h>

#include <string>

#include "fmc/lat_lon_format.h"

namespace {

struct DmsCase {
  double lat, lon_west;
  int32_t unit;
  const char* lat_text;
  const char* lon_text;
};

class FormatLatLonDmsTest : public ::testing::TestWithParam<DmsCase> {};

TEST_P(FormatLatLonDmsTest, WritesHemisphereAndTruncatedPaddedParts) {
  const DmsCase& c = GetParam();
  std::string lat, lon;
  FormatLatLonDms(c.lat, c.lon_west, &lat, &lon, c.unit);
  EXPECT_EQ(lat, c.lat_text);
  EXPECT_EQ(lon, c.lon_text);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FormatLatLonDmsTest,
    ::testing::Values(DmsCase{-33.5, -151.25, 1, "S33:30:00", "E151:15:00"},
                      DmsCase{5.0, 0.0, 1, "N05:00:00", "W00:00:00"},
                      DmsCase{47.0858, 122.5, 1, "N47:05:08", "W122:30:00"},  // seconds truncated
                      DmsCase{0.5, 100.0 / 57.29577951308232, 0, "N28:38:52", "W100:00:00"},  // radians
                      DmsCase{-0.25, -9.999, 1, "S00:15:00", "E09:59:56"}));

}  // namespace
