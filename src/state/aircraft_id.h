// Identification of the loaded aircraft: which folder layout the simulator uses (DetectSimVersion),
// and which airframe, engine, cockpit and cabin-announcement airline the loaded aircraft is
// (FindAircraftCfg), from the section of the simulator's "Aircraft.cfg" files whose title equals the
// title the simulator reports (`aircraft`). Until then the variant texts keep "757 - 200" and
// "RB211-535E4B", on which performance tables, EICAS layouts and speed limits branch.
//
// The model and panel folder names are the aircraft package's own: they are data (the lists below),
// and a test may point `aircraft_name_lists` at lists of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "state/aircraft_id_globals.h"

struct PwModelName {
  std::string_view folder;  // "model=" value
  bool c32a;                // the C-32A cockpit
};

struct RrModelName {
  std::string_view folder;
  bool rb211_535c;  // the earlier RB211-535C engine
};

struct AircraftNameLists {
  std::span<const std::string_view> classic_panels;  // "panel=" values of the classic-display cockpit
  std::span<const PwModelName> pw_models;             // Pratt & Whitney variants
  std::span<const RrModelName> rr_models;             // Rolls-Royce variants
};

// The Orvantel package: 2 classic panels, 11 Pratt & Whitney models (2 of them C-32A) and 13
// Rolls-Royce models (4 of them with RB211-535C engines).
extern const AircraftNameLists kOrvantelNameLists;

inline constexpr int32_t kMaxAcfgAttempts = 10;
inline constexpr int32_t kMaxAircraftFolders = 8001;
inline constexpr size_t kAirlineCodeMaxChars = 59;


// Raises simver to 10 when the simulator folder looks like one with the "SimObjects\Airplanes"
// layout (its executable, or enough of its other entries).
void DetectSimVersion();

// One identification attempt: 1 when the variant was identified or the attempts are used up, 0 when
// the caller should try again. A call made before the title is known is not an attempt.
int32_t FindAircraftCfg();
