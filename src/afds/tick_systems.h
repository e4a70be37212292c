// Aircraft-systems steps of the per-tick run: the hydraulic pressure ramps, the APU exhaust
// temperature and speed ramps with its start sequence, the delayed valve and light changes the
// overhead clicks start, the IRS alignment countdowns with the yaw-damper hand-over, the landing-light
// switch follow-up and the countdowns of the sound logic. Everything counts simulator ticks.
//
// Reads: ac_power, the pump switches, the timers and switch states of afds_globals.h, ground_speed,
// lite_mode, IrsAlignSecs (ticks), the simulator's landing-light, ground, battery and engine tokens.
// Writes: the pressures (psi), APU values (deg C, percent), valves, lights, IRS and yaw-damper modes,
// the timers; publishes through the systems logic after each change; sends key event 0x10215.
#pragma once

void StepHydraulicPressures();
// Called while apu_spool_dir is 1 (spool up) or 2 (spool down).
void StepApuSpool();
void StepLandingLightFollowUp();
void StepSoundDelays();
void StepIrsAlignment();
// APU start and lights, valve and light timers, engine start counts.
void StepSystemsTimers();
// After a panel-state load, which restores switch and valve positions but none of their counters:
// a valve in transit completes its movement, an APU start under way runs its sequence again, a
// running APU shows its running temperature and speed and a stopped one spools down.
void ResumeSystemsAfterPanelLoad();
