#include "navdb/lat_lon_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "navdb/navdb_text.h"

namespace {

// Far below a second of arc, far above the error of a position made from a typed minute.
constexpr double kTruncationLiftDeg = 1e-9;

std::string DmsText(double v, char negative_letter, char positive_letter) {
  // Degrees, minutes and seconds are each truncated from the value, not rounded, after a lift: a
  // typed 12.0' is seldom exact in binary and would otherwise print as 11'59". A value far outside
  // the globe, infinite or not a number stays printable because each part is clamped to the integer
  // range (NaN to 0).
  const double a = v + std::copysign(kTruncationLiftDeg, v);
  const double d = std::trunc(a);
  const double f = (a - d) * 60.0;
  const double m = std::trunc(f);
  const double s = std::trunc((f - m) * 60.0);
  const long long dd = std::llabs(static_cast<long long>(TruncToI32(d)));
  const int mm = std::abs(TruncToI32(m));
  const int ss = std::abs(TruncToI32(s));
  char buf[48];
  std::snprintf(buf, sizeof buf, "%c%s%lld:%s%d:%s%d", v < 0.0 ? negative_letter : positive_letter,
                dd < 10 ? "0" : "", dd, mm < 10 ? "0" : "", mm, ss < 10 ? "0" : "", ss);
  return buf;
}

// Degrees and minutes to the nearest tenth of a minute. The rounding works on the magnitude, so
// that a southern or eastern position rounds as a northern or western one does.
std::string DmTenthsText(double v, char negative_letter, char positive_letter) {
  const double a = std::fabs(v);
  const double d = std::trunc(a);
  const double f = (a - d) * 60.0;
  const double m = std::trunc(f + 0.05);
  const double t = std::trunc((f - m) * 10.0 + 0.05);
  long long dd = TruncToI32(d);
  int mm = TruncToI32(m);
  const int tt = TruncToI32(t);
  if (mm >= 60) {  // 59.95 minutes and more show as the next whole degree
    mm = 0;
    ++dd;
  }
  char buf[48];
  std::snprintf(buf, sizeof buf, "%c%s%lld:%s%d:%d%s", v < 0.0 ? negative_letter : positive_letter,
                dd < 10 ? "0" : "", dd, mm < 10 ? "0" : "", mm, tt, "0");
  return buf;
}

std::string ThreeWordsText(std::string_view text) {
  if (text.empty()) return std::string();
  std::string words(text);
  words[0] = ' ';
  std::replace(words.begin(), words.end(), ':', ' ');
  std::string_view w[3];
  SplitTokens(words, w, 3);
  std::string out(1, text[0]);
  out.append(w[0]).append("\xB0 ").append(w[1]).append("' ").append(w[2]).append(".00");
  return out;
}

using CoordinateText = std::string (*)(double v, char negative_letter, char positive_letter);

void FormatLatLon(CoordinateText text_of, double lat, double lon_west, std::string* lat_text,
                  std::string* lon_text, int32_t unit) {
  if (unit != 1) {
    lat *= kRadToDeg;
    lon_west *= kRadToDeg;
  }
  if (lat_text != nullptr) *lat_text = text_of(lat, 'S', 'N');
  if (lon_text != nullptr) *lon_text = text_of(lon_west, 'E', 'W');
}

}  // namespace

void FormatLatLonDms(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit) {
  FormatLatLon(&DmsText, lat, lon_west, lat_text, lon_text, unit);
}

void FormatLatLonDms2(double lat, double lon_west, std::string* lat_text, std::string* lon_text, int32_t unit) {
  FormatLatLon(&DmTenthsText, lat, lon_west, lat_text, lon_text, unit);
}

void SplitThreeWords(std::string_view lat_text, std::string_view lon_text, std::string* lat_out,
                     std::string* lon_out) {
  if (lat_out != nullptr) *lat_out = ThreeWordsText(lat_text);
  if (lon_out != nullptr) *lon_out = ThreeWordsText(lon_text);
}
