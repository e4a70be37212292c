// Positions read from files: one rule for every reader of a latitude or a longitude (route files,
// simulator plans, panel states, the navigation data). A coordinate it refuses makes its line
// unreadable, which each reader then treats as it treats a line without coordinates: a place a file
// got wrong must never be taken for another place, 50 or 6,000 NM away.
#pragma once

#include <string_view>

#include "navdb/navdb_text.h"

enum class CoordAxis { kLatitude, kLongitude };

// Finite and on the globe: a latitude within 90 degrees of the equator, a longitude within 180 of
// Greenwich.
inline bool CoordinateOnGlobe(double deg, CoordAxis axis) {
  const double limit = axis == CoordAxis::kLatitude ? 90.0 : 180.0;
  return deg >= -limit && deg <= limit;
}

// Decimal degrees, north and east positive ("-122.3097"): an optional sign, digits with at most one
// point and nothing else, on the globe. False, with *deg as it was, for anything else.
bool ReadDecimalDegrees(std::string_view word, CoordAxis axis, double* deg);

// ReadDecimalDegrees of a word of a LineReader piece, read sixteen bytes at a time as the navigation
// loader reads its rows.
inline bool ReadDecimalDegreesInReader(std::string_view word, CoordAxis axis, double* deg) {
  double v = 0.0;
  if (!ReadPlainDecimalInReader(word, &v) || !CoordinateOnGlobe(v, axis)) return false;
  *deg = v;
  return true;
}

// A hemisphere letter with degrees, minutes and seconds, each group as its own text ("N", "47",
// "26", "42"): N or S for a latitude, E or W for a longitude, in either case; whole degrees; minutes
// and seconds in digits, each below 60, a decimal fraction allowed on the last group given; an empty
// minutes or seconds group counts 0. Degrees north and east positive, on the globe; false, with
// *deg as it was, for anything else.
bool ReadHemisphereDegrees(char hemisphere, std::string_view degrees, std::string_view minutes,
                           std::string_view seconds, CoordAxis axis, double* deg);
