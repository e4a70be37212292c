#include "afds/sound_engine.h"

#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_fixture.h"
#include "afds/sound_globals.h"
#include "frame/fsuipc_client.h"
#include "frame/tick_globals.h"
#include "state/config_globals.h"

namespace {

namespace ds = directsound;

// ---- .wav files ----

struct WavCase {
  const char* name;
  std::string bytes;
  int64_t buffer_bytes;  // -1: no buffer
};

std::string Replace(std::string s, size_t at, const std::string& with) { return s.replace(at, with.size(), with); }

const std::string kData(400, '\x90');
const std::string kGood = WavBytes(kData);

class WavFileTest : public ScratchSoundTest, public ::testing::WithParamInterface<WavCase> {};

TEST_P(WavFileTest, LoadsOnlyTheCanonicalHeaderAndNeverReadsPastTheFile) {
  WriteSound("t.wav", GetParam().bytes);
  ds::DirectSoundBuffer8* b = LoadWavBuffer(SoundFolderPath("t.wav"));
  if (GetParam().buffer_bytes < 0) {
    EXPECT_EQ(b, nullptr);
    return;
  }
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->size_bytes(), static_cast<uint32_t>(GetParam().buffer_bytes));
  EXPECT_EQ(b->data()[b->size_bytes() - 1], 0x90);  // filled to its end from the file
  b->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavFileTest,
    ::testing::Values(
        WavCase{"Canonical", kGood, 400},
        WavCase{"DataSizeBeyondTheFile", WavBytes(kData, 1, 8000, 8, 1000), 400},
        WavCase{"HugeDataSize", WavBytes(kData, 1, 8000, 8, 0xFFFFFFF0), 400},
        WavCase{"DataSizeShorterThanTheFile", WavBytes(kData, 1, 8000, 8, 100), 100},
        WavCase{"NotRiff", Replace(kGood, 0, "RIFX"), -1},
        WavCase{"NoFmt", Replace(kGood, 12, "junk"), -1}, WavCase{"NoDataAt36", Replace(kGood, 36, "LIST"), -1},
        // A longer fmt chunk moves "data" away from byte 36.
        WavCase{"LongFmtChunk", Replace(kGood, 16, std::string("\x12\0\0\0", 4)).insert(36, std::string(2, '\0')), -1},
        WavCase{"ShorterThanAHeader", kGood.substr(0, 43), -1}, WavCase{"NoData", WavBytes(""), -1},
        WavCase{"UnplayableFormat", WavBytes(kData, 1, 8000, 12), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScratchSoundTest, MissingFileAndOverlongPathGiveNoBuffer) {
  EXPECT_EQ(LoadWavBuffer(SoundFolderPath("none.wav")), nullptr);
  const std::string name = std::string(300, 'a') + ".wav";
  WriteSound("x.wav", kGood);
  EXPECT_EQ(LoadWavBuffer(SoundFolderPath(name.c_str())), nullptr);
}

// ---- volumes ----

TEST(VolumeMapping, HundredIsFullAndEachStepIsThirtyHundredthsOfADecibelWithoutOverflow) {
  EXPECT_EQ(VolumeAttenuation(100), 0);
  EXPECT_EQ(VolumeAttenuation(1), -2970);
  EXPECT_EQ(VolumeAttenuation(300), 6000);
  EXPECT_EQ(VolumeAttenuation(2147483647), 2147483647);
}

// ---- buffer lifetime ----

class BufferLifetimeTest : public SoundTest {
 protected:
  // Two "Pull Up" plays in a row: the second replaces the first while it still sounds.
  void PullUpTwice() {
    radio_height = 2400.0;
    vert_speed = -6000.0;
    ProcSounds();
    first_ = gpws_buffer;
    gpws_sound_delay = 0;  // as if the delay had run out at once
    ProcSounds();
  }
  ds::DirectSoundBuffer8* first_ = nullptr;
};

TEST_F(BufferLifetimeTest, AReplacedBufferSoundsOnAndIsReleasedAtTheGroupsNextPlayOnceItHasEnded) {
  PullUpTwice();
  EXPECT_NE(gpws_buffer, first_);
  EXPECT_TRUE(Sounding(first_));
  EXPECT_EQ(Stops("Pull Up.wav"), 0);
  ASSERT_EQ(RetiredSoundBufferCount(), 1);
  const int alive = dsound->mixer().buffer_count();
  Tick(54);  // both have ended and the delay has run out: the next play sweeps
  EXPECT_EQ(RetiredSoundBufferCount(), 0);
  EXPECT_EQ(dsound->mixer().buffer_count(), alive - 1);
  EXPECT_EQ(host().sound().Count(host::kSoundEnded, "Pull Up.wav"), 2);
}

TEST_F(BufferLifetimeTest, StoppingAGroupAndShutdownReleaseTheirBuffers) {
  PullUpTwice();
  sound_event_code = 7;
  ProcSounds();
  const int alive = dsound->mixer().buffer_count();
  StopGroupSound(SoundGroup::kSpool);
  EXPECT_EQ(spool_buffer, nullptr);
  EXPECT_EQ(dsound->mixer().buffer_count(), alive - 1);
  EXPECT_EQ(Stops("RO757_StbyAttSpool.wav"), 1);
  ReleaseAllSoundBuffers();  // sounding or not
  EXPECT_EQ(dsound->mixer().buffer_count(), 0);
  EXPECT_EQ(gpws_buffer, nullptr);
  EXPECT_EQ(RetiredSoundBufferCount(), 0);
}

// ---- dispatcher gates ----

TEST_F(SoundTest, WithCockpitSoundsOffRequestsWaitAndPlayWhenTheyComeBack) {
  PlayCockpitSounds = 0;
  sound_event_code = 2;
  chime_code = 1;
  spoiler_sound_request = 8;
  radio_height = 2400.0;
  vert_speed = -6000.0;
  ProcSounds();
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(sound_event_code, 2);
  EXPECT_EQ(chime_code, 1);
  EXPECT_EQ(spoiler_sound_request, 8);
  PlayCockpitSounds = 1;
  ProcSounds();
  EXPECT_EQ(Started(), (std::vector<std::string>{"Pull Up.wav", "OV Panel Click.wav", "757LEVELBWARN.wav",
                                                  "HF Static.wav"}));
}

TEST_F(ScratchSoundTest, AMissingFileStillConsumesTheRequestAndSetsTheDelay) {
  radio_height = 2400.0;
  vert_speed = -6000.0;
  sound_event_code = 2;
  ProcSounds();
  EXPECT_EQ(gpws_sound_delay, 54);
  EXPECT_EQ(gpws_buffer, nullptr);
  EXPECT_EQ(sound_event_code, 0);
  EXPECT_TRUE(Started().empty());
}

// Whole SERVER frames: once at the first frame, again when the 54-tick delay has run out; without
// a device no player runs and the requests stay.
TEST(ServerSoundRun, ThePlayersRunOncePerFrameOnlyWithADevice) {
  for (bool device_fails : {false, true}) {
    ResetModuleState();
    simhost::Host sim;
    sim.Attach(&ImportTable, &Linkage);
    sim.set_current_directory(std::string(RO757_SOURCE_DIR) + "/examples/sim");
    sim.set_sound_device_fails(device_fails);
    ModuleInit();
    ASSERT_EQ(sound_available, device_fails ? 0 : 1);
    ASSERT_NE(sim.CreateInstance("SERVER", ""), nullptr);
    sim.SetToken(614, 2409.0 / 3.2808399);  // 2400 ft once the 9 ft are taken off
    sim.SetToken(65, -6000.0 * 1.30048);
    sound_event_code = 2;
    for (int i = 0; i < 55; ++i) sim.RunFrame();
    EXPECT_EQ(sim.sound().Count(host::kSoundStarted, "Pull Up.wav"), device_fails ? 0 : 2);
    EXPECT_EQ(sim.sound().log().empty(), device_fails);
    EXPECT_EQ(sound_event_code, device_fails ? 2 : 0);
    ModuleDeinit();
  }
}

}  // namespace
