// State of the panel input: the key-event handler, the MCP knob and request pass, the click poller
// and its watches. Integers are 0/1 flags unless stated.
//
// The second list holds state that the systems, sound and VNAV logic own and that the panel input
// is the first to need; those owners read and write it under the same names.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define AFDS_PANEL_INPUT_SCALARS(X)                                                        \
  X(int32_t, auto_eng_start_req, 0)   /* fuel levers follow the start sequence */          \
  X(int32_t, fmc_anun, 0)             /* 1 while the CDU message line is not empty */      \
  X(int32_t, acars_anun, 0)           /* 1 when that message was the uplink's */           \
  X(int32_t, l_eng_start_done, 0)     /* engine start latches */                           \
  X(int32_t, r_eng_start_done, 0)                                                          \
  /* a battery toggle sent in this poller pass; the electrical pass it defers */           \
  X(int32_t, battery_toggle_sent, 0)                                                       \
  X(int32_t, electrical_pass_owed, 0)

#define AFDS_PANEL_INPUT_SHARED_SCALARS(X)                                                 \
  /* sound requests: 0 none */                                                             \
  X(int32_t, sound_event_followup, 0) /* panel sound played after sound_event_code */      \
  X(int32_t, chime_code, 0)           /* 4 cabin sign */                                   \
  X(int32_t, seatbelt_announce_request, 0)                                                 \
  /* systems */                                                                            \
  X(int32_t, master_light_state, 0)   /* 0 off, 1 caution, 2 warning */                    \
  X(int32_t, master_caution_pending, 0) /* caution waiting under it */                     \
  X(int32_t, ext_power_avail, 0)                                                           \
  X(int32_t, probe_heat_anun, 0)                                                           \
  X(int32_t, stdby_att_erecting, 0)                                                        \
  X(int32_t, stdby_att_toppling, 0)                                                        \
  X(int32_t, stdby_att_erect_count, 0) /* marker lamp test step; 0 at erection */          \
  /* automatic-close countdowns of the overhead pass, simulator ticks */                 \
  X(int32_t, isol_air_valve_timer, 0)                                                      \
  X(int32_t, wing_anti_ice_timer, 0)                                                       \
  X(int32_t, l_eng_anti_ice_timer, 0)                                                      \
  X(int32_t, r_eng_anti_ice_timer, 0)                                                      \
  /* VNAV vertical speed: target (fpm) and reference (-999 = re-capture) */                \
  X(int32_t, vnav_tgt_vs, 0)                                                               \
  X(int32_t, vnav_vs_ref, 0)

RO_DECLARE_GLOBALS(AFDS_PANEL_INPUT_SCALARS)
RO_DECLARE_GLOBALS(AFDS_PANEL_INPUT_SHARED_SCALARS)

void ResetPanelInputGlobals();
