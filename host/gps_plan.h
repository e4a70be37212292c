// The host's stand-in for the simulator's GPS flight plan: the data block a simulator publishes as
// "FS2002 GPS DATA", found through the interface lookup (slot 39), holding the waypoints the scenario
// lists. The block is always offered, with no waypoint until the scenario lists some, and stays at one
// address for the host's life (a module keeps it once found).
//
// Block (little-endian): u32 block size at 0, u32 waypoint count at 168, the records' address at 172
// (pointer-sized). Record (64 bytes): i32 latitude at 12 (metres along the meridian: degrees x
// 40007000 / 360), i64 longitude at 16 (the circle's fraction: degrees east x 2^64 / 360), f64
// altitude at 48 (metres), ident at 56 (8 bytes, NUL-padded).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host_api.h"

namespace simhost {

class GpsPlan {
 public:
  static constexpr char kIdentity[] = "FS2002 GPS DATA";
  static constexpr size_t kMaxIdent = 8;

  GpsPlan();
  GpsPlan(const GpsPlan&) = delete;
  GpsPlan& operator=(const GpsPlan&) = delete;

  // Appends a waypoint: latitude and longitude in degrees (north and east positive), altitude in feet.
  void Add(const std::string& ident, double lat_deg, double lon_deg, double alt_ft);
  void Clear();
  size_t waypoint_count() const { return records_.size() / kRecordSize; }

  // Slot 39: fills the record with the block's address when the identity is the block's.
  void Lookup(host::ModuleInterfaceRecord* out, const char* identity) const;

 private:
  static constexpr size_t kRecordSize = 64;
  static constexpr size_t kCountOffset = 168;
  static constexpr size_t kRecordsOffset = 172;
  static constexpr size_t kBlockSize = kRecordsOffset + sizeof(void*);

  // Writes the count and the records' address, which an append may have moved.
  void Publish();

  std::vector<uint8_t> records_;
  uint8_t block_[kBlockSize] = {};
};

}  // namespace simhost
