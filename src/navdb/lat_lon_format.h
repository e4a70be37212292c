// Position texts in the "N47:05:09" form of the airport reader, the CDU pages and the simulator
// flight plan, the "N47:26:70" form of POS INIT, and the "N47\xB0 05' 09.00" form of the simulator
// plan file (0xB0 is the Windows-1252 degree sign).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// lat north positive, lon_west WEST positive (callers negate an east-positive longitude); unit 1
// means degrees, any other value radians. Each text is the hemisphere letter, then whole degrees,
// minutes and seconds (truncated toward zero, unsigned, each below 10 padded with one "0"),
// separated by ":".
void FormatLatLonDms(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit);

// The same arguments; the third field is hundredths of a minute whose last digit is always 0: the
// minutes rounded to the nearest tenth (47.4459 gives "N47:26:70"). Minutes that round up to 60
// carry into the degrees.
void FormatLatLonDms2(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit);

// Turns two FormatLatLonDms texts into the plan file's form: letter, degrees, 0xB0, blank, minutes,
// "'", blank, seconds, ".00".
void SplitThreeWords(std::string_view lat_text, std::string_view lon_text, std::string* lat_out,
                     std::string* lon_out);
