// Geodesy and small numeric helpers shared by every subsystem: great-circle distance and bearing,
// destination points, course intersections, heading differences, map-symbol placement, BCD radio
// words and a few text helpers.
//
// Units: positions in decimal degrees (north and east positive), courses in degrees (true unless the
// caller passes magnetic ones), distances in NM. The earth is a sphere of 3437.7467707849396 NM per
// radian, so one degree of arc is 60 NM.
//
// Reads nothing outside its arguments. Writes: the scratch distance and bearing below; nothing else
// keeps state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "base/int_conversion.h"

inline constexpr double kEarthRadiusNm = 3437.7467707849396;
inline constexpr double kDegToRad = 0.017453292519943295;
inline constexpr double kRadToDeg = 57.29577951308232;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;

// Sentinel of CalcGreatCircle when the two courses have no usable intersection.
inline constexpr int32_t kNoIntersection = -99;

#define GEODESY_SCALARS(X)            \
  /* scratch outputs of CalcDistBrg that the map layers leave behind; no value survives a user */ \
  X(double, calc_dist, 0.0)           \
  X(double, calc_dist2, 0.0)          \
  X(double, calc_brg, 0.0)

RO_DECLARE_GLOBALS(GEODESY_SCALARS)

void ResetGeodesyGlobals();

// a - floor(a / b) * b: the result has the sign of b.
double FmodPositive(double a, double b);

// Distance (NM) and initial true bearing in [1, 360]: a bearing below 1.0 is reported as 360.0, and
// identical positions give 0.0 and 0.0.
void CalcDistBrg(double lat1, double lon1, double lat2, double lon2, double* dist_nm, double* brg_deg);

// The distance of CalcDistBrg alone, bit for bit (the nearby-list filters only need this).
double CalcDistNm(double lat1, double lon1, double lat2, double lon2);

// CalcDistNm(lat, lon, lat2, lon2) <= radius_nm for one place and radius and many points, with the
// place's terms and the radius's cosine worked out once: the same answers, the arc cosine only
// taken for points on the radius to within its rounding.
class WithinRadius {
 public:
  WithinRadius(double lat, double lon, double radius_nm);
  bool operator()(double lat2, double lon2) const;

 private:
  double lat_, lon_, radius_nm_;
  double sin_phi_, cos_phi_;
  double cos_inside_, cos_outside_;  // beyond these the answer is sure without the arc cosine
};

// Destination from a position along a true course (360.0 is taken as 0.0) over a distance.
void CalcDestPoint(double lat, double lon, double crs_deg, double dist_nm, double* out_lat,
                   double* out_lon);

// Where a point lies from the great circle through (lat1, lon1) on the true course crs_deg (360.0
// as 0.0): the along-track distance from (lat1, lon1) to the foot of the perpendicular through the
// point (negative behind it, at most half the globe either way) and the cross-track distance
// (positive to the right of the course). Exact at any distance from the circle.
void CalcTrackOffsets(double lat1, double lon1, double crs_deg, double lat, double lon, double* along_nm,
                      double* cross_nm);

// Intersection of course crs1 from point 1 with course crs2 from point 2. Returns 0 and writes the
// point, or kNoIntersection leaving the outputs unwritten. With both turn angles negative the point
// returned lies on the reciprocal of crs1: callers order the points so that the wanted intersection
// lies to the right of the great circle from point 1 towards point 2.
int32_t CalcGreatCircle(double lat1, double lon1, double crs1_deg, double lat2, double lon2,
                        double crs2_deg, double* out_lat, double* out_lon);

// Angle between two headings, 0..180, truncated toward zero.
int32_t CalcHeadingDiff(double h1_deg, double h2_deg);

// Whether a heading command of whole degrees goes out: when none was sent yet (`sent_deg` outside
// 0..360) or the wanted heading lies a whole degree or more from the one sent, either way round. A
// heading that hovers on a degree's boundary then sends nothing more (no command every frame); the
// value to send is the wanted heading truncated, as before.
bool HeadingCommandDue(double wanted_deg, int32_t sent_deg);

// dir 1 when h1 lies clockwise of h2 by up to 180 degrees, else 2 (equal headings give 2 and 0).
void CalcTurnDirAndAngle(double h1_deg, double h2_deg, int32_t* dir, int32_t* angle_deg);

// Position of a symbol at `dist` display units on `bearing` on a map whose up direction is
// `heading`; screen y grows downward.
void CalcMapPoint(double heading_deg, double bearing_deg, double centre_x, double centre_y,
                  double dist, double* out_x, double* out_y);
void CalcMapPointInt(double heading_deg, double bearing_deg, int32_t centre_x, int32_t centre_y,
                     double dist, int32_t* out_x, int32_t* out_y);

// Reads the digits of `value` in base `from` as digits in base `to` (BCD radio words: 16 -> 10).
// A base below 2 has no digits and gives 0.
int32_t ConvertRadix(uint32_t value, uint32_t from, int32_t to);

// Copies a zero-terminated text, terminator included; the destination's size bounds the copy (a
// longer text is cut so that the terminator still fits).
void CopyCString(const char* source, char* destination, size_t destination_size);
template <size_t N>
void CopyCString(const char* source, char (&destination)[N]) {
  CopyCString(source, destination, N);
}

// Converts a zero-terminated wide text, terminator included, to the ANSI code page (Windows-1252;
// characters it lacks become '?'). Returns the bytes written, 0 when the buffer is too small; with
// a buffer size of 0 it returns the size needed.
int32_t WideToMultiByte(const wchar_t* wide, char* buffer, int32_t buffer_size);

double rad2deg(double radians);
double norm360(double degrees);

// Ratio of sea-level pressure to the standard pressure at `alt_ft`; 0.0 above 140000 ft.
double PressureRatioInverse(double alt_ft);
