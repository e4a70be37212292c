#include <gtest/gtest.h>

#include <tuple>


#include "afds/phase0.h"
#include "fmc/fmc_globals.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"
#include "systems_fixture.h"

namespace {

using Phase0Test = systems_test::SystemsFixture;

// The alert arms within 900 ft of the selected altitude above 950 ft with the gear up, captures
// within 25 ft, sounds once more than 300 ft off and ends back within 300 ft or past 900 ft; a
// lowered gear ends it in every state. Selected altitude 10000 ft.
TEST_F(Phase0Test, AltitudeAlertStatesAndTheirBounds) {
  const struct {
    int32_t from;
    double alt, gear_lever, nose_gear;
    int32_t to;
  } rows[] = {{0, 9101, 0, 0, 1},     {0, 9100, 0, 0, 0},     {0, 10899, 0, 0, 1},    {0, 10900, 0, 0, 0},
              {0, 9500, 1, 0, 0},     {1, 9976, 0, 0, 2},     {1, 9975, 0, 0, 1},     {1, 10024, 0, 0, 2},
              {1, 10025, 0, 0, 1},    {1, 9976, 0, 16001, 0}, {1, 9976, 1, 0, 0},     {2, 9700, 0, 0, 2},
              {2, 9699, 0, 0, 3},     {2, 10300, 0, 0, 2},    {2, 10301, 0, 0, 3},    {2, 10000, 0, 16001, 0},
              {3, 9701, 0, 0, 0},     {3, 9700, 0, 0, 3},     {3, 10299, 0, 0, 0},    {3, 10300, 0, 0, 3},
              {3, 9099, 0, 0, 0},     {3, 9100, 0, 0, 3},     {3, 10901, 0, 0, 0},    {3, 10900, 0, 0, 3},
              {3, 9500, 0, 16001, 0}};
  std::tie(alt_sel_num, server_phase) = std::tuple(10000, 0);
  for (const auto& r : rows) {
    std::tie(alt_alert_state, plane_alt) = std::tuple(r.from, r.alt);
    host_.SetToken(332, r.gear_lever);
    gear1_pos = r.nose_gear;
    RunPhase0Housekeeping();
    EXPECT_EQ(alt_alert_state, r.to) << r.from << " " << r.alt << " " << r.gear_lever << " " << r.nose_gear;
  }
}

TEST_F(Phase0Test, LocalizerAndGlideslopeCapture) {
  std::tie(app_mode, alt_hold_mode) = std::tuple(1, 1);
  host_.SetToken(46, 0xC0);
  host_.SetToken(40, 10.0);
  host_.SetToken(41, 50.0);  // glideslope still far
  RunToPhase0();
  EXPECT_EQ(std::tuple(loc_capture, gs_capture), std::tuple(1, 0));
  host_.SetToken(41, 10.0);
  RunToPhase0();
  EXPECT_EQ(std::tuple(gs_capture, alt_hold_mode), std::tuple(1, 0));
}

// The NAV source takes over from the heading mode once it has captured a course: a needle within
// the window, from a station received (with none the needle rests at the centre).
TEST_F(Phase0Test, NavSourceTakesOverOnlyAReceivedCourse) {
  host_.SetToken(103, 1.0);  // CMD, high above the ground
  host_.SetToken(614, 1000.0);
  std::tie(nav_button, hdg_sel_mode) = std::tuple(1, 1);
  host_.SetToken(40, 0.0);
  RunToPhase0();
  EXPECT_EQ(hdg_sel_mode, 1);
  host_.SetToken(49, 1.0);
  RunToPhase0();
  EXPECT_EQ(hdg_sel_mode, 0);
}

struct FinalCase {
  const char* label;
  int32_t runway;
  double lat;  // aircraft on the runway's extended centreline south of it
  int32_t mode_after;
};

void PrintTo(const FinalCase& c, std::ostream* os) { *os << c.label; }

class LandingChecklistArming : public Phase0Test, public ::testing::WithParamInterface<FinalCase> {};

TEST_P(LandingChecklistArming, ArmsWithinFiveMilesLinedUpWithTheSelectedRunway) {
  const FinalCase& c = GetParam();
  ldg_checklist = 1;
  host_.SetNamed("ldg_checklist", 1.0);
  RunwayRecord& rwy = airport_recs[2].runways[1];
  std::tie(rwy.lat, rwy.lon, rwy.heading, fms_dest_rwy_pos, dest_dtg) = std::tuple(47.0, -122.0, 360.0, c.runway, 5.0);
  host_.SetToken(71, c.lat * 111130.555557);
  host_.SetToken(72, (360.0 - 122.0) * 781874935307.4);
  host_.SetToken(614, (1000.0 + 9.0) / 3.2808399);
  RunToPhase0();
  EXPECT_EQ(ldg_checklist_mode, c.mode_after);
}

INSTANTIATE_TEST_SUITE_P(Cases, LandingChecklistArming,
                         ::testing::Values(FinalCase{"FourMilesOut", 1, 47.0 - 4.0 / 60.0, 1},
                                           FinalCase{"SixMilesOut", 1, 47.0 - 6.0 / 60.0, 0},
                                           FinalCase{"NoRunwaySelected", 0, 47.0 - 4.0 / 60.0, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
