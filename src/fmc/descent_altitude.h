// The altitude VNAV holds the simulator's autopilot at in a descent: one rule for every place that
// sends it (the per-tick targets, the look-ahead's new crossing point, an EXEC in the descent, the
// T/D). The autopilot never goes below the MCP altitude nor the next crossing altitude; a crossing
// altitude the aircraft is already below is no target (no descent meets it), and no altitude above
// the aircraft is sent: VNAV then levels off where it is until the path comes down to it.
//
// Reads alt_sel_num (ft, -99 none selected), cross_at_elev (ft), plane_alt (ft). Writes nothing.
#pragma once

#include <cstdint>

struct DescentAltitude {
  int32_t alt_ft;  // the autopilot altitude to hold
  bool level;      // true: no descent now (vertical speed 0)
};

DescentAltitude DescentAltitudeTarget();
