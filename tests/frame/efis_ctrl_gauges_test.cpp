#include "frame/efis_ctrl_gauges.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "frame/debug_log.h"
#include "frame/fsuipc_client.h"
#include "frame/tcas_link.h"
#include "frame/panel_fixture.h"
#include "frame/panel_gauge_globals.h"
#include "nd/nd_globals.h"

namespace {

class EfisCtrlTest : public PanelGaugeTest {
 protected:
  simhost::GaugeInstance* Classic() {
    if (classic_ == nullptr) classic_ = Create("EFIS_CTRL");
    return classic_;
  }
  simhost::GaugeInstance* Retro() {
    if (retro_ == nullptr) retro_ = Create("RETRO_EFIS_CTRL");
    return retro_;
  }
  // Both panels update their pictures on pre-update.
  void Update(simhost::GaugeInstance* g) { Send(g, gauge::kPreUpdate); }

 private:
  simhost::GaugeInstance* classic_ = nullptr;
  simhost::GaugeInstance* retro_ = nullptr;
};

struct RangePictureCase {
  double range_nm;
  std::vector<int> shown;
};

class ClassicRangePictureTest : public EfisCtrlTest, public ::testing::WithParamInterface<RangePictureCase> {};

TEST_P(ClassicRangePictureTest, RangeShowsTheOnePictureOfItsExactValue) {
  nd_rng_nm = GetParam().range_nm;
  Update(Classic());
  EXPECT_EQ(Shown(Classic(), 1, 6), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ClassicRangePictureTest,
                         ::testing::Values(RangePictureCase{10.0, {1}}, RangePictureCase{40.0, {3}},
                                           RangePictureCase{320.0, {6}}, RangePictureCase{15.0, {}},
                                           RangePictureCase{40.0000001, {}}));

TEST_F(EfisCtrlTest, ClassicModeAndOptionLampsFollowTheSelections) {
  nd_mode = 3;
  nd_arpt_on = 1;
  nd_data_on = 1;
  nd_wpt_on = 2;  // only exactly 1 lights a lamp
  Update(Classic());
  EXPECT_EQ(Shown(Classic(), 7, 14), (std::vector<int>{9, 12, 14}));
  nd_mode = 5;
  Update(Classic());
  EXPECT_EQ(Shown(Classic(), 7, 10), std::vector<int>{});
}

TEST_F(EfisCtrlTest, ClassicButtonsFlipTheirOptions) {
  const struct {
    int x, y;
    int32_t* flag;
  } kButtons[] = {{103, 559, &nd_sta_on},         {188, 559, &nd_arpt_on},       {274, 559, &nd_data_on},
                  {358, 559, &nd_wpt_on},         {335, 264, &nd_range_rings_on}, {122, 174, &efis_btn_toggle}};
  for (const auto& b : kButtons) {
    *b.flag = 3;  // any value other than 0 flips to 0
    ASSERT_TRUE(Click(Classic(), b.x + 5, b.y + 5));
    EXPECT_EQ(*b.flag, 0) << b.x << "," << b.y;
    ASSERT_TRUE(Click(Classic(), b.x + 5, b.y + 5));
    EXPECT_EQ(*b.flag, 1) << b.x << "," << b.y;
  }
}

// The centre button also drives the landing-checklist variable (kept as the panel has it).
TEST_F(EfisCtrlTest, CentreButtonFlipsCentringAndWritesTheChecklistVariable) {
  ASSERT_TRUE(Click(Classic(), 335 + 20, 448 + 20));
  EXPECT_EQ(ctr_mode, 1);
  EXPECT_EQ(host().Named("ldg_checklist"), 5.0);
  ASSERT_TRUE(Click(Classic(), 335 + 20, 448 + 20));
  EXPECT_EQ(ctr_mode, 0);
}

struct DhCase {
  double dh_ft;
  bool down_sends, up_sends;
};

class DecisionHeightKnobTest : public EfisCtrlTest, public ::testing::WithParamInterface<DhCase> {};

TEST_P(DecisionHeightKnobTest, HalvesSendOnlyInsideTheRange) {
  host().SetToken(615, GetParam().dh_ft);
  for (simhost::GaugeInstance* g : {Classic(), Retro()}) {
    const size_t before = host().key_events().size();
    ASSERT_TRUE(Click(g, 183 + 10, 96 + 10));
    ASSERT_TRUE(Click(g, 183 + 60, 96 + 10));
    std::vector<uint32_t> sent;
    for (size_t i = before; i < host().key_events().size(); ++i) sent.push_back(host().key_events()[i].event_id);
    std::vector<uint32_t> expected;
    if (GetParam().down_sends) expected.push_back(0x10312);
    if (GetParam().up_sends) expected.push_back(0x10311);
    EXPECT_EQ(sent, expected) << g->name;
  }
}

INSTANTIATE_TEST_SUITE_P(Heights, DecisionHeightKnobTest,
                         ::testing::Values(DhCase{0.0, false, true}, DhCase{200.0, true, true},
                                           DhCase{990.0, true, false}, DhCase{1200.0, true, false},
                                           DhCase{-10.0, false, true}));

TEST_F(EfisCtrlTest, DecisionHeightReadoutBlanksWithoutPower) {
  host().SetToken(615, 50.0);
  EXPECT_EQ(Readout(Classic(), 15), "050");
  EXPECT_EQ(Readout(Retro(), 20), "050");
  ac_power = 0;
  host().SetToken(364, 0.0);
  EXPECT_EQ(Readout(Classic(), 15), "");
  EXPECT_EQ(Readout(Retro(), 20), "");
}

struct EhsiRangeCase {
  double from;
  bool up;
  double to;
  double switch_value;  // -1: not written
};

class EhsiRangeKnobTest : public EfisCtrlTest, public ::testing::WithParamInterface<EhsiRangeCase> {};

TEST_P(EhsiRangeKnobTest, StepsAlongTheLadderAndWritesOnlyWhenItMoves) {
  const EhsiRangeCase& c = GetParam();
  fp_ehsi_rng_nm = c.from;
  host().SetNamed("efis_range_switch", -1.0);
  ASSERT_TRUE(Click(Retro(), c.up ? 22 + 100 : 22 + 10, 210 + 10));
  EXPECT_EQ(fp_ehsi_rng_nm, c.to);
  EXPECT_EQ(host().Named("efis_range_switch"), c.switch_value);
  EXPECT_EQ(nd_rng_nm, 10.0);  // the ND's range is the other knob's
}

INSTANTIATE_TEST_SUITE_P(Ladder, EhsiRangeKnobTest,
                         ::testing::Values(EhsiRangeCase{10.0, false, 10.0, -1.0},
                                           EhsiRangeCase{320.0, true, 320.0, -1.0},
                                           EhsiRangeCase{20.0, false, 10.0, 0.0},
                                           EhsiRangeCase{160.0, true, 320.0, 5.0},
                                           EhsiRangeCase{80.0, false, 40.0, 2.0},
                                           EhsiRangeCase{25.0, true, 25.0, -1.0}));

TEST_F(EfisCtrlTest, RetroModeControlsStayWithinTheirModes) {
  const int down_x = 22 + 10, up_x = 22 + 100, y = 369 + 10;
  ASSERT_TRUE(Click(Retro(), down_x, y));
  EXPECT_EQ(fp_ehsi_mode, 1);
  ASSERT_TRUE(Click(Retro(), up_x, y));
  ASSERT_TRUE(Click(Retro(), up_x, y));
  ASSERT_TRUE(Click(Retro(), up_x, y));
  EXPECT_EQ(fp_ehsi_mode, 3);
  fp_ehsi_mode = 0;  // off the knob: neither half moves it
  ASSERT_TRUE(Click(Retro(), up_x, y));
  ASSERT_TRUE(Click(Retro(), down_x, y));
  EXPECT_EQ(fp_ehsi_mode, 0);
  ASSERT_TRUE(Click(Retro(), 265 + 100, y));
  EXPECT_EQ(fpnd_mode, 4);
  ASSERT_TRUE(Click(Retro(), 265 + 10, y));
  EXPECT_EQ(fpnd_mode, 3);
}

TEST_F(EfisCtrlTest, RetroPicturesFollowBothDisplaysSelectionsAtPreUpdate) {
  fp_ehsi_rng_nm = 80.0;
  fp_ehsi_mode = 2;
  fpnd_rng_nm = 160.0;
  Send(Retro(), gauge::kPreDraw);
  EXPECT_EQ(Shown(Retro(), 1, 17), std::vector<int>{});
  Update(Retro());
  EXPECT_EQ(Shown(Retro(), 1, 17), (std::vector<int>{4, 8, 14, 16}));
}

// The option lamps (21..25) show the side the buttons act on, and the side switch (18, 19) moves
// them; element 20 is the decision-height readout.
TEST_F(EfisCtrlTest, RetroOptionLampsFollowTheSelectedSide) {
  efis_side = 1;
  nd_arpt_on = 1;
  ehsi_sta_on = 1;
  Update(Retro());
  EXPECT_EQ(Shown(Retro(), 18, 19), std::vector<int>{19});
  EXPECT_EQ(Shown(Retro(), 21, 25), std::vector<int>{22});
  ASSERT_TRUE(Click(Retro(), 193 + 40, 427 + 40));  // side switch
  EXPECT_EQ(efis_side, 0);
  Update(Retro());
  EXPECT_EQ(Shown(Retro(), 18, 19), std::vector<int>{18});
  EXPECT_EQ(Shown(Retro(), 21, 25), std::vector<int>{21});
  efis_side = 2;  // neither side: no lamp, and the switch picture of side 1
  Update(Retro());
  EXPECT_EQ(Shown(Retro(), 18, 19), std::vector<int>{19});
  EXPECT_EQ(Shown(Retro(), 21, 25), std::vector<int>{});
}

TEST_F(EfisCtrlTest, RetroOptionButtonsActOnTheSelectedSide) {
  const struct {
    int x;
    int32_t* nd_flag;
    int32_t* ehsi_flag;
  } kButtons[] = {{15, &nd_range_rings_on, &ehsi_range_rings_on},
                  {103, &nd_sta_on, &ehsi_sta_on},
                  {188, &nd_arpt_on, &ehsi_arpt_on},
                  {274, &nd_data_on, &ehsi_data_on},
                  {358, &nd_wpt_on, &ehsi_wpt_on}};
  for (const auto& b : kButtons) {
    efis_side = 0;
    ASSERT_TRUE(Click(Retro(), b.x + 40, 559 + 40));
    efis_side = 1;
    ASSERT_TRUE(Click(Retro(), b.x + 40, 559 + 40));
    ASSERT_TRUE(Click(Retro(), b.x + 40, 559 + 40));
    EXPECT_EQ(*b.ehsi_flag, 1) << b.x;
    EXPECT_EQ(*b.nd_flag, 0) << b.x;
  }
}

TEST_F(EfisCtrlTest, TrafficLampRetriesTheTcasLinkOnlyWhileUnconnected) {
  ASSERT_TRUE(Click(Retro(), 77 + 5, 281 + 5));
  EXPECT_EQ(tcas_display_on, 1);
  EXPECT_EQ(tcas_flag, 10);
  int service_record = 0;
  tcas_serv = &service_record;
  tcas_flag = 21;
  ASSERT_TRUE(Click(Retro(), 77 + 5, 281 + 5));
  EXPECT_EQ(tcas_display_on, 0);
  EXPECT_EQ(tcas_flag, 21);
  tcas_serv = nullptr;
}

}  // namespace
