// The EFIS selections of the navigation displays: mode and range steps, the traffic toggle and
// the map-option flips. Called by the EFIS control gauges' mouse areas and by the key-event
// handler; each keeps the knob and switch animations' named variables in step.
#pragma once

#include <cstdint>

// nd_mode one step down (2 -> 1 .. 4 -> 3) / up (1 -> 2 .. 3 -> 4), writing "efis_mode_switch"
// (nd_mode - 1) when it moved; "ehsi_mode" is written either way.
void DecrementEfisMode();
void IncrementEfisMode();
// "ehsi_mode" := nd_mode.
void SetEhsiMode();

// nd_rng_nm, then fpnd_rng_nm, one rung along 10, 20, 40, 80, 160, 320 NM, each from its own value;
// "efis_range_switch" (0..5) is written for each range that moved. A range off the ladder stays.
void DecreaseNdRange();
void IncreaseNdRange();
// A range of that ladder.
bool OnRangeLadder(double range_nm);
// One range one rung down (-1) or up (+1), matching the rung exactly; writes "efis_range_switch"
// (0..5) and returns true when it moved.
bool StepRangeOnLadder(double* range_nm, int direction);

// Flips the traffic flags of both display sets, writes "efis_TFC_switch" and "tcas_knob", and
// reopens the TCAS connection attempts (tcas_flag := 10) while the module is not connected.
void ToggleEfisTfc();

// Flips (0 -> 1, anything else -> 0) and return the new value.
int32_t ToggleNdSta();
int32_t ToggleNdArpt();
int32_t ToggleNdWpt();
// Flip the ND-side flag while efis_side is non-zero, else the EHSI-side flag.
int32_t ToggleStaBySide();
int32_t ToggleArptBySide();
int32_t ToggleWptBySide();
int32_t ToggleDataBySide();
int32_t ToggleRangeRingsBySide();

// The flip rule of the option flags.
inline int32_t FlipFlag(int32_t* flag) { return *flag = (*flag == 0) ? 1 : 0; }
