#include "fmc/lat_lon_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "frame/int_conversion.h"

namespace {

constexpr double kDegPerRad = 57.29577951308232;

std::string DmsText(double v, char negative_letter, char positive_letter) {
  // Degrees, minutes and seconds are each truncated from the value, not rounded; a value far
  // outside the globe stays printable because each part is clamped to the integer range.
  const double d = std::trunc(v);
  const double f = (v - d) * 60.0;
  const double m = std::trunc(f);
  const double s = std::trunc((f - m) * 60.0);
  const long long dd = std::llabs(static_cast<long long>(TruncToI32(d)));
  const int mm = std::abs(static_cast<int>(m));
  const int ss = std::abs(static_cast<int>(s));
  char buf[48];
  std::snprintf(buf, sizeof buf, "%c%s%lld:%s%d:%s%d", v < 0.0 ? negative_letter : positive_letter,
                dd < 10 ? "0" : "", dd, mm < 10 ? "0" : "", mm, ss < 10 ? "0" : "", ss);
  return buf;
}

}  // namespace

void FormatLatLonDms(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit) {
  if (unit != 1) {
    lat *= kDegPerRad;
    lon_west *= kDegPerRad;
  }
  if (lat_text != nullptr) *lat_text = DmsText(lat, 'S', 'N');
  if (lon_text != nullptr) *lon_text = DmsText(lon_west, 'E', 'W');
}
