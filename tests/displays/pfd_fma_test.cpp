// The flight mode annunciator: which text each column shows for the mode flags, and the boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "displays/display_fixtures.h"
#include "fmc/fmc_globals.h"

namespace {

using gfx::OpKind;

struct Shown {
  std::string text;
  double x, y;
  gfx::ARGB colour;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) { *os << s.text << "@" << s.x << "," << s.y; }

constexpr double E = -130.0;  // engaged row
constexpr double A = -115.0;  // armed row
constexpr gfx::ARGB G = kPfdGreen;
constexpr gfx::ARGB W = kPfdWhite;

struct FmaCase {
  const char* name;
  void (*setup)(simhost::Host&);
  std::vector<Shown> shown;  // in drawing order: CMD, pitch, roll, FD, autothrottle
};

class PfdFma : public PfdTest, public ::testing::WithParamInterface<FmaCase> {};

TEST_P(PfdFma, ShowsTheFirstMatchingRowOfEachList) {
  GetParam().setup(host_);
  Paint();
  std::vector<Shown> shown;
  for (const gfx::Op* op : rec_.TextOps()) {
    const gfx::RecordedText* t = rec_.TextOf(*op);
    const double x = t->position.X - 159.0, y = t->position.Y - 132.0;
    if (std::fabs(t->device_em_size - 9.0f) > 1e-3f) continue;  // ladder labels pass under the panel
    if (x >= -102 && x <= 102 && y >= -132 && y <= -98) shown.push_back({t->text, x, y, op->color});
  }
  EXPECT_EQ(shown, GetParam().shown);
}

// One case a line: what is set, then what shows.
// clang-format off
const FmaCase kFmaCases[] = {
    {"Nothing", [](simhost::Host&) {}, {}},
    {"FlchInPitchAndThrottle", [](simhost::Host&) { flch = 1; }, {{"FLCH", 10, E, G}, {"FLCH", -100, E, G}}},
    {"TakeoffHidesGlideslope", [](simhost::Host&) { to_pitch_mode = app_mode = gs_capture = loc_capture = 1; },
     {{"TO", 10, E, G}, {"LOC", -35, E, G}}},
    {"GlideslopeArmedLocalizerArmed", [](simhost::Host&) { app_mode = 1; }, {{"G/S", 15, A, W}, {"LOC", -35, A, W}}},
    {"NavButtonWinsOverHeadingAndLnav", [](simhost::Host&) { nav_button = hdg_sel_mode = lnav = 1; },
     {{"NAV", -35, E, G}}},
    {"LnavArmedUnderHeadingHold", [](simhost::Host&) { lnav = lnav_init_mode = hdg_hold_mode = 1; },
     {{"HDG HOLD", -52, E, G}, {"LNAV", -35, A, W}}},
    {"FlareArmedAt1500", [](simhost::Host&) { autoland_mode = 2; radio_height = 1500.0; }, {{"FLARE", 5, A, W}}},
    {"FlareNotArmedAbove1500", [](simhost::Host&) { autoland_mode = 1; radio_height = 1500.5; }, {}},
    {"VnavBeforeTopOfClimb", [](simhost::Host&) { vnav = 1; }, {{"VNAV SPD", 1, E, G}, {"SPD", -90, E, G}}},
    // After T/C with T/D reached, within 400 ft of the path: on the path.
    {"VnavOnThePath", [](simhost::Host&) {
       vnav = toc = tod = 1; plane_alt = 10000.0; vnav_path_alt = 10399.0; ap_alt_lock = 5000.0; },
     {{"VNAV PTH", 1, E, G}, {"SPD", -90, E, G}}},
    {"VnavOffThePath", [](simhost::Host&) {
       vnav = toc = tod = 1; plane_alt = 10000.0; vnav_path_alt = 10401.0; ap_alt_lock = 5000.0; },
     {{"VNAV SPD", 1, E, G}, {"SPD", -90, E, G}}},
    // No more than 100 ft above the MCP altitude: on the path whatever the path says.
    {"VnavAtTheMcpAltitude", [](simhost::Host&) { vnav = toc = 1; tod = 0; plane_alt = 5100.0; ap_alt_lock = 5000.0; },
     {{"VNAV PTH", 1, E, G}, {"SPD", -90, E, G}}},
    {"CommandWithMasterOn", [](simhost::Host& h) { ap_master = 1.0; h.SetToken(792, 1.0); }, {{"CMD", 60, E, G}}},
    {"FlightDirectorWithMasterOff", [](simhost::Host& h) { h.SetToken(792, 1.0); }, {{"FD", 60, E, G}}},
    {"OddMasterValueShowsNeither", [](simhost::Host& h) { ap_master = 0.5; h.SetToken(792, 1.0); }, {}},
    {"SpeedHoldArmedInGreen", [](simhost::Host& h) { spd_hold = thrust_hold = 1; h.SetToken(123, 1.0); },
     {{"SPD", -90, E, G}, {"A/T", -90, A, G}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Modes, PfdFma, ::testing::ValuesIn(kFmaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A timer of 1 still draws its column's box; at 0 it is gone.
TEST_F(PfdTest, FmaBoxDrawnWhileItsTimerRuns) {
  const auto boxes = [&] {  // green outlines in the panel (the trend arrow is green as well)
    std::vector<const gfx::Op*> out;
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdGreen)) {
      if (op->bounds.GetBottom() < CanvasY(-98)) out.push_back(op);
    }
    return out;
  };
  for (const auto& [timer, x, w] : {std::tuple{&fma_thr_box_timer, -100, 40}, {&fma_roll_box_timer, -48, 45},
                                    {&fma_pitch_box_timer, 2, 47}, {&ap_cmd, 55, 40}}) {
    *timer = 1;
    Paint();
    ASSERT_EQ(boxes().size(), 1u) << x;
    EXPECT_NEAR(boxes()[0]->bounds.X, CanvasX(x), 1e-3);
    EXPECT_NEAR(boxes()[0]->bounds.Width, w, 1e-3);
    EXPECT_NEAR(boxes()[0]->bounds.Y, CanvasY(-130), 1e-3);
    *timer = 0;
    Paint();
    EXPECT_TRUE(boxes().empty()) << x;
  }
}

}  // namespace
