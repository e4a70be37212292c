// Vertical path of the active route: the profile that plans an altitude, IAS and Mach for every leg
// at execution and places the top of climb (T/C) and top of descent (T/D), and the in-flight
// predictions of the two points from the present position.
//
// Reads: fms_fpln_act rows 0..fp_cnt (positions, restr, alt, ias), stpos, next_restr_leg, the speed
// schedule (climb_ias, cruise_ias, descent_ias and their Mach numbers), the climb and descent
// restrictions and VnavDescFPA of the configuration, plane_lat/lon/alt, the weight (total fuel +
// gross_weight), toc, tod, cruise_alt, init_cruise_alt, on the ground.
// Writes: the legs' alt/ias/mach, the globals below, climb_rate, climb_tas, descent_tas, toc_lat/lon,
// tod_lat/lon, tod_alt, tod_stpos, tod, cruise_alt, descent_ias (a constraint speed lowers it) and
// fms_page (34 or 36 -> 35); runs ComputeRouteDistances.
// Units: ft, kt, NM, ft/min, degrees (true unless named otherwise).
//
// A climb or descent whose rate or true airspeed is not positive cannot be planned: the distances
// and points that depend on it keep their values.
#pragma once

#include <cstdint>

#include "fmc/fmc_globals.h"  // the profile's globals (FMC_VERTICAL_PROFILE_GLOBALS)

// Plans the whole active route for cruise altitude `cruise_alt_ft` (1000 or more), with
// init_cruise_alt as the level the climb and descent passes plan against. Once the T/C is behind
// (toc 1) the climb pass plans no leg from the active one on below that level. In the air (token
// 60) the climb from the active leg on starts at the aircraft's position and altitude, and before
// the T/D no leg from there on is planned below the aircraft.
void CalcRouteProfile(int32_t cruise_alt_ft);

// In flight before the first T/D, once the aircraft has climbed past the planned altitude of the
// next leg of the climb, runs CalcRouteProfile's leg passes again from the aircraft (the T/C and T/D
// are not laid out again). Costs next to nothing until the aircraft is 100 ft above the level the
// last plan started from.
void ReplanClimbPassedByAircraft();

// The T/C test: the aircraft less than 50 ft below `cruise_alt_ft`, or above it.
bool CruiseAltitudeReached(int32_t cruise_alt_ft);

// Predicts the T/C from the present position (flag 1: the active leg has just been passed).
// Returns the route row the climb ends at or the last constrained row of the climb; callers
// compare it with next_restr_leg.
int32_t PredictToc(int32_t flag);

// Predicts the T/D of the next descent segment. Flag 1 starts a new segment at the active leg,
// whose altitude becomes cruise_alt.
void PredictTod(int32_t flag);

