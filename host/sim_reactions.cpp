#include "host/sim_reactions.h"

#include <algorithm>
#include <cmath>

#include "host/host.h"

namespace simhost {

namespace {

// The simulator variables the module reads back, by token number (or expression text).
constexpr uint32_t kLandingLights = 14;
constexpr uint32_t kAdfMain = 16;  // ADF 1 kHz digits, packed decimal
constexpr uint32_t kAdfExt = 18;   // ADF 1 tenths, plus 100 above 999 kHz
constexpr uint32_t kCom1 = 23, kCom1Standby = 617, kCom2 = 870, kCom2Standby = 871;  // packed decimal
constexpr uint32_t kNav1 = 24, kNav2 = 27;                                           // packed decimal
constexpr uint32_t kTransponder = 38;                                                // packed octal digits
constexpr uint32_t kNav1Course = 45, kNav2Course = 54;                               // degrees
constexpr uint32_t kAltimeterHpa = 75;
constexpr uint32_t kApMaster = 103, kApNavHold = 105, kApHeadingHold = 106, kApHeadingBug = 107, kApAltitudeHold = 108,
                   kApAttitudeHold = 110, kApGlideslopeHold = 111, kApApproachHold = 112, kApYawDamper = 114,
                   kApAirspeedHold = 115, kApAirspeed = 116, kApMachHold = 117, kApMach = 118, kApVerticalSpeed = 120,
                   kAutothrottleArm = 123;
constexpr uint32_t kThrottle1 = 128, kThrottle2 = 163;  // lever 0..16383
constexpr uint32_t kSpoilerLeft = 326, kSpoilerRight = 327;
constexpr uint32_t kFlapsHandle = 328, kFlapsAngle = 907;
constexpr uint32_t kGearTokens[] = {332, 333, 334};
constexpr const char* kGearExpressions[] = {"(A:GEAR LEFT POSITION,percent)", "(A:GEAR CENTER POSITION,percent)",
                                            "(A:GEAR RIGHT POSITION,percent)"};
constexpr uint32_t kSimRate = 336;
constexpr uint32_t kSwitch13 = 13, kSwitch363 = 363, kBattery = 364, kSwitch773 = 773;
constexpr uint32_t kGpsDrivesNav = 848;
constexpr uint32_t kDecisionHeightToken = 615;  // older simulators
constexpr const char* kDecisionHeightExpr = "(A:DECISION HEIGHT,FEET)";
constexpr const char* kAltitudeExpr = "(A:AUTOPILOT ALTITUDE LOCK VAR, feet)";
constexpr const char* kNav1FrequencyExpr = "(A:NAV ACTIVE FREQUENCY:1,MHz)";
constexpr const char* kAdf2Expr = "(A:ADF ACTIVE FREQUENCY:2,number)";  // Hz
constexpr uint32_t kFsuipcPause = 0x0264;

constexpr double kFull = 16383.0;  // lever, handle, gear and spoiler travel
// The stand-in's limits of the autopilot's selections.
constexpr double kMaxAltitudeFt = 99900.0;
constexpr double kMaxVerticalSpeedFpm = 9900.0;
constexpr double kMaxAirspeedKt = 999.0;
constexpr double kMaxMach = 0.99;
constexpr double kVerticalSpeedStepFpm = 100.0;
constexpr double kMachStep = 0.01;
constexpr double kDecisionHeightStepFt = 10.0;
constexpr double kDecisionHeightMaxFt = 990.0;
constexpr double kAltimeterMinHpa = 948.0, kAltimeterMaxHpa = 1084.0;
// The flap handle's detents (0, 1, 5, 15, 20, 25 and 30 degrees), evenly spread over its travel.
constexpr double kFlapDetentsDeg[] = {0.0, 1.0, 5.0, 15.0, 20.0, 25.0, 30.0};
constexpr int kFlapSteps = 6;

void Set(Host& h, uint32_t token, double v) { h.SetToken(token, v); }
void Flag(Host& h, uint32_t token, bool on) { h.SetToken(token, on ? 1.0 : 0.0); }
void Toggle(Host& h, uint32_t token) { Flag(h, token, h.Token(token) == 0.0); }
void SetClamped(Host& h, uint32_t token, double v, double lo, double hi) { h.SetToken(token, std::clamp(v, lo, hi)); }
double Degrees(double d) {
  d = std::fmod(d, 360.0);
  return d < 0.0 ? d + 360.0 : d;
}
void StepCourse(Host& h, uint32_t token, double step) { Set(h, token, Degrees(std::round(h.Token(token)) + step)); }

void SetAltitude(Host& h, double ft) { h.SetExpression(kAltitudeExpr, std::clamp(ft, 0.0, kMaxAltitudeFt)); }
void SetMach(Host& h, double mach) { SetClamped(h, kApMach, std::round(mach * 100.0) / 100.0, 0.0, kMaxMach); }
void StepDecisionHeight(Host& h, double step) {
  const double dh = std::clamp(h.Expression(kDecisionHeightExpr) + step, 0.0, kDecisionHeightMaxFt);
  h.SetExpression(kDecisionHeightExpr, dh);
  h.SetToken(kDecisionHeightToken, dh);
}

void SetThrottles(Host& h, double lever) {
  const double v = std::clamp(lever, 0.0, kFull);
  Set(h, kThrottle1, v);
  Set(h, kThrottle2, v);
}
void StepThrottles(Host& h, double step) {
  Set(h, kThrottle1, std::clamp(h.Token(kThrottle1) + step, 0.0, kFull));
  Set(h, kThrottle2, std::clamp(h.Token(kThrottle2) + step, 0.0, kFull));
}
constexpr double kThrottleStep = kFull / 64.0;
constexpr double kThrottleSmallStep = kFull / 128.0;

// The surfaces follow the handle at once: the stand-in does not move them over time.
void StepFlaps(Host& h, int dir) {
  const int at = static_cast<int>(std::lround(std::clamp(h.Token(kFlapsHandle), 0.0, kFull) / kFull * kFlapSteps));
  const int to = std::clamp(at + dir, 0, kFlapSteps);
  Set(h, kFlapsHandle, std::round(kFull * to / kFlapSteps));
  Set(h, kFlapsAngle, kFlapDetentsDeg[to]);
}

void GearDown(Host& h) {
  for (uint32_t t : kGearTokens) Set(h, t, kFull);
  for (const char* e : kGearExpressions) h.SetExpression(e, 100.0);
}

void Spoilers(Host& h, bool out) {
  Set(h, kSpoilerLeft, out ? kFull : 0.0);
  Set(h, kSpoilerRight, out ? kFull : 0.0);
}

// Packed decimal words: one decimal digit in each 4 bits (the transponder's digits are 0..7).
int Digit(uint32_t word, int n) { return static_cast<int>((word >> (4 * n)) & 0xFu); }
uint32_t WithDigit(uint32_t word, int n, int d) {
  return (word & ~(0xFu << (4 * n))) | (static_cast<uint32_t>(d) << (4 * n));
}
uint32_t Word(const Host& h, uint32_t token) { return static_cast<uint32_t>(ToInt32(h.Token(token))); }
int Wrap(int v, int lo, int hi) { return v < lo ? hi : (v > hi ? lo : v); }

void StepTransponder(Host& h, int digit, int dir) {
  const uint32_t w = Word(h, kTransponder);
  Set(h, kTransponder, WithDigit(w, digit, Wrap(Digit(w, digit) + dir, 0, 7)));
}

// A radio word "XY.ZW": MHz 1XY, hundredths ZW in 0.05 steps. Whole megahertz wrap within the band,
// the fraction within the megahertz.
void StepMhz(Host& h, uint32_t token, int dir, int lo_mhz, int hi_mhz) {
  const uint32_t w = Word(h, token);
  const int mhz = Wrap(100 + Digit(w, 3) * 10 + Digit(w, 2) + dir, lo_mhz, hi_mhz) - 100;
  Set(h, token, WithDigit(WithDigit(w, 3, mhz / 10), 2, mhz % 10));
}
void StepKhz(Host& h, uint32_t token, int dir) {
  const uint32_t w = Word(h, token);
  const int hundredths = (Digit(w, 1) * 10 + Digit(w, 0)) / 5 * 5;
  const int to = Wrap(hundredths + 5 * dir, 0, 95);
  Set(h, token, WithDigit(WithDigit(w, 1, to / 10), 0, to % 10));
}
void Swap(Host& h, uint32_t a, uint32_t b) {
  const double v = h.Token(a);
  Set(h, a, h.Token(b));
  Set(h, b, v);
}
constexpr int kComLo = 118, kComHi = 136, kNavLo = 108, kNavHi = 117;

uint32_t Packed(int n) {
  uint32_t w = 0;
  for (int i = 0; n > 0 && i < 8; ++i, n /= 10) w |= static_cast<uint32_t>(n % 10) << (4 * i);
  return w;
}
int Unpacked(uint32_t w) {
  int n = 0;
  for (int i = 7; i >= 0; --i) n = n * 10 + std::min(Digit(w, i), 9);
  return n;
}

// An ADF frequency in tenths of a kHz, 100.0 to 1799.9: the hundreds (1 to 17), tens, units and tenths
// each wrap by themselves.
int StepAdfDigit(int tenths_khz, int place, int dir) {
  int hundreds = tenths_khz / 1000, tens = tenths_khz / 100 % 10, units = tenths_khz / 10 % 10,
      tenths = tenths_khz % 10;
  switch (place) {
    case 100:
      hundreds = Wrap(hundreds + dir, 1, 17);
      break;
    case 10:
      tens = Wrap(tens + dir, 0, 9);
      break;
    case 1:
      units = Wrap(units + dir, 0, 9);
      break;
    default:
      tenths = Wrap(tenths + dir, 0, 9);
      break;
  }
  return hundreds * 1000 + tens * 100 + units * 10 + tenths;
}
void StepAdf1(Host& h, int place, int dir) {
  const int ext = Unpacked(Word(h, kAdfExt));
  const int khz = (ext >= 100 ? 1000 : 0) + Unpacked(Word(h, kAdfMain));
  const int to = StepAdfDigit(std::max(khz, 100) * 10 + ext % 100 % 10, place, dir);
  Set(h, kAdfMain, Packed(to / 10 % 1000));
  Set(h, kAdfExt, Packed(to % 10 + (to >= 10000 ? 100 : 0)));
}
void StepAdf2(Host& h, int place, int dir) {
  const int tenths = static_cast<int>(std::lround(h.Expression(kAdf2Expr) / 100.0));
  h.SetExpression(kAdf2Expr, StepAdfDigit(std::max(tenths, 1000), place, dir) * 100.0);
}

// The simulator takes the value as a 16-bit BCD word: 0x11350 (the CDU's 113.50) tunes 113.50, the
// leading 1 being implied as in every reader of the token.
void SetNav1Frequency(Host& h, int32_t word) {
  const uint32_t bcd = static_cast<uint32_t>(word) & 0xFFFFu;
  Set(h, kNav1, bcd);
  h.SetExpression(kNav1FrequencyExpr, 100.0 + Unpacked(bcd) / 100.0);
}

void TogglePause(Host& h) { h.fsuipc().SetValue(kFsuipcPause, 2, h.fsuipc().Value(kFsuipcPause, 2) == 0 ? 1 : 0); }

// Names are the stand-in's own, in the simulator's style.
#define R(event, name, body, changes) \
  {                                   \
    event, name,                      \
        [](Host& h, int32_t v) {      \
          (void)h;                    \
          (void)v;                    \
          body;                       \
        },                            \
        changes                       \
  }
#define IGNORED(event, name, why) \
  { event, name, nullptr, why }

const std::vector<SimReaction> kReactions = {
    R(0x10019, "PAUSE_TOGGLE", TogglePause(h), "FSUIPC 0x0264 (pause flag) 0 <-> 1; frames keep running"),
    R(0x1002C, "AP_MASTER", Toggle(h, kApMaster), "token 103 (autopilot master) 0 <-> 1"),
    IGNORED(0x10034, "BRAKES", "braking needs a ground roll: the deceleration (token 320) comes from the scenario"),
    R(0x10040, "THROTTLE_INCR_SMALL", StepThrottles(h, kThrottleSmallStep),
      "tokens 128, 163 (levers) + 128, at most 16383"),
    R(0x10049, "THROTTLE_INCR", StepThrottles(h, kThrottleStep), "tokens 128, 163 (levers) + 256, at most 16383"),
    R(0x10051, "THROTTLE_DECR", StepThrottles(h, -kThrottleStep), "tokens 128, 163 (levers) - 256, at least 0"),
    R(0x10064, "COM_RADIO_WHOLE_DEC", StepMhz(h, kCom1Standby, -1, kComLo, kComHi),
      "token 617 (COM 1 standby) - 1 MHz, 118..136 wrapping"),
    R(0x10065, "COM_RADIO_WHOLE_INC", StepMhz(h, kCom1Standby, 1, kComLo, kComHi),
      "token 617 (COM 1 standby) + 1 MHz, 118..136 wrapping"),
    R(0x10066, "COM_RADIO_FRACT_DEC", StepKhz(h, kCom1Standby, -1),
      "token 617 (COM 1 standby) - 0.05 MHz, wrapping within the MHz"),
    R(0x10067, "COM_RADIO_FRACT_INC", StepKhz(h, kCom1Standby, 1),
      "token 617 (COM 1 standby) + 0.05 MHz, wrapping within the MHz"),
    R(0x1006C, "NAV2_RADIO_WHOLE_DEC", StepMhz(h, kNav2, -1, kNavLo, kNavHi),
      "token 27 (NAV 2) - 1 MHz, 108..117 wrapping"),
    R(0x1006D, "NAV2_RADIO_WHOLE_INC", StepMhz(h, kNav2, 1, kNavLo, kNavHi),
      "token 27 (NAV 2) + 1 MHz, 108..117 wrapping"),
    R(0x1006E, "NAV2_RADIO_FRACT_DEC", StepKhz(h, kNav2, -1), "token 27 (NAV 2) - 0.05 MHz, wrapping within the MHz"),
    R(0x1006F, "NAV2_RADIO_FRACT_INC", StepKhz(h, kNav2, 1), "token 27 (NAV 2) + 0.05 MHz, wrapping within the MHz"),
    R(0x10070, "ADF_100_INC", StepAdf1(h, 100, 1), "tokens 16, 18 (ADF 1): hundreds + 1, 1..17 wrapping"),
    R(0x10071, "ADF_10_INC", StepAdf1(h, 10, 1), "tokens 16, 18 (ADF 1): tens digit + 1, wrapping"),
    R(0x10072, "ADF_1_INC", StepAdf1(h, 1, 1), "tokens 16, 18 (ADF 1): units digit + 1, wrapping"),
    R(0x10073, "XPNDR_1000_INC", StepTransponder(h, 3, 1), "token 38 (transponder): first digit + 1, 0..7 wrapping"),
    R(0x10074, "XPNDR_100_INC", StepTransponder(h, 2, 1), "token 38: second digit + 1, 0..7 wrapping"),
    R(0x10075, "XPNDR_10_INC", StepTransponder(h, 1, 1), "token 38: third digit + 1, 0..7 wrapping"),
    R(0x10076, "XPNDR_1_INC", StepTransponder(h, 0, 1), "token 38: fourth digit + 1, 0..7 wrapping"),
    R(0x10080, "VOR2_OBI_DEC", StepCourse(h, kNav2Course, -1.0), "token 54 (VOR 2 course) - 1 degree, 0..359 wrapping"),
    R(0x10081, "VOR2_OBI_INC", StepCourse(h, kNav2Course, 1.0), "token 54 (VOR 2 course) + 1 degree, 0..359 wrapping"),
    R(0x10082, "ADF_100_DEC", StepAdf1(h, 100, -1), "tokens 16, 18 (ADF 1): hundreds - 1, 1..17 wrapping"),
    R(0x10083, "ADF_10_DEC", StepAdf1(h, 10, -1), "tokens 16, 18 (ADF 1): tens digit - 1, wrapping"),
    R(0x10084, "ADF_1_DEC", StepAdf1(h, 1, -1), "tokens 16, 18 (ADF 1): units digit - 1, wrapping"),
    R(0x100A1, "THROTTLE_SET", SetThrottles(h, v), "tokens 128, 163 (levers) := value, 0..16383"),
    R(0x100AC, "NAV1_RADIO_SET", SetNav1Frequency(h, v),
      "token 24 (NAV 1, packed decimal) := the value's low four digits; \"(A:NAV ACTIVE FREQUENCY:1,MHz)\" follows"),
    R(0x100B4, "VOR1_SET", Set(h, kNav1Course, Degrees(v)), "token 45 (VOR 1 course) := value, 0..359 wrapping"),
    R(0x100DE, "FLAPS_INCR", StepFlaps(h, 1),
      "token 328 (handle) one detent down, token 907 (angle) to its 0/1/5/15/20/25/30 degrees"),
    R(0x100DF, "FLAPS_DECR", StepFlaps(h, -1), "token 328 (handle) one detent up, token 907 (angle) likewise"),
    R(0x100E5, "THROTTLE_CUT", SetThrottles(h, 0.0), "tokens 128, 163 (levers) := 0"),
    R(0x100FE, "SIM_RATE_DECR", Set(h, kSimRate, std::max(0.25, h.Token(kSimRate) / 2.0)),
      "token 336 (simulation rate) halved, at least 0.25; frames keep their pace"),
    R(0x100FF, "AUTOPILOT_OFF", Flag(h, kApMaster, false), "token 103 (autopilot master) := 0"),
    R(0x10100, "AUTOPILOT_ON", Flag(h, kApMaster, true), "token 103 (autopilot master) := 1"),
    R(0x1010C, "AP_ATT_HOLD_ON", Flag(h, kApAttitudeHold, true), "token 110 (attitude hold) := 1"),
    R(0x1010D, "AP_LOC_HOLD_ON", Flag(h, kApNavHold, true), "token 105 (NAV hold) := 1"),
    R(0x1010E, "AP_APR_HOLD_ON", (Flag(h, kApApproachHold, true), Flag(h, kApGlideslopeHold, true)),
      "tokens 112 (approach hold), 111 (glideslope hold) := 1"),
    R(0x1010F, "AP_HDG_HOLD_ON", Flag(h, kApHeadingHold, true), "token 106 (heading hold) := 1"),
    R(0x10110, "AP_ALT_HOLD_ON", Flag(h, kApAltitudeHold, true), "token 108 (altitude hold) := 1"),
    R(0x10113, "AP_NAV1_HOLD_ON", Flag(h, kApNavHold, true), "token 105 (NAV hold) := 1"),
    R(0x10114, "AP_ATT_HOLD_OFF", Flag(h, kApAttitudeHold, false), "token 110 (attitude hold) := 0"),
    R(0x10115, "AP_LOC_HOLD_OFF", Flag(h, kApNavHold, false), "token 105 (NAV hold) := 0"),
    R(0x10116, "AP_APR_HOLD_OFF", (Flag(h, kApApproachHold, false), Flag(h, kApGlideslopeHold, false)),
      "tokens 112, 111 := 0"),
    R(0x10117, "AP_HDG_HOLD_OFF", Flag(h, kApHeadingHold, false), "token 106 (heading hold) := 0"),
    R(0x10118, "AP_ALT_HOLD_OFF", Flag(h, kApAltitudeHold, false), "token 108 (altitude hold) := 0"),
    R(0x1011B, "AP_NAV1_HOLD_OFF", Flag(h, kApNavHold, false), "token 105 (NAV hold) := 0"),
    R(0x10132, "RADIO_BUTTON_4_TOGGLE", Toggle(h, 877), "token 877 (its lamp) 0 <-> 1"),
    R(0x10133, "RADIO_BUTTON_5_TOGGLE", Toggle(h, 878), "token 878 (its lamp) 0 <-> 1"),
    R(0x10134, "RADIO_BUTTON_7_TOGGLE", Toggle(h, 879), "token 879 (its lamp) 0 <-> 1"),
    R(0x1013B, "RADIO_BUTTON_8_SET", Flag(h, 880, v != 0), "token 880 (its lamp) := 1 for a non-zero value, else 0"),
    R(0x10144, "AUTO_THROTTLE_ARM", Toggle(h, kAutothrottleArm), "token 123 (autothrottle arm) 0 <-> 1"),
    R(0x10157, "HEADING_BUG_DEC", StepCourse(h, kApHeadingBug, -1.0),
      "token 107 (heading bug) - 1 degree, 0..359 wrapping"),
    R(0x10158, "HEADING_BUG_INC", StepCourse(h, kApHeadingBug, 1.0),
      "token 107 (heading bug) + 1 degree, 0..359 wrapping"),
    R(0x1015B, "KOHLSMAN_INC",
      SetClamped(h, kAltimeterHpa, std::round(h.Token(kAltimeterHpa)) + 1.0, kAltimeterMinHpa, kAltimeterMaxHpa),
      "token 75 (altimeter setting) + 1 hPa, 948..1084"),
    R(0x1015C, "KOHLSMAN_DEC",
      SetClamped(h, kAltimeterHpa, std::round(h.Token(kAltimeterHpa)) - 1.0, kAltimeterMinHpa, kAltimeterMaxHpa),
      "token 75 (altimeter setting) - 1 hPa, 948..1084"),
    R(0x10164, "AP_ALT_VAR_INC", SetAltitude(h, h.Expression(kAltitudeExpr) + 100.0),
      "\"(A:AUTOPILOT ALTITUDE LOCK VAR, feet)\" + 100 ft, 0..99900"),
    R(0x10165, "AP_ALT_VAR_DEC", SetAltitude(h, h.Expression(kAltitudeExpr) - 100.0),
      "\"(A:AUTOPILOT ALTITUDE LOCK VAR, feet)\" - 100 ft, 0..99900"),
    R(0x10166, "AP_VS_VAR_INC",
      SetClamped(h, kApVerticalSpeed, h.Token(kApVerticalSpeed) + kVerticalSpeedStepFpm, -kMaxVerticalSpeedFpm,
                 kMaxVerticalSpeedFpm),
      "token 120 (vertical speed) + 100 ft/min, -9900..9900"),
    R(0x10167, "AP_VS_VAR_DEC",
      SetClamped(h, kApVerticalSpeed, h.Token(kApVerticalSpeed) - kVerticalSpeedStepFpm, -kMaxVerticalSpeedFpm,
                 kMaxVerticalSpeedFpm),
      "token 120 (vertical speed) - 100 ft/min, -9900..9900"),
    R(0x1017C, "AP_MACH_VAR_INC", SetMach(h, h.Token(kApMach) + kMachStep), "token 118 (Mach) + 0.01, at most 0.99"),
    R(0x1017D, "AP_MACH_VAR_DEC", SetMach(h, h.Token(kApMach) - kMachStep), "token 118 (Mach) - 0.01, at least 0"),
    IGNORED(0x101AA, "FUEL_SELECTOR_SET", "the module keeps its own fuel feed and reads no selector back"),
    IGNORED(0x101BF, "ENGINE_1_FUEL_RUN", "no engine model: engine states come from the scenario"),
    IGNORED(0x101C3, "ENGINE_1_FUEL_CUTOFF", "no engine model: engine states come from the scenario"),
    IGNORED(0x101C4, "ENGINE_2_FUEL_RUN", "no engine model: engine states come from the scenario"),
    IGNORED(0x101C8, "ENGINE_2_FUEL_CUTOFF", "no engine model: engine states come from the scenario"),
    R(0x101F4, "AP_VS_VAR_SET", SetClamped(h, kApVerticalSpeed, v, -kMaxVerticalSpeedFpm, kMaxVerticalSpeedFpm),
      "token 120 (vertical speed, ft/min) := value, -9900..9900"),
    R(0x101F5, "AP_SPD_VAR_SET", SetClamped(h, kApAirspeed, v, 0.0, kMaxAirspeedKt),
      "token 116 (airspeed, kt) := value, 0..999"),
    R(0x101F6, "AP_MACH_VAR_SET", SetMach(h, v / 100.0), "token 118 (Mach) := value / 100, 0..0.99"),
    R(0x101FA, "HEADING_BUG_SET", Set(h, kApHeadingBug, Degrees(v)),
      "token 107 (heading bug) := value, 0..359 wrapping"),
    R(0x1020B, "LANDING_LIGHTS_ON", Flag(h, kLandingLights, true), "token 14 (landing lights) := 1"),
    R(0x1020C, "LANDING_LIGHTS_OFF", Flag(h, kLandingLights, false), "token 14 (landing lights) := 0"),
    R(0x10210, "SPOILERS_ON", Spoilers(h, true), "tokens 326, 327 (spoilers) := 16383"),
    R(0x10211, "SPOILERS_OFF", Spoilers(h, false), "tokens 326, 327 (spoilers) := 0"),
    R(0x10215, "YAW_DAMPER_ON", Flag(h, kApYawDamper, true), "token 114 (yaw damper) := 1"),
    R(0x10218, "SWITCH_13_TOGGLE", Toggle(h, kSwitch13), "token 13 0 <-> 1 (the module holds this switch on)"),
    R(0x10220, "GEAR_DOWN", GearDown(h),
      "tokens 332..334 := 16383 and the three \"(A:GEAR ... POSITION,percent)\" := 100, at once"),
    R(0x1022D, "AP_AIRSPEED_ON", Flag(h, kApAirspeedHold, true), "token 115 (airspeed hold) := 1"),
    R(0x1022E, "AP_AIRSPEED_OFF", Flag(h, kApAirspeedHold, false), "token 115 (airspeed hold) := 0"),
    R(0x10230, "AP_MACH_ON", Flag(h, kApMachHold, true), "token 117 (Mach hold) := 1"),
    R(0x10231, "AP_MACH_OFF", Flag(h, kApMachHold, false), "token 117 (Mach hold) := 0"),
    R(0x1023E, "AP_MACH_HOLD_OFF", Flag(h, kApMachHold, false), "token 117 (Mach hold) := 0"),
    R(0x1024C, "AP_ALT_VAR_SET", SetAltitude(h, v), "\"(A:AUTOPILOT ALTITUDE LOCK VAR, feet)\" := value, 0..99900"),
    IGNORED(0x102B0, "ENGINE_AUTO_START", "no engine model: engine states come from the scenario"),
    IGNORED(0x102C0, "RUNWAY_TURNOFF_LIGHTS_TOGGLE", "the module reads this light's state nowhere"),
    R(0x102C1, "BATTERY_TOGGLE", Toggle(h, kBattery), "token 364 (battery power) 0 <-> 1"),
    R(0x102C2, "SWITCH_363_TOGGLE", Toggle(h, kSwitch363), "token 363 0 <-> 1 (the module holds this switch on)"),
    R(0x102F5, "SWITCH_773_TOGGLE", Toggle(h, kSwitch773), "token 773 0 <-> 1 (the module holds this switch on)"),
    IGNORED(0x102FA, "AUTOBRAKE_INCR", "the module reads no autobrake setting back; braking needs a ground roll"),
    IGNORED(0x102FB, "AUTOBRAKE_DECR", "the module reads no autobrake setting back; braking needs a ground roll"),
    IGNORED(0x102FC, "ENGINE_1_STARTER", "no engine model: engine states come from the scenario"),
    IGNORED(0x102FD, "ENGINE_2_STARTER", "no engine model: engine states come from the scenario"),
    R(0x10311, "DECISION_HEIGHT_INC", StepDecisionHeight(h, kDecisionHeightStepFt),
      "\"(A:DECISION HEIGHT,FEET)\" and token 615 + 10 ft, at most 990"),
    R(0x10312, "DECISION_HEIGHT_DEC", StepDecisionHeight(h, -kDecisionHeightStepFt),
      "\"(A:DECISION HEIGHT,FEET)\" and token 615 - 10 ft, at least 0"),
    R(0x10344, "COM_STBY_RADIO_SWAP", Swap(h, kCom1, kCom1Standby),
      "tokens 23 and 617 (COM 1 active and standby) swap"),
    R(0x10347, "TOGGLE_GPS_DRIVES_NAV1", Toggle(h, kGpsDrivesNav), "token 848 (GPS drives NAV) 0 <-> 1"),
    IGNORED(0x10353, "AXIS_LEFT_BRAKE_SET",
            "braking needs a ground roll: the deceleration (token 320) comes from the scenario"),
    IGNORED(0x10354, "AXIS_RIGHT_BRAKE_SET",
            "braking needs a ground roll: the deceleration (token 320) comes from the scenario"),
    R(0x10384, "COM2_RADIO_WHOLE_DEC", StepMhz(h, kCom2Standby, -1, kComLo, kComHi),
      "token 871 (COM 2 standby) - 1 MHz, 118..136 wrapping"),
    R(0x10385, "COM2_RADIO_WHOLE_INC", StepMhz(h, kCom2Standby, 1, kComLo, kComHi),
      "token 871 (COM 2 standby) + 1 MHz, 118..136 wrapping"),
    R(0x10386, "COM2_RADIO_FRACT_DEC", StepKhz(h, kCom2Standby, -1),
      "token 871 (COM 2 standby) - 0.05 MHz, wrapping within the MHz"),
    R(0x10388, "COM2_RADIO_FRACT_INC", StepKhz(h, kCom2Standby, 1),
      "token 871 (COM 2 standby) + 0.05 MHz, wrapping within the MHz"),
    R(0x1038C, "COM2_RADIO_SWAP", Swap(h, kCom2, kCom2Standby), "tokens 870 and 871 (COM 2 active and standby) swap"),
    R(0x10395, "ADF1_RADIO_TENTHS_DEC", StepAdf1(h, 0, -1), "tokens 16, 18 (ADF 1): tenths digit - 1, wrapping"),
    R(0x10396, "ADF1_RADIO_TENTHS_INC", StepAdf1(h, 0, 1), "tokens 16, 18 (ADF 1): tenths digit + 1, wrapping"),
    R(0x10397, "XPNDR_1000_DEC", StepTransponder(h, 3, -1), "token 38 (transponder): first digit - 1, 0..7 wrapping"),
    R(0x10398, "XPNDR_100_DEC", StepTransponder(h, 2, -1), "token 38: second digit - 1, 0..7 wrapping"),
    R(0x10399, "XPNDR_10_DEC", StepTransponder(h, 1, -1), "token 38: third digit - 1, 0..7 wrapping"),
    R(0x1039A, "XPNDR_1_DEC", StepTransponder(h, 0, -1), "token 38: fourth digit - 1, 0..7 wrapping"),
    R(0x1039F, "RADIO_BUTTON_1_TOGGLE", Toggle(h, 874), "token 874 (its lamp) 0 <-> 1"),
    R(0x103A0, "RADIO_BUTTON_2_TOGGLE", Toggle(h, 875), "token 875 (its lamp) 0 <-> 1"),
    R(0x103A1, "RADIO_BUTTON_3_TOGGLE", Toggle(h, 876), "token 876 (its lamp) 0 <-> 1"),
    R(0x103AD, "RADIO_BUTTON_6_TOGGLE", Toggle(h, 881), "token 881 (its lamp) 0 <-> 1"),
    IGNORED(0x103DB, "FUEL_SELECTOR_2_SET", "the module keeps its own fuel feed and reads no selector back"),
    IGNORED(0x103E3, "ENGINE_AUTO_SHUTDOWN", "no engine model: engine states come from the scenario"),
    R(0x103F0, "ADF2_100_INC", StepAdf2(h, 100, 1),
      "\"(A:ADF ACTIVE FREQUENCY:2,number)\" (Hz): hundreds of kHz + 1, 1..17 wrapping"),
    R(0x103F1, "ADF2_10_INC", StepAdf2(h, 10, 1), "ADF 2: tens digit + 1, wrapping"),
    R(0x103F2, "ADF2_1_INC", StepAdf2(h, 1, 1), "ADF 2: units digit + 1, wrapping"),
    R(0x103F3, "ADF2_RADIO_TENTHS_INC", StepAdf2(h, 0, 1), "ADF 2: tenths digit + 1, wrapping"),
    R(0x103F4, "ADF2_100_DEC", StepAdf2(h, 100, -1), "ADF 2: hundreds of kHz - 1, 1..17 wrapping"),
    R(0x103F5, "ADF2_10_DEC", StepAdf2(h, 10, -1), "ADF 2: tens digit - 1, wrapping"),
    R(0x103F6, "ADF2_1_DEC", StepAdf2(h, 1, -1), "ADF 2: units digit - 1, wrapping"),
    R(0x103F7, "ADF2_RADIO_TENTHS_DEC", StepAdf2(h, 0, -1), "ADF 2: tenths digit - 1, wrapping"),
    IGNORED(0x10417, "AP_PITCH_REF_INC_DN", "the attitude comes from the scenario (no flight model)"),
    IGNORED(0x10418, "AP_PITCH_REF_INC_UP", "the attitude comes from the scenario (no flight model)"),
    R(0x1044A, "THROTTLE_DECR_SMALL", StepThrottles(h, -kThrottleSmallStep),
      "tokens 128, 163 (levers) - 128, at least 0"),
};

#undef R
#undef IGNORED

}  // namespace

const std::vector<SimReaction>& SimReactions() { return kReactions; }

const SimReaction* FindSimReaction(uint32_t event_id) {
  auto it = std::lower_bound(kReactions.begin(), kReactions.end(), event_id,
                             [](const SimReaction& r, uint32_t id) { return r.event < id; });
  return it != kReactions.end() && it->event == event_id ? &*it : nullptr;
}

const char* KeyEventName(uint32_t event_id) {
  const SimReaction* r = FindSimReaction(event_id);
  return r != nullptr ? r->name : nullptr;
}

void ApplyKeyEventToSimulator(Host& host, uint32_t event_id, int32_t value) {
  const SimReaction* r = FindSimReaction(event_id);
  if (r != nullptr && r->apply != nullptr) r->apply(host, value);
}

}  // namespace simhost
