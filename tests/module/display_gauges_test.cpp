#include "module/display_gauges.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_globals.h"
#include "draw/display_surface.h"
#include "module/module_fixture.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "platform/gdiplus_session.h"
#include "platform/gfx/gfx.h"
#include "state/aircraft_id_globals.h"

namespace {

// What one pre-draw of an instance did to its screen.
enum class Painted { kNothing, kBackground, kNormal };

class DisplayGaugeTest : public FrameTest {
 protected:
  // Sends one pre-draw and tells what it painted. The EADI, the flat-panel PFD and the standby
  // fill their background only on a normal paint, so a clear alone is a background-only paint.
  Painted PreDraw(simhost::GaugeInstance* g) {
    gfx::Recording rec;
    auto* dc = static_cast<gauge::DeviceContext*>(g->Element(0)->hdc);
    dc->recording = &rec;
    Send(g, gauge::kPreDraw);
    dc->recording = nullptr;
    if (rec.ops().empty()) return Painted::kNothing;
    return rec.Count(gfx::OpKind::Fill) > 0 ? Painted::kNormal : Painted::kBackground;
  }
  void Windows(bool main_panel, uint32_t popup, bool popup_shown) {
    host().SetWindowShown(panel_window::kMain, main_panel);
    host().SetWindowShown(popup, popup_shown);
  }
};

struct InstanceCase {
  const char* gauge;
  uint32_t popup;
  const char* parameter;
  bool main_panel, popup_shown;
  Painted painted;
};

void PrintTo(const InstanceCase& c, std::ostream* os) {
  *os << std::boolalpha << c.gauge << " \"" << c.parameter << "\", main panel " << c.main_panel << ", pop-up "
      << c.popup_shown;
}

class InstanceRuleTest : public DisplayGaugeTest, public ::testing::WithParamInterface<InstanceCase> {};

TEST_P(InstanceRuleTest, InstanceDrawsAsItsParameterAndTheWindowsSay) {
  const InstanceCase& c = GetParam();
  simhost::GaugeInstance* g = Create(c.gauge, c.parameter);
  Windows(c.main_panel, c.popup, c.popup_shown);
  EXPECT_EQ(PreDraw(g), c.painted);
}

constexpr InstanceCase Eadi(const char* p, bool main_panel, bool popup, Painted painted) {
  return {"EADI", panel_window::kEadi, p, main_panel, popup, painted};
}
constexpr InstanceCase Stby(const char* p, bool main_panel, bool popup, Painted painted) {
  return {"STBY_PFD", panel_window::kStby, p, main_panel, popup, painted};
}
constexpr InstanceCase FpNd(const char* p, bool main_panel, bool popup) {
  return {"FP_ND", panel_window::kFpNd, p, main_panel, popup, Painted::kNormal};
}

// A "VC" instance behind the 2-D panel paints nothing; an instance outside its open pop-up paints
// only the background; "WN" (the pop-up's own instance) always paints. Case and blanks matter.
INSTANTIATE_TEST_SUITE_P(
    Instances, InstanceRuleTest,
    ::testing::Values(Eadi("", true, false, Painted::kNormal), Eadi("", true, true, Painted::kBackground),
                      Eadi("VC", true, false, Painted::kNothing), Eadi("VC", false, false, Painted::kNormal),
                      Eadi("WN", true, true, Painted::kNormal), Eadi("vc", true, false, Painted::kNormal),
                      // The standby and "FP_ND" never paint only their background.
                      Stby("VC", true, false, Painted::kNothing), Stby("", true, true, Painted::kNormal),
                      FpNd("", true, true)));

// (gauge, parameter, main panel shown, CDU pop-up shown, paints). A normal paint resets the CDU key
// flags; the CDU never paints the background only.
class CduInstanceTest : public DisplayGaugeTest,
                        public ::testing::WithParamInterface<std::tuple<std::string, std::string, bool, bool, bool>> {};

TEST_P(CduInstanceTest, VcSkipsWhileEitherWindowIsShownAndOthersPaintNormally) {
  const auto [name, parameter, main_panel, cdu_popup, paints] = GetParam();
  simhost::GaugeInstance* g = Create(name, parameter);
  Windows(main_panel, panel_window::kCdu, cdu_popup);
  fms_page = 2;  // a page id without a routine: only the paint's reset can spend the key
  cdu_lsk = 1;
  Send(g, gauge::kPreDraw);
  EXPECT_EQ(cdu_lsk, paints ? 0 : 1);
  EXPECT_EQ(cdu_surface.width, paints ? 399u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Instances, CduInstanceTest,
                         ::testing::Values(std::tuple{"FMS_NB", "", true, true, true},
                                           std::tuple{"FMS_NB", "VC", false, true, false},
                                           std::tuple{"FMS_NB", "VC", false, false, true},
                                           std::tuple{"FMS", "VC", true, false, false}));

// The on-screen mark is cleared with or without a device context, and a gauge without a root
// element is left alone.
TEST_F(DisplayGaugeTest, PreDrawClearsTheOnScreenMarkWithOrWithoutADeviceContext) {
  for (const char* name : {"ND", "EADI", "FP_ND", "STBY_PFD", "FMS_NB"}) {
    simhost::GaugeInstance* g = Create(name, "VC");
    g->Element(0)->image_flags |= gauge::kImageDirty;
    Send(g, gauge::kPreDraw);
    EXPECT_EQ(g->Element(0)->image_flags & gauge::kImageDirty, 0u) << name;
    g->Element(0)->hdc = nullptr;
    g->Element(0)->image_flags |= gauge::kImageDirty;
    Send(g, gauge::kPreDraw);
    EXPECT_EQ(g->Element(0)->image_flags & gauge::kImageDirty, 0u) << name;
  }
  simhost::GaugeInstance* g = Create("EADI");
  gauge::ElementHeader* const no_root[] = {nullptr};
  g->header.elements_list = no_root;
  Send(g, gauge::kPreDraw);
  EXPECT_EQ(eadi_surface.width, 0u);
}

// Before the server has read the title an identification call costs no attempt.
TEST_F(DisplayGaugeTest, IdentificationWithoutATitleCountsNoAttempt) {
  simhost::GaugeInstance* nd = Create("ND");
  Send(nd, gauge::kPreInstall);
  EXPECT_EQ(acfg_attempts, 0);
  aircraft = "orvantel 757-200";
  Send(nd, gauge::kPreInstall);
  EXPECT_EQ(acfg_attempts, 1);
}

TEST_F(DisplayGaugeTest, DisconnectStopsTheDrawingLibraryOnlyWhenStarted) {
  simhost::GaugeInstance* eadi = Create("EADI");
  simhost::GaugeInstance* nd = Create("ND");
  Send(nd, gauge::kDisconnect);  // token 0: nothing to stop
  EXPECT_EQ(gdiplus::OpenSessions(), 0);
  Send(eadi, gauge::kConnectToWindow);
  Send(eadi, gauge::kConnectToWindow);
  ASSERT_EQ(gdiplus::OpenSessions(), 1);
  Send(nd, gauge::kDisconnect);
  EXPECT_EQ(gdiplus::OpenSessions(), 0);
  EXPECT_EQ(gdiplus_token, 0u);
}

}  // namespace
