// What the identification of the loaded aircraft found (state/aircraft_id.h), read by the
// performance tables, EICAS layouts, speed limits and the cabin announcements.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"

struct AircraftNameLists;

// acfg_attempts: identification scans made so far. engine_type, aircraft_model: the variant texts.
// pa_airline_code: the airline whose announcement folder the cabin player uses, or empty.
#define AIRCRAFT_ID_GLOBALS(X)                                           \
  X(int32_t, acfg_attempts, 0)                                           \
  X(std::string, engine_type, "RB211-535E4B")                            \
  X(std::string, aircraft_model, "757 - 200")                            \
  X(std::string, pa_airline_code, "")                                    \
  X(const AircraftNameLists*, aircraft_name_lists, &kOrvantelNameLists)

RO_DECLARE_GLOBALS(AIRCRAFT_ID_GLOBALS)

void ResetAircraftIdGlobals();
