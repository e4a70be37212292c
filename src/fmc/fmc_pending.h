// Flight-management services that the frame already calls or will call from its update driver.
#pragma once

#include <cstdint>

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
// Will compute the climb and descent rates and the planned Mach of the active legs for a cruise
// altitude in ft (at least 1000).
void CalcRouteProfile(int32_t cruise_alt_ft);
