// Navigation-database services that other subsystems already call.
#pragma once

#include <cstdint>
#include <string>

// Will load airport `ident` into airport_recs[selector] (1 origin, 2 destination) with its runways
// and procedures and set apt_elev_text; 1 when the airport was found and loaded, 0 otherwise.
int32_t LoadAirport(const std::string& ident, int32_t selector);
