#include "host/sim_reactions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "host/host.h"

namespace {

TEST(SimReactions, TableIsInEventOrderWithOneNamedRowAnEventAndAReason) {
  const auto& rows = simhost::SimReactions();
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NE(std::string(rows[i].name), "") << std::hex << rows[i].event;
    EXPECT_NE(std::string(rows[i].changes), "") << rows[i].name;
    if (i > 0) {
      EXPECT_LT(rows[i - 1].event, rows[i].event) << rows[i].name;
    }
  }
  EXPECT_STREQ(simhost::KeyEventName(0x101FA), "HEADING_BUG_SET");
  // host/README.md shows the same table.
  std::ifstream in(std::string(RO757_SOURCE_DIR) + "/host/README.md");
  const std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const auto& r : rows) {
    char row[64];
    std::snprintf(row, sizeof row, "| 0x%05X | %s | ", r.event, r.name);
    EXPECT_NE(readme.find(row), std::string::npos) << row;
  }
  EXPECT_EQ(simhost::KeyEventName(0x10001), nullptr);
}

// The module's send, through the host's service table.
void Send(simhost::Host& h, uint32_t event, int32_t value) {
  reinterpret_cast<host::TriggerKeyEventFn>(h.table()->slot[host::kTriggerKeyEvent])(event, value);
}

// Events the module sends, applied once the send call returns and before the echo reaches the
// handler, which reads the variable back.
class SimReactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.set_simulator_model(true);
    reinterpret_cast<host::RegisterKeyHandlerFn>(host_.table()->slot[host::kRegisterKeyHandler])(&Handler, this);
  }
  static void Handler(uint32_t, uint32_t, void* self) {
    auto* t = static_cast<SimReactionTest*>(self);
    if (t->probe_) t->seen_ = t->probe_();
  }
  simhost::Host host_;
  std::function<double()> probe_;
  double seen_ = -1.0;
};

TEST_F(SimReactionTest, TheEchoFindsTheVariableAlreadyChanged) {
  probe_ = [this] { return host_.Token(107); };
  Send(host_, 0x101FA, 123);
  EXPECT_EQ(host_.Token(107), 0.0);  // not before the sending call has returned
  host_.DeliverKeyEvents();
  EXPECT_EQ(seen_, 123.0);
}

struct Case {
  const char* what;
  std::function<void(simhost::Host&)> before;
  uint32_t event;
  int32_t value;
  std::function<double(const simhost::Host&)> read;
  double expected;
};

double T(const simhost::Host& h, uint32_t id) { return h.Token(id); }

TEST(SimReactions, SelectionsWrapAndStopAtTheirLimits) {
  const Case cases[] = {
      {"heading bug 360 wraps", nullptr, 0x101FA, 360, [](auto& h) { return T(h, 107); }, 0.0},
      {"heading bug -5 wraps", nullptr, 0x101FA, -5, [](auto& h) { return T(h, 107); }, 355.0},
      {"heading bug inc from 359", [](auto& h) { h.SetToken(107, 359); }, 0x10158, 0, [](auto& h) { return T(h, 107); },
       0.0},
      {"V/S inc stops at 9900", [](auto& h) { h.SetToken(120, 9900); }, 0x10166, 0, [](auto& h) { return T(h, 120); },
       9900.0},
      {"V/S set keeps its sign", nullptr, 0x101F4, -1500, [](auto& h) { return T(h, 120); }, -1500.0},
      {"altitude dec stops at 0", nullptr, 0x10165, 0,
       [](auto& h) { return h.Expression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)"); }, 0.0},
      {"Mach set from hundredths", nullptr, 0x101F6, 82, [](auto& h) { return T(h, 118); }, 0.82},
      {"Mach inc stops at 0.99", [](auto& h) { h.SetToken(118, 0.99); }, 0x1017C, 0, [](auto& h) { return T(h, 118); },
       0.99},
      {"throttle set above full", nullptr, 0x100A1, 20000, [](auto& h) { return T(h, 163); }, 16383.0},
      {"throttle decrease stops at 0", [](auto& h) { h.SetToken(128, 100); }, 0x10051, 0,
       [](auto& h) { return T(h, 128); }, 0.0},
      {"flaps from 25 one detent down", [](auto& h) { h.SetToken(328, 16383.0 * 5 / 6); }, 0x100DE, 0,
       [](auto& h) { return T(h, 907); }, 30.0},
      {"flaps up stop at 0", nullptr, 0x100DF, 0, [](auto& h) { return T(h, 328); }, 0.0},
      {"gear down", nullptr, 0x10220, 0, [](auto& h) { return h.Expression("(A:GEAR CENTER POSITION,percent)"); },
       100.0},
      {"transponder 7 wraps to 0", [](auto& h) { h.SetToken(38, 0x7700); }, 0x10073, 0,
       [](auto& h) { return T(h, 38); }, 0x0700},
      {"transponder 0 wraps to 7", nullptr, 0x1039A, 0, [](auto& h) { return T(h, 38); }, 0x0007},
      {"COM standby 136 wraps to 118", [](auto& h) { h.SetToken(617, 0x3690); }, 0x10065, 0,
       [](auto& h) { return T(h, 617); }, 0x1890},
      {"COM standby .95 wraps within the MHz", [](auto& h) { h.SetToken(617, 0x2295); }, 0x10067, 0,
       [](auto& h) { return T(h, 617); }, 0x2200},
      // The CDU sends 113.50 as 0x11350; the token keeps four digits.
      {"NAV 1 frequency set", nullptr, 0x100AC, 0x11350,
       [](auto& h) { return h.Expression("(A:NAV ACTIVE FREQUENCY:1,MHz)"); }, 113.5},
      {"NAV 1 frequency word", nullptr, 0x100AC, 0x11350, [](auto& h) { return T(h, 24); }, 0x1350},
      {"ADF 1 hundreds 17 wrap to 1",
       [](auto& h) {
         h.SetToken(16, 0x0750);
         h.SetToken(18, 0x0105);
       },
       0x10070, 0, [](auto& h) { return T(h, 18) * 10000 + T(h, 16); }, 0x0005 * 10000 + 0x0150},
      {"ADF 2 tens", [](auto& h) { h.SetExpression("(A:ADF ACTIVE FREQUENCY:2,number)", 350500.0); }, 0x103F1, 0,
       [](auto& h) { return h.Expression("(A:ADF ACTIVE FREQUENCY:2,number)"); }, 360500.0},
      {"autopilot master toggle", [](auto& h) { h.SetToken(103, 1); }, 0x1002C, 0, [](auto& h) { return T(h, 103); },
       0.0},
      {"decision height stops at 990", [](auto& h) { h.SetExpression("(A:DECISION HEIGHT,FEET)", 990); }, 0x10311, 0,
       [](auto& h) { return T(h, 615); }, 990.0},
      {"brakes change nothing", [](auto& h) { h.SetToken(320, 4); }, 0x10034, 0, [](auto& h) { return T(h, 320); },
       4.0},
  };
  for (const Case& c : cases) {
    simhost::Host h;
    h.set_simulator_model(true);
    if (c.before) c.before(h);
    Send(h, c.event, c.value);
    h.DeliverKeyEvents();
    EXPECT_DOUBLE_EQ(c.read(h), c.expected) << c.what;
  }
}

}  // namespace
