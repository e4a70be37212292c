#include "afds/panel_sounds.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/click_poller.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_fixture.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

using Files = std::vector<std::string>;

// ---- panel events ----

struct EventCase {
  int32_t code;
  const char* file;
  bool spool_group;
};

class PanelEventTest : public SoundTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(PanelEventTest, EachCodePlaysItsFileInItsGroup) {
  sound_event_code = GetParam().code;
  ProcSounds();
  EXPECT_EQ(LastStarted(), GetParam().file);
  EXPECT_EQ(sound_event_code, 0);
  directsound::DirectSoundBuffer8* b = GetParam().spool_group ? spool_buffer : event_buffer;
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->label(), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Codes, PanelEventTest,
                         ::testing::Values(EventCase{2, "OV Panel Click.wav", false},
                                           EventCase{3, "OV Push Button.wav", false},
                                           EventCase{6, "OV Switch Click.wav", false},
                                           EventCase{7, "RO757_StbyAttSpool.wav", true},
                                           EventCase{9, "DO757_RA Zudez OZ.wav", false},
                                           EventCase{10, "SpeedBrakes.wav", true},
                                           EventCase{11, "757Flaps.wav", false},
                                           EventCase{12, "RO757 Thrust-Lever-Idle.wav", false},
                                           EventCase{13, "RO757 Thrust-Lever-Cutoff.wav", false}));

TEST_F(SoundTest, UnknownCodeIsConsumedSilently) {
  sound_event_code = 5;
  ProcSounds();
  EXPECT_EQ(sound_event_code, 0);
  EXPECT_TRUE(Started().empty());
}

TEST_F(SoundTest, TheFollowUpPlaysOnTheNextCall) {
  sound_event_code = 3;
  sound_event_followup = 9;
  ProcSounds();
  EXPECT_EQ(Started(), Files{"OV Push Button.wav"});
  EXPECT_EQ(sound_event_code, 9);
  EXPECT_EQ(sound_event_followup, 0);
  ProcSounds();
  EXPECT_EQ(LastStarted(), "DO757_RA Zudez OZ.wav");
  EXPECT_EQ(sound_event_code, 0);
}

TEST_F(SoundTest, SpoolVolumeAboveHundredPlaysAtFull) {
  sound_event_code = 7;  // VolumeStbyAttSpool is 300 by default
  ProcSounds();
  int32_t v = -1;
  spool_buffer->GetVolume(&v);
  EXPECT_EQ(v, 0);
}

TEST_F(SoundTest, StandbyPowerSwitchedOffCutsTheSpoolShort) {
  sound_event_code = 7;
  ProcSounds();
  ASSERT_TRUE(Sounding(spool_buffer));
  stdby_power_switch = 1;
  server_phase = 3;  // a poller pass without the electrical pass
  host().SetNamed("stdby_power_switch_clicked", 1.0);
  PollClickedVars();
  EXPECT_EQ(stdby_power_switch, 0);
  EXPECT_EQ(spool_buffer, nullptr);
  EXPECT_EQ(Stops("RO757_StbyAttSpool.wav"), 1);
}

class EventLogTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    saved_cwd_ = cwd;
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
    LogFlightData = 1;
    OpenDebugLogIfEnabled();
    ASSERT_NE(log_file, nullptr);
  }
  void TearDown() override {
    ResetDebugLog();
    EXPECT_EQ(chdir(saved_cwd_.c_str()), 0);
    SoundTest::TearDown();
  }
  int Lines() {
    std::fflush(log_file);
    const std::string log = testing_support::ReadBytes(dir_ / "ze752_data.log");
    int n = 0;
    for (size_t at = 0; (at = log.find("play_sound_event()", at)) != std::string::npos; ++at) ++n;
    return n;
  }
  testing_support::TempDir dir_;
  std::string saved_cwd_;
};

