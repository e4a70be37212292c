// The attitude displays fed infinite and not-a-number flight values by the simulator.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "displays/display_fixtures.h"
#include "displays/eadi_format_a.h"
#include "displays/eadi_format_b.h"
#include "displays/standby_display.h"
#include "support/fp_traps.h"

namespace {

class NonFiniteValuesTest : public DisplayTest {
 protected:
  testing_support::FpTrapsOff traps_off_;
};

// Every paint ends, each after a finite one, with no conversion out of range for the sanitizers to
// see; the standby drum draws an infinite speed as it draws any speed past its range: the
// characters printed, and 0 for a place that holds no digit or lies past the text's end.
TEST_F(NonFiniteValuesTest, AttitudeDisplaysPaintInfiniteAndNanSpeedsAltitudesAndHeadings) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const double kNan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::pair<double*, double>> finite = {
      {&ias, 123.4},           {&ground_speed, 130.0},  {&plane_mach, 0.45},     {&plane_alt, 5432.1},
      {&radio_height, 1234.5}, {&plane_hdg_mag, 123.4}, {&plane_hdg_true, 140.0}};
  const struct {
    const char* what;
    std::vector<double*> values;
  } groups[] = {{"speed", {&ias, &ground_speed, &plane_mach}},
                {"altitude", {&plane_alt, &radio_height}},
                {"heading", {&plane_hdg_mag, &plane_hdg_true}}};
  const struct {
    const char* name;
    DisplayPainter paint;
    double w, h;
  } displays[] = {{"standby", DrawStandbyDisplay, 100, 92},
                  {"PFD", DrawFpPfd, 318, 232},
                  {"EADI A", DrawEadiFormatA, 217, 173},
                  {"EADI B", DrawEadiFormatB, 217, 173}};
  for (const auto& g : groups) {
    for (const double v : {kInf, -kInf, kNan}) {
      for (const auto& d : displays) {
        for (const auto& [value, ok] : finite) *value = ok;
        SteadyAirspeed(ias);
        Record(d.w, d.h, d.paint);
        for (double* value : g.values) *value = v;
        SteadyAirspeed(ias);
        const gfx::Recording& rec = Record(d.w, d.h, d.paint);
        EXPECT_FALSE(rec.TextOps().empty()) << d.name << " " << g.what << " " << v;
      }
    }
  }
  ias = kInf;
  Record(100, 92, DrawStandbyDisplay);  // canvas units about the attitude centre (47, 46)
  for (const auto& [text, x, y] : {std::tuple{"i", -49, -7}, {"n", -43, -7}, {"0", -37, -7}, {"1", -37, -19}}) {
    ExpectTextAt(Text(text), 47 + x, 46 + y, 0.06);
  }
}

}  // namespace
