#include "afds/panel_sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/click_poller.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_dispatch.h"
#include "afds/sound_fixture.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using Files = std::vector<std::string>;

// ---- panel events ----

TEST_F(SoundTest, StandbyPowerSwitchedOffCutsTheSpoolShort) {
  sound_event_code = 7;
  ProcSounds();
  ASSERT_TRUE(Sounding(spool_buffer));
  stdby_power_switch = 1;
  server_phase = 3;  // a poller pass without the electrical pass
  host().SetNamed("stdby_power_switch_clicked", 1.0);
  PollClickedVars();
  EXPECT_EQ(spool_buffer, nullptr);
  EXPECT_EQ(Stops("RO757_StbyAttSpool.wav"), 1);
}

// ---- chimes ----

TEST_F(SoundTest, ASecondWarningChimeWithinTheDelayIsDroppedACautionIsNot) {
  chime_code = 5;
  Tick(20);
  chime_code = 5;
  Tick(1);
  EXPECT_EQ(chime_code, 0);
  Tick(4);
  chime_code = 1;
  Tick(1);
  EXPECT_EQ(Started(), (Files{"757LEVELAWARN.wav", "757LEVELBWARN.wav"}));
}

// ---- spoiler rumble and HF static (the electrical pass runs on one frame in 18) ----

class SpoilerTest : public SoundTest {
 protected:
  void Spoilers(double pos) {
    host().SetToken(326, pos);
    host().SetToken(327, pos);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      if (frame_++ % 18 == 0) UpdateSpoilerAndHfSounds();
      Tick(1);
    }
  }
  int frame_ = 0;
};

TEST_F(SpoilerTest, RumbleAbove180KnotsRepeatsWhileExtendedAndStopsAtOnceWhenRetracted) {
  ias = 170.0;
  Spoilers(5000.0);
  Frames(18);
  EXPECT_TRUE(Started().empty());
  ias = 250.0;
  Frames(37);  // again on the first pass after its 25 ticks
  EXPECT_EQ(Starts("OV Spoiler.wav"), 2);
  ASSERT_TRUE(Sounding(spoiler_buffer));
  Spoilers(0.0);
  UpdateSpoilerAndHfSounds();
  EXPECT_EQ(spoiler_buffer, nullptr);
  EXPECT_EQ(Stops("OV Spoiler.wav"), 1);
  EXPECT_EQ(spoiler_sound_last + spoiler_sound_delay, 0);
}

// ---- loops ----

TEST_F(ScratchSoundTest, ALoopWhoseFileIsMissingCountsAsStarted) {
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on, 1);
  EXPECT_EQ(cooling_buffer, nullptr);
}

}  // namespace
