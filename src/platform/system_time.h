// Breaks a point in time down into the SYSTEMTIME-like record of the host interface (UTC). Shared by
// the module's clock fallback and the simulator stand-in's clock.
#pragma once

#include <chrono>
#include <ctime>

#include "platform/host_api.h"

namespace host {

inline SystemTime ToSystemTime(std::chrono::system_clock::time_point t) {
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  gmtime_r(&secs, &tm);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000;
  return {static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint16_t>(tm.tm_mon + 1),
          static_cast<uint16_t>(tm.tm_wday),        static_cast<uint16_t>(tm.tm_mday),
          static_cast<uint16_t>(tm.tm_hour),        static_cast<uint16_t>(tm.tm_min),
          static_cast<uint16_t>(tm.tm_sec),         static_cast<uint16_t>(ms < 0 ? 0 : ms)};
}

}  // namespace host
