#include "base/geodesy.h"

#include <algorithm>
#include <cmath>
#include <cstring>


RO_DEFINE_GLOBALS(GEODESY_SCALARS)

void ResetGeodesyGlobals() {
  RO_RESET_GLOBALS(GEODESY_SCALARS)
}

namespace {

// Rounding can take a cosine or sine a hair beyond its range for nearly coincident or antipodal
// points; the arc functions would then give NaN.
double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

// The unsigned angle between two headings, 0..180, untruncated.
double HeadingGap(double h1, double h2) {
  double diff = h2 > h1 ? h2 - h1 : h1 - h2;
  if (diff > 180.0) diff = 360.0 - diff;
  return diff;
}

// h1 lies clockwise of h2 by up to 180 degrees.
bool ClockwiseOf(double h1, double h2) { return (h1 > h2 && h1 - h2 <= 180.0) || (h2 > h1 && h2 - h1 > 180.0); }

// Shared by the map-point helpers: the unsigned angle between heading and bearing, and whether the
// bearing lies anticlockwise of the heading (0 < d <= 180 to the left).
void HeadingBearingAngle(double heading, double bearing, double* d, bool* left) {
  *d = HeadingGap(heading, bearing);
  *left = ClockwiseOf(heading, bearing) && *d > 0.0;
}

// The one distance formula, shared so that CalcDistNm and CalcDistBrg agree to the last bit.
double ArcNm(double sin_phi1, double cos_phi1, double sin_phi2, double cos_phi2, double cos_dlon) {
  return std::acos(ClampUnit(sin_phi2 * sin_phi1 + cos_phi2 * cos_phi1 * cos_dlon)) * kEarthRadiusNm;
}

}  // namespace

double FmodPositive(double a, double b) { return a - std::floor(a / b) * b; }

double CalcDistNm(double lat1, double lon1, double lat2, double lon2) {
  if (lat1 == lat2 && lon1 == lon2) return 0.0;
  double phi1 = lat1 * kDegToRad;
  double phi2 = lat2 * kDegToRad;
  return ArcNm(std::sin(phi1), std::cos(phi1), std::sin(phi2), std::cos(phi2),
               std::cos((lon2 - lon1) * kDegToRad));
}

WithinRadius::WithinRadius(double lat, double lon, double radius_nm)
    : lat_(lat), lon_(lon), radius_nm_(radius_nm), sin_phi_(std::sin(lat * kDegToRad)), cos_phi_(std::cos(lat * kDegToRad)) {
  // Far beyond the rounding of the cosines and of the arc cosine: only points this close to the
  // radius are measured.
  constexpr double kRounding = 1e-12;
  // Up to half the globe the cosine falls with the arc; any other radius is measured every time.
  const bool quick = radius_nm >= 0.0 && radius_nm < kPi * kEarthRadiusNm;
  const double c = std::cos(radius_nm / kEarthRadiusNm);
  cos_inside_ = quick ? c + kRounding : 2.0;
  cos_outside_ = quick ? c - kRounding : -2.0;
}

bool WithinRadius::operator()(double lat2, double lon2) const {
  if (lat_ == lat2 && lon_ == lon2) return 0.0 <= radius_nm_;
  const double phi2 = lat2 * kDegToRad;
  const double s = ClampUnit(std::sin(phi2) * sin_phi_ + std::cos(phi2) * cos_phi_ * std::cos((lon2 - lon_) * kDegToRad));
  if (s > cos_inside_) return true;
  if (s < cos_outside_) return false;
  return ArcNm(sin_phi_, cos_phi_, std::sin(phi2), std::cos(phi2), std::cos((lon2 - lon_) * kDegToRad)) <= radius_nm_;
}

void CalcDistBrg(double lat1, double lon1, double lat2, double lon2, double* dist_nm, double* brg_deg) {
  if (lat1 == lat2 && lon1 == lon2) {
    *dist_nm = 0.0;
    *brg_deg = 0.0;
    return;
  }
  double phi1 = lat1 * kDegToRad;
  double phi2 = lat2 * kDegToRad;
  double dlon = (lon2 - lon1) * kDegToRad;
  double sin_phi1 = std::sin(phi1), cos_phi1 = std::cos(phi1);
  double sin_phi2 = std::sin(phi2), cos_phi2 = std::cos(phi2);
  double cos_dlon = std::cos(dlon);
  *dist_nm = ArcNm(sin_phi1, cos_phi1, sin_phi2, cos_phi2, cos_dlon);
  double theta = std::atan2(std::sin(dlon) * cos_phi2, cos_phi1 * sin_phi2 - sin_phi1 * cos_phi2 * cos_dlon);
  double brg = FmodPositive(theta, kTwoPi) * kRadToDeg;
  // North is reported as 360, and so is everything that truncates to 0 degrees.
  if (TruncToI32(brg) == 0) brg = 360.0;
  *brg_deg = brg;
}

