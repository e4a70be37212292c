#include <gtest/gtest.h>


#include "fmc/fmc_globals.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"
#include "systems_fixture.h"

namespace {

class Phase0Test : public systems_test::SystemsFixture {
 protected:
  void SetAltitude(double ft) { host_.SetExpression("(A:INDICATED ALTITUDE, feet)", ft); }
};

TEST_F(Phase0Test, AltitudeAlertFollowsAClimbThroughTheSelectedAltitude) {
  alt_sel_num = 10000;
  const struct {
    double alt;
    int32_t state;
  } steps[] = {{8000.0, 0}, {9200.0, 1}, {9990.0, 2}, {10200.0, 2}, {10400.0, 3}, {10250.0, 0}};
  for (const auto& s : steps) {
    SetAltitude(s.alt);
    RunToPhase0();
    EXPECT_EQ(alt_alert_state, s.state) << s.alt;
  }
}

TEST_F(Phase0Test, LocalizerAndGlideslopeCapture) {
  app_mode = 1;
  alt_hold_mode = 1;
  host_.SetToken(46, 0xC0);
  host_.SetToken(40, 10.0);
  host_.SetToken(41, 50.0);  // glideslope still far
  RunToPhase0();
  EXPECT_EQ(loc_capture, 1);
  EXPECT_EQ(gs_capture, 0);
  host_.SetToken(41, 10.0);
  RunToPhase0();
  EXPECT_EQ(gs_capture, 1);
  EXPECT_EQ(alt_hold_mode, 0);
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
  rwy.lat = 47.0;
  rwy.lon = -122.0;
  rwy.heading = 360.0;
  fms_dest_rwy_pos = c.runway;
  dest_dtg = 5.0;
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
