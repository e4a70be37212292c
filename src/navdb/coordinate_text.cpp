#include "navdb/coordinate_text.h"

namespace {

bool IsDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// A group of digits, with a point only where `fraction` allows it (the groups of a hemisphere
// coordinate carry no sign).
bool IsUnsignedDecimal(std::string_view text, bool fraction) {
  return !text.empty() && IsDigitOrPoint(text[0]) && IsPlainDecimal(text) &&
         (fraction || text.find('.') == std::string_view::npos);
}

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool ReadDecimalDegrees(std::string_view word, CoordAxis axis, double* deg) {
  if (!IsPlainDecimal(word)) return false;
  const double v = ParseLeadingDouble(word);
  if (!CoordinateOnGlobe(v, axis)) return false;
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