void CalcDestPoint(double lat, double lon, double crs_deg, double dist_nm, double* out_lat,
                   double* out_lon) {
  if (crs_deg == 360.0) crs_deg = 0.0;
  double d = dist_nm * kPi / 10800.0;
  double phi1 = lat * kDegToRad;
  double lam1 = lon * kDegToRad;
  double tc = crs_deg * kDegToRad;
  double phi2 = std::asin(ClampUnit(std::sin(phi1) * std::cos(d) + std::cos(phi1) * std::sin(d) * std::cos(tc)));
  double dlam = std::atan2(-std::sin(tc) * std::sin(d) * std::cos(phi1), std::cos(d) - std::sin(phi1) * std::sin(phi2));
  double lam2 = FmodPositive(lam1 - dlam + kPi, kTwoPi) - kPi;
  *out_lat = phi2 * kRadToDeg;
  *out_lon = lam2 * kRadToDeg;
}

void CalcTrackOffsets(double lat1, double lon1, double crs_deg, double lat, double lon, double* along_nm,
                      double* cross_nm) {
  // In the frame of the start point: up (its radius), north and east. The point's components give
  // the angle along the circle and its angle off the circle's plane.
  const double phi1 = lat1 * kDegToRad, phi = lat * kDegToRad;
  const double dlon = (lon - lon1) * kDegToRad;
  const double up = std::sin(phi1) * std::sin(phi) + std::cos(phi1) * std::cos(phi) * std::cos(dlon);
  const double north = std::cos(phi1) * std::sin(phi) - std::sin(phi1) * std::cos(phi) * std::cos(dlon);
  const double east = std::cos(phi) * std::sin(dlon);
  const double tc = crs_deg * kDegToRad;
  const double ahead = std::cos(tc) * north + std::sin(tc) * east;
  const double right = std::cos(tc) * east - std::sin(tc) * north;
  *along_nm = std::atan2(ahead, up) * kEarthRadiusNm;
  *cross_nm = std::asin(ClampUnit(right)) * kEarthRadiusNm;
}

int32_t CalcGreatCircle(double lat1, double lon1, double crs1_deg, double lat2, double lon2,
                        double crs2_deg, double* out_lat, double* out_lon) {
  if (crs1_deg == 360.0) crs1_deg = 0.0;
  if (crs2_deg == 360.0) crs2_deg = 0.0;
  double phi1 = lat1 * kDegToRad;
  double phi2 = lat2 * kDegToRad;
  double w1 = -lon1 * kDegToRad;  // west-positive longitudes
  double w2 = -lon2 * kDegToRad;
  double crs13 = crs1_deg * kDegToRad;
  double crs23 = crs2_deg * kDegToRad;

  double s1 = std::sin((w1 - w2) / 2.0);
  double s2 = std::sin((phi1 - phi2) / 2.0);
  double d12 = 2.0 * std::asin(std::sqrt(std::clamp(std::cos(phi2) * std::cos(phi1) * s1 * s1 + s2 * s2, 0.0, 1.0)));
  // Coincident or antipodal points, or a point on a pole, leave the courses between the points
  // undefined: there is no single intersection to report.
  double den1 = std::sin(d12) * std::cos(phi1);
  double den2 = std::sin(d12) * std::cos(phi2);
  if (std::fabs(den1) < 1e-12 || std::fabs(den2) < 1e-12) return kNoIntersection;

  double a = std::acos(ClampUnit((std::sin(phi2) - std::sin(phi1) * std::cos(d12)) / den1));
  double crs12 = std::sin(w2 - w1) < 0.0 ? a : kTwoPi - a;
  double b = std::acos(ClampUnit((std::sin(phi1) - std::cos(d12) * std::sin(phi2)) / den2));
  double crs21 = std::sin(w1 - w2) < 0.0 ? b : kTwoPi - b;

  double ang1 = FmodPositive(crs13 - crs12 + kPi, kTwoPi) - kPi;
  double ang2 = FmodPositive(crs21 - crs23 + kPi, kTwoPi) - kPi;
  if (std::sin(ang1) * std::sin(ang2) <= std::sqrt(1.0e-15)) return kNoIntersection;

  double ang3 = std::acos(ClampUnit(std::sin(ang1) * std::sin(ang2) * std::cos(d12) - std::cos(ang2) * std::cos(ang1)));
  double sin_ang3 = std::sin(ang3);
  if (sin_ang3 == 0.0) return kNoIntersection;
  double d13 = std::asin(ClampUnit(std::sin(d12) * std::sin(ang2) / sin_ang3));
  double phi3 = std::asin(ClampUnit(std::cos(d13) * std::sin(phi1) + std::cos(crs13) * std::sin(d13) * std::cos(phi1)));
  double cos_phi3 = std::cos(phi3);
  // At a pole every longitude is the same point; keep point 1's.
  double dw = cos_phi3 == 0.0 ? 0.0 : std::asin(ClampUnit(std::sin(crs13) * std::sin(d13) / cos_phi3));
  double w3 = FmodPositive(w1 - dw + kPi, kTwoPi) - kPi;
  *out_lat = phi3 * kRadToDeg;
  *out_lon = -w3 * kRadToDeg;
  return 0;
}

