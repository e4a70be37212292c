// Display selections of the navigation displays: modes, ranges (NM) and map options of both
// display sets, set by the EFIS controls and read by the map painters.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define ND_SCALARS(X)                                                              \
  X(int32_t, nd_mode, 1)             /* 1..4; 3 MAP, 4 PLAN */                      \
  X(int32_t, fp_ehsi_mode, 1)        /* 1..3; 3 MAP */                              \
  X(int32_t, fpnd_mode, 3)           /* 3 MAP, 4 PLAN */                            \
  X(int32_t, ctr_mode, 0)            /* 1 = centred */                              \
  X(double, nd_rng_nm, 10.0)                                                       \
  X(double, fp_ehsi_rng_nm, 10.0)                                                  \
  X(double, fpnd_rng_nm, 10.0)                                                     \
  X(int32_t, fp_nd_centre_y, 272)                                                  \
  X(int32_t, nd_sta_on, 0)                                                         \
  X(int32_t, nd_arpt_on, 0)                                                        \
  X(int32_t, nd_wpt_on, 0)                                                         \
  X(int32_t, nd_data_on, 0)                                                        \
  X(int32_t, nd_range_rings_on, 0)                                                 \
  X(int32_t, ehsi_sta_on, 0)                                                       \
  X(int32_t, ehsi_arpt_on, 0)                                                      \
  X(int32_t, ehsi_wpt_on, 0)                                                       \
  X(int32_t, ehsi_data_on, 0)                                                      \
  X(int32_t, ehsi_range_rings_on, 0)                                               \
  X(int32_t, efis_side, 0)           /* option buttons act on: 1 ND side, 0 EHSI side */ \
  X(int32_t, nd_tfc_on, 0)           /* traffic on the classic ND */                \
  X(int32_t, fp_nd_tfc_on, 0)        /* traffic on the flat-panel ND */             \
  X(int32_t, tcas_display_on, 0)

RO_DECLARE_GLOBALS(ND_SCALARS)

void ResetNdGlobals();
