// Global state of the flight-management core: route state and indices, procedure selections of
// the modified and active routes, take-off data, PERF LIMITS, and the route tables.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "fmc/route_types.h"
#include "base/globals_macros.h"

// The value of `stpos` while no route is active.
inline constexpr int32_t kNoActiveLeg = 999;

// Altitudes the CDU takes, and the cruise altitude a file gives, stay below this many feet: a longer
// number is a typing mistake or a damaged file, and taken it would wreck the vertical plan.
inline constexpr double kAltEntryLimitFt = 99999.0;

// The speed schedules the CDU takes, and the configured ones: outside these a speed is a mistake, and
// flown it would command the autopilot 0 kt or Mach 0.
inline constexpr int32_t kScheduleMinIasKt = 50;
inline constexpr int32_t kScheduleMaxIasKt = 500;
inline constexpr double kScheduleMinMach = 0.4;
inline constexpr double kScheduleMaxClimbMach = 1.4;
inline constexpr double kScheduleMaxMach = 1.2;  // cruise and descent
constexpr bool ScheduleIasAccepted(int32_t kt) { return kt >= kScheduleMinIasKt && kt <= kScheduleMaxIasKt; }
constexpr bool ScheduleMachAccepted(double mach, double max) { return mach >= kScheduleMinMach && mach <= max; }
// The highest cost index the economy speeds cover; -1 is none. Another would be shown but not flown.
inline constexpr int32_t kMaxCostIndex = 999;

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
  X(int32_t, cost_index_prev, -1)  /* -1 no pending entry; -2: it replaced none */       \
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
  /* position of the next vertical target (its altitude is cross_at_elev) */

#define FMC_ARRAYS(X)                        \
  X(RouteLeg, fms_fpln_act, kRouteRows)      \
  X(RouteLeg, fms_fpln_mod, kRouteRows)      \
  X(RouteLeg, fpl_scratch, kRouteRows)       \
  X(RouteHold, route_holds, kRouteHoldRows)  \
  X(RteRow, rte_rows, kRouteRows)            \
  X(LnavLeg, lnav_leg, 3)                    \
  X(NavNameIndexEntry, nav_name_index, 75)

// Route model, editing, holds and following, with the profile points the following reads.
// Units: NM, degrees, ft, lb; i32 indices are rows of the route tables.
#define FMC_ROUTE_SCALARS(X)                                                                 \
  /* route indices */                                                                        \
  X(int32_t, saved_stpos, 0)            /* stpos when the active route was first modified */  \
  X(int32_t, next_restr_leg, 0)         /* first altitude-constrained active leg, or fp_cnt */ \
  X(int32_t, next_restr_leg_mod, 0)     /* the same leg in the modified route */               \
  X(int32_t, map_ctr_leg, 0)                                                                 \
  /* values of a loaded plan that the first entry applies */                                 \
  X(double, plan_fuel, 0.0)             /* lb */                                              \
  X(int32_t, plan_fuel_set, 0)                                                               \
  X(int32_t, pending_cruise_alt, 0)     /* ft */                                              \
  X(int32_t, pending_cruise_alt_set, 0)                                                      \
  /* plan keys and DEP/ARR selection state */                                                \
  X(std::string, plan_orig_key, "------")                                                    \
  X(std::string, plan_dest_key, "------")                                                    \
  X(int32_t, dep_sel_state, 0)                                                               \
  X(int32_t, arr_sel_state, 0)                                                               \
  X(int32_t, dep_rwy_chosen, 0)                                                              \
  X(int32_t, arr_rwy_chosen, 0)                                                              \
  X(int32_t, fms_dep_rwy_pos, 0)        /* runway row of the origin record; 0 none */         \
  X(int32_t, fms_dest_rwy_pos, 0)                                                            \
  /* speeds and vertical profile */                                                          \
  X(int32_t, man_climb_spd, 0)          /* 1 while the pilot's speed overrides the economy one */ \
  X(int32_t, man_cruise_spd, 0)                                                              \
  X(int32_t, man_descent_spd, 0)                                                             \
  X(int32_t, climb_rate, 3300)          /* ft/min */                                          \
  X(int32_t, cruise_alt, 0)             /* ft */                                              \
  X(int32_t, init_cruise_alt, 0)                                                             \
  X(int32_t, init_tod, 0)               /* 1 once the first T/D at init_cruise_alt was met */ \
  X(int32_t, toc_dist_done, 0)                                                               \
  X(double, toc_lat, 0.0)                                                                    \
  X(double, toc_lon, 0.0)                                                                    \
  X(double, tod_lat, 0.0)                                                                    \
  X(double, tod_lon, 0.0)                                                                    \
  X(double, tod_alt, 0.0)               /* ft */                                              \
  X(double, last_restr_lat, 0.0)        /* start of the descent path, on the leg into tod_stpos */ \
  X(double, last_restr_lon, 0.0)                                                             \
  X(int32_t, tod_stpos, 0)                                                                   \
  X(double, cross_at_elev, 0.0)         /* ft */                                              \
  /* route editing */                                                                        \
  X(double, along_track_offset, 0.0)    /* NM; + along the next leg, - back along the previous */ \
  X(int32_t, cdu_prompt_mode, 0)        /* RTE LEGS line 6: 1 intercept course */             \
  X(int32_t, direct_pending, 0)                                                              \
  X(double, tmp_fr_lat, 0.0)            /* present position of a pending direct-to */         \
  X(double, tmp_fr_lon, 0.0)                                                                 \
  X(double, found_apt_lat, 0.0)                                                              \
  X(double, found_apt_lon, 0.0)                                                              \
  /* holds */                                                                                \
  X(int32_t, clear_holds_on_exec, 0)                                                         \
  X(int32_t, hold_page_cnt, 1)                                                               \
  X(int32_t, hold_at_leg, 0)                                                                 \
  X(int32_t, edit_leg_idx, 0)           /* leg of the last CDU deletion or EXIT HOLD */       \
  /* route following outputs, NM unless stated */                                           \
  X(double, dest_dtg, 0.0)              /* along the route to the destination */             \
  X(double, dest_brg, 0.0)              /* deg true, direct to the destination */            \
  X(double, route_dist_total, 0.0)      /* to the T/C */                                      \
  X(double, dist_to_tod, 0.0)                                                                \
  X(double, dist_to_cross_at, 0.0)                                                           \
  X(double, route_dist_acc, 0.0)        /* destination back to the T/D start point */         \
  X(double, route_dist_sum, 0.0)        /* next_restr_leg back to the T/D start point */      \
  X(double, tod_path_dist, 0.0)                                                              \
  X(double, tod_dist_acc, 0.0)                                                               \
  X(double, vnav_path_alt, 0.0)         /* ft */                                              \
  X(double, path_start_ahead_nm, 0.0)   /* level still to fly to the descent path's start */  \
  X(double, path_along_kt, 0.0)         /* kt the aircraft goes along the route, down the path */ \
  X(int32_t, clb_spd_restr_active, 0)   /* 1 while the climb speed restriction is commanded */ \
  /* T/C and T/D details and the LNAV intercept that a panel state moves */                  \
  /* route files, plan list and uplink */                                                    \
  X(int32_t, fpl_scratch_cnt, -1)       /* last row of fpl_scratch; -1 empty */               \
  X(int32_t, new_fpln_loaded, 0)        /* 1 after a plan load until EXEC consumes it */      \
  X(int32_t, nav_name_index_cnt, 0)     /* rows of nav_name_index; nothing fills it */        \
  X(const uint8_t*, gps_data_block, nullptr) /* the simulator's GPS block once bound */ \
  X(double, reserves, 0.0)              /* lb, PERF INIT reserve fuel */

