// The key table of the configuration reader, generated from the rows of config_globals.h, and the
// value conversions of its keys. Keys are found without regard to the case of letters.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct ConfigKey {
  std::string_view key;
  void (*apply)(std::string_view value);  // converts the value and stores it in the key's globals
  // The rule of the CDU entry the crew types the same value on (fmc/entry_limits.h): a value it
  // refuses is not taken. Null for a key no CDU page takes.
  bool (*limit)(double value);
  // Numeric keys: the number a value text reads as, and the number the key's global holds (for a
  // speed key, its stored default); null for the text, colour and action keys.
  double (*read)(std::string_view value);
  double (*held)();
};

std::span<const ConfigKey> ConfigKeyTable();

// The row whose key equals `key` ignoring case, or null.
const ConfigKey* FindConfigKey(std::string_view key);

// Whether a value text is a number: after leading white space, an optional sign, and a digit or a
// point and a digit. A text that is not reads 0 in the conversions below, which is no zero written.
bool ConfigValueIsNumber(std::string_view text);

// Decimal integer: leading white space, an optional sign, then digits up to the first other
// character; no digits gives 0, and values beyond the i32 range stop at its ends.
int32_t ParseConfigI32(std::string_view text);

// The longest leading decimal number (optional sign, digits, decimal point, exponent); none, or one
// beyond the range of a double, gives 0.0. "inf", "nan" and hexadecimal forms are not numbers here.
double ParseConfigF64(std::string_view text);

// The largest display font family name the reader keeps; a longer one is cut.
inline constexpr size_t kDisplayFontMaxChars = 51;
