// Navigation-database services that are being built elsewhere and already have callers here.
#pragma once

#include <cstdint>
#include <string>

// Will load the airport `icao` with its runways and procedures into airport_recs[selector]
// (1 origin, 2 destination); 1 when the airport was found, else 0.
int32_t LoadAirport(std::string icao, int32_t selector);
