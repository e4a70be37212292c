// Globals owned by the navigation database: the four loaded tables, the search list, the six nearby
// lists of the map with their centres, the airway indices, the origin and destination airport blocks,
// the runway list of the last airport looked up, the approach and procedure leg lists, and the
// magnetic variations and reference point of the procedure loaders.
//
// Tables are 1-based (row 0 unused) with an i32 count of used rows; a full table drops further rows.
// Capacities are the usable rows; each array has one row more (near_wpts_coarse keeps 3,000 rows
// in an array of 8,001).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "navdb/nav_records.h"

inline constexpr int32_t kNavIntsCapacity = 320000;
inline constexpr int32_t kNavAwyFixesCapacity = 150000;
inline constexpr int32_t kNavAptsCapacity = 25000;
inline constexpr int32_t kNavNavaidsCapacity = 30000;
inline constexpr int32_t kNavSearchCapacity = 250;
inline constexpr int32_t kNearCoarseCapacity = 3000;
inline constexpr int32_t kNearAptsFineCapacity = 1000;
inline constexpr int32_t kNearWptsFineRows = 5001;
inline constexpr int32_t kNearStationsFineCapacity = 1000;

// A nearby list's stored centre, degrees; (-999, -999) until the list is first built.
struct NavCentre {
  double lat;
  double lon;
};
inline constexpr NavCentre kNoNavCentre{-999.0, -999.0};

#define NAVDB_SCALARS(X)                          \
  X(int32_t, navdb_loaded, 0)                     \
  X(int32_t, nav_ints_cnt, 0)                     \
  X(int32_t, nav_awy_fixes_cnt, 0)                \
  X(int32_t, nav_apts_cnt, 0)                     \
  X(int32_t, nav_navaids_cnt, 0)                  \
  X(int32_t, nav_search_cnt, 0)                   \
  X(int32_t, near_apts_coarse_cnt, 0)             \
  X(int32_t, near_apt_count, 0)                   \
  X(int32_t, near_wpts_coarse_cnt, 0)             \
  X(int32_t, near_wpts_fine_cnt, 0)               \
  X(int32_t, near_stations_coarse_cnt, 0)         \
  X(int32_t, near_stations_fine_cnt, 0)           \
  X(int32_t, near_wpts_max, 5000)                 \
  X(double, near_apt_ref_lat, -999.0)             \
  X(double, near_apt_ref_lon, -999.0)             \
  X(double, near_apt_ref_lat2, -999.0)            \
  X(double, near_apt_ref_lon2, -999.0)            \
  X(NavCentre, near_wpts_coarse_ctr, kNoNavCentre) \
  X(NavCentre, near_wpts_fine_ctr, kNoNavCentre)  \
  X(NavCentre, near_stations_coarse_ctr, kNoNavCentre) \
  X(NavCentre, near_stations_fine_ctr, kNoNavCentre) \
  X(std::string, nearest_apt_ident, "")           \
  X(int32_t, awy_entry_idx, 0)                    \
  X(int32_t, awy_exit_idx, 0)                     \
  X(int32_t, apt_rwy_cnt, 0)                      \
  X(std::string, apt_elev_text, "")               \
  X(int32_t, apt_info_loaded, 0)                  \
  X(double, origin_magvar, 0.0)                   \
  X(double, dest_magvar, 0.0)                     \
  X(double, proc_ref_lat, 0.0)                    \
  X(double, proc_ref_lon, 0.0)                    \
  X(int32_t, appr_list_cnt, 0)                    \
  X(int32_t, appr_leg_cnt, 0)                     \
  X(int32_t, appr_legs_pending, 0)                \
  X(int32_t, sid_leg_cnt, 0)                      \
  X(int32_t, star_leg_cnt, 0)

// Small tables: reset whole.
#define NAVDB_ARRAYS(X)                                  \
  X(NavRecord, nav_search_list, kNavSearchCapacity + 1)  \
  X(RunwayRecord, apt_rwys, kAirportRunwayRows)          \
  X(ApproachListRow, appr_list, 51)                      \
  X(ApproachLegEntry, appr_legs, 81)                     \
  X(ApproachLegEntry, sid_leg_list, 81)                  \
  X(ApproachLegEntry, star_leg_list, 81)

// Large tables: reset by their used rows only (see ResetNavdbGlobals).
#define NAVDB_LARGE_TABLES(X)                                    \
  X(NavRecord, nav_ints, kNavIntsCapacity + 2)                   \
  X(NavRecord, nav_awy_fixes, kNavAwyFixesCapacity + 2)          \
  X(NavRecord, nav_apts, kNavAptsCapacity + 2)                   \
  X(NavRecord, nav_navaids, kNavNavaidsCapacity + 2)             \
  X(NavRecord, near_apts_coarse, kNearCoarseCapacity + 1)        \
  X(NavRecord, near_apts_fine, kNearAptsFineCapacity + 1)        \
  X(NavRecord, near_wpts_coarse, 8001)                           \
  X(NavRecord, near_wpts_fine, kNearWptsFineRows)                \
  X(NavRecord, near_stations_coarse, kNearCoarseCapacity + 1)    \
  X(NavRecord, near_stations_fine, kNearStationsFineCapacity + 1) \
  X(AirportRecord, airport_recs, 3)

RO_DECLARE_GLOBALS(NAVDB_SCALARS)
RO_DECLARE_ARRAYS(NAVDB_ARRAYS)
RO_DECLARE_ARRAYS(NAVDB_LARGE_TABLES)

// The destination's elevation (ft), as the airport loader stores it in the destination block.
inline int32_t& dest_elev = airport_recs[2].elevation_ft;

// Restores the load values: counts and scalars, the small tables whole, and the used rows of the
// large ones (rows beyond a count are never read, so they may keep what an earlier load left).
void ResetNavdbGlobals();

// Empties rows 1..count of a table, the count clamped to the array.
void ClearUsedRows(NavRecord* table, int32_t array_rows, int32_t count);

// Empties a procedure's texts and numbers, leaving its leg rows as they are.
void ClearProcedureHeader(ProcedureRecord& record);

// Empties records 1..count of a procedure table with their used legs, the count clamped to the array.
void ClearProcedureRows(ProcedureRecord* records, int32_t array_rows, int32_t count);

// Empties rows 1..count of a list of an airport block, the count clamped to the list.
template <typename Row, size_t N>
void ClearListRows(Row (&rows)[N], int32_t count) {
  int32_t used = count < 0 ? 0 : (count > static_cast<int32_t>(N) - 1 ? static_cast<int32_t>(N) - 1 : count);
  for (int32_t i = 1; i <= used; ++i) ClearRecord(rows[i]);
}
