// Progress along the active route, kept by the route block of the per-tick run (tick_route.h) and
// read by the route execution, the CDU's PROGRESS and RTE pages and the map overlays. Distances NM,
// bearings degrees magnetic.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "cdu/cdu_globals.h"

struct LatLon {
  double lat = 0.0;
  double lon = 0.0;
};

#define AFDS_ROUTE_PROGRESS_GLOBALS(X)                                                             \
  X(double, dist_to_active_wpt, 999.0)  /* 999.0 no active waypoint; -1.0 sequence now */       \
  X(double, active_wpt_brg, 0.0)                                                                \
  X(double, active_leg_dist, 0.0)       /* from the LNAV from-point to the active waypoint */   \
  X(LatLon, lnav_aim_pt, LatLon{})                                                              \
  X(double, lnav_aim_brg, 0.0)          /* heading to fly to the aim point, drift included */   \
  X(double, act_wpt_lat, 0.0)                                                                   \
  X(double, act_wpt_lon, 0.0)                                                                   \
  X(int32_t, lnav_hdg_sent, 999)        /* last heading sent with 0x101FA */                    \
  X(int32_t, early_seq_in_cruise, 0)    /* a waypoint was sequenced early in a turn in cruise */ \
  X(int32_t, vnav_near_restr_done, 0)   /* the speed constraint ahead was met on this leg */

RO_DECLARE_GLOBALS(AFDS_ROUTE_PROGRESS_GLOBALS)

// The PROGRESS FROM line is row 1 of the CDU's prog_from table; the fuel is in pounds, or kilograms
// when weight_unit is "KGS".
inline std::string& prog_from_ident = prog_from[1].ident;
inline std::string& prog_from_ata = prog_from[1].ata;
inline double& prog_from_alt = prog_from[1].alt;
inline double& prog_from_fuel = prog_from[1].fuel;

inline constexpr double kNoActiveWpt = 999.0;
inline constexpr double kSequenceNow = -1.0;
inline constexpr int32_t kNoHeadingSent = 999;  // lnav_hdg_sent before LNAV has set the bug

void ResetRouteProgressGlobals();
