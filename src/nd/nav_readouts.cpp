#include "nd/nav_readouts.h"

#include <cmath>

#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "sim/readers_radio.h"
#include "sim/sim_access.h"
#include "sim/tick_globals.h"

namespace {
constexpr uint32_t kNav1FrequencyToken = 24;
}  // namespace

ArrivalClock ArrivalClockAt(double dist_nm, double ground_speed_kt) {
  const double t = ground_speed_kt > 0.0 && dist_nm > 0.0 ? dist_nm / ground_speed_kt * 60.0 : 0.0;
  double h = 0.0;
  double m = t;
  if (t / 60.0 >= 1.0) {
    h = std::floor(t / 60.0);
    m = t - 60.0 * h;
  }
  m = std::round(m + zulu_min);
  h += zulu_hour;
  if (m >= 60.0) {
    const double carry = std::floor(m / 60.0);
    h += carry;
    m -= 60.0 * carry;
  }
  return {FmodPositive(h, 24.0), m};
}

const char* Nav1ReceiverLabel() { return TestTokenVar46Bit40() != 0 ? "ILS 1" : "VOR 1"; }

void DrawNav1Frequency(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y) {
  if (ReadVor1Signal() > 0.0) {
    // The word holds the digits after the leading 1 (0x1080 is 110.80 MHz).
    const double digits = ConvertRadix(sim::TokenWord(kNav1FrequencyToken), 16, 10);
    DrawTextAt(g, font, brush, x, y, "%3.2f", digits / 100.0 + 100.0);
  } else {
    DrawTextAt(g, font, brush, x, y, "------");
  }
}

double HeadingReadout() { return plane_hdg_mag >= 360.0 ? plane_hdg_mag - 360.0 : plane_hdg_mag; }
