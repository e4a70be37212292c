#include "afds/crew_callouts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_fixture.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "state/aircraft_id_globals.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"

namespace {

using Files = std::vector<std::string>;

class CrewTest : public SoundTest {
 protected:
  void Flaps(double deg) { host().SetToken(907, deg); }
};

// ---- take-off ----

class TakeoffTest : public CrewTest {
 protected:
  void SetUp() override {
    CrewTest::SetUp();
    std::tie(v1, vr, v2, to_callout_mode, pfd_ias_trend) = std::tuple(135, 145, 150, 1, 0.5);
    Flaps(15.0);
  }
  // Accelerates to `kt` and runs enough ticks for any due callout and its delay.
  void At(double kt, int ticks = 30) {
    ias = kt;
    Tick(ticks);
  }
};

TEST_F(TakeoffTest, CallsTheSpeedsInTurnThenPositiveRateButNothingWhileDecelerating) {
  pfd_ias_trend = -0.2;
  At(100.0);
  EXPECT_TRUE(Started().empty());
  pfd_ias_trend = 0.5;
  At(70.0);
  EXPECT_TRUE(Started().empty());
  for (double kt : {80.0, 136.0, 146.0, 151.0}) At(kt);
  std::tie(radio_height, vert_speed) = std::tuple(60.0, 1200.0);
  Tick(30);
  EXPECT_EQ(Started(), (Files{"80 kts.wav", "V1.wav", "Rotate.wav", "V2.wav", "Positive Rate, Gear Up.wav"}));
  EXPECT_EQ(to_callout_mode, 6);  // flaps 15: "Flaps 5" is due at 195 kt
}

// One step from each take-off state, at and just past each boundary: a speed call needs the speed
// passed and the speed still rising; the flap calls wait for the flaps and skip when already set.
TEST_F(TakeoffTest, EachCallHasItsOwnThresholds) {
  const struct {
    int32_t mode;
    double kt, trend, flaps, ra_ft, vs_fpm;
    int32_t v1_kt;
    const char* heard;
    int32_t next;
  } rows[] = {{1, 77.0, 0.5, 15, 0, 0, 135, "", 1},       {1, 77.5, 0.025, 15, 0, 0, 135, "", 1},
              {1, 77.5, 0.03, 15, 0, 0, 135, "80 kts.wav", 2},
              {2, 135.0, 0.5, 15, 0, 0, 135, "", 2},      {2, 136.0, 0.005, 15, 0, 0, 135, "", 2},
              {2, 136.0, 0.01, 15, 0, 0, 135, "V1.wav", 3}, {2, 141.0, 0.5, 15, 0, 0, 140, "", 3},
              {2, 140.0, 0.5, 15, 0, 0, 139, "V1.wav", 3}, {3, 145.0, 0.5, 15, 0, 0, 135, "", 3},
              {3, 146.0, 0.005, 15, 0, 0, 135, "", 3},    {3, 146.0, 0.01, 15, 0, 0, 135, "Rotate.wav", 4},
              {4, 150.0, 0.5, 15, 0, 0, 135, "", 4},      {4, 151.0, 0.005, 15, 0, 0, 135, "", 4},
              {4, 151.0, 0.01, 15, 0, 0, 135, "V2.wav", 5},
              {5, 160.0, 0.5, 15, 50, 500, 135, "", 5},   {5, 160.0, 0.5, 15, 51, 100, 135, "", 5},
              {5, 160.0, 0.5, 15, 51, 101, 135, "Positive Rate, Gear Up.wav", 6},
              {6, 194.9, 0.5, 15, 900, 0, 135, "", 6},    {6, 195.0, 0.005, 15, 900, 0, 135, "", 6},
              {6, 195.0, 0.5, 5.9, 900, 0, 135, "", 6},   {6, 195.0, 0.5, 6.0, 900, 0, 135, "Flaps 5.wav", 7},
              {6, 150.0, 0.5, 5.1, 900, 0, 135, "", 7},
              {7, 199.9, 0.5, 5, 900, 0, 135, "", 7},     {7, 200.0, 0.005, 5, 900, 0, 135, "", 7},
              {7, 200.0, 0.5, 1.9, 900, 0, 135, "", 7},   {7, 200.0, 0.5, 2.0, 900, 0, 135, "Flaps 1.wav", 8},
              {7, 150.0, 0.5, 1.79, 900, 0, 135, "", 8},  {7, 150.0, 0.5, 1.8, 900, 0, 135, "", 7},
              {8, 219.9, 0.5, 1, 900, 0, 135, "", 8},     {8, 220.0, 0.005, 1, 900, 0, 135, "", 8},
              {8, 220.0, 0.5, 0.5, 900, 0, 135, "", 8},   {8, 220.0, 0.5, 0.6, 900, 0, 135, "Flaps Up.wav", 9}};
  for (const auto& c : rows) {
    std::tie(to_callout_mode, ias, pfd_ias_trend) = std::tuple(c.mode, c.kt, c.trend);
    Flaps(c.flaps);
    std::tie(radio_height, vert_speed, v1, crew_callout_delay) = std::tuple(c.ra_ft, c.vs_fpm, c.v1_kt, 0);
    const size_t before = Started().size();
    Tick(1);
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), std::string(c.heard)) << c.mode << " " << c.kt;
    EXPECT_EQ(to_callout_mode, c.next) << c.mode << " " << c.kt << " " << c.flaps;
  }
}

