// The DirectSound-like device on its own: buffer creation, lock regions, volume, play state with
// simulated time, and what reaches the host (log and mixed track).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

#include "host/host.h"
#include "platform/dsound.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

namespace {

namespace ds = directsound;

class SoundDeviceTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    ASSERT_EQ(ds::DirectSoundCreate8(nullptr, &device_, nullptr), ds::kOk);
  }
  void TearDown() override {
    if (device_ != nullptr) device_->Release();
  }

  // A buffer of `bytes` in 8-bit mono at `rate`, every byte `fill`.
  ds::DirectSoundBuffer* Make(uint32_t bytes, uint32_t rate = 22050, uint8_t fill = 0xC0) {
    ds::WaveFormat f{ds::kFormatPcm, 1, rate, rate, 1, 8, 0};
    ds::BufferDescription d{ds::kBufferDescriptionSize, ds::kBufferCtrlVolume, bytes, 0, &f, ds::kNullGuid};
    ds::DirectSoundBuffer* b = nullptr;
    EXPECT_EQ(device_->CreateSoundBuffer(&d, &b, nullptr), ds::kOk);
    if (b == nullptr) return nullptr;
    void* p1;
    void* p2;
    uint32_t n1, n2;
    EXPECT_EQ(b->Lock(0, bytes, &p1, &n1, &p2, &n2, 0), ds::kOk);
    std::memset(p1, fill, n1);
    b->Unlock(p1, n1, p2, n2);
    b->SetLabel("tone.wav");
    return b;
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) host_.RunFrame();
  }
  static bool Playing(ds::DirectSoundBuffer* b) {
    uint32_t s = 0;
    b->GetStatus(&s);
    return (s & ds::kStatusPlaying) != 0;
  }

  ds::DirectSound8* device_ = nullptr;
};

struct FormatCase {
  uint16_t tag, channels;
  uint32_t rate;
  uint16_t bits;
  uint32_t bytes;
  int32_t expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << "tag " << c.tag << ", " << c.channels << " channels, " << c.rate << " Hz, " << c.bits << " bits, " << c.bytes
      << " bytes";
}

class SoundFormatTest : public SoundDeviceTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(SoundFormatTest, CreationAcceptsOnlyPlayablePcm) {
  const FormatCase& c = GetParam();
  const uint16_t block = static_cast<uint16_t>(c.channels * (c.bits / 8));
  ds::WaveFormat f{c.tag, c.channels, c.rate, block * c.rate, block, c.bits, 0};
  ds::BufferDescription d{ds::kBufferDescriptionSize, ds::kBufferCtrlVolume, c.bytes, 0, &f, ds::kNullGuid};
  ds::DirectSoundBuffer* b = reinterpret_cast<ds::DirectSoundBuffer*>(&d);  // must be overwritten
  EXPECT_EQ(device_->CreateSoundBuffer(&d, &b, nullptr), c.expected);
  EXPECT_EQ(b != nullptr, c.expected == ds::kOk);
  if (b != nullptr) b->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SoundFormatTest,
    ::testing::Values(FormatCase{1, 1, 8000, 8, 100, ds::kOk}, FormatCase{1, 2, 44100, 16, 400, ds::kOk},
                      FormatCase{3, 1, 8000, 8, 100, ds::kErrBadFormat},   // not PCM
                      FormatCase{1, 3, 8000, 8, 100, ds::kErrBadFormat},   // three channels
                      FormatCase{1, 1, 50, 8, 100, ds::kErrBadFormat},     // rate below 100
                      FormatCase{1, 1, 8000, 8, 3, ds::kErrInvalidParam},  // too small
                      FormatCase{1, 1, 8000, 8, 0x10000000, ds::kErrInvalidParam}));

