#include "afds/sound_engine.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_globals.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "platform/winfile.h"
#include "state/config_globals.h"

namespace ds = directsound;

namespace {

// Replaced buffers of each group that may still be sounding.
std::vector<std::pair<SoundGroup, ds::DirectSoundBuffer8*>> g_retired;

uint32_t U32At(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t U16At(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool IsPlaying(ds::DirectSoundBuffer8* b) {
  uint32_t status = 0;
  b->GetStatus(&status);
  return (status & ds::kStatusPlaying) != 0;
}

// Releases the group's replaced buffers that have finished.
void SweepRetired(SoundGroup group) {
  std::erase_if(g_retired, [group](const std::pair<SoundGroup, ds::DirectSoundBuffer8*>& r) {
    if (r.first != group || IsPlaying(r.second)) return false;
    r.second->Release();
    return true;
  });
}

// The group's buffer makes room for a new one: released at once when silent, else kept aside.
void RetireCurrent(SoundGroup group) {
  ds::DirectSoundBuffer8*& slot = GroupBuffer(group);
  if (slot == nullptr) return;
  if (IsPlaying(slot)) {
    g_retired.emplace_back(group, slot);
  } else {
    slot->Release();
  }
  slot = nullptr;
}

const char* FileNameOf(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return path.c_str() + (cut == std::string::npos ? 0 : cut + 1);
}

}  // namespace

ds::DirectSoundBuffer8* LoadWavToBuffer(FILE* file, WavHeader* header) {
  uint8_t raw[kWavHeaderBytes];
  if (std::fseek(file, 0, SEEK_SET) != 0 || std::fread(raw, 1, sizeof raw, file) != sizeof raw) return nullptr;
  *header = WavHeader{U32At(raw),      U32At(raw + 4),  U32At(raw + 8),  U32At(raw + 12), U32At(raw + 16),
                      U16At(raw + 20), U16At(raw + 22), U32At(raw + 24), U32At(raw + 28), U16At(raw + 32),
                      U16At(raw + 34), U32At(raw + 36), U32At(raw + 40)};
  if (header->riff_tag != kWavTagRiff || header->wave_tag != kWavTagWave || header->fmt_tag != kWavTagFmt ||
      header->data_tag != kWavTagData) {
    return nullptr;
  }
  // The stated data size is trusted only as far as the file reaches.
  if (std::fseek(file, 0, SEEK_END) != 0) return nullptr;
  const long file_bytes = std::ftell(file);
  if (file_bytes < static_cast<long>(kWavHeaderBytes)) return nullptr;
  const uint64_t available = static_cast<uint64_t>(file_bytes) - kWavHeaderBytes;
  const uint32_t bytes = static_cast<uint32_t>(std::min<uint64_t>(header->data_size, available));

  ds::WaveFormat format{};
  format.format_tag = ds::kFormatPcm;
  format.channels = header->channels;
  format.samples_per_sec = header->sample_rate;
  format.bits_per_sample = header->bits_per_sample;
  format.block_align = static_cast<uint16_t>((header->bits_per_sample / 8) * header->channels);
  format.avg_bytes_per_sec = static_cast<uint32_t>(format.block_align) * header->sample_rate;
  format.extra_bytes = 0;
  const ds::BufferDescription desc{ds::kBufferDescriptionSize, ds::kBufferCtrlVolume, bytes, 0, &format,
                                   ds::kNullGuid};
  if (dsound == nullptr) return nullptr;
  ds::DirectSoundBuffer* first = nullptr;
  if (dsound->CreateSoundBuffer(&desc, &first, nullptr) < 0 || first == nullptr) return nullptr;
  void* second = nullptr;
  const int32_t hr = first->QueryInterface(ds::kIidDirectSoundBuffer8, &second);
  // The version-8 interface holds its own reference; the first one is no longer needed.
  first->Release();
  return hr < 0 ? nullptr : static_cast<ds::DirectSoundBuffer8*>(second);
}

int32_t FillSoundBuffer(ds::DirectSoundBuffer8* buffer, uint32_t offset, FILE* file, uint32_t size) {
  if (size == 0) return 0;
  void* p1 = nullptr;
  void* p2 = nullptr;
  uint32_t n1 = 0;
  uint32_t n2 = 0;
  if (buffer->Lock(offset, size, &p1, &n1, &p2, &n2, 0) < 0) return 0;
  const size_t got1 = std::fread(p1, 1, n1, file);
  const size_t got2 = p2 != nullptr ? std::fread(p2, 1, n2, file) : 0;
  // A file that shrank under us leaves silence, never stale bytes.
  const uint8_t silence = buffer->format().bits_per_sample == 8 ? 0x80 : 0;
  if (got1 < n1) std::memset(static_cast<uint8_t*>(p1) + got1, silence, n1 - got1);
  if (p2 != nullptr && got2 < n2) std::memset(static_cast<uint8_t*>(p2) + got2, silence, n2 - got2);
  buffer->Unlock(p1, n1, p2, n2);
  return 1;
}

ds::DirectSoundBuffer8* LoadWavBuffer(const std::string& path) {
  if (path.size() > kSoundPathMaxChars) return nullptr;
  FILE* file = platform::OpenFile(path, "rb");
  if (file == nullptr) return nullptr;
  WavHeader header{};
  ds::DirectSoundBuffer8* buffer = LoadWavToBuffer(file, &header);
  if (buffer != nullptr) {
    std::fseek(file, kWavHeaderBytes, SEEK_SET);
    FillSoundBuffer(buffer, 0, file, buffer->size_bytes());
    buffer->SetLabel(FileNameOf(path));
  }
  std::fclose(file);
  return buffer;
}

ds::DirectSoundBuffer8*& GroupBuffer(SoundGroup group) {
  switch (group) {
    case SoundGroup::kGpws: return gpws_buffer;
    case SoundGroup::kAltCallout: return alt_callout_buffer;
    case SoundGroup::kCrew: return crew_buffer;
    case SoundGroup::kEvent: return event_buffer;
    case SoundGroup::kSpool: return spool_buffer;
    case SoundGroup::kSpoiler: return spoiler_buffer;
    case SoundGroup::kChime: return chime_buffer;
    case SoundGroup::kCooling: return cooling_buffer;
    case SoundGroup::kPacks: return packs_buffer;
    case SoundGroup::kBuzz: return buzz_buffer;
    case SoundGroup::kGearDrag:
    case SoundGroup::kCount: break;
  }
  return gear_drag_buffer;
}

std::string SoundFolderPath(const char* file) { return sim_root + "\\Orvantel\\Sounds\\" + file; }

void PlayGroupFile(SoundGroup group, const std::string& path, int32_t volume, bool looping) {
  SweepRetired(group);
  RetireCurrent(group);
  ds::DirectSoundBuffer8* b = LoadWavBuffer(path);
  GroupBuffer(group) = b;
  if (b == nullptr) return;
  b->SetCurrentPosition(0);
  b->SetVolume(volume);
  b->Play(0, 0, looping ? ds::kPlayLooping : 0);
}

void PlayGroupSound(SoundGroup group, const char* file, int32_t volume, bool looping) {
  PlayGroupFile(group, SoundFolderPath(file), volume, looping);
}

void StopGroupSound(SoundGroup group) {
  ds::DirectSoundBuffer8*& slot = GroupBuffer(group);
  if (slot != nullptr) {
    slot->Stop();
    slot->Release();
    slot = nullptr;
  }
  SweepRetired(group);
}

int32_t ClampVolumeAtLeast1(int32_t* setting) {
  if (*setting < 1) *setting = 1;
  return *setting;
}

int32_t ClampVolume1To100(int32_t* setting) {
  *setting = std::clamp(*setting, 1, 100);
  return *setting;
}

int32_t VolumeAttenuation(int32_t setting) {
  const int64_t v = (static_cast<int64_t>(setting) - 100) * 30;
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool SoundPermitted() { return sim_sound_stopped == 0 || InhibitCockpitSoundsOnStopSound == 0; }

void KeepSoundOutputCurrent() {
  if (dsound != nullptr) dsound->mixer().Sync();
}

void ReleaseAllSoundBuffers() {
  for (int g = 0; g < static_cast<int>(SoundGroup::kCount); ++g) {
    ds::DirectSoundBuffer8*& slot = GroupBuffer(static_cast<SoundGroup>(g));
    if (slot != nullptr) slot->Release();
    slot = nullptr;
  }
  for (auto& r : g_retired) r.second->Release();
  g_retired.clear();
}

void ForgetRetiredSoundBuffers() { g_retired.clear(); }

int RetiredSoundBufferCount() { return static_cast<int>(g_retired.size()); }
