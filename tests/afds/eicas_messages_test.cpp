#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
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
  void Levers(double pos) {
    host_.SetToken(128, pos);
    host_.SetToken(163, pos);
  }
  void Spoilers(double pos) {
    host_.SetToken(326, pos);
    host_.SetToken(327, pos);
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
  std::tie(l_pack_switch, c_elec_hyd1_pump_mode) = std::tuple(1, 2);
  UpdateEicasMessages();
  EXPECT_EQ(std::tuple(eicas_msg_shown[56], eicas_msg_shown[kMsgCHydSysPress]), std::tuple(0, 1));
  UpdateEicasMessages();
  EXPECT_EQ(std::tuple(eicas_msg_shown[kMsgCHydSysPress], c_hyd_sys_press), std::tuple(0, 0));
}

TEST_F(EicasTest, CancelHidesUpToTenRowsWithTheWarningsAndRecallShowsThemAgain) {
  Fill(warning_msgs, warning_msg_count, 3);
  Fill(caution_msgs, caution_msg_count, 5);
  Fill(advisory_msgs, advisory_msg_count, 6);
  CancelEicasMessages();
  for (int32_t r = 1; r <= 5; ++r) EXPECT_EQ(caution_msgs[r].inhibit, 1) << r;
  EXPECT_EQ(std::tuple(advisory_msgs[2].inhibit, advisory_msgs[3].inhibit), std::tuple(1, 0));
  CancelEicasMessages();
  for (int32_t r = 3; r <= 6; ++r) EXPECT_EQ(advisory_msgs[r].inhibit, 1) << r;
  ResetEicasCancelFlags();
  CountVisibleEicasMessages();
  EXPECT_EQ(std::tuple(caution_visible_count + advisory_visible_count, caution_msgs[1].inhibit), std::tuple(11, 0));
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
  EXPECT_EQ(std::tuple(advisory_msg_count, eicas_msg_shown[56]), std::tuple(kEicasListCapacity, 0));
  EXPECT_EQ(std::tuple(warning_msgs[1].text, cabalt_anun), std::tuple(std::string("CABIN ALTITUDE"), 1));
  advisory_msg_count = 28;
  UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[56], 1);  // retried once there is room
  EXPECT_EQ(advisory_msg_count, kEicasListCapacity);
}

