// State of the panel gauges that only switch pictures and turn clicks into requests: the radio
// stack's transponder knob and lamp buttons, the EFIS panel's spare button, the FLCH gauge's pitch
// samples (read by the FLCH debug line) and the electronic checklist's pages and ticks. All of it
// lives until the module is unloaded; nothing stores it in a panel state.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define PANEL_GAUGE_SCALARS(X)                                                              \
  /* radio stack */                                                                         \
  X(int32_t, xpdr_mode, 0)          /* transponder mode knob 0, 1 or 2 */                    \
  X(int32_t, radio_btn1_lamp, 0)    /* lamp of the upper lamp button */                      \
  X(int32_t, radio_btn2_lamp, 0)    /* lamp of the lower lamp button */                      \
  /* EFIS control */                                                                        \
  X(int32_t, efis_btn_toggle, 0)    /* flipped by its button; nothing reads it */            \
  /* FLCH */                                                                                \
  X(double, flch_pitch, 0.0)        /* token 77 at the FLCH gauge's last pre-update, deg */  \
  X(double, flch_pitch_rate, 0.0)   /* change of flch_pitch a tick, deg */                   \
  X(int64_t, flch_gauge_run, -1)    /* driver run the FLCH gauge last stepped for */         \
  /* electronic checklist */                                                                \
  X(int32_t, chk_left_page, 0)      /* 0 none, 1 or 2 */                                     \
  X(int32_t, chk_right_page, 0)     /* 0 none, 3 or 4 */                                     \
  X(int32_t, chk_left_done, 0)      /* 1 while every item of the left page is ticked */      \
  X(int32_t, chk_right_done, 0)

// Ticks of items 1..7 of each checklist column, at index item - 1.
constexpr int kChecklistItems = 7;
#define PANEL_GAUGE_ARRAYS(X)                          \
  X(int32_t, chk_left_item, kChecklistItems)           \
  X(int32_t, chk_right_item, kChecklistItems)

RO_DECLARE_GLOBALS(PANEL_GAUGE_SCALARS)
RO_DECLARE_ARRAYS(PANEL_GAUGE_ARRAYS)

void ResetPanelGaugeGlobals();
