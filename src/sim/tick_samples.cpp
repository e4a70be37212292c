#include "sim/tick_samples.h"

#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

bool SampleTickHead() {
  ground_speed = ReadGroundSpeed();
  ias = ReadAirspeedSmoothed();
  plane_alt = GetIndicatedAltitude();
  tick18 = ReadTokenVar1();
  return tick18 != last_tick18;
}