// Each message from the quiet aircraft: one change raises exactly it (or, on the failing side of a
// bound, nothing), and undoing the change clears it again on the next pass.
TEST_F(EicasTest, EachMessageRisesOnItsOwnConditionAndClearsWhenItGoes) {
  using Step = std::function<void()>;
  auto token = [this](uint32_t id, double v) { return [this, id, v] { host_.SetToken(id, v); }; };
  auto set = [](int32_t& var, int32_t v) { return [&var, v] { var = v; }; };
  const struct {
    const char* label;
    Step raise;
    int32_t id;  // 0: nothing rises
    Step undo;
  } rows[] = {
      {"Overspeed", token(68, 1.0), 3, token(68, 0.0)},
      {"NoseGearUpFlaps25", [] { flap_angle = 25.0, gear1_pos = 15999.0; }, 2, [] { gear1_pos = 16383.0; }},
      {"LeftGearUpFlaps25", [] { flap_angle = 25.0, gear2_pos = 15999.0; }, 2, [] { gear2_pos = 16001.0; }},
      {"GearUpFlaps24", [] { flap_angle = 24.9, gear2_pos = 15999.0; }, 0,
       [] { flap_angle = 0.0, gear2_pos = 16383.0; }},
      {"GearInTransitLowAndSinking", [] { vert_speed = -100.0, radio_height = 800.0, gear2_pos = 15000.0; }, 2,
       [] { radio_height = 801.0; }},
      {"GearUpLowLeftLeverClosed",
       [this] { vert_speed = -100.0, radio_height = 800.0, gear2_pos = 0.0, host_.SetToken(163, 5000.0); }, 2,
       token(128, 1001.0)},
      {"GearUpLowRightLeverClosed",
       [this] { vert_speed = -100.0, radio_height = 800.0, gear2_pos = 0.0, host_.SetToken(128, 5000.0); }, 2,
       token(163, 1001.0)},
      {"GearUpLowBothLeversOpen",
       [this] { vert_speed = -100.0, radio_height = 800.0, gear2_pos = 0.0, Levers(1001.0); }, 0,
       [] { vert_speed = 0.0, gear2_pos = 16383.0; }},
      {"GearInTransitAt801Ft", [] { vert_speed = -100.0, radio_height = 801.0, gear2_pos = 15000.0; }, 0,
       [] { vert_speed = 0.0, gear2_pos = 16383.0; }},
      {"LeftEngineShutdown", token(566, 0.0), 21, token(566, 1.0)},
      {"RightEngineShutdown", token(576, 0.0), 22, token(576, 1.0)},
      {"LeftElectricPump", set(l_elec_hyd_pump_mode, 0), 63, set(l_elec_hyd_pump_mode, 2)},
      {"RightElectricPump", set(r_elec_hyd_pump_mode, 0), 64, set(r_elec_hyd_pump_mode, 2)},
      {"LeftEnginePump", set(l_eng_hyd_pump_mode, 0), 65, set(l_eng_hyd_pump_mode, 2)},
      {"RightEnginePump", set(r_eng_hyd_pump_mode, 0), 66, set(r_eng_hyd_pump_mode, 2)},
      {"LeftYawDamper", set(l_yaw_damper_mode, 2), 52, set(l_yaw_damper_mode, 3)},
      {"RightYawDamper", set(r_yaw_damper_mode, 2), 53, set(r_yaw_damper_mode, 3)},
      {"LeftAftPump", set(l_aft_fuel_pump, 0), 71, set(l_aft_fuel_pump, 1)},
      {"LeftFwdPump", set(l_fwd_fuel_pump, 0), 72, set(l_fwd_fuel_pump, 1)},
      {"RightAftPump", set(r_aft_fuel_pump, 0), 73, set(r_aft_fuel_pump, 1)},
      {"RightFwdPump", set(r_fwd_fuel_pump, 0), 74, set(r_fwd_fuel_pump, 1)},
      {"LeftCentrePump", set(l_ctr_fuel_pump, 2), 54, set(l_ctr_fuel_pump, 1)},
      {"RightCentrePump", set(r_ctr_fuel_pump, 2), 55, set(r_ctr_fuel_pump, 1)},
      {"LeftPack", set(l_pack_switch, 0), 56, set(l_pack_switch, 1)},
      {"RightPack", set(r_pack_switch, 0), 57, set(r_pack_switch, 1)},
      {"Fmc", set(fmc_anun, 1), 58, set(fmc_anun, 0)},
      {"CargoDoors", set(cargo_doors_anun, 2), 60, set(cargo_doors_anun, 0)},
      {"LeftEntryDoors", set(l_entry_doors_anun, 1), 61, set(l_entry_doors_anun, 0)},
      {"RightEntryDoors", set(r_entry_doors_anun, 1), 62, set(r_entry_doors_anun, 0)},
      {"StandbyBus", set(stdby_power_light, 1), 67, set(stdby_power_light, 0)},
      {"LeftUtilityBus", set(l_utility_bus, 0), 68, set(l_utility_bus, 1)},
      {"RightUtilityBus", set(r_utility_bus, 0), 69, set(r_utility_bus, 1)},
      {"EmergencyLights", set(emer_lights_switch, 0), 70, set(emer_lights_switch, 1)},
      {"LeftGenerator", set(l_gen_cont, 1), 79, set(l_gen_cont, 2)},
      {"RightGenerator", set(r_gen_cont, 1), 80, set(r_gen_cont, 2)},
      {"FuelImbalance", [] { fuel_imbalance = 1801.0; }, 81, [] { fuel_imbalance = 1800.0; }},
      {"FuelImbalanceAtItsBound", [] { fuel_imbalance = 1800.0; }, 0, [] { fuel_imbalance = 0.0; }},
      {"AltitudeAlert", set(alt_alert_state, 3), 31, set(alt_alert_state, 2)},
      {"AltitudeAlertBelow3", set(alt_alert_state, 2), 0, set(alt_alert_state, 0)},
      {"CabinAltitude", [] { l_pack_reset = r_pack_reset = 0, plane_alt = 10001.0; }, 8,
       [] { plane_alt = 9999.0; }},
      {"CabinAltitudeAt10000", [] { l_pack_reset = r_pack_reset = 0, plane_alt = 10000.0; }, 0,
       [] { plane_alt = 0.0; }},
      {"TakeoffFlaps", [this] { host_.SetToken(128, 8192.0), flap_angle = 4.8; }, 4, [] { flap_angle = 5.0; }},
      {"TakeoffFlapsSet", [this] { host_.SetToken(128, 8192.0), flap_angle = 20.5; }, 0, token(128, 0.0)},
      {"TakeoffFlapsLeverBack", [this] { host_.SetToken(128, 8191.0), flap_angle = 0.0; }, 0, [] {}},
      {"TakeoffStabilizer", [this] { host_.SetToken(128, 8192.0), flap_angle = 10.0, host_.SetToken(783, 0.07); }, 5,
       [this] { host_.SetToken(783, 0.06); }},
      {"TakeoffSpoilers",
       [this] { host_.SetToken(128, 8192.0), flap_angle = 10.0, Spoilers(1001.0); },
       6, [this] { Spoilers(1000.0); }},
      {"SpeedbrakesAirborne",
       [this] { host_.SetToken(60, 0.0), Spoilers(1001.0), radio_height = 51.0; }, 20, [this] { Spoilers(999.0); }},
      {"SpeedbrakesAt50Ft",
       [this] { host_.SetToken(60, 0.0), Spoilers(1001.0), radio_height = 50.0; }, 0, [this] { Spoilers(0.0); }},
  };
  auto total = [] { return warning_msg_count + caution_msg_count + advisory_msg_count; };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.label);
    host_.SetToken(60, 1.0);
    host_.SetToken(128, 0.0);
    host_.SetToken(163, 0.0);
    gear1_pos = gear2_pos = gear3_pos = 16383.0;
    flap_angle = vert_speed = 0.0;
    radio_height = 0.0;
    UpdateEicasMessages();
    ASSERT_EQ(total(), 0);
    r.raise();
    UpdateEicasMessages();
    EXPECT_EQ(total(), r.id == 0 ? 0 : 1);
    if (r.id != 0) {
      EXPECT_EQ(eicas_msg_shown[r.id], 1);
    }
    r.undo();
    UpdateEicasMessages();
    EXPECT_EQ(total(), 0);
    if (r.id != 0) {
      EXPECT_EQ(eicas_msg_shown[r.id], 0);
    }
  }
}

