// The module's own speed and thrust loop on top of the simulator's autopilot: the airspeed trend,
// the flight-level-change controller (thrust levers to the thrust-limit EPR in a climb or to idle in
// a descent, the speed flown by the commanded vertical speed, and the hand-over to ALT HOLD or V/S
// near the selected altitude), and the throttle driver of the THR mode.
//
// Reads: ap_alt_lock, plane_alt, radio_height, vert_speed, ias, plane_mach, accel_ht, epr_bug,
// engine_type, ap_master, at_arm, alt_sel_num, the redraw and 36-tick slots, tokens 108, 115, 128.
// Writes: ias_trend_hist, ias_trend, ias_target_dev, target_ias, spdhld_vs, vs_chg, spdhld_flsh_ctr,
// thrust_target, thrust_target_prev, thr_release_pending, tmsp, epr_bug, epr_bug_2, thr_ref_crz_req,
// thr_ref_to_req and to_epr_temp_sel (the TO button), and at the capture flch, vs_hold_mode, spd_hold, fma_pitch_box_timer; sends the lever events
// 0x10049, 0x10051, 0x100A1 and the autopilot events 0x101F4, 0x101F5, 0x1022E, 0x10231, 0x1022D,
// 0x10230, 0x10110; writes the throttle-disconnect byte 0x310A through FSUIPC.
// Speeds kt, altitudes ft, vertical speeds ft/min, lever units 0..16383.
#pragma once

#include <cstdint>

// The thrust mode buttons, of the 2-D panel and of the 3-D cockpit alike: each sets tmsp and
// recomputes both thrust-limit references. TO gives 1 on the ground, with the assumed temperature
// reset from token 350, and 2 (go-around) in the air, and raises its request; CRZ gives 6 with its
// request; the others give their own mode.
void SelectThrustMode(int32_t mode);
void PressTmspTo();
void PressTmspCrz();

// One sample a tick for the `ticks` of the run: the trend is the change over the 16 samples divided
// by 14, in kt per tick. Run once a run while FLCH or VNAV flies; after a run without it the history
// starts afresh at the present airspeed (a level trend).
void UpdateSpeedTrend(int32_t ticks);
// One pass of the FLCH controller; does nothing within 90 ft of the autopilot's altitude lock.
void ProcFlch();
// One pass of the THR throttle driver.
void ProcAutothrottle();
