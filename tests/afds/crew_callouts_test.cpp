#include "afds/crew_callouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_fixture.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

using Files = std::vector<std::string>;

class CrewTest : public SoundTest {
 protected:
  void Flaps(double deg) { host().SetToken(907, deg); }
};

// ---- take-off ----

class TakeoffTest : public CrewTest {
 protected:
  void SetUp() override {
    CrewTest::SetUp();
    v1 = 135;
    vr = 145;
    v2 = 150;
    to_callout_mode = 1;
    pfd_ias_trend = 0.5;
    Flaps(15.0);
  }
  // Accelerates to `kt` and runs enough ticks for any due callout and its delay.
  void At(double kt, int ticks = 30) {
    ias = kt;
    Tick(ticks);
  }
};

TEST_F(TakeoffTest, CallsTheSpeedsInTurnThenPositiveRateButNothingWhileDecelerating) {
  pfd_ias_trend = -0.2;
  At(100.0);
  EXPECT_TRUE(Started().empty());
  pfd_ias_trend = 0.5;
  At(70.0);
  EXPECT_TRUE(Started().empty());
  for (double kt : {80.0, 136.0, 146.0, 151.0}) At(kt);
  radio_height = 60.0;
  vert_speed = 1200.0;
  Tick(30);
  EXPECT_EQ(Started(), (Files{"80 kts.wav", "V1.wav", "Rotate.wav", "V2.wav", "Positive Rate, Gear Up.wav"}));
  EXPECT_EQ(to_callout_mode, 6);  // flaps 15: "Flaps 5" is due at 195 kt
}

// ---- landing checklist ----

TEST_F(CrewTest, LandingChecklistWaitsForEachAnswerAndFinishesAfter36Ticks) {
  ldg_checklist_mode = 1;
  ldg_flaps = 30;
  Tick(200);
  EXPECT_EQ(Started(), (Files{"Landing Checklist.wav", "SpeedbrakesQ.wav"}));
  host().SetToken(324, 1.0);  // speedbrake armed
  Tick(200);
  EXPECT_EQ(LastStarted(), "GearQ.wav");
  gear1_pos = gear2_pos = gear3_pos = 16383.0;
  Tick(200);
  EXPECT_EQ(LastStarted(), "FlapsQ.wav");
  Flaps(30.0);
  for (int i = 0; i < 200 && Starts("Landing Checklist Complete.wav") == 0; ++i) Tick(1);
  EXPECT_EQ(Started()[6], "Flaps 30.wav");
  EXPECT_EQ(ldg_checklist_mode, 9);
  Tick(36);
  EXPECT_EQ(ldg_checklist_mode, 10);
}

// ---- cabin announcements ----

class CabinTest : public CrewTest {
 protected:
  void SetUp() override {
    CrewTest::SetUp();
    play_announcements = 1;
    fp_cnt = 1;
  }
  void Cruise() {
    toc = 1;
    tod = 0;
    radio_height = 35000.0;
    host().SetToken(60, 0.0);
  }
};

TEST_F(CabinTest, ImmigrationOrCustomsByTheRoutesEnds) {
  const struct {
    const char* from;
    const char* to;
    const char* heard;  // "" = nothing
  } rows[] = {{"TJSJ", "LEMD", "Announce - Immigration.wav"}, {"EGLL", "KSEA", "Announce - CustomsInfo.wav"},
              {"KSEA", "KPDX", ""}};
  Cruise();
  dist_to_tod = 20.0;
  for (const auto& c : rows) {
    fms_fpln_act[0].ident = c.from;
    fms_fpln_act[1].ident = c.to;
    annuncement_mode = 8;
    const size_t before = Started().size();
    Tick(1);
    crew_callout_delay = 0;
    Tick(1);
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), std::string(c.heard)) << c.from << c.to;
    EXPECT_EQ(Started().size() - before, *c.heard ? 1u : 0u) << c.from << c.to;
    EXPECT_EQ(annuncement_mode, 10) << c.from << c.to;
    crew_callout_delay = 0;
  }
}

TEST_F(CabinTest, DescentApproachArrivalAndAfterLanding) {
  Cruise();
  tod = 1;
  annuncement_mode = 10;
  Tick(1);
  radio_height = 5000.0;
  flap_angle = 5.0;
  crew_callout_delay = 0;
  Tick(1);
  radio_height = 1500.0;
  flap_angle = 20.0;
  gear1_pos = 16383.0;
  crew_callout_delay = 0;
  Tick(1);
  host().SetToken(60, 1.0);
  radio_height = 0.0;
  ground_speed = 30.0;
  crew_callout_delay = 0;
  Tick(1);
  EXPECT_EQ(Started(), (Files{"Announce - Initial Descent.wav", "Announce - Final Approach.wav", "FA Arrival.wav",
                              "Announce - After Landing.wav"}));
  EXPECT_EQ(annuncement_mode, 14);
}

}  // namespace