// A description of another size, one asking for the primary buffer or one without a format is
// refused before its format is looked at; so is a query without a place for the answer.
TEST_F(SoundDeviceTest, MalformedDescriptionsAndQueriesAreRefused) {
  ds::WaveFormat f{ds::kFormatPcm, 1, 8000, 8000, 1, 8, 0};
  const ds::BufferDescription cases[] = {{12, 0, 100, 0, &f, ds::kNullGuid},
                                         {ds::kBufferDescriptionSize, ds::kBufferPrimary, 100, 0, &f, ds::kNullGuid},
                                         {ds::kBufferDescriptionSize, 0, 100, 0, nullptr, ds::kNullGuid}};
  for (const ds::BufferDescription& d : cases) {
    ds::DirectSoundBuffer* b = nullptr;
    EXPECT_EQ(device_->CreateSoundBuffer(&d, &b, nullptr), ds::kErrInvalidParam) << d.size << " " << d.flags;
    EXPECT_EQ(b, nullptr);
  }
  ds::DirectSoundBuffer* b = Make(100);
  EXPECT_EQ(b->QueryInterface(ds::kIidDirectSoundBuffer8, nullptr), ds::kErrInvalidParam);
  EXPECT_EQ(b->Play(1, 0, 0), ds::kErrInvalidParam);
  EXPECT_FALSE(Playing(b));
  b->Release();
}

TEST_F(SoundDeviceTest, LockPastTheEndWrapsToTheStart) {
  ds::DirectSoundBuffer* b = Make(100);
  void* p1;
  void* p2;
  uint32_t n1, n2;
  ASSERT_EQ(b->Lock(80, 50, &p1, &n1, &p2, &n2, 0), ds::kOk);
  EXPECT_EQ(n1, 20u);
  EXPECT_EQ(n2, 30u);
  EXPECT_EQ(static_cast<uint8_t*>(p1) - static_cast<uint8_t*>(p2), 80);
  EXPECT_EQ(b->Unlock(p1, n1, p2, n2), ds::kOk);
  EXPECT_EQ(b->Lock(100, 1, &p1, &n1, &p2, &n2, 0), ds::kErrInvalidParam);
  EXPECT_EQ(b->Lock(0, 101, &p1, &n1, &p2, &n2, 0), ds::kErrInvalidParam);
  EXPECT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, 0), ds::kErrInvalidParam);
  EXPECT_EQ(b->Unlock(p1, 200, nullptr, 0), ds::kErrInvalidParam);
  b->Release();
}

TEST_F(SoundDeviceTest, PositiveOrTooLowVolumesAreRefusedAndTheVolumeStays) {
  ds::DirectSoundBuffer* b = Make(100);
  int32_t v = 1;
  EXPECT_EQ(b->SetVolume(-2970), ds::kOk);
  EXPECT_EQ(b->SetVolume(1), ds::kErrInvalidParam);
  EXPECT_EQ(b->SetVolume(-10001), ds::kErrInvalidParam);
  b->GetVolume(&v);
  EXPECT_EQ(v, -2970);
  b->Release();
}

TEST_F(SoundDeviceTest, OneShotEndsByItselfWhileALoopGoesOn) {
  ds::DirectSoundBuffer* once = Make(3675);  // three frames' worth at 22050 Hz
  ds::DirectSoundBuffer* loop = Make(1000);
  once->Play(0, 0, 0);
  loop->Play(0, 0, ds::kPlayLooping);
  Frames(2);
  EXPECT_TRUE(Playing(once));
  Frames(1);
  EXPECT_FALSE(Playing(once));
  EXPECT_TRUE(Playing(loop));
  uint32_t pos = 1;
  once->GetCurrentPosition(&pos, nullptr);
  EXPECT_EQ(pos, 0u);
  const auto& log = host_.sound().log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[2].kind, host::kSoundEnded);
  EXPECT_EQ(log[2].frame, 3);
  once->Release();
  loop->Release();
}

// A call after a minute without one mixes only the last ten seconds, the loop in them; the one-shot
// that ended in the minute still ends at its own frame.
TEST_F(SoundDeviceTest, ACallAfterALongSilenceMixesOnlyTheHorizon) {
  ds::DirectSoundBuffer* once = Make(3675);  // three frames' worth at 22050 Hz
  ds::DirectSoundBuffer* loop = Make(1000);
  once->Play(0, 0, 0);
  loop->Play(0, 0, ds::kPlayLooping);
  Frames(18 * 60);
  EXPECT_TRUE(Playing(loop));
  const std::vector<int16_t>& s = host_.sound().samples();
  const size_t horizon = ds::Mixer::kMixHorizon;
  ASSERT_EQ(s.size(), 1225u * 18 * 60);
  EXPECT_EQ(std::tuple(s[s.size() - horizon - 1], s[s.size() - horizon]), std::tuple(int16_t{0}, int16_t{16384}));
  const auto& log = host_.sound().log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(std::tuple(log[2].kind, log[2].frame), std::tuple(host::kSoundEnded, int64_t{3}));
  once->Release();
  loop->Release();
}

