#include "host/gps_plan.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace simhost {

namespace {

constexpr double kMeridianLengthM = 40007000.0;
constexpr long double kFullCircle = 18446744073709551616.0L;  // 2^64
constexpr double kFeetPerMetre = 3.2808399;

template <typename T>
void Put(uint8_t* p, size_t offset, T v) {
  std::memcpy(p + offset, &v, sizeof v);
}

}  // namespace

GpsPlan::GpsPlan() {
  Put(block_, 0, static_cast<uint32_t>(kBlockSize));
  Publish();
}

void GpsPlan::Add(const std::string& ident, double lat_deg, double lon_deg, double alt_ft) {
  uint8_t r[kRecordSize] = {};
  Put(r, 12, static_cast<int32_t>(std::lround(lat_deg / 360.0 * kMeridianLengthM)));
  // The circle's fraction east from 0 to 360 degrees, as an unsigned word: 180 and beyond read as west.
  const long double east = std::fmod(std::fmod(static_cast<long double>(lon_deg), 360.0L) + 360.0L, 360.0L);
  const long double turn = std::min(east / 360.0L * kFullCircle, kFullCircle - 1.0L);
  Put(r, 16, static_cast<uint64_t>(turn));
  Put(r, 48, alt_ft / kFeetPerMetre);
  std::memcpy(r + 56, ident.data(), std::min(ident.size(), kMaxIdent));
  records_.insert(records_.end(), r, r + kRecordSize);
  Publish();
}

void GpsPlan::Clear() {
  records_.clear();
  Publish();
}

void GpsPlan::Lookup(host::ModuleInterfaceRecord* out, const char* identity) const {
  if (out == nullptr || identity == nullptr || std::strcmp(identity, kIdentity) != 0) return;
  *out = {};
  out->word[1] = reinterpret_cast<uintptr_t>(block_);
}

void GpsPlan::Publish() {
  Put(block_, kCountOffset, static_cast<uint32_t>(waypoint_count()));
  Put(block_, kRecordsOffset, records_.empty() ? static_cast<const uint8_t*>(nullptr) : records_.data());
}

}  // namespace simhost
