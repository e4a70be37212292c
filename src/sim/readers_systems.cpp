#include "sim/readers_systems.h"

#include "sim/sim_access.h"

using sim::ExpressionI32;
using sim::TokenF64;
using sim::TokenTruncated;

namespace {

// Rankine to Celsius with 491.69, not 491.67: the displays are tuned to it (kept on purpose).
double RankineToCelsius(double r) { return (r - 491.69) * 0.5555555555555556; }

// Pressures arrive in pounds per square foot.
double PsfToPsi(double psf) { return psf / 144.0; }

}  // namespace

double ReadTokenVar560() { return TokenF64(560); }
double ReadTokenVar570() { return TokenF64(570); }
double ReadTokenVar561() { return RankineToCelsius(TokenF64(561)); }
double ReadTokenVar571() { return RankineToCelsius(TokenF64(571)); }
double ReadTokenVar562() { return PsfToPsi(TokenF64(562)); }
double ReadTokenVar572() { return PsfToPsi(TokenF64(572)); }
int32_t ReadTokenVar563() { return TokenTruncated(563); }
int32_t ReadTokenVar573() { return TokenTruncated(573); }
double ReadTokenVar566() { return TokenF64(566); }
double ReadTokenVar576() { return TokenF64(576); }
double ReadTokenVar567() { return RankineToCelsius(TokenF64(567)); }
double ReadTokenVar577() { return RankineToCelsius(TokenF64(577)); }
double ReadTokenVar626() { return TokenF64(626); }
double ReadTokenVar645() { return TokenF64(645); }
double ReadTokenVar627() { return TokenF64(627); }
double ReadTokenVar646() { return TokenF64(646); }
double ReadTokenVar641() { return TokenF64(641); }
double ReadTokenVar660() { return TokenF64(660); }
double ReadTokenVar642() { return TokenF64(642); }
double ReadTokenVar661() { return TokenF64(661); }
double ReadTokenVar643() { return TokenF64(643); }

// Two token families carry the engine values; the first one is live when it reads above 0.
double ReadTokenVarPairA() {
  const double first = TokenF64(421);
  const double second = TokenF64(638);
  return first > 0.0 ? first : second;
}

double ReadTokenVarPairB() {
  const double first = TokenF64(460);
  const double second = TokenF64(657);
  return first > 0.0 ? first : second;
}

double ReadTokenVarGroup() {
  static constexpr uint32_t kTokens[8] = {421, 460, 499, 538, 638, 657, 676, 695};
  double v[8];
  for (int i = 0; i < 8; ++i) v[i] = TokenF64(kTokens[i]);
  // Any engine of the first family flowing makes it the live one: with engine 1 shut down the
  // others still burn fuel.
  if (v[0] > 0.0 || v[1] > 0.0 || v[2] > 0.0 || v[3] > 0.0) return v[0] + v[1] + v[2] + v[3];
  return v[4] + v[5] + v[6] + v[7];
}

double ReadEng1ThrottlePos() { return TokenF64(128); }
double ReadEng2ThrottlePos() { return TokenF64(163); }

double ReadCenterTankLevel() { return TokenF64(289); }
double ReadCenterTankCapacity() { return TokenF64(290); }
double ReadLeftMainTankLevel() { return TokenF64(291); }
double ReadLeftMainTankCapacity() { return TokenF64(292); }
double ReadLeftAuxTankLevel() { return TokenF64(293); }
double ReadLeftAuxTankCapacity() { return TokenF64(294); }
double ReadLeftTipTankLevel() { return TokenF64(295); }
double ReadLeftTipTankCapacity() { return TokenF64(296); }
double ReadRightMainTankLevel() { return TokenF64(297); }
double ReadRightMainTankCapacity() { return TokenF64(298); }
double ReadRightAuxTankLevel() { return TokenF64(299); }
double ReadRightAuxTankCapacity() { return TokenF64(300); }
double ReadRightTipTankLevel() { return TokenF64(301); }
double ReadRightTipTankCapacity() { return TokenF64(302); }
double ReadFuelWeightPerGallon() { return TokenF64(306); }

double ReadTokenVar332() { return TokenF64(332); }
double ReadTokenVar333() { return TokenF64(333); }
double ReadTokenVar334() { return TokenF64(334); }
int32_t GetGearCenterPosition() { return ExpressionI32("(A:GEAR CENTER POSITION,percent)"); }
int32_t GetGearLeftPosition() { return ExpressionI32("(A:GEAR LEFT POSITION,percent)"); }
int32_t GetGearRightPosition() { return ExpressionI32("(A:GEAR RIGHT POSITION,percent)"); }
double ReadFlapsAngle() { return TokenF64(907); }
double ReadFlapsPos() { return TokenF64(328); }
double ReadTokenVar324() { return TokenF64(324); }
double ReadTokenVar326() { return TokenF64(326); }
double ReadTokenVar327() { return TokenF64(327); }
double ReadParkingBrake() { return TokenF64(323); }
double ReadTokenVar320() { return TokenF64(320); }

double ReadTokenVar732() { return PsfToPsi(TokenF64(732)); }
double ReadTokenVar734() { return PsfToPsi(TokenF64(734)); }
double ReadTokenVar736() { return PsfToPsi(TokenF64(736)); }
double ReadTokenVar733() { return TokenF64(733); }
double ReadTokenVar735() { return TokenF64(735); }
double ReadTokenVar737() { return TokenF64(737); }
double ReadTokenVar363() { return TokenF64(363); }
double ReadTokenVar364() { return TokenF64(364); }
double ReadTokenVar604() { return TokenF64(604); }
int32_t ReadTokenVar743() { return sim::TokenRawI32(743); }
int32_t ReadTokenVar773() { return TokenTruncated(773); }
double ReadTokenVar783() { return TokenF64(783); }
double ReadTokenVar336() { return TokenF64(336); }
