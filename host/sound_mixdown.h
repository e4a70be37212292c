// The host's side of the sound device: what the module's mixer hands over. Every start, stop, end
// and volume change is logged with the frame it fell in (at the run's frame rate), and the mixed
// output is kept as one mono 16-bit track of the whole run that can be written out as a .wav file to
// listen to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/sim_clock.h"
#include "platform/host_api.h"

namespace simhost {

struct SoundLogEntry {
  int64_t frame;
  int32_t kind;  // host::SoundEventKind
  uint32_t buffer_id;
  std::string label;
  int32_t volume;  // hundredths of a decibel
  bool looping;
};

class SoundMixdown {
 public:
  // The track stops growing here (20 minutes at the module's rate); later output is counted only.
  static constexpr int64_t kMaxSamples = 22050LL * 60 * 20;

  // Frames a second of simulator time, set before the first frame.
  void set_frame_rate(int32_t frames_per_second) { frames_per_second_ = frames_per_second; }
  int32_t frame_rate() const { return frames_per_second_; }

  void AddEvent(const host::SoundEvent& e);
  // Spans at another rate than the first span's are dropped.
  void AddSamples(int64_t first_sample, int32_t sample_rate, const int16_t* samples, int32_t count);

  const std::vector<SoundLogEntry>& log() const { return log_; }
  // How many log entries of this kind carry this label (a file name such as "Pull Up.wav").
  int Count(int32_t kind, const std::string& label) const;
  int starts() const;
  int32_t sample_rate() const { return rate_; }
  const std::vector<int16_t>& samples() const { return samples_; }
  int64_t dropped_samples() const { return dropped_; }

  // "frame 12: start #3 "Pull Up.wav" volume 0" and the like.
  static std::string Format(const SoundLogEntry& e);
  // The log, one entry a line; false with *error when the file cannot be written.
  bool WriteLog(const std::string& path, std::string* error) const;
  // The track padded with silence to `frames` frames, as a 16-bit mono PCM .wav file, written whole
  // or not at all.
  bool WriteWav(const std::string& path, int64_t frames, std::string* error) const;

 private:
  std::vector<SoundLogEntry> log_;
  std::vector<int16_t> samples_;
  int32_t rate_ = 0;
  int64_t dropped_ = 0;
  int32_t frames_per_second_ = kTicksPerSecond;
};

}  // namespace simhost
