// The reduced panel mode's overhead set-up button: start-up and shut-down sequences that click the
// same click variables the pilot's own switches set, so the click poller performs each action with
// its usual rules, lights and sounds.
//
// Reads: token 364 (battery), the IRS, yaw damper, APU, pack, isolation valve and standby power
// switch states. Writes: the click variables (1.0), isol_air_valve, beg_start_button; key events
// 0x102C1, 0x102B0, 0x103E3.
#pragma once

// Start-up: battery on, IRS knobs on; the rest only while the right IRS is not aligning.
void ProcOverheadClicksB();
// Shut-down.
void OverheadClickA();
