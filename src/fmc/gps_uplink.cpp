#include "fmc/gps_uplink.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_files.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"

namespace {

constexpr double kMetresToFeet = 3.2808399;
constexpr double kMeridianLengthM = 40007000.0;
constexpr double kLonScale = 360.0 / 18446744073709551616.0;  // 360 / 2^64
constexpr double kAltitudeLimitM = 1e8;  // beyond it a record holds no altitude
constexpr double kNearNm = 5.0;
constexpr int32_t kRtePage = 22;
constexpr size_t kIdentOffset = 56;
constexpr size_t kIdentBytes = 8;
constexpr size_t kMaxNavaidIdent = 5;

// The block may sit at any address: fields are copied out, never read through a cast pointer.
template <typename T>
T ReadAt(const uint8_t* p, size_t offset) {
  T v;
  std::memcpy(&v, p + offset, sizeof v);
  return v;
}

double RecordLat(const uint8_t* r) { return ReadAt<int32_t>(r, 12) / kMeridianLengthM * 360.0; }

double RecordLon(const uint8_t* r) {
  const int64_t v = ReadAt<int64_t>(r, 16) & ~int64_t{0xFFFF};
  return static_cast<double>(v) * kLonScale;
}

// Eight bytes at most: an ident that fills them has no terminator.
std::string RecordIdent(const uint8_t* r) {
  const char* s = reinterpret_cast<const char*>(r + kIdentOffset);
  return std::string(s, strnlen(s, kIdentBytes));
}

bool Near(const RouteLeg& leg, const NavRecord& n) {
  double dist = 0.0;
  double brg = 0.0;
  CalcDistBrg(leg.lat, leg.lon, n.lat, n.lon, &dist, &brg);
  return dist < kNearNm;
}

// First row 1..count of `table` with the leg's ident lying less than 5 NM from it; 0 when none.
int32_t FirstNear(const NavRecord* table, int32_t count, const RouteLeg& leg) {
  for (int32_t j = 1; j <= count; ++j) {
    if (TextIs(table[j].ident, leg.ident) && Near(leg, table[j])) return j;
  }
  return 0;
}

void SetType(RouteLeg& leg, const char* type, std::string_view freq) {
  leg.type = type;
  leg.freq = freq;
}

void ClassifyMiddleLeg(RouteLeg& leg) {
  if (leg.ident.size() > kMaxNavaidIdent) {
    const int32_t k = FirstNear(nav_ints, std::clamp(nav_ints_cnt, 0, kNavIntsCapacity), leg);
    SetType(leg, k > 0 ? "INT" : "WPT", "");
    return;
  }
  const int32_t count = std::clamp(nav_navaids_cnt, 0, kNavNavaidsCapacity);
  const int32_t j = FirstNear(nav_navaids, count, leg);
  if (j == 0) {
    SetType(leg, "WPT", "");
    return;
  }
  const NavRecord& n = nav_navaids[j];
  if (TextIs(n.type, "V")) {
    SetType(leg, "VOR", TextOf(n.extra));
    return;
  }
  // An NDB sharing its ident with a VOR listed right after it: the VOR wins when it is near too.
  if (j + 1 <= count && TextIs(nav_navaids[j + 1].ident, leg.ident) && TextIs(nav_navaids[j + 1].type, "V") &&
      Near(leg, nav_navaids[j + 1])) {
    SetType(leg, "VOR", TextOf(nav_navaids[j + 1].extra));
    return;
  }
  SetType(leg, "NDB", TextOf(n.extra));
}

}  // namespace

void ClassifyUplinkLegs() {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  if (last < 0) return;
  RouteLeg& origin = fms_fpln_mod[0];
  RouteLeg& dest = fms_fpln_mod[last];
  int found = 0;
  const int32_t apts = std::clamp(nav_apts_cnt, 0, kNavAptsCapacity);
  for (int32_t i = 1; i <= apts && found != 2; ++i) {
    const std::string_view ident = TextOf(nav_apts[i].ident);
    if (ident == origin.ident) {
      origin.type = "APT";
      ++found;
    }
    if (ident == dest.ident) {
      dest.type = "APT";
      ++found;
    }
  }
  for (int32_t i = 1; i < last; ++i) ClassifyMiddleLeg(fms_fpln_mod[i]);
}

void UplinkGpsRoute() {
  pending_cruise_alt = 0;
  if (gps_data_block == nullptr) {
    host::ModuleInterfaceRecord found{};
    host::QueryModuleInterface(&found, kGpsDataIdentity);
    gps_data_block = reinterpret_cast<const uint8_t*>(found.word[1]);
  }
  const uint8_t* block = gps_data_block;
  if (block == nullptr || ReadAt<uint32_t>(block, 0) < kGpsBlockMinSize) return;
  const uint32_t count = ReadAt<uint32_t>(block, kGpsCountOffset);
  const uint8_t* records = ReadAt<const uint8_t*>(block, kGpsRecordsOffset);
  if (records == nullptr || count < 2) {
    cdu_message = "NO ACTIVE GPS RTE";
    return;
  }

  fp_mod_cnt = -1;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* r = records + i * kGpsRecordSize;
    RouteLeg& leg = fms_fpln_mod[i];
    ResetRouteLeg(leg);
    leg.ident = RecordIdent(r);
    leg.lat = RecordLat(r);
    leg.lon = RecordLon(r);
    leg.intc_crs = kNoInterceptCourse;
    fp_mod_cnt = static_cast<int32_t>(i);
    // A SID chosen later inserts after mod_stpos, as after a file load.
    if (i == 1) mod_stpos = 1;
    const double alt_m = ReadAt<double>(r, 48);
    if (std::isfinite(alt_m) && std::fabs(alt_m) < kAltitudeLimitM) {
      const double alt_ft = alt_m * kMetresToFeet;
      // One the CDU would refuse is no cruise altitude, as a route file's.
      if (alt_ft > pending_cruise_alt && alt_ft < kAltEntryLimitFt) pending_cruise_alt = TruncToI32(alt_ft);
    }
    if (i >= static_cast<uint32_t>(kLastRouteRow)) break;
  }
  ClassifyUplinkLegs();
  BuildRteRows();  // the RTE page it opens lists the uplinked route

  new_fpln_loaded = 1;
  if (fms_fpln_active == 0 || fms_fpln_active == 1 || fms_fpln_active == 3) StepFplnState();
  // After the step: over a route flown the plan's airports wait for EXEC, as a loaded file's.
  SetUpLoadedPlan();
  cdu_message = "RTE UPLINK OK";
  fms_page = kRtePage;
  rte_page = 1;
  clear_holds_on_exec = 1;
  tod_pause_done = 0;
  tod_1x_done = 0;
}
