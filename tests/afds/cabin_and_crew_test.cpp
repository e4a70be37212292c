#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/sound_fixture.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

// Parked at the gate with a route, the brake set and the entry door open: the cabin plays boarding.
class CabinAndCrewTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    std::tie(play_announcements, annuncement_mode, stpos, fp_cnt) = std::tuple(1, 1, 1, 1);
    std::tie(v1, vr, v2, l_entry_doors_anun) = std::tuple(135, 145, 150, 1);
    host().SetToken(60, 1.0);
    host().SetToken(323, 32767.0);
  }
};

// The roll starts while boarding still plays: each call comes at its speed all the same.
TEST_F(CabinAndCrewTest, TakeoffCalloutsComeAtTheirSpeedsDuringAnAnnouncement) {
  Tick(1);
  ASSERT_EQ(LastStarted(), "Announce - Boarding.wav");
  l_entry_doors_anun = 0;
  host().SetToken(323, 0.0);
  std::tie(to_callout_mode, pfd_ias_trend) = std::tuple(1, 0.5);
  for (const auto& [kt, call] : {std::pair{80.0, "80 kts.wav"}, {136.0, "V1.wav"}, {146.0, "Rotate.wav"}}) {
    ias = kt;
    Tick(5);
    EXPECT_EQ(LastStarted(), call) << kt;
  }
}

// Departure waits for every door shut; the cargo doors count as shut only at 0, as their message says.
TEST_F(CabinAndCrewTest, DepartureWaitsForTheCargoDoorsFullyClosed) {
  l_entry_doors_anun = 0;
  for (const auto& [cargo, heard] : {std::pair{100, false}, {2, false}, {0, true}}) {
    std::tie(annuncement_mode, cargo_doors_anun) = std::tuple(2, cargo);
    Tick(1);
    EXPECT_EQ(std::tuple(Starts("Announce - Departure.wav"), annuncement_mode),
              std::tuple(heard ? 1 : 0, heard ? 3 : 2))
        << cargo;
  }
}

}  // namespace
