#include <gtest/gtest.h>

#include <tuple>

#include "displays/display_fixtures.h"
#include "displays/eadi_format_a.h"
#include "displays/eadi_format_b.h"
#include "state/config_globals.h"

namespace {

// One meaning on every attitude display: 1 draws the single cue (a 13-point magenta line), any other
// value split bars.
TEST_F(DisplayTest, FlightDirectorStyleIsTheSameOnEveryDisplay) {
  using Painter = void (*)(DisplaySurface*, gfx::Graphics*);
  SetToken(792, 1.0);
  for (const int32_t style : {0, 1, 2}) {
    FlightDirectorType = style;
    for (const auto& [painter, w, h] : {std::tuple{Painter{DrawFpPfd}, 318.0, 232.0},
                                        {Painter{DrawEadiFormatA}, 217.0, 173.0},
                                        {Painter{DrawEadiFormatB}, 217.0, 173.0}}) {
      Record(w, h, painter);
      bool cue = false;
      for (const gfx::Op* op : Ops(gfx::OpKind::Stroke, palette::kMagenta)) cue = cue || Points(op).size() == 13u;
      EXPECT_EQ(cue, style == 1) << "style " << style << ", canvas " << w;
    }
  }
}

}  // namespace
