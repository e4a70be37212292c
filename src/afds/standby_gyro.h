// The electrically driven standby attitude indicator of the cockpit: with power it follows the
// aircraft, after power comes on it erects step by step from where it rests, and after power is lost
// it runs down to pitch -55, bank -30. Its attitude reaches the cockpit animation through the overhead
// pass ("stdby_plane_pitch", "stdby_plane_bank"); the standby display draws the aircraft's own.
//
// Reads: ac_power, stdby_power_switch, plane_pitch, plane_bank (degrees). Writes: stdby_att_pitch
// (degrees), stdby_att_bank_deg, stdby_att_bank (radians as published: a bank at or below 0 gets
// 6.3 added, so -180..180 degrees lie in 0..6.3), and clears stdby_att_erecting / stdby_att_toppling
// when the erection or run-down ends. The click poller sets those two flags.
#pragma once

// Called once per tick after the attitude is sampled, and by the click poller on each change of the
// standby power state. Erecting and running down move 0.5 degree of bank and 1 degree of pitch a call.
// A powered call with an attitude that is not finite changes nothing.
void UpdateStandbyGyro();
