// The NAV RADIO and FIX INFO pages.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "cdu/cdu_fixture.h"
#include "navdb/nav_loader.h"
#include "sim/sim_globals.h"

namespace cdu_test {
namespace {

class NavRadioPageTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    host_.SetToken(24, 0x1680);  // 116.80
    host_.SetToken(27, 0x1350);  // 113.50
    host_.SetTokenText(47, "SEA");
    Press("NAV_RAD");
  }
  // VOR L receives a station whose bearing the simulator reports as `true_deg`.
  void Receive(double true_deg) {
    host_.SetToken(49, 1.0);
    host_.SetToken(25, std::fmod(true_deg + 180.0, 360.0) * 16384.0 / 360.0);
  }
  size_t TuneEvents() const { return host_.key_events().size(); }
};

TEST_F(NavRadioPageTest, IdentAndRadialShowOnlyWhileAStationIsReceived) {
  Paint();
  EXPECT_EQ(TextAt(88), "");
  Receive(356.0);
  Paint();
  EXPECT_EQ(Line(1).left, "116.80   SEA");
  for (const auto& [var, bearing, radial] : {std::tuple{-6.0, 355.0, "001"}, std::tuple{5.0, 2.0, "357"}}) {
    mag_var = var;
    Receive(bearing);
    Paint();
    EXPECT_EQ(TextAt(88), radial);  // folded into one turn
  }
}

// Only three digits, a point and one or two digits go out as a frequency; anything else is refused,
// and so is any entry while tuned by hand.
TEST_F(NavRadioPageTest, TuningEntryIsSentOnlyWhenWellFormed) {
  for (const auto& [entry, event_value] : {std::pair{"113.5", 0x11350}, std::pair{"113", 0}, std::pair{"113.505", 0},
                                           std::pair{"11.350", 0}, std::pair{"1A3.50", 0}}) {
    const size_t before = TuneEvents();
    EnterAt(entry, "1L");
    ExpectTaken(entry, event_value != 0);
    ASSERT_EQ(TuneEvents(), before + (event_value != 0 ? 1 : 0)) << entry;
    if (event_value != 0) {
      EXPECT_EQ(std::pair(host_.key_events().back().event_id, host_.key_events().back().value),
                std::pair(0x100ACu, event_value));
    }
  }
  const size_t before = TuneEvents();
  nav_radio_mode = 0;  // manual
  EnterAt("113.50", "1L");
  ExpectTaken("113.50", false, "MANUALLY TUNED");
  EXPECT_EQ(TuneEvents(), before);
}

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
// no word may pass its 9 characters or hold a letter for a digit.
TEST_F(FixInfoPageTest, PointEntryStoresTheEnteredPartsOrRefusesTheWholeEntry) {
  SetFix(1, "SEA");
  for (const auto& [entry, radial, distance] :
       {std::tuple{"000", 360.0, 50.0}, std::tuple{"/12.5", 100.0, 12.5}, std::tuple{"361", -1.0, 0.0},
        std::tuple{"/999", -1.0, 0.0}, std::tuple{"/1234567890", -1.0, 0.0}, std::tuple{"2OO/10", -1.0, 0.0},
        std::tuple{"200/1O", -1.0, 0.0}, std::tuple{"/1O", -1.0, 0.0}}) {
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
