// The state the attitude painters (both EADI formats and the flat-panel PFD) advance while they
// paint: the displayed flight-director command bars, which follow the commands at a limited rate,
// the take-off pitch command, and the airspeed trend over the last sixteen smoothed samples.
//
// Each step runs once for every simulator tick the paint stands for (its refresh slots passed since
// the display's previous paint, set by the paint entry): once a paint at 18 frames a second, twice at
// times at 10, and not on a paint that repeats a tick above 18. The state thus moves per tick at any
// frame rate, and as before at 18.
//
// Reads: plane_bank, plane_pitch (deg, negative nose up), fd_bank_cmd, fd_pitch_cmd (deg, host
// sign), radio_height (ft), to_roll_mode, to_pitch_mode, ReadAirspeedSmoothed, attitude_paint_ticks.
// Writes: fd_roll_bar, fd_pitch_bar, fd_pitch_cmd (take-off pitch mode), pfd_ias_hist,
// pfd_ias_trend, pfd_ias_trend_sum, attitude_paint_ticks (BeginAttitudePaint only).
#pragma once

#include <cstdint>

// Moves `x` towards `target` by `step`, landing on the target when less than a step is left.
double ApproachValue(double x, double target, double step);

// The pitch-bar target (deg, positive below the aircraft symbol): the command less the attitude.
double PitchBarTarget(double plane_pitch_deg, double fd_pitch_cmd_deg);

// Before the painters of an attitude display run: the simulator ticks the paint stands for.
void BeginAttitudePaint(int32_t ticks);

// Only for a painter that is about to draw the command bars (IRS aligned, flight director on).
void StepFdCommandBars();

// On every paint of an attitude display, whatever it shows. The airspeed is read once a paint that
// stands for a tick; the ticks of the paint before its last take samples on the line to it.
void StepIasTrend();
