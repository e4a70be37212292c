// Position texts in the "N47:05:09" form of the airport reader, the CDU pages and the simulator
// flight plan.
#pragma once

#include <cstdint>
#include <string>

// lat north positive, lon_west WEST positive (callers negate an east-positive longitude); unit 1
// means degrees, any other value radians. Each text is the hemisphere letter, then whole degrees,
// minutes and seconds (truncated toward zero, unsigned, each below 10 padded with one "0"),
// separated by ":".
void FormatLatLonDms(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit);
