#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/gps_uplink.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "sim/readers_radio.h"
#include "host/host.h"
#include "host/panel_config.h"

namespace {

TEST(HostCore, ExpressionLookupIgnoresCaseAndSpaces) {
  simhost::Host h;
  h.SetExpression("(A:TOTAL WEIGHT,pounds)", 210000.0);
  EXPECT_EQ(h.Expression("(a:total weight, POUNDS)"), 210000.0);
  EXPECT_EQ(h.Expression("(A:UNSET,number)"), 0.0);
}

TEST(HostCore, LookupOfUnknownNameCreatesItUnregistered) {
  simhost::Host h;
  auto lookup = reinterpret_cast<host::LookupNamedVarFn>(h.table()->slot[host::kLookupNamedVar]);
  auto set = reinterpret_cast<host::SetNamedVarFn>(h.table()->slot[host::kSetNamedVar]);
  uint32_t id = lookup("tcas_knob");
  set(id, 2.0);
  EXPECT_EQ(h.Named("tcas_knob"), 2.0);
  EXPECT_FALSE(h.IsRegistered("tcas_knob"));
  EXPECT_EQ(lookup("tcas_knob"), id);
}

}  // namespace

namespace {

// A stand-in module of three gauges whose callbacks log the messages they get; the "KEYS" gauge
// sends key events from its pre-update, and the key handler logs the echoes.
std::vector<std::string> g_log;

void LoggingCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) {
  g_log.push_back(std::string(g->gauge_name) + "/" + g->parameters + ":" + std::to_string(service));
}

void KeyHandler(uint32_t id, uint32_t value, void*) {
  g_log.push_back("echo " + std::to_string(id));
  if (id == 1 && value == 0) host::TriggerKeyEvent(3, 0);  // an event sent while echoing
}

void SendingCallback(gauge::GaugeHeader*, int32_t service, uintptr_t) {
  if (service != gauge::kPreUpdate) return;
  host::TriggerKeyEvent(1, 0);
  g_log.push_back("sent 1");
  host::TriggerKeyEvent(2, 7);
  g_log.push_back("sent 2");
}

gauge::GaugeHeader MakeHeader(const char* name, gauge::GaugeCallback cb) {
  gauge::GaugeHeader h{};
  h.version = gauge::kGaugeHeaderVersion;
  h.gauge_name = name;
  h.gauge_callback = cb;
  return h;
}

class FakeModule : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    g_log.clear();
    server_ = MakeHeader("SERVER", &LoggingCallback);
    keys_ = MakeHeader("KEYS", &SendingCallback);
    nd_ = MakeHeader("ND", &LoggingCallback);
    linkage_.module_id = 0x13;
    linkage_.gauges[0] = &server_;
    linkage_.gauges[1] = &keys_;
    linkage_.gauges[2] = &nd_;
    host_.Attach(&ImportTable, &linkage_);
  }

  gauge::GaugeHeader server_, keys_, nd_;
  gauge::LinkageRecord linkage_{};
  simhost::Host host_;
};

TEST_F(FakeModule, SentKeyEventsEchoAfterTheSendingCallbackReturnsInOrder) {
  host::RegisterKeyHandler(&KeyHandler, nullptr);
  host_.CreateInstance("KEYS", "");
  host_.RunFrame();
  EXPECT_EQ(g_log, (std::vector<std::string>{"sent 1", "sent 2", "echo 1", "echo 2", "echo 3"}));
  ASSERT_EQ(host_.key_events().size(), 3u);
  EXPECT_EQ(host_.key_events()[1].event_id, 2u);
  EXPECT_EQ(host_.key_events()[1].value, 7);
  EXPECT_EQ(host_.key_events()[2].frame, 1);
}

TEST_F(FakeModule, PilotKeyEventReachesTheHandlerAndItsSendsEchoAfterwards) {
  host::RegisterKeyHandler(&KeyHandler, nullptr);
  host_.SendKeyEvent(1, 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"echo 1", "echo 3"}));
  host::UnregisterKeyHandler(&KeyHandler, nullptr);
  host_.SendKeyEvent(1, 0);
  EXPECT_EQ(g_log.size(), 2u);
}

TEST_F(FakeModule, FrameServicesOnlyInstancesWhoseWindowIsShown) {
  host_.CreateInstance("ND", "", simhost::kMainPanelWindow);
  host_.CreateInstance("ND", "WN", 80);
  host_.CreateInstance("ND", "VC", simhost::kVirtualCockpit);
  host_.RunFrame();
  EXPECT_EQ(g_log, (std::vector<std::string>{"ND/:6", "ND/VC:6", "ND/:7", "ND/VC:7", "ND/:10", "ND/:11",
                                             "ND/VC:10", "ND/VC:11"}));
  g_log.clear();
  host_.SetWindowShown(0, false);
  host_.SetWindowShown(80, true);
  host_.RunFrame();
  EXPECT_EQ(g_log, (std::vector<std::string>{"ND/WN:6", "ND/VC:6", "ND/WN:7", "ND/VC:7", "ND/WN:10", "ND/WN:11",
                                             "ND/VC:10", "ND/VC:11"}));
  EXPECT_EQ(host_.Token(1), 2.0);
}

