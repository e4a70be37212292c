// The contract with the external TCAS module, shared by the module's link and the host's stand-in:
// the identity it is looked up by (host slot 39), its interface version, its connect routine and the
// records it publishes. The TCAS module owns the records; this module reads them in place.
//
// Addresses are pointer-sized (so the intruder address list starts at byte 56 on 64-bit builds and
// at 52 on 32-bit ones); every other field keeps its width and offset.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tcas {

inline constexpr const char* kModuleIdentity = "TCAS_LOGIC_GAUGE";
// What this module hands the connect routine as its client argument.
inline constexpr const char* kClientName = "ro757";
constexpr uintptr_t kInterfaceVersion = 38;
constexpr int kMaxIntruders = 255;

struct IntruderRecord {
  float rel_alt_ft;    // positive above
  uint32_t flags;      // bits 16..19 signed vertical-trend index, bits 20..23 signed threat index
  uint8_t valid;       // non-zero when the entry is valid
  uint8_t reserved[3];
  float dist_nm;
  float rel_brg_rad;   // relative to the aircraft's heading
};
static_assert(offsetof(IntruderRecord, flags) == 4 && offsetof(IntruderRecord, valid) == 8 &&
              offsetof(IntruderRecord, dist_nm) == 12 && offsetof(IntruderRecord, rel_brg_rad) == 16);

struct ServiceRecord {
  uint32_t taken;              // the client writes 0 each time it takes a new intruder list
  uint8_t reserved[44];
  uint8_t count;               // intruder entries in use, 0..255
  const IntruderRecord* intruders[kMaxIntruders];
};
static_assert(offsetof(ServiceRecord, count) == 48);

constexpr int kTrendShift = 16;
constexpr int kThreatShift = 20;

// Signed 4-bit field of an intruder's flag word.
constexpr int FlagIndex(uint32_t flags, int shift) {
  const int v = static_cast<int>((flags >> shift) & 0xFu);
  return v >= 8 ? v - 16 : v;
}

using ServiceCallback = void (*)(void* service_record);
// 0 connected (the callback follows with the service record); any other value is the module's refusal.
using ConnectRoutine = int32_t (*)(const void* client_arg, ServiceCallback callback, uint32_t user_word);

}  // namespace tcas
