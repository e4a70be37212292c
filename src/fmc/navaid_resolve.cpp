#include "fmc/navaid_resolve.h"

#include <algorithm>
#include <iterator>

#include "fmc/fmc_globals.h"
#include "base/int_conversion.h"
#include "navdb/navdb_globals.h"

namespace {

bool TypeAgrees(std::string_view type, std::string_view navaid_type) {
  if ((type == "INT" || type.empty()) && navaid_type == "V") return true;
  return !type.empty() && !navaid_type.empty() && type[0] == navaid_type[0];
}

}  // namespace

int32_t ResolveWaypointInNavIndex(std::string_view ident, std::string_view type, double lat) {
  if (ident.empty()) return 0;
  const int32_t index_rows = std::clamp<int32_t>(nav_name_index_cnt, 0, static_cast<int32_t>(std::size(nav_name_index)) - 1);
  int32_t start = 0;
  for (int32_t i = 1; i <= index_rows; ++i) {
    if (nav_name_index[i].name == ident.substr(0, 1)) {
      start = nav_name_index[i].navaid_row;
      break;
    }
  }
  const int32_t navaids = std::clamp(nav_navaids_cnt, 0, kNavNavaidsCapacity);
  if (start < 1 || start > navaids) return 0;
  const int32_t lat_deg = TruncToI32(lat);
  // The table is sorted by ident: the rows of one first character follow each other.
  for (int32_t j = start; j <= navaids && nav_navaids[j].ident[0] == ident[0]; ++j) {
    const NavRecord& n = nav_navaids[j];
    if (TextIs(n.ident, ident) && TypeAgrees(type, TextOf(n.type)) &&
        TruncToI32(n.lat) == lat_deg) {
      return j;
    }
  }
  return 0;
}

std::string_view RouteNavaidType(std::string_view navaid_type) {
  if (navaid_type == "V") return "VOR";
  if (navaid_type == "N") return "NDB";
  return navaid_type;
}

void TakeFixNavaid(RouteLeg& leg) {
  const int32_t k = ResolveWaypointInNavIndex(leg.ident, leg.type, leg.lat);
  if (k <= 0) return;
  const NavRecord& navaid = nav_navaids[k];
  leg.freq = TextOf(navaid.extra);
  if (leg.type == "INT" || leg.type.empty()) leg.type = RouteNavaidType(TextOf(navaid.type));
}
