#include "sim/tick_samples.h"

#include <cmath>

#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

bool SampleTickHead() {
  ground_speed = ReadGroundSpeed();
  ias = ReadAirspeedSmoothed();
  plane_alt = GetIndicatedAltitude();
  tick18 = ReadTokenVar1();
  return tick18 != last_tick18;
}

void SampleAircraftPlace() {
  mag_var = ReadTokenVar82();
  plane_hdg_mag = ReadPlaneHdg();
  // A position that is no place is passed over: a direct-to or a leg start would keep it in the
  // route's geometry, and the leg would never be passed.
  const double lat = ReadPlaneLat();
  const double lon = ReadPlaneLon();
  if (std::isfinite(lat) && std::isfinite(lon)) {
    plane_lat = lat;
    plane_lon = lon;
  }
  plane_hdg_true = ReadTokenVar86();
}

void SampleAircraftBeforeFirstTick() {
  ground_speed = ReadGroundSpeed();
  plane_alt = GetIndicatedAltitude();
  SampleAircraftPlace();
}
