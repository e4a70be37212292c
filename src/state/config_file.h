// The configuration file "\Orvantel\ro757.cfg" under the simulator folder: read once at start-up
// into the configuration globals (config_globals.h). The same pass derives the Mach limits and the
// reference true airspeeds, reads the ";AIRAC" header of the navigation data, applies the
// freighter-title rule of the cabin announcements and fills the thrust-limit tables.
#pragma once

#include <string>
#include <string_view>

// Reads the file and runs the derivations; a missing file or key leaves the built-in values, and
// nothing is reported. Sets cfg_loaded.
void ReadConfigFile();

// One line of the Key=Value files (configuration, fuel load, panel states) split by their shared
// grammar: a line starting with ";" is a comment; blanks become "*", the first "=" separates key and
// value, and "*" in the value turns back into a blank (so "Key = 1" has the key "Key*"). A line without
// "=" has an empty value. The views stay valid until the next Split.
class KeyValueLine {
 public:
  // False for a comment line.
  bool Split(std::string_view line);
  std::string_view key() const { return key_; }
  std::string_view value() const { return value_; }

 private:
  std::string text_;
  std::string_view key_;
  std::string_view value_;
};
