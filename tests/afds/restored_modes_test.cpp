// A panel state's autopilot modes and the simulator's autopilot: after a load, named or at start-up,
// the simulator's master and holds are as the MCP's presses of the loaded modes leave them, and the
// buttons' rules hold (no CMD on the ground).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cockpit_fixture.h"
#include "sim/tick_globals.h"
#include "state/panel_state_files.h"

namespace {

constexpr uint32_t kThrottleStepUp = 0x10049;
constexpr uint32_t kThrottleStepUpSmall = 0x10040;
constexpr uint32_t kThrottleSet = 0x100A1;
constexpr uint32_t kAutopilotOn = 0x10100;

// CMD, LNAV and VNAV on the example route, with APP off; `toc` 0 in the climb, 1 in cruise.
std::string LnavVnavState(int toc) {
  return "[FLTPLN]\ntoc=" + std::to_string(toc) + "\ncross_at_elev=20000" +
         "\nfp_cnt=3\nstpos=1\nFPLN=KSEA,47.45,-122.31,APT\nFPLN=CENTR,46.719,-122.602\n"
         "FPLN=KELSO,46.148,-122.883\nFPLN=KPDX,45.595,-122.621,APT\n[FMS]\ncruise_alt=20000\n"
         "[MCP]\nap_master=1\nalt_sel_num=20000\napleft=1\napp_mode=0\nlnav=1\nlnav_init_mode=0\nvnav=1\n"
         "vnav_armed=0\n";
}

class RestoredModesTest : public cockpit_test::CockpitTest {
 protected:
  void Fly() override {
    CockpitTest::Fly();
    if (!on_the_ground_) return;
    // Taxiing at 15 kt with the autothrottle armed and the levers near idle.
    simhost::Host& h = *host_;
    for (const auto& [token, value] : {std::pair{60, 1.0}, {614, 0.0}, {551, 25.3}, {61, 15.0}, {123, 1.0},
                                       {128, 3000.0}, {163, 3000.0}}) {
      h.SetToken(token, value);
    }
    h.SetExpression("(A:INDICATED ALTITUDE, feet)", 433.0);
  }
  // As the STORED PANELS page loads a file: the simulator takes its events once the paint returns.
  void LoadFromThePage(const char* file) {
    ASSERT_EQ(LoadPanelState(file), 1);
    host_->DeliverKeyEvents();
  }
  // The simulator's master, heading, altitude and approach holds.
  std::tuple<double, double, double, double> SimAutopilot() const {
    return {host_->Token(103), host_->Token(106), host_->Token(108), host_->Token(112)};
  }

  bool on_the_ground_ = false;
};

// In cruise with the autopilot off and APP armed, and after a restart that loads the state: CMD,
// LNAV and VNAV fly through the heading and altitude holds, and the approach hold is off.
TEST_F(RestoredModesTest, LoadedModesHoldTheSimulatorsHolds) {
  dir_.Write("Orvantel/PanelStates/CRZ.PNL", LnavVnavState(1));
  Boot("");
  RunFrames(3);
  host_->SetToken(112, 1.0);
  host_->SetToken(111, 1.0);
  LoadFromThePage("CRZ.PNL");
  RunFrames(3);
  EXPECT_EQ(SimAutopilot(), std::tuple(1.0, 1.0, 1.0, 0.0));
  Boot("LoadPanelStateonAcLoad=1\nPanelState=CRZ.PNL\n");
  RunFrames(3);
  EXPECT_EQ(SimAutopilot(), std::tuple(1.0, 1.0, 1.0, 0.0));
  EXPECT_EQ(std::tuple(apleft, lnav, vnav), std::tuple(1, 1, 1));
}

// A master saved engaged without a CMD channel, or with every flag at 2 (read as off), engages nothing
// in cruise: no simulator autopilot flying with no CMD lit, no CMD over blank mode columns.
TEST_F(RestoredModesTest, MasterWithoutChannelEngagesNothing) {
  for (const char* edit : {"apleft=0\n", "apleft=2\napcenter=2\napright=2\nlnav=2\nvnav=2\nhdg_hold_mode=2\n"}) {
    dir_.Write("Orvantel/PanelStates/CRZ.PNL", LnavVnavState(1) + edit);
    Boot("");
    RunFrames(3);
    LoadFromThePage("CRZ.PNL");
    RunFrames(3);
    EXPECT_EQ(std::tuple(host_->Token(103), ap_master, KeyEvents(kAutopilotOn)), std::tuple(0.0, 0.0, 0)) << edit;
  }
}

// A loaded MCP heading the knob cannot set keeps the window's, which HDG SEL flies; 360 is north.
TEST_F(RestoredModesTest, LoadedHeadingOutsideTheKnobKeepsTheWindow) {
  Boot("");
  for (const auto& [saved, flown] : {std::pair{"400", 184.0}, {"360", 0.0}}) {
    dir_.Write("Orvantel/PanelStates/HDG.PNL", std::string("hdg_sel_dir=184\nhdg_sel_dir=") + saved + "\n");
    LoadFromThePage("HDG.PNL");
    Press("hdg_sel_clicked");
    EXPECT_EQ(std::pair(host_->Token(107), host_->Named("hdg_sel_dir")), std::pair(flown, flown)) << saved;
    Press("hdg_sel_clicked");  // off again
  }
}

// Taxiing, where CMD is refused: a climb state engages no autopilot and moves no thrust lever; VNAV
// only arms, as its button arms it on the ground.
TEST_F(RestoredModesTest, GroundLoadEngagesNoAutopilotAndNoThrust) {
  on_the_ground_ = true;
  dir_.Write("Orvantel/PanelStates/CLB.PNL", LnavVnavState(0));
  Boot("");
  RunFrames(3);
  LoadFromThePage("CLB.PNL");
  RunFrames(200);
  EXPECT_EQ(std::tuple(host_->Token(103), apleft, ap_master, vnav_armed), std::tuple(0.0, 0, 0.0, 1));
  EXPECT_EQ(std::pair(KeyEvents(kThrottleStepUp), host_->Token(128)), std::pair(0, 3000.0));
}

// At the gate, THR of the take-off roll and VNAV in cruise or descending to a speed constraint: no
// lever moves and the simulator's speed hold stays off, from the load's first tick on. FLCH, which
// its button refuses at taxi speed, is not engaged either.
TEST_F(RestoredModesTest, GroundLoadOfLaterPhasesMovesNoThrust) {
  on_the_ground_ = true;
  std::string descent = LnavVnavState(1) + "tod=1\ninit_tod=1\n";
  descent.replace(descent.find("FPLN=CENTR,46.719,-122.602"), 26, "FPLN=CENTR,46.719,-122.602,,,,,,,14000,3,250");
  for (const std::string& state :
       {LnavVnavState(0) + "thrust_hold=1\n", LnavVnavState(1), descent, LnavVnavState(1) + "vnav=0\nflch=1\n"}) {
    dir_.Write("Orvantel/PanelStates/LATER.PNL", state);
    Boot("");
    RunFrames(3);
    LoadFromThePage("LATER.PNL");
    RunFrames(200);
    const int levers = KeyEvents(kThrottleStepUp) + KeyEvents(kThrottleStepUpSmall) + KeyEvents(kThrottleSet);
    EXPECT_EQ(std::tuple(levers, host_->Token(128), host_->Token(115), thrust_hold, flch),
              std::tuple(0, 3000.0, 0.0, 0, 0))
        << state;
  }
}

}  // namespace
