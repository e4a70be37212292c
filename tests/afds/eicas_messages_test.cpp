#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "afds/eicas_messages.h"
#include "afds/sound_globals.h"
#include "systems_fixture.h"

namespace {

class EicasTest : public systems_test::SystemsFixture {
 protected:
  void SetUp() override {
    SystemsFixture::SetUp();
    QuietAircraft();
  }
  static std::vector<std::string> Texts(const EicasMessage* rows, int32_t count) {
    std::vector<std::string> v;
    for (int32_t r = 1; r <= count; ++r) v.push_back(rows[r].text);
    return v;
  }
  static std::vector<std::string> Cautions() { return Texts(caution_msgs, caution_msg_count); }
  static std::vector<std::string> Advisories() { return Texts(advisory_msgs, advisory_msg_count); }
  static void Fill(EicasMessage* rows, int32_t& count, int32_t n) {
    for (int32_t r = 1; r <= n; ++r) rows[r] = EicasMessage{"ROW " + std::to_string(r), 0};
    count = n;
  }
};

TEST_F(EicasTest, AdvisoryLeavesBeforeACautionClearedInTheSamePass) {
  l_pack_switch = 0;
  c_elec_hyd1_pump_mode = c_elec_hyd2_pump_mode = 0;
  for (int i = 0; i < 4; ++i) UpdateEicasMessages();  // C HYD ELEC 1, C HYD ELEC 2, C HYD SYS PRESS, L PACK OFF
  ASSERT_EQ(eicas_msg_shown[kMsgCHydSysPress], 1);
  ASSERT_EQ(eicas_msg_shown[56], 1);
  l_pack_switch = 1;
  c_elec_hyd1_pump_mode = 2;
  UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[56], 0);
  EXPECT_EQ(eicas_msg_shown[kMsgCHydSysPress], 1);
  UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[kMsgCHydSysPress], 0);
  EXPECT_EQ(c_hyd_sys_press, 0);
}

TEST_F(EicasTest, CancelHidesUpToTenRowsWithTheWarningsAndRecallShowsThemAgain) {
  Fill(warning_msgs, warning_msg_count, 3);
  Fill(caution_msgs, caution_msg_count, 5);
  Fill(advisory_msgs, advisory_msg_count, 6);
  CancelEicasMessages();
  for (int32_t r = 1; r <= 5; ++r) EXPECT_EQ(caution_msgs[r].inhibit, 1) << r;
  EXPECT_EQ(advisory_msgs[2].inhibit, 1);
  EXPECT_EQ(advisory_msgs[3].inhibit, 0);
  CancelEicasMessages();
  for (int32_t r = 3; r <= 6; ++r) EXPECT_EQ(advisory_msgs[r].inhibit, 1) << r;
  ResetEicasCancelFlags();
  CountVisibleEicasMessages();
  EXPECT_EQ(caution_visible_count + advisory_visible_count, 11);
  EXPECT_EQ(caution_msgs[1].inhibit, 0);
}

TEST_F(EicasTest, AFullListTakesNothingAndTheNextCandidateEntersInstead) {
  Fill(advisory_msgs, advisory_msg_count, kEicasListCapacity);
  l_pack_switch = 0;             // L PACK OFF, an advisory
  host_.SetToken(576, 0.0);      // R ENG SHUTDOWN comes earlier in the order
  eicas_msg_shown[22] = 1;       // ... but already stands
  host_.SetExpression("(A:INDICATED ALTITUDE, feet)", 0.0);
  l_pack_reset = r_pack_reset = 0;
  plane_alt = 12000.0;           // CABIN ALTITUDE, a warning, comes after the packs
  UpdateEicasMessages();
  EXPECT_EQ(advisory_msg_count, kEicasListCapacity);
  EXPECT_EQ(eicas_msg_shown[56], 0);
  EXPECT_EQ(warning_msgs[1].text, "CABIN ALTITUDE");
  EXPECT_EQ(cabalt_anun, 1);
  advisory_msg_count = 28;
  UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[56], 1);  // retried once there is room
  EXPECT_EQ(advisory_msg_count, kEicasListCapacity);
}

// FUEL SYS PRESS of a side without a pump on: with both crossfeeds short of open (closed or
// opening), or with one open while the other side has no pump on either. A valve closing (3) is
// neither, so the caution, its master caution and chime wait for it and the pump advisories stay.
struct FuelSysPressCase {
  bool left;
  int32_t aft_xfeed, fwd_xfeed;
  bool other_side_pumps;
  bool caution;
};
void PrintTo(const FuelSysPressCase& c, std::ostream* os) {
  *os << (c.left ? "L" : "R") << " xfeed " << c.aft_xfeed << "/" << c.fwd_xfeed << " other pumps "
      << c.other_side_pumps;
}

class FuelSysPressTest : public EicasTest, public testing::WithParamInterface<FuelSysPressCase> {};

TEST_P(FuelSysPressTest, CautionFollowsTheCrossfeedValves) {
  const FuelSysPressCase& c = GetParam();
  aft_xfeed_fuel_pump = c.aft_xfeed;
  fwd_xfeed_fuel_pump = c.fwd_xfeed;
  const int32_t other = c.other_side_pumps ? 1 : 0;
  (c.left ? l_aft_fuel_pump : r_aft_fuel_pump) = (c.left ? l_fwd_fuel_pump : r_fwd_fuel_pump) = 0;
  (c.left ? r_aft_fuel_pump : l_aft_fuel_pump) = (c.left ? r_fwd_fuel_pump : l_fwd_fuel_pump) = other;
  for (int i = 0; i < 10; ++i) UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[c.left ? 29 : 30], c.caution ? 1 : 0);
  EXPECT_EQ(eicas_msg_shown[c.left ? 71 : 73], c.caution ? 0 : 1);  // the aft pump advisory
  EXPECT_EQ(master_caution_req, c.caution ? 1 : 0);
  EXPECT_EQ(chime_code, c.caution ? 1 : 0);
}

constexpr FuelSysPressCase kFuelSysPressCases[] = {
    {true, 3, 0, true, false},  {true, 3, 0, false, false},  {true, 0, 1, true, true},
    {true, 2, 0, true, false},  {true, 2, 3, false, true},   {false, 0, 3, true, false},
    {false, 3, 3, false, false}, {false, 1, 0, true, true},  {false, 0, 2, true, false},
    {false, 3, 2, false, true}};
INSTANTIATE_TEST_SUITE_P(Crossfeeds, FuelSysPressTest, testing::ValuesIn(kFuelSysPressCases));

}  // namespace
