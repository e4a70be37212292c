// Records of the CDU's shared tables: the FIX INFO fixes and the PROGRESS FROM line.
#pragma once

#include <cstdint>
#include <string>

struct FixInfoEntry {
  std::string ident;         // "" = no fix
  double lat = 0.0;
  double lon = 0.0;
  std::string type;
  double radial1 = 0.0, distance1 = 0.0;   // deg magnetic 1..360, NM; 0.0 = none
  double radial2 = 0.0, distance2 = 0.0;
  double radial3 = 0.0, distance3 = 0.0;
};

struct ProgFromEntry {
  std::string ident;
  double alt = 0.0;          // ft
  std::string ata;
  double fuel = 0.0;         // lb
};

// Keys typed while a key before them waits for the page routine of the next CDU paint, in the
// order typed; a key beyond the capacity is dropped.
struct CduKeyQueue {
  static constexpr int kCapacity = 32;  // a full scratchpad and the keys around it
  int32_t (*keys[kCapacity])() = {};
  int count = 0;
};
