// Nearby lists of the map displays: each kind (airports, airway fixes, radio stations) is culled in
// two stages, a coarse list within 600 NM built from the full table and a fine list built from the
// coarse one, each storing the centre it was built around. The map layers decide when to rebuild
// (NearbyListStale with the distances below) and draw the fine lists.
#pragma once

#include "navdb/navdb_globals.h"

inline constexpr double kNearCoarseRadiusNm = 600.0;
inline constexpr double kNearAptsFineRadiusNm = 180.0;
inline constexpr double kNearWptsFineRadiusNm = 200.0;
inline constexpr double kNearStationsFineRadiusNm = 320.0;

// How far the map centre may move from a list's stored centre before the layer rebuilds it.
inline constexpr double kNearCoarseRebuildNm = 200.0;
inline constexpr double kNearFineRebuildNm = 50.0;

// Each filter empties its list, copies the rows within its radius (in source order; where more
// than its limit lie within, the nearest of them) and stores (lat, lon) as the list's centre.
void FilterAirportsCoarse(double lat, double lon);
void FilterAirportsFine(double lat, double lon);
void FilterWaypointsCoarse(double lat, double lon);
void FilterWaypointsFine(double lat, double lon);
void FilterStationsCoarse(double lat, double lon);
void FilterStationsFine(double lat, double lon);

// True when a list around `centre` needs rebuilding for the map centre (lat, lon): never built
// (centre -999, or one that is not finite), or farther than threshold_nm away.
bool NearbyListStale(const NavCentre& centre, double lat, double lon, double threshold_nm);
