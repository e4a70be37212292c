// The messages the panel gauges act on besides their pictures and clicks: the tick, the
// simulator folder and the drawing library.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "frame/frame_globals.h"
#include "frame/panel_fixture.h"
#include "frame/tick_globals.h"
#include "platform/gdiplus_session.h"

namespace {

using PanelMessageTest = PanelGaugeTest;

// Each panel gauge runs the per-tick driver from one message only (the checklist from none).
TEST_F(PanelMessageTest, OnlyItsOwnMessageRunsTheTick) {
  const std::pair<const char*, int32_t> kGauges[] = {{"RADIO_STACK", gauge::kPreUpdate},
                                                     {"RETRO_EFIS_CTRL", gauge::kPreDraw},
                                                     {"ALT_ALERT", gauge::kPreDraw},
                                                     {"ELEC_CHKLIST", -1}};
  for (const auto& [name, ticking] : kGauges) {
    simhost::GaugeInstance* g = Create(name);
    for (int32_t message : {gauge::kPreUpdate, gauge::kPostUpdate, gauge::kPreDraw, gauge::kPostDraw}) {
      ResetModuleState();
      Send(g, message);
      EXPECT_EQ(last_tick18 != -999.0, message == ticking) << name << " " << message;
    }
  }
}

TEST_F(PanelMessageTest, ConnectToWindowFillsTheFolderAndStartsTheAutolandStatusDrawing) {
  host().set_current_directory("/sim");
  Send(Create("FLCH"), gauge::kConnectToWindow);
  EXPECT_EQ(sim_root, "/sim");
  Send(Create("AUTOLAND_STATUS"), gauge::kConnectToWindow);
  EXPECT_EQ(gdiplus::OpenSessions(), 1);
}

}  // namespace
