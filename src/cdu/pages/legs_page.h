// RTE LEGS (page 6, DrawLegsPage in cdu_pages.h): the route leg by leg, five lines a page, with each
// leg's magnetic course, distance and speed/altitude constraint; the page on which the pilot edits
// the route (insert, delete, direct-to, along-track points, constraints, HOLD AT, the intercept
// course after a direct-to) and steps the plan map's centre.
//
// Lists the active route in state 3 and the modified one otherwise; every edit acts on the modified
// route through the route operations, which move the route state (3 -> 4 on the first edit).
// Reads the route tables and state, the holds, the CDU key state, the ND modes, trans_alt, the
// aircraft position and mag_var. Writes the modified route, the CDU state (scratchpad, message,
// pages, hand-offs) and map_ctr_leg.
#pragma once

#include <cstdint>

// Deletes modified-route leg `leg`: a middle leg between two ordinary legs becomes a discontinuity
// in place (keep_flag 0); the first leg, one of the last two, a leg next to a discontinuity, a
// discontinuity itself, or any leg with keep_flag non-zero leaves the route. Its holds go first.
// Empties the message line and steps an active route to modified. Used by RTE LEGS and RTE.
void DeleteLegInsertDisco(int32_t leg, int32_t keep_flag);

// The modified-route leg a fix chosen on SELECT WAYPOINT goes in front of, for an entry typed in front
// of leg `typed_leg`: that leg, or the first leg the page lists now when a passage since the look-up
// has left it behind (a fix typed on line 1 becomes the active waypoint, as a single match does).
int32_t LegOfPendingChoice(int32_t typed_leg);