RO_DECLARE_GLOBALS(FMC_SCALARS)
RO_DECLARE_ARRAYS(FMC_ARRAYS)
RO_DECLARE_GLOBALS(FMC_ROUTE_SCALARS)

// The VNAV crossing point (the next altitude target) with the descent-restriction and T/D-event
// state that the per-tick driver keeps beside it. Degrees, ft.
#define FMC_CROSSING_SCALARS(X)                                                             \
  X(double, desc_spd_restr_set, 0.0)    /* 1.0 once the descent restriction speed was sent */

RO_DECLARE_GLOBALS(FMC_CROSSING_SCALARS)

// The vertical profile (vertical_profile.h).
#define FMC_VERTICAL_PROFILE_GLOBALS(X)                                                        \
  X(double, clb_path_angle, 3.0)   /* deg, lowered by 0.25 from 194000 lb */                    \
  X(double, tod_rod, 0.0)          /* ft/min, planned descent rate */                           \
  X(int32_t, toc_stpos, 0)         /* route row of the leg the T/C lies on */                   \
  X(double, toc_alt, 0.0)          /* ft, target of the climb */                                \
  X(int32_t, toc_dist, 0)          /* NM, planned climb distance, truncated */                  \
  X(double, cross_at_lat, 0.0)     /* position of the next vertical target (cross_at_elev) */   \
  X(double, cross_at_lon, 0.0)                                                                 \
  X(int32_t, cross_at_row, -1)     /* route row the crossing point was taken from; -1 none */   \
  X(int32_t, tod_alt_send_cnt, 0)  /* altitude events the update driver sent at the T/D */      \
  X(double, climb_floor_ft, 0.0)   /* ft, below which the last plan put no leg ahead; 0 on the ground */

RO_DECLARE_GLOBALS(FMC_VERTICAL_PROFILE_GLOBALS)

// The departure and arrival texts of a loaded plan ("------" = none).
extern std::string plan_dep_texts[2];
extern std::string plan_arr_texts[3];

// The frame's names for the destination distance and bearing that the route following computes.
inline double& to_wpt_dtg = dest_dtg;
inline double& act_leg_crs = dest_brg;

// A stored-plan table: rows 0..202, each empty until written. Built whole, the two tables would
// write 26 MB of empty texts while the module loads, where a session uses a few rows (one per
// plan file); so a row is built on its first use and a reset drops the rows built since.
class FplStoreTable {
 public:
  FplStoreEntry& operator[](int32_t row) {
    std::unique_ptr<FplStoreEntry>& r = rows_[static_cast<size_t>(row)];
    if (r == nullptr) r = std::make_unique<FplStoreEntry>();
    return *r;
  }
  // Every row back to empty; costs nothing for rows never used.
  void Reset() {
    for (std::unique_ptr<FplStoreEntry>& r : rows_) r.reset();
  }

 private:
  std::unique_ptr<FplStoreEntry> rows_[kFplStoreRows];
};

extern FplStoreTable fpl_store;
extern FplStoreTable fpl_edit_store;

void ResetFmcGlobals();
