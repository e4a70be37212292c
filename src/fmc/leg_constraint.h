// The speed/altitude constraint entry of the RTE LEGS page: "250/", "250/10000", "/FL350", "FL350",
// "350" (a flight level), "050" (50 ft), "12000".
//
// Reads cdu_scratchpad (at most its first 140 characters are parsed). On success writes the leg's
// alt and/or ias and sets the matching restr bit (1 altitude, 2 speed) keeping the other, copies the
// active route first when it is active (state 3), steps the route state and empties the scratchpad.
// Any refused part refuses the whole entry: "INVALID ENTRY", nothing else changes.
#pragma once

#include <cstdint>

void ParseLegConstraint(int32_t leg);
