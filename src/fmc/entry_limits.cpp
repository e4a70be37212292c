#include "fmc/entry_limits.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cdu/cdu_globals.h"
#include "navdb/navdb_text.h"

namespace {

// Digits with at most one point and at least one digit, nothing else.
bool IsDigitsNumber(std::string_view s) {
  const auto points = std::count(s.begin(), s.end(), '.');
  const auto digits = std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits > 0 && points <= 1 && static_cast<size_t>(digits + points) == s.size();
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A whole number from `lo` to `hi`, read as the number the entry begins with.
bool WholeEntry(std::string_view text, int32_t lo, int32_t hi, int32_t* value) {
  text = Trimmed(text);
  if (!StartsWithNumber(text)) return false;
  const int32_t n = ParseLeadingInt(text);
  if (n < lo || n > hi) return false;
  *value = n;
  return true;
}

}  // namespace

bool EntryNumber(std::string_view text, EntryForm form, double* value) {
  text = Trimmed(text);
  // A text that begins with no number reads 0 in the leading conversion: that is no zero typed.
  const bool number = form == EntryForm::kDigits ? IsDigitsNumber(text) : StartsWithNumber(text);
  if (!number) return false;
  *value = ParseLeadingDouble(text);
  return true;
}

bool CourseEntryDeg(std::string_view text, EntryForm form, double* crs_deg) {
  double v = 0.0;
  if (!EntryNumber(text, form, &v) || !(v >= 0.0 && v <= kMaxCourseDeg)) return false;
  *crs_deg = v;
  return true;
}

bool SpeedEntryKt(std::string_view text, int32_t min_kt, int32_t max_kt, int32_t* kt) {
  return WholeEntry(text, min_kt, max_kt, kt);
}

bool WeightEntryThousands(std::string_view text, bool zero_taken, double* thousands) {
  double v = 0.0;
  if (!EntryNumber(text, EntryForm::kLeading, &v)) return false;
  if (!(zero_taken ? v >= 0.0 : v > 0.0) || !(v < kWeightEntryLimitThousands)) return false;
  *thousands = v;
  return true;
}

bool HeightEntryFt(std::string_view text, int32_t min_ft, int32_t max_ft, int32_t* ft) {
  return WholeEntry(text, min_ft, max_ft, ft);
}

bool VorFrequencyEntry(std::string_view text, int32_t* hundredths) {
  if (text.size() < 5 || text.size() > 6 || text[3] != '.') return false;
  int32_t n = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i == 3) continue;
    if (text[i] < '0' || text[i] > '9') return false;
    n = n * 10 + (text[i] - '0');
  }
  if (text.size() == 5) n *= 10;  // one decimal: the hundredths are 0
  if (n < kMinVorFreqHundredths || n > kMaxVorFreqHundredths) return false;
  *hundredths = n;
  return true;
}

bool TakeoffFlapsAccepted(double deg) {
  if (!(deg >= 1.0 && deg <= 20.0) || deg != static_cast<double>(static_cast<int32_t>(deg))) return false;
  char framed[8];
  std::snprintf(framed, sizeof framed, ",%d,", static_cast<int32_t>(deg));
  return to_flap_list.find(framed) != std::string::npos;
}
