#include "sim/readers_flight.h"

#include <cmath>

#include "sim/sim_access.h"
#include "platform/host_api.h"
#include "state/state_globals.h"

using sim::ExpressionF64;
using sim::ExpressionI32;
using sim::TokenF64;
using sim::TokenTruncated;

double ReadTokenVar1() { return TokenF64(1); }
double ReadTokenVar3() { return TokenF64(3); }
double ReadTokenVar4() { return TokenF64(4); }
double ReadClockSecond() { return TokenF64(5); }
double ReadZuluHour() { return TokenF64(6); }
double ReadZuluMinute() { return TokenF64(7); }
double ReadZuluDay() { return TokenF64(8); }
double ReadTokenVar9() { return TokenF64(9); }
int32_t ReadTokenVar13() { return TokenTruncated(13); }
double ReadTokenVar14() { return TokenF64(14); }

int32_t ReadOnGround() { return TokenTruncated(60); }

// The filter lives in sim_vars itself: the host writes the raw airspeed into `value`, `old` holds the
// last smoothed result. It steps on every call, whoever calls (kept: the trend gains are tuned to it).
// A sample that is not a number or infinite (or so large that the step overflows) is passed over:
// taken in, it would stay in the filter for good.
double ReadAirspeedSmoothed() {
  host::ReadToken(&sim_vars);
  double smoothed = 0.7 * sim_vars.old + 0.3 * sim_vars.value.n;
  if (!std::isfinite(smoothed)) smoothed = sim_vars.old;
  sim_vars.value.n = smoothed;
  sim_vars.old = smoothed;
  return smoothed;
}

double ReadTokenVar63() { return TokenF64(63); }
double ReadTokenVar64() { return TokenF64(64); }
double ReadTokenVar65() { return TokenF64(65) / 1.30048; }
int32_t ReadTokenVar68() { return TokenTruncated(68); }
double ReadTokenVar69() { return TokenF64(69); }
double ReadPlaneLat() { return TokenF64(71) / 111130.555557; }

// The raw word counts east from 0 to 360 degrees; past 180 degrees (the threshold) it is given as west.
double ReadPlaneLon() {
  const double raw = TokenF64(72);
  const double deg = raw / 781874935307.4;
  return raw > 140737488355332.0 ? deg - 360.0 : deg;
}

double ReadAltimeterSetting() { return TokenF64(75); }
double ReadTokenVar77() { return TokenF64(77); }
double ReadPlaneBank() { return TokenF64(simver == 9 ? 80 : 79); }
double ReadPlaneHdg() { return TokenF64(81); }
double ReadTokenVar82() { return TokenF64(82); }
double ReadTokenVar86() { return TokenF64(86); }
double ReadTokenVar342() { return TokenF64(342); }
double ReadTokenVar343() { return TokenF64(343); }
double ReadTokenVar344() { return TokenF64(344); }
double ReadTokenVar349() { return TokenF64(349); }
double ReadTokenVar350() { return TokenF64(350) * 256.0; }
double ReadGroundSpeed() { return TokenF64(551) / 1.68781; }
double ReadTokenVar614() { return TokenF64(614) * 3.2808399; }
int32_t ReadTokenVar792() { return TokenTruncated(792); }
double ReadFdPitchCmd() { return TokenF64(793); }
double ReadFdBankCmd() { return TokenF64(794); }
int32_t ReadTokenVar848() { return TokenTruncated(848); }
double ReadTokenVar852() { return TokenF64(852); }

double ReadApMaster() { return TokenF64(103); }
double ReadApNav1Hold() { return TokenF64(105); }
double ReadApNavHold() { return TokenF64(106); }
double ReadApHdgHold() { return TokenF64(107); }
double ReadApAltHold() { return TokenF64(108); }
double ReadTokenVar110() { return TokenF64(110); }
double ReadApAppHold() { return TokenF64(112); }
double ReadApSpeed() { return TokenF64(115); }
double ReadApSpdBug() { return TokenF64(116); }
double ReadApMach() { return TokenF64(117); }
double ReadApMachBug() { return TokenF64(118); }
double ReadTokenVar120() { return TokenF64(120); }
double ReadAtArm() { return TokenF64(123); }

double GetApAltLockVar() { return ExpressionF64("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)"); }
double GetIndicatedAltitude() { return ExpressionF64("(A:INDICATED ALTITUDE, feet)"); }

// Older simulators have no decision-height variable; they report it as token 615.
double GetDecisionHeight() {
  if (simver >= 10) return ExpressionI32("(A:DECISION HEIGHT,FEET)");
  return TokenF64(615);
}

double GetDesignSpeedVs0() { return ExpressionI32("(A:Design Speed VS0, knots)"); }
double GetDesignSpeedVs1() { return ExpressionI32("(A:Design Speed VS1, knots)"); }
double GetEmptyWeight() { return ExpressionF64("(A:EMPTY WEIGHT,pounds)"); }

double GetPayloadWeight() {
  static constexpr const char* kStations[20] = {
      "(A:Payload Station Weight:1,pounds)",  "(A:Payload Station Weight:2,pounds)",
      "(A:Payload Station Weight:3,pounds)",  "(A:Payload Station Weight:4,pounds)",
      "(A:Payload Station Weight:5,pounds)",  "(A:Payload Station Weight:6,pounds)",
      "(A:Payload Station Weight:7,pounds)",  "(A:Payload Station Weight:8,pounds)",
      "(A:Payload Station Weight:9,pounds)",  "(A:Payload Station Weight:10,pounds)",
      "(A:Payload Station Weight:11,pounds)", "(A:Payload Station Weight:12,pounds)",
      "(A:Payload Station Weight:13,pounds)", "(A:Payload Station Weight:14,pounds)",
      "(A:Payload Station Weight:15,pounds)", "(A:Payload Station Weight:16,pounds)",
      "(A:Payload Station Weight:17,pounds)", "(A:Payload Station Weight:18,pounds)",
      "(A:Payload Station Weight:19,pounds)", "(A:Payload Station Weight:20,pounds)",
  };
  double sum = 0.0;
  for (const char* text : kStations) sum += ExpressionF64(text);
  return sum;
}
