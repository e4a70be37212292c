#include "fmc/lat_lon_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DmsCase {
  double lat, lon_west;
  int32_t unit;  // 1 degrees, 0 radians
  const char* lat_text;
  const char* lon_text;
};

// Southern and eastern positions truncate and round on the magnitude, as northern and western ones.
TEST(FormatLatLon, SecondsAreTruncatedAndPadded) {
  for (const DmsCase& c : {DmsCase{-33.5, -151.25, 1, "S33:30:00", "E151:15:00"},
                           DmsCase{47.0858, 122.5, 1, "N47:05:08", "W122:30:00"},
                           DmsCase{0.5, 100.0 / 57.29577951308232, 0, "N28:38:52", "W100:00:00"},
                           DmsCase{-0.25, -9.999, 1, "S00:15:00", "E09:59:56"}}) {
    std::string lat, lon;
    FormatLatLonDms(c.lat, c.lon_west, &lat, &lon, c.unit);
    EXPECT_EQ(lat, c.lat_text);
    EXPECT_EQ(lon, c.lon_text);
  }
}

TEST(FormatLatLon, MinutesToTheTenthNeverReachSixty) {
  for (const DmsCase& c : {DmsCase{47.4459, 122.3097, 1, "N47:26:70", "W122:18:50"},
                           DmsCase{-33.5, -151.25, 1, "S33:30:00", "E151:15:00"},
                           DmsCase{47.9995, 9.9995, 1, "N48:00:00", "W10:00:00"},  // 59.97 minutes
                           DmsCase{-47.9995, -9.9995, 1, "S48:00:00", "E10:00:00"},
                           DmsCase{0.5, 0.0, 0, "N28:38:80", "W00:00:00"}}) {
    std::string lat, lon;
    FormatLatLonDms2(c.lat, c.lon_west, &lat, &lon, c.unit);
    EXPECT_EQ(lat, c.lat_text);
    EXPECT_EQ(lon, c.lon_text);
  }
}

TEST(FormatLatLon, SplitThreeWordsMakesThePlanFilesText) {
  std::string lat, lon;
  SplitThreeWords("N47:05:09", "W122:18:39", &lat, &lon);
  EXPECT_EQ(lat, "N47\xB0 05' 09.00");
  EXPECT_EQ(lon, "W122\xB0 18' 39.00");
  SplitThreeWords("", "E", &lat, &lon);
  EXPECT_EQ(lat, "");
  EXPECT_EQ(lon, "E\xB0 ' .00");
}

}  // namespace
