// Resolving CDU waypoint entries and finding the nearest airport.
//
// FindWaypointCandidates reads `cdu_lookup_ident` (an ident, "N4736.5W12218.3", a place-bearing-
// distance "SEA330/10", a place-bearing/place-bearing "SEA330/OLM090" or a shorthand "5275N") and
// writes the candidates into nav_search_list rows 1..nav_search_cnt, nearest to the aircraft first;
// the place-bearing forms also set pbd_brg, pbd_brg2, pbd_dist and write the place looked up back
// into cdu_lookup_ident (and, once the crossing point exists, the first place into the current fix;
// the point keeps the second place's ident for its name but is a plain waypoint, without frequency).
// Every look-up starts with no offset; InsertTmpFplanWpt consumes the one it leaves, and a caller
// that inserts nothing clears it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// kind: 0 (or below 1) every kind, 1 navaids, 2 intersections, 3 airports; above 3 no table.
void FindWaypointCandidates(int32_t kind);

// Radial distances stay below this many NM, on FIX INFO and in the place/bearing/distance entries.
inline constexpr double kMaxRadialDistNm = 999.0;

// True when the last look-up refused its entry as a bad one, not a missing one: a position no place
// on the globe has (a latitude above 90, a longitude above 180, minutes of 60 or more), a
// latitude/longitude or shorthand with anything but digits in its groups or after them, or a
// place/bearing form with a bearing, distance or second bearing that is no IsPlaceNumber, a bearing
// above 360 or a distance of kMaxRadialDistNm or more.
bool LookUpRefused();

// Whether `text` is a number as a place entry writes one: digits, with at most one point. A letter
// typed for a digit ("2OO", "1O") makes it none, where a read of the leading number would take the
// digits before the letter for the whole.
bool IsPlaceNumber(std::string_view text);

// Whether `entry` is the 15-character latitude/longitude form ("N4736.5W12218.3") with digits in
// every group of degrees, minutes and tenths.
bool LatLonGroupsAreDigits(std::string_view entry);

// The number of a made waypoint's name after `prefix`: the two characters that follow it in a name
// two longer ("WPT07"; no digits read 0), or the three to nine digits that do ("WPT100"); -1 for
// any other name.
int32_t MadeNameNumber(std::string_view name, std::string_view prefix);

// The name of a new latitude/longitude point: "WPT" and one more than the highest number of a "WPT"
// leg of the modified route (rows 1 to the one before the last), "WPT01" without one.
std::string NextWaypointName();

// True while a place-bearing look-up's offset waits for the route code.
bool PlaceOffsetPending();

// Forgets that offset, so that it cannot move or rename a later waypoint.
void ClearPlaceOffset();

// Sets nearest_apt_ident to the airport nearest to (plane_lat, plane_lon); 1 when one was found,
// 0 (ident unchanged) when no airport is loaded.
int32_t FindNearestAirport();
