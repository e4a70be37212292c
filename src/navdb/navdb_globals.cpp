#include "navdb/navdb_globals.h"

#include <algorithm>

#include "navdb/nav_index.h"

RO_DEFINE_GLOBALS(NAVDB_SCALARS)
RO_DEFINE_ARRAYS(NAVDB_ARRAYS)
RO_DEFINE_ARRAYS(NAVDB_LARGE_TABLES)

namespace {

int32_t UsedRows(int32_t count, int32_t array_rows) { return std::clamp(count, 0, array_rows - 1); }

// Only the used parts of the 38 MB block are touched.
void ClearAirportRecord(AirportRecord& a) {
  ClearListRows(a.runways, a.rwy_cnt);
  ClearProcedureRows(a.stars, kAirportStarRows, a.star_cnt);
  ClearProcedureRows(a.sids, kAirportSidRows, a.sid_cnt);
  ClearProcedureRows(a.approaches, kAirportApproachRows, a.appr_cnt);
  ClearProcedureRows(a.appr_transitions, kAirportApprTransRows, a.appr_trans_cnt);
  ClearListRows(a.trans_list, a.trans_list_cnt);
  ClearListRows(a.iaf_list, a.iaf_cnt);
  ClearListRows(a.sid_list, a.sid_list_cnt);
  ClearListRows(a.star_list, a.star_list_cnt);
  ClearListRows(a.name_list, a.name_list_cnt);
  ClearListRows(a.rwy_list, a.rwy_list_cnt);
  a.lat = a.lon = 0.0;
  ClearRecord(a.lat_text);
  ClearRecord(a.lon_text);
  ClearRecord(a.icao);
  ClearRecord(a.name);
  a.rwy_cnt = a.sid_cnt = a.star_cnt = a.appr_cnt = a.appr_trans_cnt = 0;
  a.trans_list_cnt = a.sid_list_cnt = a.star_list_cnt = a.name_list_cnt = a.rwy_list_cnt = 0;
  a.iaf_cnt = 0;
  a.elevation_ft = 0;
}

}  // namespace

void ClearProcedureRows(ProcedureRecord* records, int32_t array_rows, int32_t count) {
  for (int32_t i = 1; i <= UsedRows(count, array_rows); ++i) {
    ProcedureRecord& r = records[i];
    for (int32_t k = 1; k <= UsedRows(r.leg_cnt, kProcedureLegRows); ++k) ClearRecord(r.legs[k]);
    ClearProcedureHeader(r);
  }
}

void ClearProcedureHeader(ProcedureRecord& record) {
  ClearRecord(record.name);
  ClearRecord(record.id);
  ClearRecord(record.kind);
  ClearRecord(record.runway);
  record.spare = 0;
  record.leg_cnt = 0;
}

void ClearUsedRows(NavRecord* table, int32_t array_rows, int32_t count) {
  for (int32_t i = 1; i <= UsedRows(count, array_rows); ++i) ClearRecord(table[i]);
}

void ResetNavdbGlobals() {
  DropNavIndexes();
  ClearUsedRows(nav_ints, kNavIntsCapacity + 2, nav_ints_cnt);
  ClearUsedRows(nav_awy_fixes, kNavAwyFixesCapacity + 2, nav_awy_fixes_cnt);
  ClearUsedRows(nav_apts, kNavAptsCapacity + 2, nav_apts_cnt);
  ClearUsedRows(nav_navaids, kNavNavaidsCapacity + 2, nav_navaids_cnt);
  ClearUsedRows(near_apts_coarse, kNearCoarseCapacity + 1, near_apts_coarse_cnt);
  ClearUsedRows(near_apts_fine, kNearAptsFineCapacity + 1, near_apt_count);
  ClearUsedRows(near_wpts_coarse, 8001, near_wpts_coarse_cnt);
  ClearUsedRows(near_wpts_fine, kNearWptsFineRows, near_wpts_fine_cnt);
  ClearUsedRows(near_stations_coarse, kNearCoarseCapacity + 1, near_stations_coarse_cnt);
  ClearUsedRows(near_stations_fine, kNearStationsFineCapacity + 1, near_stations_fine_cnt);
  for (AirportRecord& a : airport_recs) ClearAirportRecord(a);
  RO_RESET_GLOBALS(NAVDB_SCALARS)
  RO_RESET_ARRAYS(NAVDB_ARRAYS)
}
