// The flight mode annunciator: which text each column shows for the mode flags, and the boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "displays/display_fixtures.h"
#include "fmc/fmc_globals.h"

namespace {

using gfx::OpKind;

constexpr double E = -130.0;  // engaged row
constexpr double A = -115.0;  // armed row
constexpr gfx::ARGB G = kPfdGreen;
constexpr gfx::ARGB W = kPfdWhite;

struct FmaCase {
  const char* name;
  void (*setup)(simhost::Host&);
  std::vector<Shown> shown;  // in drawing order: CMD, pitch, roll, FD, autothrottle
};

void PrintTo(const FmaCase& c, std::ostream* os) { *os << c.name; }

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
    {"TakeoffHidesGlideslope", [](simhost::Host&) { to_pitch_mode = app_mode = gs_capture = loc_capture = 1; },
     {{"TO", 10, E, G}, {"LOC", -35, E, G}}},
    {"GlideslopeArmedLocalizerArmed", [](simhost::Host&) { app_mode = 1; }, {{"G/S", 15, A, W}, {"LOC", -35, A, W}}},
    {"FlareArmedAt1500", [](simhost::Host&) { autoland_mode = 2; radio_height = 1500.0; app_mode = gs_capture = 1; },
     {{"G/S", 15, E, G}, {"FLARE", 5, A, W}, {"LOC", -35, A, W}}},
    {"ArmedVnavShowsTheThrustFlown", [](simhost::Host&) { vnav = vnav_armed = thrust_hold = 1; },
     {{"VNAV", 5, A, W}, {"EPR", -90, E, G}}},
    {"FlareNotArmedAbove1500", [](simhost::Host&) { autoland_mode = 1; radio_height = 1500.5; }, {}},
    // After T/C with T/D reached, within 400 ft of the path: on the path.
    {"VnavOnThePath", [](simhost::Host&) {
       vnav = toc = tod = 1; plane_alt = 10000.0; vnav_path_alt = 10399.0; ap_alt_lock = 5000.0; },
     {{"VNAV PTH", 1, E, G}, {"SPD", -90, E, G}}},
    {"VnavOffThePath", [](simhost::Host&) {
       vnav = toc = tod = 1; plane_alt = 10000.0; vnav_path_alt = 10401.0; ap_alt_lock = 5000.0; },
     {{"VNAV SPD", 1, E, G}, {"SPD", -90, E, G}}},
    {"CommandWithMasterOn", [](simhost::Host& h) { ap_master = 1.0; h.SetToken(792, 1.0); }, {{"CMD", 60, E, G}}},
    {"OddMasterValueShowsNeither", [](simhost::Host& h) { ap_master = 0.5; h.SetToken(792, 1.0); }, {}},
    {"SpeedHoldArmedInGreen", [](simhost::Host& h) { spd_hold = thrust_hold = 1; h.SetToken(123, 1.0); },
     {{"SPD", -90, E, G}, {"A/T", -90, A, G}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Modes, PfdFma, ::testing::ValuesIn(kFmaCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