// ---- landing checklist ----

TEST_F(CrewTest, LandingChecklistWaitsForEachAnswerAndFinishesAfter36Ticks) {
  std::tie(ldg_checklist_mode, ldg_flaps) = std::tuple(1, 30);
  Tick(200);
  EXPECT_EQ(Started(), (Files{"Landing Checklist.wav", "SpeedbrakesQ.wav"}));
  host().SetToken(324, 1.0);  // speedbrake armed
  Tick(200);
  EXPECT_EQ(LastStarted(), "GearQ.wav");
  gear1_pos = gear2_pos = gear3_pos = 16383.0;
  Tick(200);
  EXPECT_EQ(LastStarted(), "FlapsQ.wav");
  Flaps(30.0);
  for (int i = 0; i < 200 && Starts("Landing Checklist Complete.wav") == 0; ++i) Tick(1);
  EXPECT_EQ(std::tuple(Started()[6], ldg_checklist_mode), std::tuple(std::string("Flaps 30.wav"), 9));
  Tick(36);
  EXPECT_EQ(ldg_checklist_mode, 10);
}

// ---- cabin announcements ----

class CabinTest : public CrewTest {
 protected:
  void SetUp() override {
    CrewTest::SetUp();
    std::tie(play_announcements, fp_cnt) = std::tuple(1, 1);
  }
  void Cruise() {
    std::tie(toc, tod, radio_height) = std::tuple(1, 0, 35000.0);
    host().SetToken(60, 0.0);
  }
};

TEST_F(CabinTest, ImmigrationOrCustomsByTheRoutesEnds) {
  const struct {
    const char* from;
    const char* to;
    const char* heard;  // "" = nothing
  } rows[] = {{"TJSJ", "LEMD", "Announce - Immigration.wav"}, {"EGLL", "KSEA", "Announce - CustomsInfo.wav"},
              {"KSEA", "KPDX", ""}};
  Cruise();
  dist_to_tod = 20.0;
  for (const auto& c : rows) {
    std::tie(fms_fpln_act[0].ident, fms_fpln_act[1].ident, annuncement_mode) = std::tuple(c.from, c.to, 8);
    const size_t before = Started().size();
    Tick(1);
    crew_callout_delay = cabin_announce_delay = 0;
    Tick(1);
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), std::string(c.heard)) << c.from << c.to;
    EXPECT_EQ(Started().size() - before, *c.heard ? 1u : 0u) << c.from << c.to;
    EXPECT_EQ(annuncement_mode, 10) << c.from << c.to;
    crew_callout_delay = cabin_announce_delay = 0;
  }
}

// One step from each stage in flight and after landing, at and just past each boundary.
TEST_F(CabinTest, EachStageHasItsOwnThresholds) {
  const struct {
    int32_t stage;
    bool toc, tod, on_ground;
    double ra_ft, flaps, gear, gs_kt, tod_nm;
    int32_t belt_sign, belt_request;
    const char* heard;
    int32_t next;
  } rows[] = {
      {5, false, false, false, 10500, 0, 0, 250, 99, 0, 0, "", 5},
      {5, false, false, false, 10501, 0, 0, 250, 99, 0, 0, "Announce - After Takeoff.wav", 6},
      {5, true, false, false, 9000, 0, 0, 250, 99, 0, 0, "Announce - After Takeoff.wav", 6},
      {6, false, false, false, 20000, 0, 0, 250, 99, 1, 0, "", 6},
      {6, true, false, false, 20000, 0, 0, 250, 99, 1, 0, "Announce - Seatbelts Off.wav", 7},
      {6, true, false, false, 20000, 0, 0, 250, 99, 0, 0, "", 7},
      {7, true, false, false, 20000, 0, 0, 250, 99, 0, 1, "Announce - Seatbelts On.wav", 8},
      {11, true, false, false, 20000, 0, 0, 250, 99, 0, 1, "Announce - Seatbelts On.wav", 11},
      {12, true, false, false, 20000, 0, 0, 250, 99, 0, 1, "", 12},
      {7, false, false, false, 20000, 0, 0, 250, 99, 0, 1, "", 7},
      {8, true, false, false, 35000, 0, 0, 250, 23.5, 0, 0, "", 8},
      {8, true, false, false, 35000, 0, 0, 250, 23.0, 0, 0, "", 9},
      {10, true, true, false, 35000, 0, 0, 250, 99, 0, 0, "Announce - Initial Descent.wav", 11},
      {11, true, true, false, 7000, 4.9, 0, 250, 99, 0, 0, "Announce - Final Approach.wav", 12},
      {11, true, true, false, 7001, 4.9, 0, 250, 99, 0, 0, "", 11},
      {11, true, true, false, 7000, 4.8, 0, 250, 99, 0, 0, "", 11},
      {12, true, true, false, 3999, 19.9, 16001, 180, 99, 0, 0, "FA Arrival.wav", 13},
      {12, true, true, false, 4000, 19.9, 16001, 180, 99, 0, 0, "", 12},
      {12, true, true, false, 3999, 19.8, 16001, 180, 99, 0, 0, "", 12},
      {12, true, true, false, 3999, 19.9, 16000, 180, 99, 0, 0, "", 12},
      {12, true, false, false, 3999, 19.9, 16001, 180, 99, 0, 0, "", 12},
      {13, true, true, true, 0, 30, 16383, 34.9, 99, 0, 0, "Announce - After Landing.wav", 14},
      {13, true, true, true, 0, 30, 16383, 35.0, 99, 0, 0, "", 13},
      {13, true, true, false, 0, 30, 16383, 20.0, 99, 0, 0, "", 13}};
  for (const auto& c : rows) {
    annuncement_mode = c.stage;
    toc = c.toc ? 1 : 0;
    tod = c.tod ? 1 : 0;
    host().SetToken(60, c.on_ground ? 1.0 : 0.0);
    std::tie(radio_height, flap_angle, gear1_pos, ground_speed) = std::tuple(c.ra_ft, c.flaps, c.gear, c.gs_kt);
    std::tie(dist_to_tod, seatbelt_sign, seatbelt_announce_request) = std::tuple(c.tod_nm, c.belt_sign, c.belt_request);
    crew_callout_delay = cabin_announce_delay = 0;
    const size_t before = Started().size();
    Tick(1);
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), std::string(c.heard)) << c.stage << " " << c.ra_ft;
    EXPECT_EQ(annuncement_mode, c.next) << c.stage << " " << c.ra_ft;
  }
}

