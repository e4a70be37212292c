// Latitude/longitude entries: the names of the points they make.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
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
