// End points of the path legs of the SID and STAR files: a course flown until an altitude ("UA",
// SIDs only), until a DME distance from the reference position ("UD"), or until a course through
// the reference fix is intercepted ("IC" and any other condition), with an optional turn prefix
// ("/RT", "/LT"). Courses in the codes are magnetic; the airport's variation makes them true.
//
// Reads: origin_magvar, dest_magvar, proc_ref_lat/proc_ref_lon (the DME reference) and the origin
// block's elevation_ft. Writes nothing but the end point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Result of a path leg without an end point (the loaders drop the leg).
inline constexpr int32_t kNoPathEnd = -99;

// SID path leg from (lat0, lon0) with the heading flown before it (magnetic). On entry *io_lat and
// *io_lon hold the reference fix; on success (0) they receive the end point, on kNoPathEnd they keep
// their values. proc_index, trans and spare_text do not affect the result.
int32_t BuildSidLegs(std::string_view code, double lat0, double lon0, double* io_lat, double* io_lon,
                     int32_t proc_index, std::string_view trans, std::string_view spare_text, int32_t alt_ft,
                     double hdg);

// The same for a STAR path leg, with the destination's variation and no "UA" condition.
int32_t BuildStarLegs(std::string_view code, double lat0, double lon0, double* io_lat, double* io_lon,
                      int32_t proc_index, std::string_view trans, std::string_view spare_text, double hdg);

// The name the SID and STAR loaders give a path leg: "TR", "HD" or "CR" for a track, heading or
// course code, followed by its three course digits ("/LT/T360/UD9.0" gives TR360). Returns false,
// leaving *name as it was, when the code has no such letter.
bool PathLegName(std::string_view code, std::string* name);

// Helpers shared with the approach builder and the waypoint search.

// Magnetic bearing, in [0, 360), from one position to another, for a variation `var_deg`.
double MagneticBearing(double lat0, double lon0, double lat1, double lon1, double var_deg);

// The DME search of "UD" legs: the first point, in 0.1 NM steps below 50 NM along the true course
// `crs_true_deg`, whose distance from (ref_lat, ref_lon) is within 0.1 NM of `dme_nm`. False, leaving
// *lat/*lon alone, when there is none.
bool FindDmePoint(double lat0, double lon0, double crs_true_deg, double ref_lat, double ref_lon, double dme_nm,
                  double* lat, double* lon);

// Whether an intersection found for a course `crs_deg` flown from (lat0, lon0) lies ahead on that
// course: within 1 degree it is taken as it is; otherwise the point mirrored in latitude, then in
// longitude, is taken when it coincides with the start and lies within 7 degrees. On true
// *lat/*lon hold the point taken.
bool TakeIntersection(double lat0, double lon0, double crs_deg, double var_deg, double* lat, double* lon);
