#include "fmc/airway_insert.h"

#include <cstdint>
#include <cstdlib>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/navaid_resolve.h"
#include "fmc/route_model.h"
#include "navdb/navdb_globals.h"

namespace {

// Navaid kinds as the route writes them.
void FillAirwayLeg(RouteLeg& leg, const NavRecord& c) {
  ResetRouteLeg(leg);  // also drops the hold reference of the leg that moved up out of this row
  leg.ident = TextOf(c.ident);
  leg.lat = c.lat;
  leg.lon = c.lon;
  leg.type = TextOf(c.type);
  leg.proc = "AWY";
  leg.via = TextOf(c.airway);
  leg.restr = -999;
  if (leg.type != "APT") TakeFixNavaid(leg);
}

}  // namespace

void InsertAirwayWpts() {
  const int32_t rows = nav_search_cnt < kNavSearchCapacity ? nav_search_cnt : kNavSearchCapacity;
  const int32_t entry = awy_entry_idx;
  const int32_t exit = awy_exit_idx;
  const int32_t count = entry == exit ? 1 : std::abs(exit - entry);
  const bool rows_exist = exit >= 1 && exit <= rows && entry >= 0 && entry <= rows && mod_stpos >= 0 &&
                          fp_mod_cnt >= 0 && mod_stpos <= fp_mod_cnt;
  // The end mark goes to the row after the last leg, so it too must stay within the table.
  if (!rows_exist || fp_mod_cnt + count + 1 > kLastRouteRow) {
    cdu_message = "INVALID ENTRY";
    return;
  }
  const int32_t step = entry < exit ? 1 : -1;
  int32_t c = entry == exit ? exit : entry + step;
  for (int32_t p = mod_stpos + 1, n = 0; n < count; ++n, ++p, c += step) {
    ShiftModLegsUp(p, 1);
    ++fp_mod_cnt;
    fms_fpln_mod[fp_mod_cnt + 1].ident = kRouteEndMark;
    FillAirwayLeg(fms_fpln_mod[p], nav_search_list[c]);
  }
}
