#include "afds/panel_sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/click_poller.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_dispatch.h"
#include "afds/sound_fixture.h"
#include "sim/tick_globals.h"
#include "sim/fsuipc_client.h"
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
  EXPECT_EQ(std::tuple(spool_buffer, Stops("RO757_StbyAttSpool.wav")), std::tuple(nullptr, 1));
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
  EXPECT_EQ(std::tuple(spoiler_buffer, Stops("OV Spoiler.wav")), std::tuple(nullptr, 1));
  EXPECT_EQ(spoiler_sound_last + spoiler_sound_delay, 0);
}

// With the HF switch on, the static plays and waits 50 ticks before it may play again.
TEST_F(SpoilerTest, HfStaticRepeatsAfterItsDelay) {
  hf_comm_switch = 1;
  Frames(1);
  EXPECT_EQ(std::tuple(Starts("HF Static.wav"), spoiler_sound_delay), std::tuple(1, 50));
  Frames(71);
  EXPECT_EQ(Starts("HF Static.wav"), 2);
}

// Spoilers in only after the rumble's delay has run out: the static comes back on the next pass.
TEST_F(SpoilerTest, HfStaticSoundsAgainAfterARumble) {
  hf_comm_switch = 1;
  ias = 250.0;
  Spoilers(5000.0);
  Frames(30);  // rumble on the first pass; its 25 ticks end before the third
  ASSERT_EQ(std::tuple(Starts("OV Spoiler.wav"), Starts("HF Static.wav")), std::tuple(1, 0));
  Spoilers(0.0);
  Frames(7);
  EXPECT_EQ(LastStarted(), "HF Static.wav");
}

// ---- loops ----

// Cooling runs on AC, the packs' loop on AC with a pack running, the speaker buzz on standby power
// alone; each stops when its condition goes and all stop with the simulator's sound.
TEST_F(SoundTest, EquipmentLoopsFollowThePowerAndThePacks) {
  const struct {
    int32_t ac, l_pack, l_reset, r_pack, r_reset, stopped;
    int32_t cooling, packs, buzz;
  } rows[] = {{3, 0, 0, 0, 0, 0, 1, 0, 0}, {3, 1, 2, 0, 0, 0, 1, 1, 0}, {3, 0, 0, 1, 2, 0, 1, 1, 0},
              {3, 1, 1, 0, 2, 0, 1, 0, 0}, {1, 1, 2, 1, 2, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0},
              {2, 0, 0, 1, 2, 0, 1, 1, 0}};
  for (const auto& r : rows) {
    for (bool stop : {false, true}) {
      std::tie(ac_power, l_pack_switch, l_pack_reset, r_pack_switch) = std::tuple(r.ac, r.l_pack, r.l_reset, r.r_pack);
      std::tie(r_pack_reset, sim_sound_stopped) = std::tuple(r.r_reset, 0);
      UpdateEquipmentLoops();
      UpdateEquipmentLoops();  // a second pass keeps what the first started
      if (stop) {
        sim_sound_stopped = 1;
        UpdateEquipmentLoops();
      }
      const int32_t on = stop ? 0 : 1;
      EXPECT_EQ(cooling_sound_on, r.cooling * on) << r.ac << r.l_pack << r.l_reset << r.r_pack << r.r_reset << stop;
      EXPECT_EQ(packs_sound_on, r.packs * on) << r.ac << r.l_pack << r.l_reset << r.r_pack << r.r_reset << stop;
      EXPECT_EQ(buzz_sound_on, r.buzz * on) << r.ac << stop;
    }
  }
}

TEST_F(ScratchSoundTest, ALoopWhoseFileIsMissingCountsAsStarted) {
  UpdateEquipmentLoops();
  EXPECT_EQ(std::tuple(cooling_sound_on, cooling_buffer), std::tuple(1, nullptr));
}

}  // namespace
