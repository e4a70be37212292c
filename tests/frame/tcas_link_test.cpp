#include "frame/tcas_link.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

#include "frame/frame_fixture.h"
#include "frame/tick_globals.h"

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
  EXPECT_EQ(tcas_serv, &module().record());
  EXPECT_EQ(tcas_server_connect, 1);
  EXPECT_EQ(tcas_flag, 21);
  EXPECT_EQ(tcas_callback_tick, 1234.0);
  module().Disable();  // the module withdraws: no record, the link still counted as made
  EXPECT_EQ(tcas_serv, nullptr);
  EXPECT_EQ(tcas_server_connect, 1);
  tcas_target_cnt = 3;
  TakeTcasTargets();  // nothing to take from
  EXPECT_EQ(tcas_target_cnt, 3);
}

TEST_F(TcasLinkTest, OnlyTheLastFiveIntrudersBecomeTargets) {
  for (int i = 0; i < 6; ++i) module().Add(1.0 + i, 0.0, 0.0);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 5);
  for (int row = 1; row <= 5; ++row) EXPECT_EQ(tcas_targets[row].dist_nm, 7.0 - row) << row;
}

TEST_F(TcasLinkTest, InvalidEntryAmongTheLastFiveFreesNoPlace) {
  for (int i = 0; i < 6; ++i) module().Add(1.0 + i, 0.0, 0.0, 0, 0, /*valid=*/i != 3);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 4);
  EXPECT_EQ(tcas_targets[1].dist_nm, 6.0);
  EXPECT_EQ(tcas_targets[2].dist_nm, 5.0);
  EXPECT_EQ(tcas_targets[3].dist_nm, 3.0);
  EXPECT_EQ(tcas_targets[4].dist_nm, 2.0);
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
  EXPECT_EQ(module().record().taken, 1u);
  EXPECT_EQ(tcas_target_cnt, 1);
  host().RunFrame();  // the module publishes again at the next tick
  TakeTcasTargets();
  EXPECT_EQ(module().record().taken, 0u);
  EXPECT_EQ(tcas_target_cnt, 2);
}

TEST_F(TcasLinkTest, ListDeliveredAtTickZeroIsTaken) {
  module().Add(5.0, 0.0, 0.0);
  ConnectAndTake();
  EXPECT_EQ(tcas_callback_tick, 0.0);
  EXPECT_EQ(tcas_target_cnt, 1);
}

struct BearingCase {
  double rel_brg_rad;
  double hdg_true;
  double brg;
};

class TcasBearingTest : public TcasLinkTest, public ::testing::WithParamInterface<BearingCase> {};

TEST_P(TcasBearingTest, BearingIsRelativeBearingPlusTrueHeading) {
  plane_hdg_true = GetParam().hdg_true;
  module().Add(3.0, GetParam().rel_brg_rad * 180.0 / std::numbers::pi, 0.0);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 1);
  EXPECT_NEAR(tcas_targets[1].brg_deg, GetParam().brg, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Bearings, TcasBearingTest,
                         ::testing::Values(BearingCase{0.0, 359.0, 359.0}, BearingCase{1.0, 350.0, 47.2958}));

struct LetterCase {
  int threat;
  int trend;
  char threat_letter;
  char trend_letter;
};

class TcasLetterTest : public TcasLinkTest, public ::testing::WithParamInterface<LetterCase> {};

TEST_P(TcasLetterTest, ThreatAndTrendIndicesPickTheirLetters) {
  module().Add(3.0, 0.0, 0.0, GetParam().threat, GetParam().trend);
  ConnectAndTake();
  ASSERT_EQ(tcas_target_cnt, 1);
  EXPECT_EQ(tcas_targets[1].threat, GetParam().threat_letter);
  EXPECT_EQ(tcas_targets[1].zero, 0);
  EXPECT_EQ(tcas_targets[1].trend, GetParam().trend_letter);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, TcasLetterTest,
    ::testing::Values(LetterCase{0, 0, 'O', '-'}, LetterCase{2, -1, 'T', 'v'}, LetterCase{6, -5, '^', 'O'},
                      // Indices that would read outside the letter text: other traffic, no arrow.
                      LetterCase{7, 2, 'O', '-'}, LetterCase{-1, -6, 'O', '-'}));

}  // namespace
