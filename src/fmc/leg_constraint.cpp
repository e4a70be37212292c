#include "fmc/leg_constraint.h"

#include <charconv>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "navdb/navdb_text.h"

namespace {

constexpr size_t kEntryChars = 140;
constexpr int32_t kMaxAltFt = 99000;
constexpr int32_t kMaxFlightLevelFt = 50000;
constexpr int32_t kMinSpeedKt = 100;
constexpr int32_t kMaxSpeedKt = 400;

// A word that is a whole decimal number with an optional sign; an empty word is 0. Anything else
// (letters left over, a fraction, an overflow) is not an entry.
bool ParseWholeNumber(std::string_view word, int32_t* value) {
  *value = 0;
  if (word.empty()) return true;
  if (word.front() == '+') word.remove_prefix(1);
  if (word.empty()) return false;
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, *value);
  return ec == std::errc() && ptr == end;
}

struct Constraint {
  int32_t alt_ft = 0;  // 0 none
  int32_t spd_kt = 0;  // 0 none
};

// "F" and "L" spell only the flight-level prefix of the altitude, and one slash parts the speed from
// it: "FL280/" made a speed of the level, "230/FL" a level of the speed, "240/12000/7" lost its end.
bool LettersAndSlashesInPlace(std::string_view e) {
  const size_t slash = e.find('/');
  if (slash != std::string_view::npos && e.find('/', slash + 1) != std::string_view::npos) return false;
  std::string_view alt = e;
  if (slash != std::string_view::npos) {
    if (e.substr(0, slash).find_first_of("FL") != std::string_view::npos) return false;
    alt = e.substr(slash + 1);
  }
  const size_t start = alt.find_first_not_of(' ');
  if (start != std::string_view::npos && alt.substr(start).starts_with("FL")) {
    alt = alt.substr(start + 2);
    if (alt.empty() || alt.front() < '0' || alt.front() > '9') return false;
  }
  return alt.find_first_of("FL") == std::string_view::npos;
}

bool ParseEntry(const std::string& scratchpad, Constraint* out) {
  if (!LettersAndSlashesInPlace(std::string_view(scratchpad).substr(0, kEntryChars))) return false;
  std::string buffer = scratchpad.substr(0, kEntryChars);
  for (char& c : buffer) {
    if (c == '/' || c == 'F' || c == 'L') c = ' ';
  }
  std::string_view words[2];
  int n = SplitTokens(buffer, words, 2);
  std::string_view spd_text = words[0];
  std::string_view alt_text = words[1];
  // A single word is a speed only when typed as one ("250/"); blanks typed after the slash change
  // nothing.
  const size_t last = scratchpad.find_last_not_of(' ');
  if (n == 1 && (last == std::string::npos || scratchpad[last] != '/')) {
    alt_text = spd_text;
    spd_text = {};
  }
  int32_t spd, alt;
  if (!ParseWholeNumber(spd_text, &spd) || !ParseWholeNumber(alt_text, &alt)) return false;

  if (alt < 0 || alt > kMaxAltFt) return false;
  if (alt > 0) {
    // Three digits or fewer without a leading zero are a flight level: 350 is FL350, 050 is 50 ft.
    // Typed with "FL" (the only place an F may stand) it is always one: FL050 is 5000 ft.
    const bool typed_level = scratchpad.find('F') != std::string::npos;
    if (typed_level || (alt < 1000 && alt_text.front() != '0')) {
      if (alt * 100 > kMaxFlightLevelFt) return false;
      alt *= 100;
    }
  } else if (spd < kMinSpeedKt) {
    return false;
  }
  if (spd > 0 && (spd < kMinSpeedKt || spd > kMaxSpeedKt)) return false;
  out->alt_ft = alt;
  out->spd_kt = spd > 0 ? spd : 0;
  return true;
}

}  // namespace

void ParseLegConstraint(int32_t leg) {
  // In state 3 the entry applies to the copy of the active route that the edit starts.
  const int32_t last = fms_fpln_active == 3 ? fp_cnt : fp_mod_cnt;
  Constraint c;
  if (leg < 0 || leg > ClampedLastRow(last) || cdu_scratchpad.empty() || !ParseEntry(cdu_scratchpad, &c)) {
    cdu_message = "INVALID ENTRY";
    return;
  }
  if (fms_fpln_active == 3) CopyActiveToModRoute();
  RouteLeg& l = fms_fpln_mod[leg];
  int32_t bits = l.restr >= 0 && l.restr <= 3 ? l.restr : 0;  // airway legs carry -999: none
  if (c.alt_ft > 0) {
    l.alt = c.alt_ft;
    bits |= 1;
  }
  if (c.spd_kt > 0) {
    l.ias = c.spd_kt;
    bits |= 2;
  }
  l.restr = bits;
  StepFplnStateAfterEdit();
  cdu_scratchpad.clear();
}