TEST_F(EventLogTest, OnlyTheFlapHandleEventIsLogged) {
  sound_event_code = 2;
  ProcSounds();
  EXPECT_EQ(Lines(), 0);
  sound_event_code = 11;
  ProcSounds();
  EXPECT_EQ(Lines(), 1);
  const std::string log = testing_support::ReadBytes(dir_ / "ze752_data.log");
  EXPECT_NE(log.find("sound_event_code=11, soundfile=" + sim_root + "\\Orvantel\\Sounds\\757Flaps.wav"),
            std::string::npos);
}

// ---- chimes ----

TEST_F(SoundTest, ASecondWarningChimeWithinTheDelayIsDroppedACautionIsNot) {
  chime_code = 5;
  Tick(1);
  Tick(19);
  chime_code = 5;
  Tick(1);
  EXPECT_EQ(chime_code, 0);
  Tick(4);
  chime_code = 1;
  Tick(1);
  EXPECT_EQ(Started(), (Files{"757LEVELAWARN.wav", "757LEVELBWARN.wav"}));
}

TEST_F(SoundTest, SignChimeNeedsSomePower) {
  ac_power = 0;
  chime_code = 4;
  ProcSounds();
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(chime_code, 0);
  host().SetToken(364, 1.0);
  chime_code = 4;
  ProcSounds();
  EXPECT_EQ(Started(), Files{"757Sign.wav"});
}

// ---- spoiler rumble and HF static (the electrical pass runs on one frame in 18) ----

class SpoilerTest : public SoundTest {
 protected:
  void Spoilers(double pos) {
    host().SetToken(326, pos);
    host().SetToken(327, pos);
  }
  // n frames with the electrical pass on every 18th.
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      if (frame_++ % 18 == 0) UpdateSpoilerAndHfSounds();
      Tick(1);
    }
  }
  int frame_ = 0;
};

TEST_F(SpoilerTest, RumbleRepeatsWhileExtendedAndStopsAtOnceWhenRetracted) {
  ias = 250.0;
  Spoilers(5000.0);
  Frames(37);  // again on the first pass after its 25 ticks: frame 36
  EXPECT_EQ(Starts("OV Spoiler.wav"), 2);
  ASSERT_TRUE(Sounding(spoiler_buffer));
  Spoilers(0.0);
  UpdateSpoilerAndHfSounds();
  EXPECT_EQ(spoiler_buffer, nullptr);
  EXPECT_EQ(Stops("OV Spoiler.wav"), 1);
  EXPECT_EQ(spoiler_sound_last, 0);
  EXPECT_EQ(spoiler_sound_delay, 0);
}

TEST_F(SpoilerTest, NoRumbleBelow180Knots) {
  ias = 170.0;
  Spoilers(5000.0);
  Frames(40);
  EXPECT_TRUE(Started().empty());
}

TEST_F(SpoilerTest, StaticRepeatsWhileTheHfSwitchIsOnAndSpoilersTakeOver) {
  hf_comm_switch = 1;
  Frames(55);
  EXPECT_EQ(Starts("HF Static.wav"), 2);  // frame 0, then the first pass after 50 ticks: frame 54
  ias = 250.0;
  Spoilers(5000.0);
  UpdateSpoilerAndHfSounds();  // a pass while the static still sounds cuts it
  EXPECT_EQ(Stops("HF Static.wav"), 1);
  Tick(1);
  EXPECT_EQ(Starts("OV Spoiler.wav"), 0);  // the static's delay still runs
  Frames(72);
  EXPECT_GE(Starts("OV Spoiler.wav"), 1);
  EXPECT_EQ(Starts("HF Static.wav"), 2);
}

TEST_F(SpoilerTest, StaticStopsWhenTheSwitchGoesOff) {
  hf_comm_switch = 1;
  Frames(1);
  ASSERT_TRUE(Sounding(spoiler_buffer));
  hf_comm_switch = 0;
  UpdateSpoilerAndHfSounds();
  EXPECT_EQ(spoiler_buffer, nullptr);
  EXPECT_EQ(Stops("HF Static.wav"), 1);
}

