// The samples every call of the per-tick driver takes before it knows whether the simulator's tick
// counter has moved: the ground speed, the smoothed airspeed (one filter step), the indicated
// altitude and the tick counter itself.
//
// Reads: the simulator through the readers. Writes: ground_speed, ias, plane_alt, tick18.
#pragma once

// Takes the four samples; true when the tick counter differs from the last run's (last_tick18).
bool SampleTickHead();
