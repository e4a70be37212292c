// Small text helpers shared by the route-file, plan-import and hand-over code.
#pragma once

#include <string>
#include <string_view>

#include "sim/sim_globals.h"

// "<sim_root>\Orvantel\flightplans\<name>".
inline std::string PlanFolderPath(std::string_view name) {
  std::string path = sim_root;
  path += "\\Orvantel\\flightplans\\";
  path += name;
  return path;
}

// Letters a-z only; other bytes stay.
inline std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}
