// Readers of the simulator's flight state, autopilot settings, clocks and aircraft data. Each reader
// takes no argument, makes one host call (GetPayloadWeight makes twenty) on a fresh zeroed record or
// result, and returns the value in the unit its comment names. Only ReadAirspeedSmoothed keeps state,
// in `sim_vars`.
//
// Reads: host token variables and simulator-variable expressions; `simver` (which tokens the bank and
// decision-height readers use). Writes: `sim_vars` (ReadAirspeedSmoothed only).
#pragma once

#include <cstdint>

// Clocks and dates.
double ReadTokenVar1();    // the simulator's tick counter
double ReadTokenVar3();    // local clock hour
double ReadTokenVar4();    // local clock minute
double ReadClockSecond();  // local clock second (token 5)
double ReadZuluHour();     // token 6
double ReadZuluMinute();   // token 7
double ReadZuluDay();      // token 8, day of the year
double ReadTokenVar9();
int32_t ReadTokenVar13();
double ReadTokenVar14();   // landing-light switch, 0.0 or 1.0

// Attitude, speeds, position.
int32_t ReadOnGround();         // token 60, 1 on the ground
// kt; 0.7 x previous + 0.3 x raw token 61, one filter step per call; a step that would not be finite
// returns the previous value and leaves the filter as it was.
double ReadAirspeedSmoothed();
double ReadTokenVar63();
double ReadTokenVar64();        // Mach, raw (x 3.2 / 65536 gives Mach)
double ReadTokenVar65();        // vertical speed, ft/min
int32_t ReadTokenVar68();
double ReadTokenVar69();
double ReadPlaneLat();          // degrees, north positive
double ReadPlaneLon();          // degrees, east positive
double ReadAltimeterSetting();  // hPa
double ReadTokenVar77();        // pitch, degrees, negative nose up
double ReadPlaneBank();         // degrees; token 80 when `simver` is 9, else token 79
double ReadPlaneHdg();          // degrees magnetic
double ReadTokenVar82();        // magnetic variation, degrees
double ReadTokenVar86();        // heading, degrees true
double ReadTokenVar342();
double ReadTokenVar343();       // wind speed, kt
double ReadTokenVar344();       // wind direction, degrees true
double ReadTokenVar349();
double ReadTokenVar350();       // total air temperature (x 256)
double ReadGroundSpeed();       // kt
double ReadTokenVar614();       // radio height, ft
int32_t ReadTokenVar792();      // take-off/go-around state
double ReadFdPitchCmd();        // degrees
double ReadFdBankCmd();         // degrees
int32_t ReadTokenVar848();
double ReadTokenVar852();

// The simulator's autopilot.
double ReadApMaster();    // 1.0 engaged
double ReadApNav1Hold();  // the NAV (localizer) hold, token 105
double ReadApNavHold();   // the heading hold, token 106
double ReadApHdgHold();   // heading bug, degrees
double ReadApAltHold();
double ReadTokenVar110();
double ReadApAppHold();
double ReadApSpeed();     // airspeed-hold state
double ReadApSpdBug();    // kt
double ReadApMach();      // 1.0 = Mach hold on
double ReadApMachBug();   // Mach
double ReadTokenVar120();
double ReadAtArm();

// Expressions.
double GetApAltLockVar();       // ft
double GetIndicatedAltitude();  // ft
double GetDecisionHeight();     // ft; the expression from `simver` 10 on, token 615 before
double GetDesignSpeedVs0();     // kt, whole
double GetDesignSpeedVs1();     // kt, whole
double GetEmptyWeight();        // lb
double GetPayloadWeight();      // lb, sum of the 20 payload stations