int32_t CalcHeadingDiff(double h1_deg, double h2_deg) { return TruncToI32(HeadingGap(h1_deg, h2_deg)); }

bool HeadingCommandDue(double wanted_deg, int32_t sent_deg) {
  return sent_deg < 0 || sent_deg > 360 || HeadingGap(wanted_deg, sent_deg) >= 1.0;
}

void CalcTurnDirAndAngle(double h1_deg, double h2_deg, int32_t* dir, int32_t* angle_deg) {
  *angle_deg = CalcHeadingDiff(h1_deg, h2_deg);
  *dir = ClockwiseOf(h1_deg, h2_deg) ? 1 : 2;
}

void CalcMapPoint(double heading_deg, double bearing_deg, double centre_x, double centre_y,
                  double dist, double* out_x, double* out_y) {
  double d;
  bool left;
  HeadingBearingAngle(heading_deg, bearing_deg, &d, &left);
  double dx = std::sin(d * kDegToRad) * dist;
  *out_x = left ? centre_x - dx : centre_x + dx;
  *out_y = centre_y - std::cos(d * kDegToRad) * dist;
}

void CalcMapPointInt(double heading_deg, double bearing_deg, int32_t centre_x, int32_t centre_y,
                     double dist, int32_t* out_x, int32_t* out_y) {
  double d;
  bool left;
  HeadingBearingAngle(heading_deg, bearing_deg, &d, &left);
  double dx = std::fabs(std::sin(d * kDegToRad) * dist);
  double dy = std::fabs(std::cos(d * kDegToRad) * dist);
  *out_x = TruncToPixel(left ? centre_x - dx : centre_x + dx);
  *out_y = TruncToPixel(d <= 90.0 ? centre_y - dy : centre_y + dy);
}

int32_t ConvertRadix(uint32_t value, uint32_t from, int32_t to) {
  if (from < 2) return 0;
  // The recursion q * to + r, unrolled from the least significant digit; unsigned arithmetic keeps
  // an over-long word from overflowing a signed value.
  uint32_t result = 0;
  uint32_t place = 1;
  while (value != 0) {
    result += (value % from) * place;
    place *= static_cast<uint32_t>(to);
    value /= from;
  }
  return static_cast<int32_t>(result);
}

void CopyCString(const char* source, char* destination, size_t destination_size) {
  if (destination_size == 0) return;
  size_t n = strnlen(source, destination_size - 1);
  std::memcpy(destination, source, n);
  destination[n] = '\0';
}

int32_t WideToMultiByte(const wchar_t* wide, char* buffer, int32_t buffer_size) {
  // Windows-1252 bytes 0x80..0x9F, by their Unicode characters (0 = unassigned).
  static const uint16_t kCp1252High[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (wide == nullptr || buffer_size < 0) return 0;
  int32_t needed = 0;
  for (const wchar_t* p = wide;; ++p) {
    ++needed;
    if (*p == L'\0') break;
  }
  if (buffer_size == 0) return needed;
  if (buffer == nullptr || buffer_size < needed) return 0;
  for (int32_t i = 0; i < needed; ++i) {
    uint32_t c = static_cast<uint32_t>(wide[i]);
    char out = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out = static_cast<char>(c);
    } else {
      for (int k = 0; k < 32; ++k) {
        if (kCp1252High[k] != 0 && kCp1252High[k] == c) out = static_cast<char>(0x80 + k);
      }
    }
    buffer[i] = out;
  }
  return needed;
}

double rad2deg(double radians) { return radians * kRadToDeg; }

double norm360(double degrees) {
  // The stepping loops below would never end for huge inputs; the remainder gives the same angle.
  if (degrees < -3600.0 || degrees >= 3600.0) degrees = std::fmod(degrees, 360.0);
  while (degrees < 0.0) degrees += 360.0;
  while (degrees >= 360.0) degrees -= 360.0;
  return degrees;
}

double PressureRatioInverse(double alt_ft) {
  if (alt_ft > 140000.0) return 0.0;
  return std::pow(1.0 - alt_ft * 3.566 / 518670.0, -5.2563);
}