// A side's SYS PRESS caution and light follow its pump pressure: with the electric pump off, a
// generator control off or off line leaves them out while the engine pump delivers; the engine pump
// on without pressure (1) raises them and its pressure back clears them.
TEST_F(EicasTest, HydSysPressFollowsThePumpPressureNotTheGenerator) {
  const struct {
    int32_t &elec, &eng, &gen;
    int32_t id;
    int32_t& light;
  } sides[] = {{l_elec_hyd_pump_mode, l_eng_hyd_pump_mode, l_gen_cont, kMsgLHydSysPress, l_hyd_sys_press},
               {r_elec_hyd_pump_mode, r_eng_hyd_pump_mode, r_gen_cont, kMsgRHydSysPress, r_hyd_sys_press}};
  auto passes = [] {
    for (int i = 0; i < 4; ++i) UpdateEicasMessages();
  };
  for (const auto& s : sides) {
    std::tie(s.elec, s.eng) = std::tuple(0, 2);
    for (int32_t gen : {1, 0}) {
      s.gen = gen;
      passes();
      EXPECT_EQ(std::tuple(eicas_msg_shown[s.id], s.light), std::tuple(0, 0)) << s.id << " generator " << gen;
    }
    s.eng = 1;
    passes();
    EXPECT_EQ(std::tuple(eicas_msg_shown[s.id], s.light), std::tuple(1, 1)) << s.id;
    s.eng = 2;
    passes();
    EXPECT_EQ(std::tuple(eicas_msg_shown[s.id], s.light), std::tuple(0, 0)) << s.id;
    std::tie(s.elec, s.gen) = std::tuple(2, 2);
  }
}

// An engine's anti-ice valve open (1 or more) with its engine stopped, the wing's on the ground. A
// stopped engine raises its SHUTDOWN first: a pass adds one message.
TEST_F(EicasTest, AntiIceValveOpenWhereItShouldNotBe) {
  const struct {
    int32_t* valve;
    int32_t id;
    uint32_t engine_token;  // 0: none
  } rows[] = {{&wing_anti_ice_valve, 75, 0}, {&l_eng_anti_ice_valve, 76, 566}, {&r_eng_anti_ice_valve, 77, 576}};
  for (const auto& r : rows) {
    host_.SetToken(60, r.engine_token == 0 ? 1.0 : 0.0);
    if (r.engine_token != 0) host_.SetToken(r.engine_token, 0.0);
    for (int32_t valve : {1, 0}) {
      *r.valve = valve;
      for (int i = 0; i < 3; ++i) UpdateEicasMessages();
      EXPECT_EQ(eicas_msg_shown[r.id], valve) << r.id;
    }
    if (r.engine_token != 0) host_.SetToken(r.engine_token, 1.0);
  }
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
  std::tie(aft_xfeed_fuel_pump, fwd_xfeed_fuel_pump) = std::tuple(c.aft_xfeed, c.fwd_xfeed);
  const int32_t other = c.other_side_pumps ? 1 : 0;
  (c.left ? l_aft_fuel_pump : r_aft_fuel_pump) = (c.left ? l_fwd_fuel_pump : r_fwd_fuel_pump) = 0;
  (c.left ? r_aft_fuel_pump : l_aft_fuel_pump) = (c.left ? r_fwd_fuel_pump : l_fwd_fuel_pump) = other;
  for (int i = 0; i < 10; ++i) UpdateEicasMessages();
  EXPECT_EQ(eicas_msg_shown[c.left ? 29 : 30], c.caution ? 1 : 0);
  EXPECT_EQ(eicas_msg_shown[c.left ? 71 : 73], c.caution ? 0 : 1);  // the aft pump advisory
  EXPECT_EQ(std::tuple(master_caution_req, chime_code), std::tuple(c.caution ? 1 : 0, c.caution ? 1 : 0));
}

constexpr FuelSysPressCase kFuelSysPressCases[] = {
    {true, 3, 0, true, false},  {true, 3, 0, false, false},  {true, 0, 1, true, true},
    {true, 2, 0, true, false},  {true, 2, 3, false, true},   {false, 0, 3, true, false},
    {false, 3, 3, false, false}, {false, 1, 0, true, true},  {false, 0, 2, true, false},
    {false, 3, 2, false, true}};
INSTANTIATE_TEST_SUITE_P(Crossfeeds, FuelSysPressTest, testing::ValuesIn(kFuelSysPressCases));

}  // namespace
