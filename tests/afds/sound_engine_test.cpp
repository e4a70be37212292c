#include "afds/sound_engine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_dispatch.h"
#include "afds/sound_fixture.h"
#include "afds/sound_globals.h"
#include "platform/winfile.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

namespace ds = directsound;

// ---- .wav files ----

// The buffer takes the smaller of the stated data size and the bytes after the header.
TEST_F(ScratchSoundTest, WavLoadsOnlyTheCanonicalHeaderAndNeverReadsPastTheFile) {
  const std::string data(400, '\x90'), good = WavBytes(data);
  const struct {
    std::string bytes;
    int64_t buffer_bytes;  // -1: no buffer
  } rows[] = {{good, 400}, {WavBytes(data, 1, 8000, 8, 1000), 400}, {WavBytes(data, 1, 8000, 8, 0xFFFFFFF0), 400},
              {WavBytes(data, 1, 8000, 8, 100), 100}, {good.substr(0, 43), -1}};
  for (const auto& r : rows) {
    WriteSound("t.wav", r.bytes);
    ds::DirectSoundBuffer8* b = LoadWavBuffer(SoundFolderPath("t.wav"));
    if (r.buffer_bytes < 0) {
      EXPECT_EQ(b, nullptr);
      continue;
    }
    ASSERT_NE(b, nullptr) << r.bytes.size();
    EXPECT_EQ(b->size_bytes(), static_cast<uint32_t>(r.buffer_bytes));
    EXPECT_EQ(b->data()[b->size_bytes() - 1], 0x90);  // filled to its end from the file
    b->Release();
  }
  // A file shorter than the buffer (one that shrank after its header was read) leaves silence behind it.
  WriteSound("t.wav", good);
  ds::DirectSoundBuffer8* b = LoadWavBuffer(SoundFolderPath("t.wav"));
  WriteSound("short.raw", std::string(100, '\x11'));
  FILE* f = platform::OpenFile(SoundFolderPath("short.raw"), "rb");
  ASSERT_TRUE(b != nullptr && f != nullptr);
  EXPECT_EQ(FillSoundBuffer(b, 0, f, b->size_bytes()), 1);
  EXPECT_EQ(std::tuple(b->data()[99], b->data()[100], b->data()[399]), std::tuple(0x11, 0x80, 0x80));
  std::fclose(f);
  b->Release();
  const std::string overlong = std::string(300, 'a') + ".wav";
  EXPECT_EQ(LoadWavBuffer(SoundFolderPath(overlong.c_str())), nullptr);
}

// ---- volumes ----

TEST(VolumeMapping, HundredIsFullAndEachStepIsThirtyHundredthsOfADecibelWithoutOverflow) {
  EXPECT_EQ(VolumeAttenuation(100), 0);
  EXPECT_EQ(VolumeAttenuation(1), -2970);
  EXPECT_EQ(VolumeAttenuation(300), 6000);
  EXPECT_EQ(VolumeAttenuation(2147483647), 2147483647);
}

// ---- buffer lifetime ----

// Two "Pull Up" plays in a row: the second replaces the first while it still sounds.
TEST_F(SoundTest, ReplacedBuffersSoundOnAndAreReleasedOnceEndedStoppedOrAtShutdown) {
  std::tie(radio_height, vert_speed) = std::tuple(2400.0, -6000.0);
  ProcSounds();
  ds::DirectSoundBuffer8* first = gpws_buffer;
  gpws_sound_delay = 0;  // as if the delay had run out at once
  ProcSounds();
  EXPECT_NE(gpws_buffer, first);
  EXPECT_TRUE(Sounding(first));
  EXPECT_EQ(Stops("Pull Up.wav"), 0);
  ASSERT_EQ(RetiredSoundBufferCount(), 1);
  int alive = dsound->mixer().buffer_count();
  Tick(54);  // both have ended and the delay has run out: the next play sweeps
  EXPECT_EQ(std::tuple(RetiredSoundBufferCount(), dsound->mixer().buffer_count()), std::tuple(0, alive - 1));
  EXPECT_EQ(host().sound().Count(host::kSoundEnded, "Pull Up.wav"), 2);
  gpws_sound_delay = 0;
  ProcSounds();  // retires the third while it sounds
  sound_event_code = 7;
  ProcSounds();
  alive = dsound->mixer().buffer_count();
  StopGroupSound(SoundGroup::kSpool);
  EXPECT_EQ(std::tuple(spool_buffer, dsound->mixer().buffer_count()), std::tuple(nullptr, alive - 1));
  EXPECT_EQ(Stops("RO757_StbyAttSpool.wav"), 1);
  ASSERT_EQ(RetiredSoundBufferCount(), 1);
  ReleaseAllSoundBuffers();  // sounding or not
  EXPECT_EQ(std::tuple(dsound->mixer().buffer_count(), gpws_buffer), std::tuple(0, nullptr));
  EXPECT_EQ(RetiredSoundBufferCount(), 0);
}

// ---- dispatcher gates ----

// A loop is mixed pass by pass, not all at the next sound: the host's track keeps up with the clock
// while nothing else plays.
TEST_F(SoundTest, ALoopIsMixedPassByPass) {
  PlayGroupSound(SoundGroup::kCooling, "Equipment Cooling.wav", 0, true);
  Tick(36);
  EXPECT_EQ(host().sound().samples().size(), 36u * 1225u);
}

TEST_F(SoundTest, WithCockpitSoundsOffRequestsWaitAndPlayWhenTheyComeBack) {
  std::tie(PlayCockpitSounds, sound_event_code, chime_code, spoiler_sound_request) = std::tuple(0, 2, 1, 8);
  std::tie(radio_height, vert_speed) = std::tuple(2400.0, -6000.0);
  ProcSounds();
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(std::tuple(sound_event_code, chime_code, spoiler_sound_request), std::tuple(2, 1, 8));
  PlayCockpitSounds = 1;
  ProcSounds();
  EXPECT_EQ(Started(), (std::vector<std::string>{"Pull Up.wav", "OV Panel Click.wav", "757LEVELBWARN.wav",
                                                  "HF Static.wav"}));
}

TEST_F(ScratchSoundTest, AMissingFileStillConsumesTheRequestAndSetsTheDelay) {
  std::tie(radio_height, vert_speed, sound_event_code) = std::tuple(2400.0, -6000.0, 2);
  ProcSounds();
  EXPECT_EQ(std::tuple(gpws_sound_delay, gpws_buffer, sound_event_code), std::tuple(54, nullptr, 0));
  EXPECT_TRUE(Started().empty());
}

}  // namespace
