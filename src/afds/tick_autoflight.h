// Autoflight follow-up of the per-tick run: the module's modes sit on top of the simulator's own
// autopilot, which may be switched behind the module's back. These steps compare the previous run's
// samples (ap_master, at_arm, ap_nav_hold, tok108_flag, tok792_flag) with fresh readings and bring
// the modes, lights and warnings into line; they also run autoland, the V/S capture and the autobrake,
// the flap and decision-height key events, the debug dump and the once-per-second warning timers.
//
// Reads: the simulator's autopilot, autothrottle, take-off/go-around, ground, flap and decision-height
// variables; the mode flags of afds_globals.h; radio_height, plane_alt, ias, alt_sel_num, lite_mode.
// Writes: the late samples, the mode flags, ap_cmd and the box and warning timers, the globals below;
// sends key events 0x10117, 0x10118, 0x10110, 0x100DF, 0x100DE, 0x10311, 0x10312, 0x1022D.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

#define AFDS_TICK_AUTOFLIGHT_GLOBALS(X)                                                         \
  X(int32_t, flap30_latch, 0)      /* flaps-30 overspeed event sent, awaiting the retraction */  \
  X(int32_t, dh_set_done, 0)       /* the decision height has been brought to 200 ft */           \
  X(double, dh_prev_reading, 0.0)  /* ft, the reading of the last run that sent events */         \
  X(int32_t, dh_prev_events, 0)    /* the events that run sent */                                 \
  X(int32_t, dh_event_cnt, 0)      /* decision-height events sent */

RO_DECLARE_GLOBALS(AFDS_TICK_AUTOFLIGHT_GLOBALS)

// Once per simulator second (the driver tests the clock).
void StepOncePerSecondTimers();
// Autopilot master transitions, lite-mode sync, EICAS update, re-samples, autothrottle disarm and the
// ap_master sample with the low-altitude engage rule.
void StepAutopilotFollowUp();
// FMA box timers and CMD countdown, by the `ticks` of the run, and the take-off/go-around follow-up.
void StepFmaAndToga(int32_t ticks);
void StepAutolandAndAutobrake();
// Flap and decision-height key events, the debug dump, the end-of-tick resets.
void StepEndOfTick();

void ResetTickAutoflightGlobals();
