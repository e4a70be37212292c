#include "sim/tcas_link.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <tuple>

#include "module/module_fixture.h"
#include "sim/tick_globals.h"

namespace {

class TcasLinkTest : public FrameTest {
 protected:
  simhost::TcasServer& module() { return host().tcas(); }
  // Connects to the host's module and takes its present list.
  void ConnectAndTake() {
    module().Enable();
    ASSERT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 0);
    TakeTcasTargets();
  }
};

// Codes: 1 when the module is not offered or has another interface version, else the module's own.
TEST_F(TcasLinkTest, ConnectFailsWithTheCodeOfItsCause) {
  EXPECT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 1);
  EXPECT_EQ(module().lookups(), 1);
  module().Enable();
  module().set_interface_version(37);
  EXPECT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 1);
  EXPECT_EQ(module().connects(), 0);
  module().set_interface_version(38);
  EXPECT_EQ(ConnectTcasModule(tcas::kClientName, nullptr, 0), 2);  // the stand-in refuses a null callback
  EXPECT_EQ(tcas_serv, nullptr);
}

TEST_F(TcasLinkTest, ConnectDeliversTheServiceRecordThroughTheCallback) {
  host().SetToken(1, 1234.0);
  module().Enable();
  EXPECT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 0);
  EXPECT_EQ(std::tuple(tcas_serv, tcas_server_connect, tcas_flag), std::tuple(&module().record(), 1, 21));
  EXPECT_EQ(tcas_callback_tick, 1234.0);
  module().Disable();  // the module withdraws: no record, and the link counts as not made
  EXPECT_EQ(std::tuple(tcas_serv, tcas_server_connect, tcas_flag), std::tuple(nullptr, 0, 0));
  tcas_target_cnt = 3;
  TakeTcasTargets();  // nothing to take from
  EXPECT_EQ(tcas_target_cnt, 3);
}

// Six listed, one of them invalid: the five valid ones fit, newest first.
TEST_F(TcasLinkTest, InvalidEntryTakesNoPlace) {
  for (int i = 0; i < 6; ++i) module().Add(1.0 + i, 0.0, 0.0, 0, 0, /*valid=*/i != 3);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 5);
  EXPECT_EQ(std::tuple(tcas_targets[1].dist_nm, tcas_targets[2].dist_nm), std::tuple(6.0, 5.0));
  EXPECT_EQ(std::tuple(tcas_targets[3].dist_nm, tcas_targets[4].dist_nm), std::tuple(3.0, 2.0));
  EXPECT_EQ(tcas_targets[5].dist_nm, 1.0);
}

TEST_F(TcasLinkTest, MissingOrNonNumericEntriesAreSkipped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  module().Add(1.0, 0.0, 0.0);
  module().Add(2.0, nan, 0.0);
  module().Add(3.0, 0.0, std::numeric_limits<double>::infinity());
  module().Add(4.0, 0.0, 0.0);
  module().record().intruders[3] = nullptr;
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 1);
  EXPECT_EQ(tcas_targets[1].dist_nm, 1.0);
}

TEST_F(TcasLinkTest, SameTickIsNotTakenTwice) {
  module().Add(5.0, 0.0, 1200.0);
  ConnectAndTake();
  EXPECT_EQ(module().record().taken, 0u);
  ASSERT_EQ(tcas_target_cnt, 1);
  EXPECT_DOUBLE_EQ(tcas_targets[1].rel_alt_hft, 12.0);
  module().Add(6.0, 0.0, 0.0);  // marks the record as a new list
  TakeTcasTargets();
  EXPECT_EQ(std::tuple(module().record().taken, tcas_target_cnt), std::tuple(1u, 1));
  host().RunFrame();  // the module publishes again at the next tick
  TakeTcasTargets();
  EXPECT_EQ(std::tuple(module().record().taken, tcas_target_cnt), std::tuple(0u, 2));
}

// Row 1 holds the last intruder. The bearing is the relative bearing plus the true heading, folded
// at 360; the threat and trend indices pick their letters, and indices that would read outside the
// letter text give other traffic and no arrow.
TEST_F(TcasLinkTest, IntrudersDecodeToBearingAndLetters) {
  plane_hdg_true = 359.0;
  const struct {
    double rel_brg_deg;
    int threat, trend;
    double brg;
    char threat_letter, trend_letter;
  } kCases[] = {{0.0, 0, 0, 359.0, 'O', '-'},
                {180.0 / std::numbers::pi, 2, -1, 180.0 / std::numbers::pi - 1.0, 'T', 'v'},
                {0.0, 6, -5, 359.0, '^', 'O'},
                {0.0, 7, 2, 359.0, 'O', '-'},
                {0.0, -1, -6, 359.0, 'O', '-'}};
  for (const auto& c : kCases) module().Add(3.0, c.rel_brg_deg, 0.0, c.threat, c.trend);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 5);
  for (int i = 0; i < 5; ++i) {
    const auto& t = tcas_targets[5 - i];
    EXPECT_NEAR(t.brg_deg, kCases[i].brg, 1e-4) << i;
    EXPECT_EQ(std::tuple(t.threat, t.zero), std::tuple(kCases[i].threat_letter, 0)) << i;
    EXPECT_EQ(t.trend, kCases[i].trend_letter) << i;
  }
}

}  // namespace
