// The samples every call of the per-tick driver takes before it knows whether the simulator's tick
// counter has moved: the ground speed, the smoothed airspeed (one filter step), the indicated
// altitude and the tick counter itself; and the aircraft's place, which a run of the driver takes
// first.
//
// Reads: the simulator through the readers. Writes: ground_speed, ias, plane_alt, tick18; mag_var,
// plane_hdg_mag, plane_lat, plane_lon, plane_hdg_true.
#pragma once

// Takes the four samples; true when the tick counter differs from the last run's (last_tick18).
bool SampleTickHead();

// Takes the variation, the headings and the position (a position that is no place is passed over).
void SampleAircraftPlace();

// What a route rebuilt before the first tick is measured from: the ground speed, the indicated
// altitude and the place, without the airspeed filter's step.
void SampleAircraftBeforeFirstTick();
