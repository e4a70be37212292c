#include "fmc/route_candidates.h"

#include <algorithm>
#include <cstring>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "navdb/navdb_globals.h"

namespace {

bool IsCandidateRow(int32_t n) { return n >= 1 && n <= kNavSearchCapacity; }

}  // namespace

void SetCurrentFix(int32_t n) {
  if (!IsCandidateRow(n)) return;
  const NavRecord& row = nav_search_list[n];
  cur_fix_ident = TextOf(row.ident);
  cur_fix_lat = row.lat;
  cur_fix_lon = row.lon;
  cur_fix_type = TextOf(row.type);
  cur_fix_extra = TextOf(row.extra);
  cur_fix_info = TextOf(row.info);
}

void SelectSearchResult(int32_t i) {
  if (!IsCandidateRow(i) || i == 1) return;
  const NavRecord& from = nav_search_list[i];
  NavRecord& to = nav_search_list[1];
  std::memcpy(to.ident, from.ident, sizeof to.ident);
  to.lat = from.lat;
  to.lon = from.lon;
  std::memcpy(to.type, from.type, sizeof to.type);
  std::memcpy(to.extra, from.extra, sizeof to.extra);
}

int32_t FindNavRecordByName(const std::string& ident) {
  const int32_t count = std::min(nav_apts_cnt, kNavAptsCapacity);
  for (int32_t i = 1; i <= count; ++i) {
    if (!TextIs(nav_apts[i].ident, ident)) continue;
    found_apt_lat = nav_apts[i].lat;
    found_apt_lon = nav_apts[i].lon;
    return 1;
  }
  return 0;
}

int32_t FindLegIndexOfFix(int32_t row) {
  const int32_t last = ClampedLastRow(fp_mod_cnt);
  if (row < 0 || row >= fp_mod_cnt || row > kLastRouteRow) return fp_mod_cnt;
  const std::string& to_fix = rte_rows[row].to_fix;
  for (int32_t i = row; i < last; ++i) {
    if (fms_fpln_mod[i].ident == to_fix) return i == 0 ? fp_mod_cnt : i;
  }
  return fp_mod_cnt;
}