// On the ground: boarding with a door open, departure with every door shut, the safety demonstration
// while more than 0.56 NM from the departure runway, the attendants' call rolling close to it.
TEST_F(CabinTest, GroundStagesNeedTheirDoorsBrakeAndRunwayDistance) {
  const struct {
    int32_t stage, l_door, r_door, cargo, active_leg;
    double brake, rwy_nm, gs_kt;
    const char* heard;
    int32_t next;
  } rows[] = {{1, 1, 0, 0, 1, 32767, 2, 0, "Announce - Boarding.wav", 2},
              {1, 0, 1, 0, 1, 32767, 2, 0, "Announce - Boarding.wav", 2},
              {1, 0, 0, 0, 1, 32767, 2, 0, "", 1},
              {1, 1, 0, 0, kNoActiveLeg, 32767, 2, 0, "", 1},
              {1, 1, 0, 0, 1, 0, 2, 0, "", 1},
              {2, 0, 0, 0, 1, 32767, 2, 0, "Announce - Departure.wav", 3},
              {2, 1, 0, 0, 1, 32767, 2, 0, "", 2},
              {2, 0, 1, 0, 1, 32767, 2, 0, "", 2},
              {2, 0, 0, 1, 1, 32767, 2, 0, "", 2},
              {2, 0, 0, 0, 1, 0, 2, 0, "", 2},
              {3, 0, 0, 0, 1, 0, 0.6, 0, "OVSafetyDemo.wav", 4},
              {3, 0, 0, 0, 1, 0, 0.5, 0, "", 4},
              {3, 1, 0, 0, 1, 0, 0.6, 0, "", 3},
              {4, 0, 0, 0, 1, 0, 0.27, 30, "FA Departure.wav", 5},
              {4, 0, 0, 0, 1, 0, 0.29, 30, "", 4},
              {4, 0, 0, 0, 1, 0, 0.27, 5, "", 4},
              {4, 0, 0, 0, 1, 0, 0.27, 70, "", 4}};
  std::tie(plane_lat, plane_lon, fms_dep_rwy_pos) = std::tuple(47.0, -122.0, 1);
  host().SetToken(60, 1.0);
  for (const auto& c : rows) {
    std::tie(annuncement_mode, l_entry_doors_anun, r_entry_doors_anun) = std::tuple(c.stage, c.l_door, c.r_door);
    std::tie(cargo_doors_anun, stpos) = std::tuple(c.cargo, c.active_leg);
    host().SetToken(323, c.brake);
    airport_recs[1].runways[1].lat = 47.0 + c.rwy_nm / 60.0;
    airport_recs[1].runways[1].lon = -122.0;
    std::tie(ground_speed, radio_height, crew_callout_delay, cabin_announce_delay) = std::tuple(c.gs_kt, 0.0, 0, 0);
    const size_t before = Started().size();
    Tick(1);
    EXPECT_EQ(Started().size() == before ? "" : LastStarted(), std::string(c.heard)) << c.stage << " " << c.rwy_nm;
    EXPECT_EQ(annuncement_mode, c.next) << c.stage << " " << c.l_door << c.r_door << c.cargo << " " << c.rwy_nm;
  }
}

}  // namespace
