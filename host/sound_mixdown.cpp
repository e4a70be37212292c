#include "host/sound_mixdown.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace simhost {

namespace {

const char* KindName(int32_t kind) {
  switch (kind) {
    case host::kSoundStarted: return "start";
    case host::kSoundStopped: return "stop";
    case host::kSoundEnded: return "end";
    case host::kSoundVolume: return "volume";
    default: return "event";
  }
}

void PutU16(std::string* s, uint32_t v) {
  s->push_back(static_cast<char>(v & 0xFF));
  s->push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string* s, uint32_t v) {
  PutU16(s, v & 0xFFFF);
  PutU16(s, v >> 16);
}

// Writes bytes to a temporary beside the target and renames it over the target once complete.
bool WriteWhole(const std::string& path, const std::string& head, const char* body, size_t body_bytes,
                std::string* error) {
  const std::string temp = path + ".part";
  std::ofstream f(temp, std::ios::binary | std::ios::trunc);
  f.write(head.data(), static_cast<std::streamsize>(head.size()));
  if (body_bytes > 0) f.write(body, static_cast<std::streamsize>(body_bytes));
  f.close();
  if (!f || std::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    *error = "cannot write '" + path + "'";
    return false;
  }
  return true;
}

}  // namespace

void SoundMixdown::AddEvent(const host::SoundEvent& e) {
  const int64_t frame = e.sample_rate > 0 ? e.sample * frames_per_second_ / e.sample_rate : 0;
  log_.push_back({frame, e.kind, e.buffer_id, e.label != nullptr ? e.label : "", e.volume, e.looping != 0});
}

void SoundMixdown::AddSamples(int64_t first_sample, int32_t sample_rate, const int16_t* samples, int32_t count) {
  if (samples == nullptr || count <= 0 || first_sample < 0 || sample_rate <= 0) return;
  if (rate_ == 0) rate_ = sample_rate;
  if (sample_rate != rate_) {
    dropped_ += count;
    return;
  }
  const int64_t end = std::min(first_sample + count, kMaxSamples);
  if (end <= first_sample) {
    dropped_ += count;
    return;
  }
  if (static_cast<int64_t>(samples_.size()) < end) samples_.resize(static_cast<size_t>(end), 0);
  std::copy(samples, samples + (end - first_sample), samples_.begin() + first_sample);
  dropped_ += count - (end - first_sample);
}

int SoundMixdown::Count(int32_t kind, const std::string& label) const {
  return static_cast<int>(std::count_if(log_.begin(), log_.end(),
                                        [&](const SoundLogEntry& e) { return e.kind == kind && e.label == label; }));
}

int SoundMixdown::starts() const {
  return static_cast<int>(
      std::count_if(log_.begin(), log_.end(), [](const SoundLogEntry& e) { return e.kind == host::kSoundStarted; }));
}

std::string SoundMixdown::Format(const SoundLogEntry& e) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "frame %lld: %s #%u ", static_cast<long long>(e.frame), KindName(e.kind),
                e.buffer_id);
  std::string line = buf + ("\"" + e.label + "\"");
  if (e.kind == host::kSoundStarted || e.kind == host::kSoundVolume) line += " volume " + std::to_string(e.volume);
  if (e.looping) line += " looping";
  return line;
}

bool SoundMixdown::WriteLog(const std::string& path, std::string* error) const {
  std::string text;
  for (const SoundLogEntry& e : log_) text += Format(e) + "\n";
  return WriteWhole(path, text, nullptr, 0, error);
}

bool SoundMixdown::WriteWav(const std::string& path, int64_t frames, std::string* error) const {
  const uint32_t rate = rate_ > 0 ? static_cast<uint32_t>(rate_) : 22050u;
  const int64_t wanted = std::clamp<int64_t>(frames * rate / frames_per_second_, 0, kMaxSamples);
  const int64_t total = std::max<int64_t>(wanted, static_cast<int64_t>(samples_.size()));
  std::vector<int16_t> track(samples_);
  track.resize(static_cast<size_t>(total), 0);
  const uint32_t data_bytes = static_cast<uint32_t>(total * 2);
  std::string head = "RIFF";
  PutU32(&head, 36 + data_bytes);
  head += "WAVEfmt ";
  PutU32(&head, 16);
  PutU16(&head, 1);  // PCM
  PutU16(&head, 1);  // mono
  PutU32(&head, rate);
  PutU32(&head, rate * 2);
  PutU16(&head, 2);
  PutU16(&head, 16);
  head += "data";
  PutU32(&head, data_bytes);
  std::string body;
  body.reserve(data_bytes);
  for (int16_t s : track) PutU16(&body, static_cast<uint16_t>(s));
  return WriteWhole(path, head, body.data(), body.size(), error);
}

}  // namespace simhost
