// The route state fms_fpln_active and the route resets.
//
// 0 no route, 1 entered, 2 activated (EXEC lit), 3 active, 4 active route modified (EXEC lit).
// The first entry makes 0 -> 1 and, on the ground, applies what a loaded plan left waiting (fuel,
// MCP cruise altitude); ACTIVATE makes 1 -> 2, EXEC 2 -> 3 and 4 -> 3, the first edit of an active
// route 3 -> 4.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/route_types.h"

// One step of the route state; other values stay.
void StepFplnState();

// What a route edit does to the state: an empty route becomes entered, an active one modified.
void StepFplnStateAfterEdit();

// Drops what the crew entered for a modification that is not executed: the procedure selections,
// cruise altitude, cost index and speeds take back their executed values, and nothing is left for
// the next EXEC to apply (runway entry, pending cruise altitude, loaded plan, direct-to, hold
// clearing). The routes themselves are the caller's.
void DiscardPendingEntries();

// A passage of active leg `passed` while a modification waits: the modification's listing moves on
// with the active route when it began at that leg, so no passed leg stays its first line. A fix the
// crew put there in its place (a direct-to) stays first.
void FollowPassageInModification(int32_t passed);

// The modified route's leg that EXEC makes active (before a discontinuity there is skipped): stpos,
// or the leg the crew put first in the modification's listing when a passage has since taken the
// active route beyond it.
int32_t ModifiedActiveLeg();

// A cruise altitude or cost index entry keeps the value it replaced for ERASE until EXEC; a second
// entry keeps the first one's. Nothing kept is 0 ft and -1; a replaced "none" is kept as these.
inline constexpr int32_t kKeptNoCruiseAlt = -1;
inline constexpr int32_t kKeptNoCostIndex = -2;
void KeepCruiseAltForErase();
void KeepCostIndexForErase();

// A cruise altitude entry of `ft` (PERF INIT or the VNAV pages), the last of which EXEC takes. Before
// the route is active it is the cruise altitude at once; a route being flown keeps its own until EXEC,
// so ERASE has nothing of it to give back.
void TakeCruiseAltEntry(int32_t ft);

// A phase's speed schedule as VNAV flies it, kt and Mach: a speed or Mach typed on a VNAV page waits
// for EXEC (as a cruise altitude does) and the executed one, which ERASE would give back, is flown
// until then.
struct FlownSpeeds {
  double ias_kt;
  double mach;
};
FlownSpeeds FlownClimbSpeeds();
FlownSpeeds FlownCruiseSpeeds();
FlownSpeeds FlownDescentSpeeds();

// A route being flown in the air past its first T/D: the descent is under way (level between two of
// its segments too).
bool DescentUnderway();

// The procedure choices of the origin (SID, transition, runway, the runway entry and the loaded plan's
// departure texts) or of the destination (STAR, transition, runway, the plan's arrival texts) back to
// "------", the runway's table row to 0, and for the destination the ARRIVALS page's marks: a new
// airport invalidates them.
void ClearDepartureSelections();
void ClearArrivalSelections();

// The destination whose airport block and procedures are loaded: a new one typed over the active
// route and not yet executed, else dest_ident.
const std::string& LoadedDestination();

// Empties the active route (stpos 999) and the modified one with every pending entry, and puts the
// route's selections, speeds, take-off data and profile back to their configured or empty values;
// the state becomes 0.
void ResetActiveRoute();

// Clears the once-flags of the low radio-altitude callouts (500 ft down to 10 ft and the minimums).
void ResetAltCalloutFlags();

// The route's end rows stand where the runway layer draws the chosen runways: the origin (row 0) at
// the departure runway's threshold, the destination (row `last`) at the arrival runway's. An end
// without a chosen runway keeps its place.
void PlaceRunwayThresholds(RouteLeg* legs, int32_t last);

// A departure runway taken at once (not waiting for EXEC) puts the origin airport's row of both
// routes on its threshold, as EXEC does: the route is drawn and flown as it stands (an origin and a
// destination with nothing between is never executed). While a modification waits, only its own row
// moves; EXEC places the route flown.
void PlaceOriginOnChosenRunway();
