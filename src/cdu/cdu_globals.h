// Global state of the control display unit: page ids and sub-pages, the scratchpad and message
// line, the current fix, the procedure choices of the arrivals page and the CDU's tables.
#pragma once

#include <cstdint>
#include <string>

#include "cdu/cdu_types.h"
#include "frame/globals_macros.h"

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
  X(int32_t, cruise_alt_prev, 0)    /* ft */

#define CDU_ARRAYS(X)               \
  X(FixInfoEntry, fix_info, 3)      \
  X(ProgFromEntry, prog_from, 2)

RO_DECLARE_GLOBALS(CDU_SCALARS)
RO_DECLARE_ARRAYS(CDU_ARRAYS)

void ResetCduGlobals();
