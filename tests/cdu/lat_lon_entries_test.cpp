// Latitude/longitude entries: positions off the globe, typed positions read back, and the names of
// the points they make.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/pos_init_page.h"
#include "navdb/lat_lon_format.h"
#include "navdb/navdb_fixture.h"

namespace cdu_test {
namespace {

class LatLonEntryTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    AddNavRow(nav_navaids, &nav_navaids_cnt, "SEA", 47.435, -122.310, "V", "116.80");
    std::tie(plane_lat, plane_lon) = std::tuple(47.45, -122.31);
  }
  void Legs(const std::vector<std::string>& idents) {
    SetActiveRoute(idents);
    PressAndPaint("LEGS");
  }
};

// Above 90 degrees of latitude, 180 of longitude or 59.9 minutes there is no place: a bad entry.
TEST_F(LatLonEntryTest, PositionsOffTheGlobeAreInvalidEntries) {
  const std::vector<std::string> route{"KSEA", "SEA", "KPDX"};
  for (const char* text : {"N9500.0E00000.0", "N4599.0W07000.0", "N4736.5W19918.3", "S9000.1E00000.0", "9575N",
                           "75N90"}) {
    Legs(route);
    EnterAt(text, "2L");
    ExpectTaken(text, false);
    EXPECT_EQ(ModIdents(), route) << text;
    EnterOn(kCduPageRefNavData, text, "1L");
    ExpectTaken(text, false);
  }
  EnterOn(kCduPageRefNavData, "N9000.0W18000.0", "1L");
  Paint();
  EXPECT_EQ(Row(2), "N90\xB0" "00.0 | W180\xB0" "00.0");
}

// SET IRS POS takes no position off the globe either, nor one with a letter for a digit.
TEST_F(LatLonEntryTest, SetIrsPosRefusesAPositionOffTheGlobe) {
  irs_l_align_count = 100;
  for (const char* text : {"N4760.0W12218.6", "S9100.0W12218.6", "N4700.0E18100.0", "N47O0.0W12218.6",
                           "N4700.0W122I8.6", "N4700.OW12218.6"}) {
    EnterOn(kCduPagePosInit, text, "4R");
    ExpectTaken(text, false);
  }
  EXPECT_EQ(irs_set_lat, 0.0);
}

// A typed position reads back as typed, to the tenth and to the second.
TEST_F(LatLonEntryTest, TypedPositionsReadBackAsTyped) {
  for (const auto& [text, shown] : {std::pair{"S3352.0E15112.0", "S33\xB0" "52.0 | E151\xB0" "12.0"},
                                    std::pair{"S3412.2E15012.2", "S34\xB0" "12.2 | E150\xB0" "12.2"}}) {
    EnterOn(kCduPageRefNavData, text, "1L");
    Paint();
    EXPECT_EQ(Row(2), shown);
  }
  std::string lat, lon;
  FormatLatLonDms(-(34.0 + 12.2 / 60.0), -(151.0 + 12.0 / 60.0), &lat, &lon, 1);  // the simulator plan's texts
  EXPECT_EQ(lat + " " + lon, "S34:12:12 E151:12:00");
}

// Past 99 the points count on with a third digit, each with a name of its own.
TEST_F(LatLonEntryTest, MadePointsPast99HaveNamesOfTheirOwn) {
  Legs({"KSEA", "WPT99", "SEA99", "KPDX"});
  for (const char* text : {"N4700.0W12200.0", "N4710.0W12200.0"}) EnterAt(text, "2L");
  for (int i = 0; i < 2; ++i) EnterAt("SEA090/10", "2L");
  PressAndPaint("HOLD");
  PressAndPaint("6R");
  std::vector<std::string> legs = ModIdents();
  legs.erase(std::remove(legs.begin(), legs.end(), "DISCO"), legs.end());
  std::sort(legs.begin(), legs.end());
  EXPECT_EQ(legs, (std::vector<std::string>{"KPDX", "KSEA", "SEA100", "SEA101", "SEA99", "WPT100", "WPT101", "WPT102",
                                            "WPT99"}));
}

}  // namespace
}  // namespace cdu_test
