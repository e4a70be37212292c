#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "frame/named_vars.h"
#include "frame/frame_fixture.h"
#include "nd/nd_globals.h"

namespace {

// Records what reaches two host services, then forwards to the host.
struct SlotRecorder {
  struct Write {
    uint32_t id;
    double value;
    int registered_then;
  };
  static inline std::vector<Write> writes;
  static inline std::vector<std::string> unregistered;
  static inline host::SetNamedVarFn set_forward = nullptr;
  static inline host::UnregisterNamedVarFn unregister_forward = nullptr;

  static void Set(uint32_t id, double value) {
    writes.push_back({id, value, simhost::Host::Current()->registered_count()});
    set_forward(id, value);
  }
  static void Unregister(const char* name) {
    unregistered.emplace_back(name);
    unregister_forward(name);
  }
};

class NamedVarsTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    auto& slots = host().table()->slot;
    SlotRecorder::writes.clear();
    SlotRecorder::unregistered.clear();
    SlotRecorder::set_forward = reinterpret_cast<host::SetNamedVarFn>(slots[host::kSetNamedVar]);
    SlotRecorder::unregister_forward = reinterpret_cast<host::UnregisterNamedVarFn>(slots[host::kUnregisterNamedVar]);
    slots[host::kSetNamedVar] = reinterpret_cast<host::AnyFn>(&SlotRecorder::Set);
    slots[host::kUnregisterNamedVar] = reinterpret_cast<host::AnyFn>(&SlotRecorder::Unregister);
  }
  uint32_t IdOf(const char* name) {
    return reinterpret_cast<host::LookupNamedVarFn>(host().table()->slot[host::kLookupNamedVar])(name);
  }
};

TEST_F(NamedVarsTest, RegistersTheNamesInOrderAndSetsEhsiModeAfterTheFirst250) {
  nd_mode = 3;
  RegisterNamedVars();
  const std::vector<std::string>& order = host().registration_order();
  ASSERT_EQ(order.size(), 253u);
  EXPECT_TRUE(std::equal(order.begin(), order.end(), std::begin(kRegisteredNamedVars)));
  EXPECT_EQ(order[0], "acars_anun");
  EXPECT_EQ(order[64], "efis_CTR_switch");
  EXPECT_EQ(order[249], "ehsi_mode");
  EXPECT_EQ(order[250], "fscopilot_transponder_mode");
  EXPECT_EQ(order[251], "859mode");
  EXPECT_EQ(order[252], "859id");
  ASSERT_EQ(SlotRecorder::writes.size(), 1u);
  EXPECT_EQ(SlotRecorder::writes[0].id, IdOf("ehsi_mode"));
  EXPECT_EQ(SlotRecorder::writes[0].value, 3.0);
  EXPECT_EQ(SlotRecorder::writes[0].registered_then, 250);
  EXPECT_EQ(ehsi_mode_id, IdOf("ehsi_mode"));
  EXPECT_EQ(named_vars_registered, 1);
}

TEST_F(NamedVarsTest, NamesAreDistinct) {
  const std::set<std::string> names(std::begin(kRegisteredNamedVars), std::end(kRegisteredNamedVars));
  EXPECT_EQ(names.size(), 253u);
}

TEST_F(NamedVarsTest, UnregistersEachNameOnce) {
  RegisterNamedVars();
  UnregisterNamedVars();
  EXPECT_EQ(SlotRecorder::unregistered.size(), 253u);
  const std::set<std::string> distinct(SlotRecorder::unregistered.begin(), SlotRecorder::unregistered.end());
  EXPECT_EQ(distinct.size(), 253u);
  EXPECT_EQ(host().registered_count(), 0);
  EXPECT_EQ(named_vars_registered, 0);
}

TEST_F(NamedVarsTest, SecondPreInitialiseOrConnectDoesNotRegisterAgain) {
  simhost::GaugeInstance* s = Server();
  Startup();
  EXPECT_EQ(host().register_calls(), 253);
  Send(s, gauge::kPreInitialize);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().register_calls(), 253);
}

TEST_F(NamedVarsTest, DisconnectWhileNotRegisteredUnregistersNothing) {
  simhost::GaugeInstance* s = Server();
  Startup();
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(host().unregister_calls(), 253);
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(host().unregister_calls(), 253);
}

TEST_F(NamedVarsTest, ReconnectRegistersAllAgainAndRewritesEhsiModeFromTheCurrentMode) {
  simhost::GaugeInstance* s = Server();
  Startup();
  EXPECT_EQ(host().Named("ehsi_mode"), 1.0);
  nd_mode = 3;
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(host().registered_count(), 0);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().registered_count(), 253);
  EXPECT_EQ(host().register_calls(), 2 * 253);
  EXPECT_EQ(host().Named("ehsi_mode"), 3.0);
}

struct ShowCase {
  double ias, vs;
  int32_t want_ias, want_vs;
};

class IasVsShowTest : public NamedVarsTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(IasVsShowTest, ReadsBothWindowsTruncatedTowardZero) {
  host().SetNamed("ias_show", GetParam().ias);
  host().SetNamed("vs_show", GetParam().vs);
  int32_t ias = -7, vs = -7;
  GetIasVsShowVars(&ias, &vs);
  EXPECT_EQ(ias, GetParam().want_ias);
  EXPECT_EQ(vs, GetParam().want_vs);
  EXPECT_EQ(ias_show_id, IdOf("ias_show"));
  EXPECT_EQ(vs_show_id, IdOf("vs_show"));
}

INSTANTIATE_TEST_SUITE_P(Values, IasVsShowTest,
                         ::testing::Values(ShowCase{1.0, 0.0, 1, 0}, ShowCase{1.9, -0.9, 1, 0},
                                           ShowCase{-2.5, 3e12, -2, 2147483647}));

TEST_F(NamedVarsTest, AccessMacrosLookUpThenReadOrWriteAndKeepTheId) {
  host().SetNamed("SPEED MODE SELECT", 1.0);
  EXPECT_EQ(NV_GET(speed_mode_select), 1.0);
  EXPECT_EQ(speed_mode_select_id, IdOf("SPEED MODE SELECT"));
  NV_SET(xpdr_mode, 1);
  EXPECT_EQ(host().Named("859mode"), 1.0);
  EXPECT_EQ(xpdr_mode_id, IdOf("859mode"));
}

}  // namespace
