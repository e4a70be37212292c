// The per-tick driver. Every gauge callback but the checklist's calls MainUpdate once per frame; each
// call takes four samples, and only the first call after the simulator's tick counter (token 1) moves
// runs the rest: the sampling into the shared state, the wind triangle, the counters and the module's
// per-tick steps in their fixed order.
//
// Reads: the simulator through the readers; the gates of the steps (stpos, hold_cnt, vnav, flch,
// thrust_hold, apu_spool_dir). Writes: the globals of tick_globals.h.
#pragma once

void MainUpdate();
