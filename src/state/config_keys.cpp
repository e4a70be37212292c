#include "state/config_keys.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <type_traits>

#include "afds/annunciators.h"
#include "afds/afds_services.h"
#include "base/int_conversion.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "navdb/navdb_text.h"
#include "state/config_globals.h"
#include "platform/paths.h"

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
using platform::LowerAscii;
using platform::UpperAscii;

int32_t SaturateI32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

using Limit = bool (*)(double value);

// Whether a value passes a key's limit; a key without one takes any number. A key with one takes
// only a text that is a number, as its CDU entry does ("CostIndex=abc" set the cost index 0).
template <Limit L>
struct LimitOf {
  static bool Within(std::string_view text, double v) { return ConfigValueIsNumber(text) && L(v); }
};
template <>
struct LimitOf<nullptr> {
  static bool Within(std::string_view, double) { return true; }
};
template <Limit L>
bool Within(std::string_view text, double v) {
  return LimitOf<L>::Within(text, v);
}

// Stores of the plain kinds, one instance per global: a value outside the key's limit keeps the
// value before the line, as the CDU entry keeps it.
template <int32_t* G, Limit L>
void StoreI32(std::string_view v) {
  if (const int32_t x = ParseConfigI32(v); Within<L>(v, x)) *G = x;
}
template <double* G, Limit L>
void StoreF64(std::string_view v) {
  if (const double x = ParseConfigF64(v); Within<L>(v, x)) *G = x;
}
// An integer written as a decimal number, truncated toward zero ("CostIndex" 45.9 is 45).
int32_t ParseTrunc(std::string_view v) { return TruncToI32(ParseConfigF64(v)); }
template <int32_t* G, Limit L>
void StoreTrunc(std::string_view v) {
  if (const int32_t x = ParseTrunc(v); Within<L>(v, x)) *G = x;
}

// The numbers a value reads as, by kind, and the number a global holds.
double ReadI32(std::string_view v) { return ParseConfigI32(v); }
double ReadF64(std::string_view v) { return ParseConfigF64(v); }
double ReadTrunc(std::string_view v) { return ParseTrunc(v); }
template <typename T>
constexpr double (*ReadAs())(std::string_view) {
  if constexpr (std::is_same_v<T, double>) {
    return &ReadF64;
  } else {
    return &ReadI32;
  }
}
template <typename T, T* G>
constexpr double (*HeldOf())() {
  if constexpr (std::is_arithmetic_v<T>) {
    return [] { return static_cast<double>(*G); };
  } else {
    return nullptr;
  }
}
template <std::string* G>
void StoreText(std::string_view v) {
  G->assign(v);
}
template <std::string* G>
void StoreUpper(std::string_view v) {
  G->assign(v);
  std::transform(G->begin(), G->end(), G->begin(), UpperAscii);
}
// The family name goes to the font creation of the painters; it is kept to the 51 characters the
// name buffer of the drawing side holds.
template <std::string* G>
void StoreFont(std::string_view v) {
  G->assign(v.substr(0, kDisplayFontMaxChars));
}

// "r, g, b": components in order up to the first comma that is missing or leads the rest; those not
// reached keep their values, so "200" sets only red and ",5,6" nothing.
template <int32_t* R, int32_t* G, int32_t* B>
void StoreColour(std::string_view v) {
  int32_t* const components[] = {R, G, B};
  std::string rest(v);
  rest += ", ";
  std::string_view scan(rest);
  for (int32_t* component : components) {
    size_t comma = scan.find(',');
    if (comma == std::string_view::npos || comma == 0) return;
    *component = ParseConfigI32(scan.substr(0, comma));
    scan.remove_prefix(comma + 1);
  }
}

// Special keys.
void Apply_simver(std::string_view v) { simver = std::clamp(ParseConfigI32(v), 9, 10); }

void Apply_PauseAtTod(std::string_view v) {
  PauseAtTod = ParseConfigI32(v);
  ArmPauseAtTod = 1;
}

void Apply_one_x_at_tod(std::string_view v) {
  one_x_at_tod = ParseConfigI32(v);
  Arm1xAtTod = 1;
}

// A distance of 0 or less is taken as the switch alone and keeps the distance.
void Apply_PauseAtDistFromDest(std::string_view v) {
  int32_t nm = ParseConfigI32(v);
  pause_at_dist_on = nm;
  if (nm > 0) {
    PauseAtDistFromDest = nm;
    pause_at_dist_on = 1;
    ArmPauseAtDistFromDest = 1;
  }
}

// Feet in the file, hundreds of feet in the global; below 1000 ft the built-in range stands.
void Apply_TcasVertRange(std::string_view v) {
  int32_t ft = ParseConfigI32(v);
  if (ft >= 1000) TcasVertRange = ft / 100;
}

// Feet, cut to hundreds. A negative step would make a large increase lower the MCP altitude: the
// built-in step stands then.
void Apply_AltWinRightClickIncr(std::string_view v) {
  const int32_t ft = ParseConfigI32(v);
  if (ft >= 0) AltWinRightClickIncr = ft / 100 * 100;
}

// Seconds in the file, simulator ticks (18 a second) in the global. A negative time would leave the
// IRSs aligning for ever: the value before the line stands then.
void Apply_IrsAlignSecs(std::string_view v) {
  const int32_t s = ParseConfigI32(v);
  if (s >= 0) IrsAlignSecs = SaturateI32(int64_t{s} * 18);
}

