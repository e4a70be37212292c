// The state the attitude painters (both EADI formats and the flat-panel PFD) advance while they
// paint: the displayed flight-director command bars, which follow the commands at a limited rate,
// the take-off pitch command, and the airspeed trend over the last sixteen smoothed samples.
//
// Each step runs once per paint of each such display, so the state moves at the paint rate.
//
// Reads: plane_bank, plane_pitch (deg, negative nose up), fd_bank_cmd, fd_pitch_cmd (deg, host
// sign), radio_height (ft), to_roll_mode, to_pitch_mode, ReadAirspeedSmoothed.
// Writes: fd_roll_bar, fd_pitch_bar, fd_pitch_cmd (take-off pitch mode), pfd_ias_hist,
// pfd_ias_trend, pfd_ias_trend_sum.
#pragma once

// Moves `x` towards `target` by `step`, landing on the target when less than a step is left.
double ApproachValue(double x, double target, double step);

// The pitch-bar target (deg, positive below the aircraft symbol): the command less the attitude.
double PitchBarTarget(double plane_pitch_deg, double fd_pitch_cmd_deg);

// Only for a painter that is about to draw the command bars (IRS aligned, flight director on).
void StepFdCommandBars();

// Once on every paint of an attitude display, whatever it shows.
void StepIasTrend();
