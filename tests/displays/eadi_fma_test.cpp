#include "displays/eadi_fma.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "displays/display_fixtures.h"
#include "fmc/fmc_globals.h"

namespace {

std::string Str(const char* text) { return text != nullptr ? text : ""; }

struct ModeCase {
  const char* name;
  void (*set)();
  const char* pitch_a;  // active pitch, format A rules
  const char* pitch_b;  // format B rules
  const char* armed;    // armed pitch, FLARE before G/S
  const char* roll;
  const char* roll_armed;
};
class FmaSelectionTest : public EadiTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FmaSelectionTest, ColumnsShowTheirFirstMatchingMode) {
  const ModeCase& c = GetParam();
  c.set();
  EXPECT_EQ(Str(FmaText(SelectPitchActive(VnavRules::kFormatA))), c.pitch_a);
  EXPECT_EQ(Str(FmaText(SelectPitchActive(VnavRules::kFormatB))), c.pitch_b);
  EXPECT_EQ(Str(FmaText(SelectPitchArmed(false))), c.armed);
  EXPECT_EQ(Str(FmaText(SelectRollActive())), c.roll);
  EXPECT_EQ(Str(FmaText(SelectRollArmed())), c.roll_armed);
}

void Vnav(int32_t at_toc, int32_t at_tod, double alt, double lock, double path) {
  vnav = 1;
  std::tie(toc, tod, plane_alt, ap_alt_lock, vnav_path_alt) = std::tuple(at_toc, at_tod, alt, lock, path);
}

// clang-format off
const ModeCase kModeCases[] = {
    {"BeforeTocAlwaysSpd", [] { Vnav(0, 1, 9000, 20000, 9000); }, "VNAV SPD", "VNAV SPD", "", "", ""},
    {"TocTwoIsPath", [] { Vnav(2, 0, 5000, 4000, 0); }, "VNAV PTH", "VNAV PTH", "", "", ""},
    {"AboveTheTarget", [] { Vnav(1, 0, 5000, 4000, 0); }, "VNAV SPD", "VNAV SPD", "", "", ""},
    {"NearTheTarget", [] { Vnav(1, 0, 4050, 4000, 0); }, "VNAV PTH", "VNAV PTH", "", "", ""},
    {"PathBandIncluded", [] { Vnav(1, 1, 10000, 3000, 10400); }, "VNAV PTH", "VNAV PTH", "", "", ""},
    {"OffThePath", [] { Vnav(1, 1, 10000, 3000, 10401); }, "VNAV SPD", "VNAV SPD", "", "", ""},
    // Exactly 100 ft above the target the formats part.
    {"HundredAboveTheTarget", [] { Vnav(1, 0, 4100, 4000, 0); }, "VNAV PTH", "VNAV SPD", "", "", ""},
    {"ArmedVnavFallsThrough", [] { vnav = vnav_armed = vs_hold_mode = 1; }, "V/S", "V/S", "VNAV", "", ""},
    {"FlareActive", [] { autoland_mode = 3; }, "FLARE", "FLARE", "", "", ""},
    {"FlareArmedBelow1500", [] { autoland_mode = app_mode = 1, radio_height = 1499.9; }, "", "", "FLARE", "", "LOC"},
    {"NoFlareArmedAt1500", [] { autoland_mode = 2, radio_height = 1500.0, app_mode = loc_capture = gs_capture = 1; },
     "G/S", "G/S", "", "LOC", ""},
    {"NavButtonHidesLnav", [] { nav_button = lnav = 1; }, "", "", "", "NAV", ""},
    {"TakeoffRollWithLnav", [] { to_roll_mode = to_pitch_mode = lnav = 1; }, "TO", "TO", "", "TO", "LNAV"},
    {"LnavArmedForIntercept", [] { lnav = lnav_init_mode = hdg_hold_mode = 1; }, "", "", "", "HDG HOLD", "LNAV"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Eadi, FmaSelectionTest, ::testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EadiTest, FmaUpperLayoutArmsGlideslopeBeforeFlare) {
  autoland_mode = app_mode = 1;
  EXPECT_EQ(Str(FmaText(SelectPitchArmed(true))), "G/S");
}

class FmaTest : public EadiTest {
 protected:
  void PaintFma() {
    Paint([](DisplaySurface* s, gfx::Graphics* g) {
      const EadiFrames f(g, s);
      DrawEadiFma(f, EadiResources(f), kFmaFormatA);
    });
  }
};

// CMD with the autopilot master at 1.0, else FD with the flight director; any other master value
// shows neither.
TEST_F(FmaTest, CmdWithTheAutopilotElseFdWithTheFlightDirector) {
  for (const auto& [master, fd, cmd_texts, fd_texts] :
       {std::tuple{1.0, 1, 1u, 0u}, {0.0, 1, 0u, 1u}, {0.0, 0, 0u, 0u}, {0.5, 1, 0u, 0u}}) {
    ap_master = master;
    host_.SetToken(792, fd);
    PaintFma();
    EXPECT_EQ(TextsAt("CMD").size(), cmd_texts) << master << fd;
    EXPECT_EQ(TextsAt("FD").size(), fd_texts) << master << fd;
  }
}

TEST_F(FmaTest, FormatALayoutColoursAndBoxes) {
  vnav = app_mode = 1;  // VNAV SPD, SPD, G/S and LOC armed
  host_.SetToken(123, 1.0);
  fma_roll_box_timer = 1;
  ap_cmd = 5;  // a box without a text
  PaintFma();
  EXPECT_TRUE(TextNear("VNAV SPD", 69 - 108, 1 - 86));
  EXPECT_EQ(rec_.FindText("A/T")->color, kGreen);  // green although in the armed row
  EXPECT_EQ(rec_.FindText("G/S")->color, kWhite);
  const auto boxes = Ops(gfx::OpKind::Stroke, kGreen);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NEAR(boxes[0]->bounds.X, 122.0, 0.6);
  EXPECT_NEAR(boxes[1]->bounds.X, 178.0, 0.6);
}

}  // namespace
