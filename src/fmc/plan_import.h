// Simulator flight plans (".PLN", ini-like or XML) converted into the route file "temp.rte" of the
// plan folder, and the two fixed-column coordinate readers.
//
// Reads: sim_root and the plan file. Writes: "<sim_root>\Orvantel\flightplans\temp.rte" (whole or
// empty), with one line per waypoint: ident, latitude and longitude in degrees (north and east
// positive, 5 decimals) and a type ("APT", "VOR", "NDB", "INT" or an XML type carried over).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "navdb/coordinate_text.h"

inline constexpr int32_t kPlanNotFound = -99;

// Converts plan `name` of the plan folder. -99 when the plan cannot be opened, "temp.rte" cannot be
// written (a stale "temp.rte" must never pass for the plan) or a waypoint of the plan has no name or
// no position on Earth (a waypoint line that gives no place, an XML waypoint without its position or
// its closing tag), or when the plan is cut between two waypoints; 0 when converted.
int32_t ImportPlnToTempRte(const std::string& name);

// "N47:26:42" / "W122:18:33" forms (the hemisphere letter at position 0 is ignored): degrees,
// minutes and whole seconds at fixed positions; a longitude with ":" at position 3 has two degree
// digits. Unsigned degrees out.
void ParseDmsText(std::string_view lat_text, std::string_view lon_text, double* lat_out, double* lon_out);

// The POS INIT entry form "N4726.7" / "W12218.5": degrees, minutes and tenths of a minute at fixed
// positions (the tenths are taken as whole seconds). Unsigned degrees out; the caller signs them.
void ParseLatLonText(std::string_view lat_text, std::string_view lon_text, double* lat_out, double* lon_out);

// An ini plan coordinate "N47* 26.07'": hemisphere letter, whole degrees before "*", decimal minutes
// after it; negative for "S" and "W". False, with *deg as it was, when it gives no place on the globe
// (the rule of navdb/coordinate_text.h).
bool ReadIniCoordinate(std::string_view text, CoordAxis axis, double* deg);