// ---- loops ----

TEST_F(SoundTest, StandbyPowerSwapsTheBuzzForTheFansAndPacks) {
  UpdateEquipmentLoops();
  EXPECT_EQ(Started(), (Files{"Equipment Cooling.wav", "PacksOn.wav"}));
  ac_power = 1;
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on + packs_sound_on, 0);
  EXPECT_EQ(buzz_sound_on, 1);
  EXPECT_EQ(Stops("Equipment Cooling.wav") + Stops("PacksOn.wav"), 2);
  l_pack_reset = r_pack_reset = 0;
  ac_power = 5;
  UpdateEquipmentLoops();
  EXPECT_EQ(buzz_sound_on, 0);
  EXPECT_EQ(cooling_sound_on, 1);
  EXPECT_EQ(packs_sound_on, 0);  // no pack running
  Tick(100);
  EXPECT_TRUE(Sounding(cooling_buffer));  // loops do not end by themselves
}

TEST_F(SoundTest, LoopsStopWithTheSimulatorSoundAndItsSwitchOnlyKeepsThemFromStarting) {
  UpdateEquipmentLoops();
  PlayCoolingSounds = 0;
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on, 1);
  sim_sound_stopped = 1;
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on + packs_sound_on, 0);
  sim_sound_stopped = 0;
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on, 0);
  EXPECT_EQ(packs_sound_on, 1);
}

TEST_F(ScratchSoundTest, ALoopWhoseFileIsMissingCountsAsStarted) {
  UpdateEquipmentLoops();
  EXPECT_EQ(cooling_sound_on, 1);
  EXPECT_EQ(cooling_buffer, nullptr);
}

class GearDragTest : public SoundTest {
 protected:
  void Gear(double value, bool on_ground) {
    host().SetToken(332, value);
    host().SetToken(60, on_ground ? 1.0 : 0.0);
  }
  int32_t Volume() {
    int32_t v = 1;
    gear_drag_buffer->GetVolume(&v);
    return v;
  }
};

TEST_F(GearDragTest, RisesWithSpeedOnTheRollAndFollowsTheGearInTheAir) {
  Gear(16383.0, true);
  ias = 55.0;
  UpdateGearDragLoop();
  EXPECT_EQ(gear_drag_sound_on, 0);
  ias = 65.0;
  UpdateGearDragLoop();
  ASSERT_EQ(gear_drag_sound_on, 1);
  EXPECT_EQ(gear_drag_step, 10);
  EXPECT_EQ(Volume(), -2700);
  const std::vector<std::pair<double, int32_t>> roll = {{75, -2400}, {90, -1800}, {110, -1200}, {130, -600}, {150, 0}};
  for (auto [kt, volume] : roll) {
    ias = kt;
    UpdateGearDragLoop();
    EXPECT_EQ(Volume(), volume) << kt;
  }
  Gear(8000.0, false);
  UpdateGearDragLoop();
  EXPECT_EQ(gear_drag_step, 60);
  Gear(0.0, false);
  UpdateGearDragLoop();
  EXPECT_EQ(gear_drag_step, 60);  // retracted: the last step holds
  EXPECT_TRUE(Sounding(gear_drag_buffer));
  Gear(16383.0, true);
  ias = 50.0;
  UpdateGearDragLoop();
  EXPECT_EQ(gear_drag_sound_on, 0);
  EXPECT_EQ(gear_drag_step, 0);
  EXPECT_EQ(Stops("Gear Drag.wav"), 1);
}

TEST(GearDragVolume, StepsScaleTheSetting) {
  EXPECT_EQ(GearDragAttenuation(100, 10), -2700);
  EXPECT_EQ(GearDragAttenuation(100, 100), 0);
  EXPECT_EQ(GearDragAttenuation(55, 10), -2835);  // 100 - 5.5, times -30
  EXPECT_EQ(GearDragAttenuation(1, 100), -2970);
}

}  // namespace
