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

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }
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
    {"TocTwoIsPath", [] { Vnav(2, 0, 5000, 4000, 0); }, "VNAV PTH", "VNAV PTH", "", "", ""},
    {"PathBandIncluded", [] { Vnav(1, 1, 10000, 3000, 10400); }, "VNAV PTH", "VNAV PTH", "", "", ""},
    {"OffThePath", [] { Vnav(1, 1, 10000, 3000, 10401); }, "VNAV SPD", "VNAV SPD", "", "", ""},
    // Exactly 100 ft above the target the formats part.
    {"HundredAboveTheTarget", [] { Vnav(1, 0, 4100, 4000, 0); }, "VNAV PTH", "VNAV SPD", "", "", ""},
    {"ArmedVnavFallsThrough", [] { vnav = vnav_armed = vs_hold_mode = 1; }, "V/S", "V/S", "VNAV", "", ""},
    {"FlareArmedBelow1500", [] { autoland_mode = app_mode = gs_capture = 1, radio_height = 1499.9; }, "G/S", "G/S", "FLARE",
     "", "LOC"},
    {"NoFlareArmedAt1500", [] { autoland_mode = 2, radio_height = 1500.0, app_mode = loc_capture = gs_capture = 1; },
     "G/S", "G/S", "", "LOC", ""},
    {"TakeoffRollWithLnav", [] { to_roll_mode = to_pitch_mode = lnav = 1; }, "TO", "TO", "", "TO", "LNAV"},
    {"LnavArmedForIntercept", [] { lnav = lnav_init_mode = hdg_hold_mode = 1; }, "", "", "", "HDG HOLD", "LNAV"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Eadi, FmaSelectionTest, ::testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
