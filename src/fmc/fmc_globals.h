// Global state of the flight-management core: route state and indices, procedure selections of
// the modified and active routes, take-off data, PERF LIMITS, and the route tables.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/route_types.h"
#include "frame/globals_macros.h"

#define FMC_SCALARS(X)                                                                  \
  /* route state */                                                                     \
  X(int32_t, fms_fpln_active, 0)   /* 0 none, 1 entered, 2 activated, 3 active, 4 mod */ \
  X(int32_t, fp_cnt, 0)            /* last row of fms_fpln_act */                        \
  X(int32_t, fp_mod_cnt, 0)        /* last row of fms_fpln_mod */                        \
  X(int32_t, stpos, 999)           /* active leg; 999 = no active route */               \
  X(int32_t, mod_stpos, 999)                                                            \
  X(int32_t, awy_exit_set, 0)      /* 1 while the airway exit fix is being chosen */     \
  X(double, pbd_brg, -1.0)         /* place/bearing/distance entry; -1.0 none */         \
  X(double, pbd_brg2, -1.0)                                                             \
  X(int32_t, pbd_dist, 0)                                                               \
  X(int32_t, rte_row_cnt, 0)                                                            \
  X(int32_t, hold_cnt, 0)                                                               \
  X(int32_t, holds_present, 0)                                                          \
  X(int32_t, pattern_leg, 0)                                                            \
  X(int32_t, pattern_phase, 1)                                                          \
  X(int32_t, toc, 0)               /* 1 once the top of climb is reached */              \
  X(int32_t, tod, 0)                                                                    \
  X(int32_t, cost_index_prev, -1)                                                       \
  X(int32_t, fpl_list_loaded, 0)   /* last used row of fpl_store; 0 = not built */       \
  X(int32_t, fpl_list_max, 199)                                                         \
  /* selections: "------" = none */                                                     \
  X(std::string, orig_ident, "------")                                                  \
  X(std::string, dest_ident, "------")                                                  \
  X(std::string, dep_rwy_sel, "------")                                                 \
  X(std::string, arr_rwy_sel, "------")                                                 \
  X(std::string, sid_sel, "------")                                                     \
  X(std::string, sid_trans_sel, "------")                                               \
  X(std::string, star_sel, "------")                                                    \
  X(std::string, star_trans_sel, "------")                                              \
  X(std::string, dep_rwy_sel_act, "------")                                             \
  X(std::string, arr_rwy_sel_act, "------")                                             \
  X(std::string, sid_sel_act, "------")                                                 \
  X(std::string, sid_trans_sel_act, "------")                                           \
  X(std::string, star_sel_act, "------")                                                \
  X(std::string, star_trans_sel_act, "------")                                          \
  X(std::string, TmpFrId, "")                                                           \
  X(std::string, rte_rwy_entry, "")                                                     \
  X(std::string, orig_entry, "")                                                        \
  X(std::string, dest_entry, "")                                                        \
  X(std::string, sid_legs_rwy, "")                                                      \
  X(std::string, star_trans_cur, "")                                                    \
  /* take-off and approach data (kt, flap degrees) */                                   \
  X(int32_t, v1, 0)                                                                     \
  X(int32_t, v1_set, 0)                                                                 \
  X(int32_t, vr, 0)                                                                     \
  X(int32_t, vr_set, 0)                                                                 \
  X(int32_t, v2, 0)                                                                     \
  X(int32_t, v2_set, 0)                                                                 \
  X(int32_t, vref, 0)                                                                   \
  X(int32_t, to_flaps, 0)                                                               \
  X(int32_t, ldg_flaps, 0)                                                              \
  /* PERF LIMITS, kt */                                                                 \
  X(double, clb_min_ias, 180.0)                                                         \
  X(double, clb_max_ias, 300.0)                                                         \
  X(double, crz_min_ias, 230.0)                                                         \
  X(double, crz_max_ias, 330.0)                                                         \
  X(double, des_min_ias, 180.0)                                                         \
  X(double, des_max_ias, 300.0)                                                         \
  /* next vertical target: altitude (ft) and position, and its route row */             \
  X(double, cross_at_elev, 0.0)                                                         \
  X(double, cross_at_lat, 0.0)                                                          \
  X(double, cross_at_lon, 0.0)                                                          \
  X(int32_t, next_restr_leg, 0)

#define FMC_ARRAYS(X)                        \
  X(RouteLeg, fms_fpln_act, kRouteRows)      \
  X(RouteLeg, fms_fpln_mod, kRouteRows)      \
  X(RouteLeg, fpl_scratch, kRouteRows)       \
  X(RouteHold, route_holds, kRouteHoldRows)  \
  X(RteRow, rte_rows, kRouteRows)            \
  X(LnavLeg, lnav_leg, 3)                    \
  X(NavNameIndexEntry, nav_name_index, 75)

RO_DECLARE_GLOBALS(FMC_SCALARS)
RO_DECLARE_ARRAYS(FMC_ARRAYS)

// The stored-plan tables are large (203 routes of 201 legs each), so a reset clears only the rows
// that may have been written: rows below the row count noted here, and the rows of the built
// list (up to fpl_list_loaded + 1). Code that writes a row of either table notes it first.
extern FplStoreEntry fpl_store[kFplStoreRows];
extern FplStoreEntry fpl_edit_store[kFplStoreRows];
extern int32_t fpl_store_rows_used;       // rows [0, n) may differ from their load value
extern int32_t fpl_edit_store_rows_used;

inline void NoteFplStoreRow(int32_t* rows_used, int32_t row) {
  if (row + 1 > *rows_used) *rows_used = row + 1;
}

void ResetFmcGlobals();
