// Test bed of the cockpit sounds: a freshly loaded module whose sound device the in-process host
// gives, the example simulator folder's sounds (or a scratch folder's), and ticks in the order the
// server gauge runs them: the clock advances, the main update counts the delays down, ProcSounds
// plays. What sounded is read back from the host's sound log by file name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afds/sound_dispatch.h"
#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "afds/tick_systems.h"
#include "host/host.h"
#include "support/temp_dir.h"

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    host_ = std::make_unique<simhost::Host>();
    host_->Attach(&ImportTable, &Linkage);
    host_->set_current_directory(SimRoot());
    ModuleInit();
    ASSERT_EQ(sound_available, 1);
  }
  void TearDown() override {
    ModuleDeinit();
    host_.reset();
  }

  virtual std::string SimRoot() { return std::string(RO757_SOURCE_DIR) + "/examples/sim"; }

  simhost::Host& host() { return *host_; }

  // One simulator tick as far as sound goes.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      host_->RunFrame();
      StepSoundDelays();
      ProcSounds();
    }
  }

  int Starts(const std::string& file) const { return host_->sound().Count(host::kSoundStarted, file); }
  int Stops(const std::string& file) const { return host_->sound().Count(host::kSoundStopped, file); }
  // The files started so far, in order.
  std::vector<std::string> Started() const {
    std::vector<std::string> out;
    for (const auto& e : host_->sound().log()) {
      if (e.kind == host::kSoundStarted) out.push_back(e.label);
    }
    return out;
  }
  // The file started last, or "" when nothing has started.
  std::string LastStarted() const {
    std::vector<std::string> s = Started();
    return s.empty() ? "" : s.back();
  }
  static bool Sounding(directsound::DirectSoundBuffer8* b) {
    if (b == nullptr) return false;
    uint32_t status = 0;
    b->GetStatus(&status);
    return (status & directsound::kStatusPlaying) != 0;
  }

 private:
  std::unique_ptr<simhost::Host> host_;
};

// The same with a scratch simulator folder that a test fills with its own files.
class ScratchSoundTest : public SoundTest {
 protected:
  std::string SimRoot() override { return dir_.path(); }
  // A file under "Orvantel/Sounds/".
  void WriteSound(const std::string& name, const std::string& bytes) { dir_.Write("Orvantel/Sounds/" + name, bytes); }

  testing_support::TempDir dir_;
};

// A canonical 44-byte-header PCM file; data_size as stated in the header (default: the data's).
inline std::string WavBytes(const std::string& data, uint16_t channels = 1, uint32_t rate = 8000,
                            uint16_t bits = 8, int64_t data_size = -1, uint16_t audio_format = 1) {
  auto u32 = [](uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  };
  auto u16 = [](uint32_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
  const uint32_t size = data_size < 0 ? static_cast<uint32_t>(data.size()) : static_cast<uint32_t>(data_size);
  const uint32_t block = channels * (bits / 8u);
  return "RIFF" + u32(36 + size) + "WAVE" + "fmt " + u32(16) + u16(audio_format) + u16(channels) + u32(rate) +
         u32(rate * block) + u16(block) + u16(bits) + "data" + u32(size) + data;
}
