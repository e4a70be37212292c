// The messages the panel gauges act on besides their pictures and clicks: the tick, the
// simulator folder and the drawing library.
#include <gtest/gtest.h>

#include <string>

#include "frame/frame_globals.h"
#include "frame/panel_fixture.h"
#include "frame/tick_globals.h"
#include "platform/gdiplus_session.h"

namespace {

// Which message of each panel gauge runs the per-tick driver.
struct TickCase {
  const char* gauge;
  int32_t ticking;  // -1: none
};

class PanelTickTest : public PanelGaugeTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(PanelTickTest, OnlyItsOwnMessageRunsTheTick) {
  simhost::GaugeInstance* g = Create(GetParam().gauge);
  for (int32_t message : {gauge::kPreUpdate, gauge::kPostUpdate, gauge::kPreDraw, gauge::kPostDraw}) {
    ResetModuleState();
    Send(g, message);
    EXPECT_EQ(last_tick18 != -999.0, message == GetParam().ticking) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(Gauges, PanelTickTest,
                         ::testing::Values(TickCase{"RADIO_STACK", gauge::kPreUpdate},
                                           TickCase{"EFIS_CTRL", gauge::kPreUpdate},
                                           TickCase{"RETRO_EFIS_CTRL", gauge::kPreDraw},
                                           TickCase{"TMSP", gauge::kPreUpdate},
                                           TickCase{"EICAS_MSG_SW", gauge::kPreUpdate},
                                           TickCase{"EICAS_ENG_STS", gauge::kPreUpdate},
                                           TickCase{"FLCH", gauge::kPreUpdate},
                                           TickCase{"AUTOLAND_STATUS", gauge::kPreUpdate},
                                           TickCase{"ALT_ALERT", gauge::kPreDraw},
                                           TickCase{"ELEC_CHKLIST", -1}),
                         [](const auto& info) { return std::string(info.param.gauge); });

class FolderFillTest : public PanelGaugeTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FolderFillTest, ConnectToWindowFillsTheSimulatorFolder) {
  host().set_current_directory("/sim");
  Send(Create(GetParam()), gauge::kConnectToWindow);
  EXPECT_EQ(sim_root, "/sim");
}

INSTANTIATE_TEST_SUITE_P(Gauges, FolderFillTest, ::testing::Values("TMSP", "EICAS_ENG_STS", "FLCH"));

using PanelMessageTest = PanelGaugeTest;

TEST_F(PanelMessageTest, AutolandStatusStartsAndStopsTheDrawingLibrary) {
  host().set_current_directory("/sim");
  simhost::GaugeInstance* g = Create("AUTOLAND_STATUS");
  Send(g, gauge::kConnectToWindow);
  EXPECT_EQ(sim_root, "/sim");
  EXPECT_EQ(gdiplus::OpenSessions(), 1);
  Send(g, gauge::kConnectToWindow);
  EXPECT_EQ(gdiplus::OpenSessions(), 1);
  Send(g, gauge::kDisconnect);
  EXPECT_EQ(gdiplus::OpenSessions(), 0);
}

}  // namespace
