// Global state of the control display unit: page ids and sub-pages, the scratchpad and message
// line, the current fix, the procedure choices of the arrivals page and the CDU's tables.
#pragma once

#include <cstdint>
#include <string>

#include "cdu/cdu_types.h"
#include "base/globals_macros.h"

#define CDU_SCALARS(X)                                                               \
  X(int32_t, fms_page, 25)          /* IDENT */                                      \
  X(int32_t, vnav_page, 1)                                                          \
  X(int32_t, init_ref_page, 1)                                                      \
  X(int32_t, perf_page, 1)                                                          \
  X(int32_t, rte_page, 1)                                                           \
  X(int32_t, dep_page_no, 1)                                                        \
  X(int32_t, arr_page, 1)                                                           \
  X(int32_t, legs_page, 1)                                                          \
  X(int32_t, prog_page, 1)                                                          \
  X(int32_t, fix_page, 1)                                                           \
  X(int32_t, hold_page, 1)                                                          \
  X(int32_t, cdu_lsk, 0)            /* pending line-select key; 0 none */            \
  X(std::string, cdu_scratchpad, "")                                                \
  X(std::string, cdu_message, "")                                                   \
  X(std::string, cdu_lookup_ident, "")                                              \
  X(std::string, to_flap_list, ",5,15,20,") /* accepted take-off flaps, comma-framed */ \
  X(std::string, co_route, "----------")  /* ten dashes: no CO ROUTE */              \
  X(std::string, appr_sel, "")                                                      \
  X(std::string, appr_trans_sel, "")                                                \
  X(std::string, arr_rwy_cur, "")                                                   \
  X(std::string, cur_fix_ident, "")                                                 \
  X(double, cur_fix_lat, 0.0)                                                       \
  X(double, cur_fix_lon, 0.0)                                                       \
  X(std::string, cur_fix_type, "")                                                  \
  X(std::string, cur_fix_extra, "")                                                 \
  X(std::string, cur_fix_info, "")                                                  \
  /* ARRIVALS rows of the chosen approach and approach transition (0 none), and the copies */ \
  /* EXEC keeps for ERASE */                                                        \
  X(int32_t, arr_appr_sel, 0)                                                       \
  X(int32_t, arr_appr_trans_sel, 0)                                                 \
  X(int32_t, arr_appr_sel_saved, 0)                                                 \
  X(int32_t, arr_appr_trans_sel_saved, 0)                                           \
  /* values before the last CLB / CRZ / DES speed and CRZ ALT entries; 0 = no pending edit */ \
  X(double, clb_spd_prev, 0.0)      /* kt */                                        \
  X(double, clb_mach_prev, 0.0)                                                     \
  X(double, crz_spd_prev, 0.0)                                                      \
  X(double, crz_mach_prev, 0.0)                                                     \
  X(double, des_spd_prev, 0.0)                                                      \
  X(double, des_mach_prev, 0.0)                                                     \
  X(int32_t, cruise_alt_prev, 0)    /* ft; -1: the entry replaced none */

#define CDU_ARRAYS(X)               \
  X(FixInfoEntry, fix_info, 3)      \
  X(ProgFromEntry, prog_from, 2)

RO_DECLARE_GLOBALS(CDU_SCALARS)
RO_DECLARE_ARRAYS(CDU_ARRAYS)

// The keyboard's pending state (one-shot flags that the CDU paint clears after the page ran, and
// the keys queued behind them), the hand-off of a look-up with several matches to SELECT WAYPOINT,
// and the paging of the RTE LEGS, SELECT WAYPOINT, RTE, DEPARTURES and ARRIVALS pages.
#define CDU_KEY_SCALARS(X)                                                                \
  X(int32_t, cdu_prev_page, 0)                                                            \
  X(int32_t, cdu_next_page, 0)                                                            \
  X(int32_t, cdu_legs_key, 0)                                                             \
  X(int32_t, cdu_hold_key, 0)                                                             \
  X(int32_t, cdu_rte_key, 0)                                                              \
  X(int32_t, cdu_key_spare, 0)      /* cleared with the others; no key sets it */         \
  X(int32_t, intc_leg, 0)           /* RTE LEGS: leg chosen for the intercept; 0 none */  \
  X(int32_t, wpt_pick_row, 0)       /* nav_search_list row of a HOLD AT entry */          \
  X(int32_t, cdu_return_page, 0)    /* page that handed candidates to SELECT WAYPOINT */  \
  X(int32_t, cdu_return_index, 0)   /* its leg or RTE row; 0 or below none */             \
  X(int32_t, legs_page_cnt, 1)                                                            \
  X(int32_t, sel_wpt_page, 1)                                                             \
  X(int32_t, sel_wpt_page_cnt, 1)                                                         \
  X(int32_t, rte_page_cnt, 0)       /* sub-page counts of RTE, DEPARTURES and ARRIVALS */ \
  X(int32_t, dep_page_cnt, 0)                                                             \
  X(int32_t, arr_page_cnt, 0)                                                             \
  X(int64_t, cdu_key_run, -1)       /* driver run in which the last key came; -1 none */  \
  X(CduKeyQueue, cdu_key_queue, {})

// What ERASE takes back: the values before the last pending speed, cruise-altitude entry (0 none;
// speeds in kt, Mach), and the arrival-page choice (rows, 0 none) with the copies EXEC saved; with
// the DEP/ARR pages' choice flags that ERASE clears.
#define CDU_ENTRY_UNDO_SCALARS(X)                                                         \
  X(int32_t, dep_trans_chosen, 0)                                                         \
  X(int32_t, star_trans_chosen, 0)                                                        \
  X(int32_t, appr_chosen, 0)                                                              \
  X(int32_t, appr_trans_chosen, 0)

RO_DECLARE_GLOBALS(CDU_KEY_SCALARS)
RO_DECLARE_GLOBALS(CDU_ENTRY_UNDO_SCALARS)

void ResetCduGlobals();
