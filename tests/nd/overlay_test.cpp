#include <gtest/gtest.h>

#include <tuple>

#include "afds/route_progress_globals.h"
#include "afds/tick_route.h"
#include "sim/tcas_link.h"
#include "nd/ehsi_overlay.h"
#include "nd/map_fixture.h"
#include "nd/nd_overlay.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

class OverlayTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    plane_hdg_mag = plane_trk_mag = 164.0;
    nd_mode = 3;
    fp_ehsi_mode = 3;
    baro_hpa = 1013.25;
  }
};

// An active leg 60 NM north of the aircraft.
void SetActiveLeg() {
  fms_fpln_act[1].ident = "AAA";
  fms_fpln_act[1].lat = plane_lat + 1.0;
  fms_fpln_act[1].lon = plane_lon;
  fp_cnt = 1;
  stpos = 1;
  dist_to_active_wpt = 60.0;
}

struct TextCase {
  const char* name;
  void (*painter)(DisplaySurface*, gfx::Graphics*);
  MapCanvas canvas;
  void (*setup)();
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class OverlayTexts : public OverlayTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(OverlayTexts, ShowsWhatItsStateAsksFor) {
  const TextCase& c = GetParam();
  c.setup();
  Record(c.canvas, c.painter);
  for (const std::string& t : c.present) EXPECT_NE(Text(t), nullptr) << t;
  for (const std::string& t : c.absent) EXPECT_EQ(Text(t), nullptr) << t;
}

const MapCanvas kFpNd = kFpNdCanvas;
const MapCanvas kNd = kNdCanvas;
const MapCanvas kEhsi = kFpEhsiCanvas;

INSTANTIATE_TEST_SUITE_P(
    Displays, OverlayTexts,
    ::testing::Values(
        TextCase{"FpNdTas100IsDashes", DrawFpNdOverlay, kFpNd, [] { true_airspeed = 100.0; }, {"---"}, {"100"}},
        TextCase{"FpNdEtaNeedsAbove80Kt", DrawFpNdOverlay, kFpNd, [] { SetActiveLeg(); ground_speed = 80.0; },
                 {"AAA", "60.0", "NM"}, {"Z"}},
        TextCase{"FpNdWindCorrectedToMagnetic", DrawFpNdOverlay, kFpNd,
                 [] { wind_vector_deg_var = "MAG"; wind_dir = 5.0; wind_speed = 20.0; mag_var = 10.0; },
                 {"355\xB0/20"}, {}},
        TextCase{"FpNdCalmWind", DrawFpNdOverlay, kFpNd, [] { wind_speed = 0.9; }, {"---\xB0/---"}, {}},
        TextCase{"FpNdTcasNeedsTheLink", DrawFpNdOverlay, kFpNd, [] { fp_nd_tfc_on = 1; }, {}, {"TFC", "TCAS"}},
        TextCase{"FpNdVnavDeviationLimited", DrawFpNdOverlay, kFpNd,
                 [] { SetActiveLeg(); tod = 1; plane_alt = 22345.0; vnav_path_alt = 10000.0; route_dist_sum = 5.0; },
                 {"9999"}, {}},
        TextCase{"NdEtaNeedsAbove30Kt", DrawNdOverlay, kNd, [] { SetActiveLeg(); ground_speed = 30.0; }, {}, {"Z"}},
        TextCase{"NdVnavDeviationInTens", DrawNdOverlay, kNd,
                 [] { SetActiveLeg(); tod = 1; plane_alt = 22345.0; vnav_path_alt = 10000.0; route_dist_sum = 5.0; },
                 {" 9990"}, {}},
        TextCase{"NdIrsFlags", DrawNdOverlay, kNd, [] { irs_l_anun_mode = 0; ctr_mode = 1; }, {"TRK", "MAP"},
                 {"164", "M"}},
        TextCase{"FpNdTcasWithTheLink", DrawFpNdOverlay, kFpNd, [] { tcas_server_connect = 1, fp_nd_tfc_on = 1; },
                 {"TFC"}, {"TCAS"}},
        TextCase{"FpNdDme", DrawFpNdOverlay, kFpNd, [] { dme_dist = 12.5; }, {"12.5"}, {}},
        TextCase{"FpNdNoDme", DrawFpNdOverlay, kFpNd, [] { dme_dist = 0.0; }, {}, {"0.0"}},
        TextCase{"EhsiTcasOnExpanded", DrawEhsiOverlay, kEhsi,
                 [] { fp_ehsi_mode = 2, tcas_server_connect = 1, tcas_display_on = 1; }, {"TFC"}, {"TCAS"}},
        TextCase{"EhsiTcasOffOnMap", DrawEhsiOverlay, kEhsi, [] { tcas_server_connect = 1, tcas_display_on = 0; },
                 {"TCAS", "OFF"}, {"TFC"}},
        TextCase{"EhsiNoTcasOnTheFullRose", DrawEhsiOverlay, kEhsi, [] { fp_ehsi_mode = 1, tcas_server_connect = 1; },
                 {}, {"TFC", "TCAS"}},
        TextCase{"EhsiMachBelow04", DrawEhsiOverlay, kEhsi, [] { plane_mach = 0.39; }, {}, {".390"}},
        TextCase{"EhsiStandard", DrawEhsiOverlay, kEhsi, [] { baro_hpa = 1013.2; baro_inhg = 29.92; }, {"STD"},
                 {"29.92 IN"}},
        TextCase{"EhsiAltimeter", DrawEhsiOverlay, kEhsi, [] { baro_hpa = 1013.4; baro_inhg = 29.92; },
                 {"29.92 IN", "1013 HPA"}, {"STD"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The NAV 1 frequency word holds the digits after the leading 1; a glideslope makes it an ILS.
TEST_F(OverlayTest, RadioBlockReadsTheNav1Receiver) {
  host_.SetToken(49, 1.0);
  host_.SetToken(24, 0x1090);
  host_.SetToken(46, 0x40);
  Record(kFpEhsiCanvas, DrawEhsiOverlay);
  EXPECT_NE(Text("ILS 1"), nullptr);
  EXPECT_NE(Text("110.90"), nullptr);
}

// The ND's ADF frequency is the radio stack's: the second word adds the tenths and, from 100 on,
// the thousands.
TEST_F(OverlayTest, NdAdfFrequencyIsTheRadioStacks) {
  nd_mode = 1;
  host_.SetToken(20, 30.0);
  host_.SetToken(16, 0x350);
  for (const auto& [ext, text] : {std::pair{0x105, "1350.5"}, std::pair{0x005, "350.5"}}) {
    host_.SetToken(18, ext);
    Record(kNdCanvas, DrawNdOverlay);
    EXPECT_NE(Text(text), nullptr) << text;
  }
}

// The diamond stands at the deviation over the scale, parked at either end with the figures shown;
// without a distance to go it stays centred.
TEST_F(OverlayTest, VnavDiamondFollowsTheDeviation) {
  for (const auto& [alt, path, dist_sum, y, text] :
       {std::tuple{12000, 11800, 10.0, 116, false}, {12000, 11600, 10.0, 133, true}, {9000, 12000, 10.0, 69, true},
        {9000, 12000, 0.0, 101, false}}) {
    std::tie(plane_alt, vnav_path_alt, route_dist_sum) = std::tuple(alt, path, dist_sum);
    const VnavDiamond d = PlaceVnavDiamond(101, 133, 69);
    EXPECT_EQ(d.y, y) << alt << " " << path << " " << dist_sum;
    EXPECT_EQ(d.text, text) << alt << " " << path << " " << dist_sum;
  }
}

}  // namespace
