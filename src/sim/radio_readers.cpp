#include "sim/radio_readers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readout_text.h"
#include "sim/sim_access.h"

namespace {

constexpr char kCom1Active[] = "(A:COM1 ACTIVE FREQUENCY, megahertz)";
constexpr char kCom1Standby[] = "(A:COM1 STANDBY FREQUENCY, megahertz)";
constexpr char kCom2Active[] = "(A:COM2 ACTIVE FREQUENCY, megahertz)";
constexpr char kCom2Standby[] = "(A:COM2 STANDBY FREQUENCY, megahertz)";

// Index 4 of "%.3f" is the first decimal of a three-digit MHz value; the text also rounds to whole
// kHz, which the arithmetic digit does not.
double TextDigit(const char* expression) {
  char text[64] = {};
  std::snprintf(text, sizeof text, "%.3f", sim::ExpressionF64(expression));
  const char digit[2] = {text[4], '\0'};
  return std::atof(digit);
}

double ArithmeticDigit(const char* expression) {
  const double mhz = sim::ExpressionF64(expression);
  // A value no double step can split into decimals reads as 0, as a failed evaluation does.
  if (!std::isfinite(mhz)) return 0.0;
  const double x = mhz * 10.0;
  const int32_t d = TruncToI32((x - std::trunc(x)) * 10.0);
  if (d == 4) return 5.0;
  if (d == 9) return 0.0;
  return d;
}

double PackedFrequency(uint32_t token) {
  const uint32_t digits = static_cast<uint32_t>(ConvertRadix(sim::TokenWord(token), 16, 10));
  return digits / 100.0 + 100.0;
}

}  // namespace

double ReadCom1ActiveFreqDigit1() { return TextDigit(kCom1Active); }
double ReadCom1StandbyFreqDigit1() { return TextDigit(kCom1Standby); }
double ReadCom2ActiveFreqDigit1() { return TextDigit(kCom2Active); }
double ReadCom2StandbyFreqDigit1() { return TextDigit(kCom2Standby); }
double ReadCom1ActiveFreqDigit2() { return ArithmeticDigit(kCom1Active); }
double ReadCom1StandbyFreqDigit2() { return ArithmeticDigit(kCom1Standby); }
double ReadCom2ActiveFreqDigit2() { return ArithmeticDigit(kCom2Active); }
double ReadCom2StandbyFreqDigit2() { return ArithmeticDigit(kCom2Standby); }

double ReadFreqTokenVar23() { return PackedFrequency(23); }
double ReadFreqTokenVar617() { return PackedFrequency(617); }
double ReadFreqTokenVar870() { return PackedFrequency(870); }
double ReadFreqTokenVar871() { return PackedFrequency(871); }
double ReadTokenVar874() { return sim::TokenF64(874); }
double ReadTokenVar875() { return sim::TokenF64(875); }
double ReadTokenVar876() { return sim::TokenF64(876); }

double FormatTokenVar23Text(gauge::ElementHeader* element) {
  return FormatReadout(element, "%03.2f", &ReadFreqTokenVar23);
}
