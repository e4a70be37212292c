// Flight-management services that the frame already calls or will call from its update driver.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/route_types.h"

