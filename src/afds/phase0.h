// The overhead pass's block for server_phase 0 (once per 18 SERVER frames): autoflight
// housekeeping, fuel selectors, the FSUIPC poll, arming the valve time-outs, route reset on power
// loss, localizer and glideslope capture, landing-checklist arming, EPR publication, fuel imbalance,
// the NAV button follow-up and the altitude alert.
//
// Reads: the sampled flight state, the NAV receiver flags (token 46), token 332 (gear), 643
// (temperature), 848 (GPS drives NAV), the destination runway, the GPS data block. Writes: the
// channels and autoland mode, loc_capture, gs_capture, box timers, valve states and their timers,
// ldg_checklist_mode, to_callout_mode, fuel_imbalance (lb), alt_alert_state, "alt_hold", "epr1",
// "epr2"; key event 0x10110.
#pragma once

#include <cstdint>

void RunPhase0Housekeeping();

// The valves' automatic-close countdowns (armed at 20 s by the block above): every overhead pass
// counts them down by the ticks of its run, so that they keep simulator time at any frame rate; the
// wing's counts only in the air. One that runs out closes a valve left closing.
void CountValveTimeouts(int32_t ticks);

// The beams a capture rests on: the localizer, and the glideslope with it, received with the needle
// within the capture window (the sampled cdi_needle and gsi_needle).
bool LocalizerReceived();
bool GlideslopeReceived();
