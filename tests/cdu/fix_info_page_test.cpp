#include <gtest/gtest.h>

#include <tuple>

#include "cdu/cdu_fixture.h"
#include "sim/sim_globals.h"
#include "navdb/nav_loader.h"

namespace cdu_test {
namespace {

class FixInfoPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    sim_root = RO757_SOURCE_DIR "/examples/sim";
    LoadNavDatabase();
    Press("FIX");
  }
  // A fix on row n at 47 N 122 W, with the aircraft 30 NM south of it.
  static void SetFix(int n, const char* ident) {
    fix_info[n] = FixInfoEntry{};
    std::tie(fix_info[n].ident, fix_info[n].lat, fix_info[n].lon) = std::tuple(ident, 47.0, -122.0);
    std::tie(plane_lat, plane_lon) = std::tuple(46.5, -122.0);
  }
};

TEST_F(FixInfoPageTest, FixShowsTheAircraftRadialAndEachPointsEtaAndDistanceToGo) {
  SetFix(1, "SEA");
  // Point 1 10 NM north of the fix: 40 NM to go, 7.5 minutes; point 2 has no radial: no ETA.
  std::tie(fix_info[1].radial1, fix_info[1].distance1, fix_info[1].distance2) = std::tuple(360.0, 10.0, 25.0);
  std::tie(ground_speed, zulu_hour, zulu_min) = std::tuple(320.0, 23.0, 50.0);
  Paint();
  EXPECT_EQ(Line(1).left + "|" + TextAt(88) + "|" + TextAt(130), "SEA 180/ 30.0|360 10.0 2357Z 40.0|--- 25.0");
  ground_speed = 75.0;
  Paint();
  EXPECT_EQ(TextAt(88), "360 10.0");
}

TEST_F(FixInfoPageTest, FixEntryTakesTheFirstMatchAndClearsOnlyThisRowsPoints) {
  SetFix(1, "OLD");
  fix_info[1].radial1 = 90.0;
  SetFix(2, "OLM");
  fix_info[2].radial1 = 45.0;
  EnterAt("ZZZZZ", "1L");
  ExpectTaken("ZZZZZ", false, "NOT IN DATABASE");
  EXPECT_EQ(fix_info[1].ident, "OLD");
  EnterAt("SEA", "1L");
  EXPECT_EQ(std::tuple(fix_info[1].ident, fix_info[1].lat, fix_info[1].radial1, fix_info[2].radial1),
            std::tuple("SEA", 47.4354, 0.0, 45.0));
}

TEST_F(FixInfoPageTest, DeleteEmptiesAPointPairOrTheFixOfThisPageOnly) {
  SetFix(1, "SEA");
  fix_info[1].distance2 = 12.0;
  SetFix(2, "OLM");
  PressAndPaint("DEL 3L");
  EXPECT_EQ(fix_info[1].distance2, 0.0);
  PressAndPaint("DEL 1L");
  EXPECT_EQ(fix_info[1].ident + "|" + fix_info[2].ident, "|OLM");
  EnterAt("090/10", "2L");  // points need a fix
  EXPECT_EQ(std::pair(cdu_scratchpad, fix_info[1].radial1), std::pair(std::string("090/10"), 0.0));
}

// Entries at 2L onto a pair that holds radial 100 and distance 50; a refusal changes neither, and
// no word may pass its 9 characters.
TEST_F(FixInfoPageTest, PointEntryStoresTheEnteredPartsOrRefusesTheWholeEntry) {
  SetFix(1, "SEA");
  for (const auto& [entry, radial, distance] :
       {std::tuple{"000", 360.0, 50.0}, std::tuple{"/12.5", 100.0, 12.5}, std::tuple{"361", -1.0, 0.0},
        std::tuple{"/999", -1.0, 0.0}, std::tuple{"/1234567890", -1.0, 0.0}}) {
    fix_info[1].radial1 = 100.0;
    fix_info[1].distance1 = 50.0;
    EnterAt(entry, "2L");
    const bool refused = radial < 0.0;
    ExpectTaken(entry, !refused);
    EXPECT_EQ(std::pair(fix_info[1].radial1, fix_info[1].distance1),
              std::pair(refused ? 100.0 : radial, refused ? 50.0 : distance)) << entry;
  }
}

}  // namespace
}  // namespace cdu_test
