#include "state/config_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

#include "fmc/fmc_globals.h"
#include "fmc/airspeed.h"
#include "fmc/thrust_limits.h"
#include "sim/sim_globals.h"
#include "sim/readers_flight.h"
#include "platform/paths.h"
#include "platform/winfile.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "state/title_rules.h"

namespace {

// Reads of the configuration file take at most 298 characters; a longer line arrives in pieces, each
// taken as a line of its own.
constexpr int kConfigReadChars = 299;
// Reads of navs.txt take at most 299 characters.
constexpr int kNavsReadChars = 300;
// Header tokens are held as the first 399 (first token) and 39 (others) characters.
constexpr size_t kNavsFirstTokenChars = 399;
constexpr size_t kNavsTokenChars = 39;

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t SkipSpace(std::string_view s, size_t i) {
  while (i < s.size() && IsCSpace(s[i])) ++i;
  return i;
}

size_t SkipToken(std::string_view s, size_t i) {
  while (i < s.size() && !IsCSpace(s[i])) ++i;
  return i;
}

void ReadConfigLines(const std::string& path) {
  FILE* f = platform::OpenFile(path, "r");
  if (f == nullptr) return;
  char buf[kConfigReadChars + 1];
  KeyValueLine line;
  while (std::fgets(buf, kConfigReadChars, f) != nullptr) {
    if (!line.Split(buf)) continue;
    if (const ConfigKey* key = FindConfigKey(line.key())) key->apply(line.value());
  }
  std::fclose(f);
}

// ";AIRAC CYCLE : 2401 (25-JAN TO 21-FEB-2024)" gives "AIRAC 2401" and "JAN25FEB21/24": token 5
// carries the first day and month, token 7 the last day, month and year. Date tokens too short for
// these cuts leave only the validity empty; the cycle is still shown.
void ApplyNavdataHeader(const std::array<std::string_view, 7>& token) {
  navdata_cycle = "AIRAC ";
  navdata_cycle += token[3];
  navdata_valid.clear();
  std::string_view from = token[4];
  std::string_view to = token[6];
  if (from.size() < 7 || to.size() < 11) return;
  navdata_valid += from.substr(4, 3);
  navdata_valid += from.substr(1, 2);
  navdata_valid += to.substr(3, 3);
  navdata_valid += to.substr(0, 2);
  navdata_valid += '/';
  navdata_valid += to.substr(9, 2);
}

void ReadNavdataHeader(const std::string& path) {
  FILE* f = platform::OpenFile(path, "r");
  if (f == nullptr) return;
  char buf[kNavsReadChars + 1];
  while (std::fgets(buf, kNavsReadChars, f) != nullptr) {
    std::string_view line(buf);
    std::array<std::string_view, 7> token{};
    size_t i = SkipSpace(line, 0);
    for (size_t t = 0; t < token.size() && i < line.size(); ++t) {
      size_t end = SkipToken(line, i);
      token[t] = line.substr(i, std::min(end - i, t == 0 ? kNavsFirstTokenChars : kNavsTokenChars));
      i = SkipSpace(line, end);
    }
    if (!platform::EqualsIgnoreCase(token[0], ";AIRAC")) continue;
    ApplyNavdataHeader(token);
    break;
  }
  std::fclose(f);
}

}  // namespace

bool KeyValueLine::Split(std::string_view line) {
  key_ = value_ = {};
  if (!line.empty() && line.front() == ';') return false;
  text_.assign(line);
  std::replace(text_.begin(), text_.end(), ' ', '*');
  if (size_t eq = text_.find('='); eq != std::string::npos) text_[eq] = ' ';
  std::string_view text(text_);
  size_t key_start = SkipSpace(text, 0);
  size_t key_end = SkipToken(text, key_start);
  size_t value_start = SkipSpace(text, key_end);
  size_t value_end = SkipToken(text, value_start);
  std::replace(text_.begin() + static_cast<std::ptrdiff_t>(value_start),
               text_.begin() + static_cast<std::ptrdiff_t>(value_end), '*', ' ');
  key_ = text.substr(key_start, key_end - key_start);
  value_ = text.substr(value_start, value_end - value_start);
  return true;
}

void ReadConfigFile() {
  // No key sets the PERF LIMITS speeds, so their Mach twins always follow the built-in speeds.
  clb_min_mach = ConvertIasToMach(clb_min_ias, 30000.0);
  clb_max_mach = ConvertIasToMach(clb_max_ias, 30000.0);
  crz_min_mach = ConvertIasToMach(crz_min_ias, 30000.0);
  crz_max_mach = ConvertIasToMach(crz_max_ias, 30000.0);
  des_min_mach = ConvertIasToMach(des_min_ias, 30000.0);
  des_max_mach = ConvertIasToMach(des_max_ias, 30000.0);

  const std::string root(sim_root);
  ReadConfigLines(root + "\\Orvantel\\ro757.cfg");

  // Switches: anything but 1 is off, for their readers test 1 or 0 and another value would be half
  // of each (a map neither track nor heading up, a reduced panel half set up, a landing checklist
  // shown on but never armed, cabin announcements shown on but never played, an autobrake neither
  // the simulator's nor the module's).
  for (int32_t* on_off : {&MapModeDispHdgAlways, &lite_mode, &ldg_checklist, &play_announcements, &UseDefAutoBrakes}) {
    if (*on_off != 1) *on_off = 0;
  }

  // Lite mode shows the landing checklist unless the file says otherwise.
  if (lite_mode == 1 && ldg_chklst_key_seen == 0) DisplayLdgChkLst = 1;

  climb_tas = ConvertIasToTas(climb_ias, 15000.0);
  descent_tas = ConvertIasToTas(descent_ias, 15000.0);

  ReadNavdataHeader(root + "\\Orvantel\\Navdata\\navs.txt");

  // display_font already holds the family as the drawing layer takes it: Windows-1252 bytes.
  cfg_loaded = 1;

  ApplyFreighterTitleRule();

  InitThrustLimitTables();
  epr_bug = GetThrustLimitEpr(ReadTokenVar350());
  epr_bug_2 = epr_bug;
}
