#include "sim/named_vars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "module/module_fixture.h"
#include "sim/sim_globals.h"
#include "nd/nd_globals.h"

namespace {

// Records the writes (with how many names were registered then), then forwards to the host.
struct SlotRecorder {
  static inline std::vector<std::pair<double, int>> writes;
  static inline host::SetNamedVarFn set_forward = nullptr;

  static void Set(uint32_t id, double value) {
    writes.emplace_back(value, simhost::Host::Current()->registered_count());
    set_forward(id, value);
  }
};

class NamedVarsTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    auto& slots = host().table()->slot;
    SlotRecorder::writes.clear();
    SlotRecorder::set_forward = reinterpret_cast<host::SetNamedVarFn>(slots[host::kSetNamedVar]);
    slots[host::kSetNamedVar] = reinterpret_cast<host::AnyFn>(&SlotRecorder::Set);
  }
};

TEST_F(NamedVarsTest, RegistersThe253NamesInOrderAndSetsEhsiModeAfterTheFirst250) {
  nd_mode = 3;
  RegisterNamedVars();
  const std::vector<std::string>& order = host().registration_order();
  ASSERT_EQ(order.size(), 253u);
  EXPECT_TRUE(std::equal(order.begin(), order.end(), std::begin(kRegisteredNamedVars)));
  EXPECT_EQ(std::tuple(order[0], order[249]), std::tuple(std::string("acars_anun"), std::string("ehsi_mode")));
  EXPECT_EQ(order[252], "859id");
  EXPECT_EQ(SlotRecorder::writes, (std::vector<std::pair<double, int>>{{3.0, 250}}));
  EXPECT_EQ(std::tuple(host().Named("ehsi_mode"), named_vars_registered), std::tuple(3.0, 1));
}

// Registration follows the server's life cycle: once per connection, never twice, and a second
// disconnect unregisters nothing. 253 calls leaving no name registered unregister each name once.
TEST_F(NamedVarsTest, ServerRegistersOncePerConnectionAndRewritesEhsiModeOnReconnect) {
  simhost::GaugeInstance* s = Server();
  Startup();
  Send(s, gauge::kPreInitialize);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().register_calls(), 253);
  EXPECT_EQ(host().Named("ehsi_mode"), 1.0);
  nd_mode = 3;
  Send(s, gauge::kDisconnect);
  Send(s, gauge::kDisconnect);
  EXPECT_EQ(host().unregister_calls(), 253);
  EXPECT_EQ(host().registered_count(), 0);
  EXPECT_EQ(named_vars_registered, 0);
  Send(s, gauge::kConnectToWindow);
  EXPECT_EQ(host().register_calls(), 2 * 253);
  EXPECT_EQ(host().Named("ehsi_mode"), 3.0);
}

TEST_F(NamedVarsTest, IasAndVsWindowsReadTruncatedTowardZeroAndSaturate) {
  const struct {
    double ias, vs;
    int32_t want_ias, want_vs;
  } kCases[] = {{1.9, -0.9, 1, 0}, {-2.5, 3e12, -2, 2147483647}};
  for (const auto& c : kCases) {
    host().SetNamed("ias_show", c.ias);
    host().SetNamed("vs_show", c.vs);
    int32_t ias = -7, vs = -7;
    GetIasVsShowVars(&ias, &vs);
    EXPECT_EQ(ias, c.want_ias) << c.ias;
    EXPECT_EQ(vs, c.want_vs) << c.vs;
  }
}

}  // namespace
