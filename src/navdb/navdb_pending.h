// State and services of other subsystems that the navigation database and the geodesy helpers use,
// declared here until their owners land: the frame (simulator folder, aircraft position, redraw
// slot, simulator readers), the flight management core (modified route, RTE rows, place/bearing
// globals, airway insertion) and the CDU (lookup entry and current fix). Each belongs to the
// subsystem named in its group and moves there at merge.
#pragma once

#include <cstdint>
#include <string>

#include "frame/globals_macros.h"

// Frame (subsystem 1).
extern char sim_root[260];  // simulator folder, no trailing separator

#define NAVDB_PENDING_FRAME(X)         \
  X(double, plane_lat, 33.6229)        \
  X(double, plane_lon, -111.9104)      \
  X(int32_t, redraw_tick, 0)

double ReadTokenVar9();          // simulator zulu year
double ReadAirspeedSmoothed();   // smoothed indicated airspeed, kt (advances its filter)

// Flight management core (subsystem 3): the parts of a route leg and an RTE page row read here.
struct RouteLeg {
  std::string ident;
  double lat;
  double lon;
  std::string type;
  std::string via;
  std::string proc;
};
struct RteRow {
  std::string to_fix;
  std::string via;
  std::string proc;
};

#define NAVDB_PENDING_FMC(X)          \
  X(int32_t, fp_mod_cnt, 0)           \
  X(int32_t, mod_stpos, 999)          \
  X(int32_t, awy_exit_set, 0)         \
  X(double, pbd_brg, -1.0)            \
  X(double, pbd_brg2, -1.0)           \
  X(int32_t, pbd_dist, 0)

#define NAVDB_PENDING_FMC_ARRAYS(X)   \
  X(RouteLeg, fms_fpln_mod, 201)      \
  X(RteRow, rte_rows, 201)

int32_t DeleteRouteSegment(int32_t n, RteRow& row);  // deletes the n-th VIA/TO segment of the MOD route
void InsertAirwayWpts();  // inserts search-list rows awy_entry_idx..awy_exit_idx after mod_stpos

// Control display unit (subsystem 4).
#define NAVDB_PENDING_CDU(X)              \
  X(std::string, cdu_lookup_ident, "")    \
  X(std::string, cur_fix_ident, "")       \
  X(double, cur_fix_lat, 0.0)             \
  X(double, cur_fix_lon, 0.0)             \
  X(std::string, cur_fix_type, "")        \
  X(std::string, cur_fix_extra, "")       \
  X(std::string, cur_fix_info, "")

RO_DECLARE_GLOBALS(NAVDB_PENDING_FRAME)
RO_DECLARE_GLOBALS(NAVDB_PENDING_FMC)
RO_DECLARE_ARRAYS(NAVDB_PENDING_FMC_ARRAYS)
RO_DECLARE_GLOBALS(NAVDB_PENDING_CDU)

void ResetNavdbPendingGlobals();