// Each IAS key sets the working speed and the default that route execution restores. A speed or
// Mach the CDU would refuse keeps the value before the line, as a refused entry does.
template <int32_t* Working, int32_t* Default>
void StoreScheduleIas(std::string_view v) {
  const int32_t kt = ParseConfigI32(v);
  if (ScheduleIasEntryAccepted(kt)) *Working = *Default = kt;
}
void Apply_ClimbIas(std::string_view v) { StoreScheduleIas<&climb_ias, &ClimbIas>(v); }
void Apply_CruiseIas(std::string_view v) { StoreScheduleIas<&cruise_ias, &CruiseIas>(v); }
void Apply_DescentIas(std::string_view v) { StoreScheduleIas<&descent_ias, &DescentIas>(v); }
void Apply_climb_mach(std::string_view v) { StoreF64<&climb_mach, &ClimbMachAccepted>(v); }
void Apply_cruise_mach(std::string_view v) { StoreF64<&cruise_mach, &CruiseMachAccepted>(v); }
void Apply_descent_mach(std::string_view v) { StoreF64<&descent_mach, &CruiseMachAccepted>(v); }

// A path angle of 0 or less descends nothing: no T/D could be placed, and VNAV would take the one
// never placed for reached at once.
void Apply_VnavDescFPA(std::string_view v) {
  const double deg = ParseConfigF64(v);
  if (deg > 0.0) VnavDescFPA = deg;
}

void Apply_DisplayLdgChkLst(std::string_view v) {
  DisplayLdgChkLst = ParseConfigI32(v);
  ldg_chklst_key_seen = 1;
}

void ApplyIrsKey(std::string_view v) {
  if (ParseConfigI32(v) == 1) UpdateIrsAnnunciatorVars();
}
void ApplyYawDampersKey(std::string_view v) {
  if (ParseConfigI32(v) == 1) SyncYawDamperVars();
}
void ApplyPacksKey(std::string_view v) {
  if (ParseConfigI32(v) == 1) InitPacks();
}

#define CONFIG_STORE_I32(name, limit) &StoreI32<&name, limit>
#define CONFIG_STORE_F64(name, limit) &StoreF64<&name, limit>
#define CONFIG_STORE_Trunc(name, limit) &StoreTrunc<&name, limit>
#define CONFIG_STORE_Text(name, limit) &StoreText<&name>
#define CONFIG_STORE_Upper(name, limit) &StoreUpper<&name>
#define CONFIG_STORE_Font(name, limit) &StoreFont<&name>
#define CONFIG_STORE_Special(name, limit) &Apply_##name
#define CONFIG_READ_I32(type) &ReadI32
#define CONFIG_READ_F64(type) &ReadF64
#define CONFIG_READ_Trunc(type) &ReadTrunc
#define CONFIG_READ_Text(type) nullptr
#define CONFIG_READ_Upper(type) nullptr
#define CONFIG_READ_Font(type) nullptr
#define CONFIG_READ_Special(type) ReadAs<type>()
#define CONFIG_KEY_ROW_(key, kind, type, name, init, limit) \
  ConfigKey{key, CONFIG_STORE_##kind(name, limit), limit, CONFIG_READ_##kind(type), HeldOf<type, &name>()},
#define CONFIG_COLOUR_ROW_(key, name, r, g, b) \
  ConfigKey{key, &StoreColour<&name##_r, &name##_g, &name##_b>, nullptr, nullptr, nullptr},
#define CONFIG_ACTION_ROW_(key, fn) ConfigKey{key, &fn, nullptr, nullptr, nullptr},

constexpr ConfigKey kConfigKeys[] = {
    CONFIG_KEYS(CONFIG_KEY_ROW_) CONFIG_COLOUR_KEYS(CONFIG_COLOUR_ROW_) CONFIG_ACTION_KEYS(CONFIG_ACTION_ROW_)};
constexpr size_t kConfigKeyCount = std::size(kConfigKeys);

int CompareIgnoreCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char ca = LowerAscii(a[i]);
    char cb = LowerAscii(b[i]);
    if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The rows ordered by key without regard to case, for a binary search per line.
const std::array<const ConfigKey*, kConfigKeyCount>& SortedKeys() {
  static const std::array<const ConfigKey*, kConfigKeyCount> sorted = [] {
    std::array<const ConfigKey*, kConfigKeyCount> rows{};
    for (size_t i = 0; i < kConfigKeyCount; ++i) rows[i] = &kConfigKeys[i];
    std::sort(rows.begin(), rows.end(), [](const ConfigKey* a, const ConfigKey* b) {
      return CompareIgnoreCase(a->key, b->key) < 0;
    });
    return rows;
  }();
  return sorted;
}

}  // namespace

std::span<const ConfigKey> ConfigKeyTable() { return kConfigKeys; }

const ConfigKey* FindConfigKey(std::string_view key) {
  const auto& sorted = SortedKeys();
  auto it = std::lower_bound(sorted.begin(), sorted.end(), key, [](const ConfigKey* row, std::string_view k) {
    return CompareIgnoreCase(row->key, k) < 0;
  });
  if (it == sorted.end() || CompareIgnoreCase((*it)->key, key) != 0) return nullptr;
  return *it;
}

bool ConfigValueIsNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return StartsWithNumber(text.substr(i));
}

int32_t ParseConfigI32(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), int64_t{1} << 32);
  }
  return SaturateI32(negative ? -magnitude : magnitude);
}

double ParseConfigF64(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t start = i;
  size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only with at least one digit: "1e" and "1e+" read as 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    if (e < text.size() && IsDigit(text[e])) {
      i = e;
      while (i < text.size() && IsDigit(text[i])) ++i;
    }
  }
  double value = 0.0;
  if (std::from_chars(text.data() + start, text.data() + i, value).ec != std::errc{}) return 0.0;
  return negative ? -value : value;
}
