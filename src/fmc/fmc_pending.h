// Flight-management services that the frame already calls or will call from its update driver.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/route_types.h"


// Per-tick route services the update driver calls.
// Will recompute the T/C point; returns the route row it falls at (or the first constrained row).
int32_t PredictToc(int32_t flag);
// Will start a descent segment at the active row and recompute the T/D point.
void PredictTod(int32_t flag);
// Will run the per-tick VNAV target pass.
void get_vnav_info();
// Will rebuild the traffic-pattern points of the first hold.
void BuildTrafficPattern();
// Will delete the n-th VIA/TO segment of the modified route; returns its first leg index, 0 when none.
int32_t DeleteRouteSegment(int32_t n, RteRow& row);
// Will insert search-list rows awy_entry_idx..awy_exit_idx into the modified route after mod_stpos.
void InsertAirwayWpts();
// Will make the modified route the active one (the EXEC key; the panel-state loader after a route).
void ExecRoute();

// Procedure pick lists of the origin and destination records ("------" = no filter).
// Will fill the origin's SID list with the SIDs that serve the runway.
void BuildSidList(std::string runway);
// Will fill the origin's runway list with the runways the SID serves.
void BuildDepRunwayList(std::string sid_name);
// Will fill the destination's STAR list with the STARs that serve the runway.
void BuildStarList(std::string runway);
// Will fill the destination's runway list with the runways the STAR serves.
void BuildArrRunwayList(std::string star_name);
