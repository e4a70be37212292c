// The per-tick driver. Every gauge callback but the checklist's calls MainUpdate once per frame; each
// call takes four samples, and only the first call after the simulator's tick counter (token 1) moves
// runs the rest: the sampling into the shared state, the wind triangle, the counters and the module's
// per-tick steps in their fixed order. That run stands for the ticks elapsed since the last one (more
// than one below 18 frames a second, at most a second's worth, tick_span.h): the counters, ramps and
// timers advance by them, a slot passed on the way counts as reached, and the steps that act on what
// they find (and send key events) run once.
//
// Reads: the simulator through the readers; the gates of the steps (stpos, hold_cnt, vnav, flch,
// thrust_hold, apu_spool_dir). Writes: the globals of tick_globals.h.
#pragma once

void MainUpdate();