TEST_F(SoundDeviceTest, StopKeepsThePositionAndPlayResumesFromIt) {
  ds::DirectSoundBuffer* b = Make(22050, 22050);
  b->Play(0, 0, 0);
  Frames(9);  // half a second
  b->Stop();
  uint32_t pos = 0;
  b->GetCurrentPosition(&pos, nullptr);
  EXPECT_EQ(pos, 11025u);
  Frames(18);
  b->GetCurrentPosition(&pos, nullptr);
  EXPECT_EQ(pos, 11025u);
  b->Play(0, 0, 0);
  Frames(4);
  b->GetCurrentPosition(&pos, nullptr);
  EXPECT_EQ(pos, 11025u + 4 * 1225u);
  Frames(5);
  EXPECT_FALSE(Playing(b));
  b->Release();
}

TEST_F(SoundDeviceTest, MixedTrackHoldsTheSoundAtItsVolumeAndSilenceAround) {
  ds::DirectSoundBuffer* loud = Make(2450, 22050, 0xC0);  // +0.5 for two frames' worth at 22050 Hz
  Frames(1);
  loud->Play(0, 0, 0);
  Frames(4);
  ds::DirectSoundBuffer* quiet = Make(2450, 22050, 0xC0);
  quiet->SetVolume(-2000);  // a tenth of the amplitude
  quiet->Play(0, 0, 0);
  Frames(4);
  device_->Release();  // flushes the mixer
  device_ = nullptr;
  const std::vector<int16_t>& s = host_.sound().samples();
  ASSERT_GE(s.size(), 1225u * 7);
  EXPECT_EQ(s[100], 0);                    // frame 0: silence
  EXPECT_NEAR(s[1225 + 10], 16384, 2);     // frames 1 and 2: the loud sound
  EXPECT_EQ(s[1225 * 3 + 10], 0);          // it has ended
  EXPECT_NEAR(s[1225 * 5 + 10], 1638, 2);  // frame 5: the quiet one
}

// A 16-bit stereo frame is heard as the mean of its channels.
TEST_F(SoundDeviceTest, SixteenBitStereoMixesToTheMeanOfItsChannels) {
  ds::WaveFormat f{ds::kFormatPcm, 2, 22050, 22050 * 4, 4, 16, 0};
  ds::BufferDescription d{ds::kBufferDescriptionSize, ds::kBufferCtrlVolume, 4 * 2450, 0, &f, ds::kNullGuid};
  ds::DirectSoundBuffer* b = nullptr;
  ASSERT_EQ(device_->CreateSoundBuffer(&d, &b, nullptr), ds::kOk);
  void* p1;
  void* p2;
  uint32_t n1, n2;
  ASSERT_EQ(b->Lock(0, 4 * 2450, &p1, &n1, &p2, &n2, 0), ds::kOk);
  auto* lr = static_cast<int16_t*>(p1);
  for (uint32_t i = 0; i + 1 < n1 / 2; i += 2) std::tie(lr[i], lr[i + 1]) = std::pair(int16_t{16384}, int16_t{-8192});
  b->Unlock(p1, n1, p2, n2);
  b->Play(0, 0, 0);
  Frames(1);
  device_->Release();
  device_ = nullptr;
  ASSERT_GT(host_.sound().samples().size(), 10u);
  EXPECT_NEAR(host_.sound().samples()[10], 4096, 2);  // (0.5 - 0.25) / 2
}

TEST_F(SoundDeviceTest, ReleasingThePlayingBufferStopsItAndTheDeviceDeletesTheRest) {
  ds::DirectSoundBuffer* a = Make(5000);
  ds::DirectSoundBuffer* b = Make(5000);
  a->Play(0, 0, ds::kPlayLooping);
  b->Play(0, 0, ds::kPlayLooping);
  a->Release();
  EXPECT_EQ(host_.sound().Count(host::kSoundStopped, "tone.wav"), 1);
  EXPECT_EQ(device_->mixer().buffer_count(), 1);
  device_->Release();  // b goes with the device
  device_ = nullptr;
  EXPECT_EQ(host_.sound().Count(host::kSoundStopped, "tone.wav"), 2);
}

}  // namespace
