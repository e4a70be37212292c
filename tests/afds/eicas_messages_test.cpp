#include <gtest/gtest.h>

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

}  // namespace
