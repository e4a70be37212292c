// Traffic pattern: the first hold of the route flown as a rectangular circuit "Xwind", "Dwind",
// "Base", "Final" around the hold fix, steered by autopilot heading commands towards a point about
// one mile ahead on the side being flown.
//
// Reads: route_holds[1] (fix, leg, inbound course deg magnetic, turn side, leg time or distance), stpos,
// lnav, mag_var, ground_speed, plane_lat/lon, dist_per_tick, holds_present, pattern_phase. Only a
// hold whose leg is the active one (stpos) is flown; for any other the circuit is ended.
// Writes: route_holds[1].leg_dist in timed mode, route_holds[1].pattern_pts 1..4 (while LNAV is
// engaged), the globals below, pattern_leg, pattern_phase, holds_present; removes the hold at the
// end of the last circuit; sends 0x101FA (autopilot heading, whole degrees magnetic).
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// A pattern_hdg_sent no heading has, so that the next heading goes out (north included).
inline constexpr double kNoPatternHeadingSent = -1.0;

#define FMC_TRAFFIC_PATTERN_GLOBALS(X)                                               \
  X(int32_t, pattern_prev, 0)       /* point the current side starts from (0 the fix) */ \
  X(double, pattern_hdg, 0.0)       /* deg magnetic towards the lead point */            \
  X(double, pattern_hdg_sent, kNoPatternHeadingSent)  /* deg, last heading sent */

RO_DECLARE_GLOBALS(FMC_TRAFFIC_PATTERN_GLOBALS)

inline constexpr uint32_t kApHeadingEvent = 0x101FA;

// pattern_phase values the update driver and this pattern share.
inline constexpr int32_t kPatternLastCircuitRequested = 2;
inline constexpr int32_t kPatternLastCircuit = 3;

// Recomputes the circuit of hold 1 and, with LNAV engaged, flies it one step.
void BuildTrafficPattern();

void ResetTrafficPatternGlobals();