// The GPS plan the stand-in offers is the one LOAD ATC RTE reads: places either side of Greenwich
// and the equator, altitudes in feet; an empty plan is no active route.
TEST_F(FakeModule, GpsPlanReachesTheUplinkAsListed) {
  UplinkGpsRoute();
  EXPECT_EQ(cdu_message, "NO ACTIVE GPS RTE");
  host_.gps().Add("KSEA", 47.45, -122.311, 35000.5);
  host_.gps().Add("YSSY", -33.946, 151.177, 21.0);
  UplinkGpsRoute();
  EXPECT_EQ(std::tuple(fp_mod_cnt, fms_fpln_mod[0].ident, fms_fpln_mod[1].ident, pending_cruise_alt),
            std::tuple(1, "KSEA", "YSSY", 35000));
  const double metre_deg = 360.0 / 40007000.0;
  EXPECT_NEAR(fms_fpln_mod[0].lat, 47.45, metre_deg);
  EXPECT_NEAR(fms_fpln_mod[0].lon, -122.311, 1e-9);
  EXPECT_NEAR(fms_fpln_mod[1].lat, -33.946, metre_deg);
  EXPECT_NEAR(fms_fpln_mod[1].lon, 151.177, 1e-9);
}

TEST_F(FakeModule, DefaultPanelHoldsEachLinkedGaugeOnceInLinkageOrder) {
  std::vector<simhost::PanelEntry> panel = simhost::DefaultPanel(&linkage_);
  ASSERT_EQ(panel.size(), 3u);
  EXPECT_EQ(panel[0].gauge + panel[2].gauge + panel[2].parameter, "SERVERND");
  EXPECT_EQ(panel[2].window, simhost::kMainPanelWindow);
  EXPECT_EQ(simhost::CountLinkedGauges(&linkage_), 3);
  EXPECT_TRUE(simhost::DefaultPanel(nullptr).empty());
}

TEST(PanelDefinition, InstanceWindowFollowsItsParameter) {
  const simhost::KnownGauge* fms = simhost::FindKnownGauge("FMS_NB");
  const simhost::KnownGauge* server = simhost::FindKnownGauge("SERVER");
  ASSERT_NE(fms, nullptr);
  ASSERT_NE(server, nullptr);
  EXPECT_EQ(simhost::DefaultWindow(*fms, "WN"), 5000);
  EXPECT_EQ(simhost::DefaultWindow(*fms, "VC"), simhost::kVirtualCockpit);
  EXPECT_EQ(simhost::DefaultWindow(*server, "WN"), simhost::kNoPopup);
  EXPECT_EQ(simhost::FindKnownGauge("server"), nullptr);  // gauge names are exact
  EXPECT_EQ(simhost::KnownGauges().size(), 21u);
}

TEST(TokenRead, IntegerTokensArriveAsInt32InTheFirstFourBytes) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  h.SetToken(60, 1234.9);
  h.SetToken(61, -3.5e12);
  h.SetTokenInteger(60, true);
  h.SetTokenInteger(61, true);
  h.SetToken(62, 250.25);

  gauge::TokenVar v{};
  v.id = 60;
  v.value.n = 99.0;
  host::ReadToken(&v);
  EXPECT_EQ(v.value.d, 1234);
  EXPECT_EQ(v.value.bytes[4] | v.value.bytes[5] | v.value.bytes[6] | v.value.bytes[7], 0);
  v.id = 61;
  host::ReadToken(&v);
  EXPECT_EQ(v.value.d, INT32_MIN);  // held the way a 32-bit variable would saturate
  v.id = 62;
  host::ReadToken(&v);
  EXPECT_EQ(v.value.n, 250.25);
}

// The clocks run only for the simulator model (unit tests set every reading themselves), and fields
// far out of range still give a time of day inside its ranges.
TEST(HostClock, RunsOnlyWithTheSimulatorModelAndKeepsOutOfRangeFieldsInRange) {
  simhost::Host h;
  h.SetToken(604, 7.0);
  h.RunFrame();
  EXPECT_EQ(h.Token(604), 7.0);
  h.set_simulator_model(true);
  h.SetToken(6, 1e300);
  h.SetToken(7, -1e300);
  h.SetToken(8, 1e300);
  for (int i = 0; i < 18; ++i) h.RunFrame();
  EXPECT_NEAR(h.Token(604), 8.0, 1e-9);
  for (uint32_t id : {3u, 4u, 5u, 6u, 7u}) {
    EXPECT_GE(h.Token(id), 0.0) << id;
    EXPECT_LT(h.Token(id), id == 3 || id == 6 ? 24.0 : 60.0) << id;
  }
}

// At N frames a second each frame moves the clocks by 1/N s and the tick counter by the whole ticks,
// 18 a second, that this brings: a second of frames is 18 ticks at any rate, however they fall.
TEST(HostClock, AFrameRateMovesTheTickCounterAndClocksBySimulatorTime) {
  for (int32_t fps : {6, 10, 18, 60}) {
    simhost::Host h;
    h.set_simulator_model(true);
    h.set_frame_rate(fps);
    double most = 0.0;  // ticks a frame
    for (double before = 0.0; h.frame() < fps; before = h.Token(1)) {
      h.RunFrame();
      most = std::max(most, h.Token(1) - before);
    }
    EXPECT_EQ(std::tuple(h.Token(1), most), std::tuple(18.0, std::ceil(18.0 / fps))) << fps;
    EXPECT_NEAR(h.Token(604), 1.0, 1e-9) << fps;
  }
}

TEST(TokenRead, TextTokensArriveAsTextAndUnsetOnesAsEmpty) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  EXPECT_EQ(ReadVor1Ident(), "");
  h.SetTokenText(47, "SEA");
  h.SetToken(47, 3.0);  // a number set on a text token does not change what it reads
  EXPECT_EQ(ReadVor1Ident(), "SEA");
}

}  // namespace
