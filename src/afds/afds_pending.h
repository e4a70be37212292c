// Services and state of the autoflight, panel-control and systems subsystem that the frame calls and
// reads before that subsystem is built.
#pragma once

#include <cstdint>

#include "frame/globals_macros.h"

// vnav, flch: 1 while engaged; thrust_hold: 1 while the autothrottle drives the levers;
// apu_spool_dir: 0 steady, 1 spooling up, 2 spooling down.
#define AFDS_PENDING_GLOBALS(X) \
  X(int32_t, vnav, 0)           \
  X(int32_t, flch, 0)           \
  X(int32_t, thrust_hold, 0)    \
  X(int32_t, apu_spool_dir, 0)

RO_DECLARE_GLOBALS(AFDS_PENDING_GLOBALS)

void ResetAfdsPendingGlobals();

// Will keep the 15-sample airspeed history and its trend.
void UpdateSpeedTrend();
// Will drive the throttle levers towards the autothrottle target.
void ProcAutothrottle();
