#include "sim/readers_radio.h"

#include "base/geodesy.h"
#include "sim/sim_access.h"

using sim::ExpressionF64;
using sim::TokenF64;

namespace {

// The packed-decimal word's digits read as a decimal number (0x1090 gives 1090).
double PackedDecimal(uint32_t token) {
  return static_cast<double>(static_cast<uint32_t>(ConvertRadix(sim::TokenWord(token), 16, 10)));
}

// The host encodes a course as 2^14 per turn; the reading is its reciprocal, folded once into 0..360.
double ReciprocalAngle(uint32_t token) {
  double r = TokenF64(token) * 360.0 * 0.00006103515625 + 180.0;
  if (r >= 360.0) r -= 360.0;
  return r;
}

int32_t TestToken46(uint32_t mask) { return TestTokenFlag(sim::ReadTokenRecord(46), mask); }

}  // namespace

double ReadAdfFrequency() {
  const double main_khz = PackedDecimal(16);
  double ext = PackedDecimal(18);
  double thousands = 0.0;
  if (ext >= 100.0) {
    ext -= 100.0;
    thousands = 1000.0;
  }
  return thousands + main_khz + ext / 10.0;
}

double GetAdf2ActiveFrequency() { return ExpressionF64("(A:ADF ACTIVE FREQUENCY:2,number)") / 1000.0; }

double ReadTokenVar20() { return TokenF64(20); }
double ReadTokenVar25() { return ReciprocalAngle(25); }
double ReadFreqToken27() { return PackedDecimal(27) / 100.0 + 100.0; }
double ReadTokenVar28() { return ReciprocalAngle(28); }
double ReadDmeDistance() { return TokenF64(31); }
double ReadFreqToken38() { return PackedDecimal(38); }
double ReadTokenVar39() { return TokenF64(39); }
double ReadTokenVar40() { return TokenF64(40); }
double ReadTokenVar41() { return TokenF64(41); }
double ReadTokenVar45() { return TokenF64(45); }
int32_t TestTokenVar46Bit08() { return TestToken46(0x08); }
int32_t TestTokenVar46Bit40() { return TestToken46(0x40); }
int32_t TestTokenVar46Bit80() { return TestToken46(0x80); }
double ReadVor1Signal() { return TokenF64(49); }
double ReadTokenVar54() { return TokenF64(54); }
double ReadTokenVar59() { return TokenF64(59); }
double ReadTokenVar341() { return TokenF64(341); }
double ReadTokenVar354() { return TokenF64(354); }
double ReadTokenVar550() { return TokenF64(550); }
double ReadTokenVar877() { return TokenF64(877); }
double ReadTokenVar878() { return TokenF64(878); }
double ReadTokenVar879() { return TokenF64(879); }
double ReadTokenVar880() { return TokenF64(880); }
double ReadTokenVar881() { return TokenF64(881); }
double ReadFreqToken24() { return PackedDecimal(24) / 100.0 + 100.0; }
std::string ReadVor1Ident() { return sim::TokenText(47); }
