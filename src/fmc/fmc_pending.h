// Flight-management services that the frame already calls or will call from its update driver.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/route_types.h"


// Will delete the n-th VIA/TO segment of the modified route; returns its first leg index, 0 when none.
int32_t DeleteRouteSegment(int32_t n, RteRow& row);

