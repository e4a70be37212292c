#include "navdb/coordinate_text.h"

#include <cmath>

#include "navdb/navdb_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point, at least one digit; a point only where `fraction` allows it.
bool IsUnsignedDecimal(std::string_view text, bool fraction) {
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && fraction && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

double Limit(CoordAxis axis) { return axis == CoordAxis::kLatitude ? 90.0 : 180.0; }

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool CoordinateOnGlobe(double deg, CoordAxis axis) { return std::fabs(deg) <= Limit(axis); }

bool DecimalDegreesReadable(std::string_view word, double deg, CoordAxis axis) {
  const std::string_view digits = !word.empty() && (word[0] == '-' || word[0] == '+') ? word.substr(1) : word;
  return IsUnsignedDecimal(digits, true) && CoordinateOnGlobe(deg, axis);
}

bool ReadDecimalDegrees(std::string_view word, CoordAxis axis, double* deg) {
  const double v = ParseLeadingDouble(word);
  if (!DecimalDegreesReadable(word, v, axis)) return false;
  *deg = v;
  return true;
}

bool ReadHemisphereDegrees(char hemisphere, std::string_view degrees, std::string_view minutes,
                           std::string_view seconds, CoordAxis axis, double* deg) {
  const char h = UpperLetter(hemisphere);
  const bool negative = axis == CoordAxis::kLatitude ? h == 'S' : h == 'W';
  const bool positive = axis == CoordAxis::kLatitude ? h == 'N' : h == 'E';
  if (!negative && !positive) return false;
  // The last group given may carry a fraction (decimal minutes, or seconds with hundredths).
  const bool minutes_last = seconds.empty();
  if (!IsUnsignedDecimal(degrees, false)) return false;
  if (!minutes.empty() && !IsUnsignedDecimal(minutes, minutes_last)) return false;
  if (!seconds.empty() && !IsUnsignedDecimal(seconds, true)) return false;
  const double d = ParseLeadingDouble(degrees);
  const double m = ParseLeadingDouble(minutes);
  const double s = ParseLeadingDouble(seconds);
  if (!(m < 60.0 && s < 60.0)) return false;
  const double v = d + (m + s / 60.0) / 60.0;
  if (!CoordinateOnGlobe(v, axis)) return false;
  *deg = negative ? -v : v;
  return true;
}
