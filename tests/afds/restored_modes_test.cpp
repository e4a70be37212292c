// A panel state's autopilot modes and the simulator's autopilot: after a load, named or at start-up,
// the simulator's master and holds are as the MCP's presses of the loaded modes leave them, and the
// buttons' rules hold (no CMD on the ground).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "cockpit_fixture.h"
#include "sim/tick_globals.h"
#include "state/panel_state_files.h"

namespace {

constexpr uint32_t kThrottleStepUp = 0x10049;
constexpr uint32_t kThrottleStepUpSmall = 0x10040;
constexpr uint32_t kThrottleSet = 0x100A1;
constexpr uint32_t kAutopilotOn = 0x10100;
constexpr int kBothBeams = 0xC0;  // localizer and glideslope received (token 46)

// CMD, LNAV and VNAV on the example route, with APP off; `toc` 0 in the climb, 1 in cruise.
std::string LnavVnavState(int toc) {
  return "[FLTPLN]\ntoc=" + std::to_string(toc) + "\ncross_at_elev=20000" +
         "\nfp_cnt=3\nstpos=1\nFPLN=KSEA,47.45,-122.31,APT\nFPLN=CENTR,46.719,-122.602\n"
         "FPLN=KELSO,46.148,-122.883\nFPLN=KPDX,45.595,-122.621,APT\n[FMS]\ncruise_alt=20000\n"
         "[MCP]\nap_master=1\nalt_sel_num=20000\napleft=1\napp_mode=0\nlnav=1\nlnav_init_mode=0\nvnav=1\n"
         "vnav_armed=0\n";
}

// A phase of the flight: where the aircraft is, and the state saved there (its mode keys all written).
struct Phase { const char* name; bool on_ground; double radio_height_ft, ias_kt; int beams; std::string state; };
const std::string kNoModes = "ap_master=0\napleft=0\nvs_hold_mode=0\nhdg_hold_mode=0\nlnav=0\nvnav=0\napp_mode=0\n";
std::string ApproachState(int autoland) {
  return "ap_master=1\nalt_sel_num=3000\napleft=1\napcenter=1\napright=1\napp_mode=1\nloc_capture=1\ngs_capture=1\n"
         "vs_hold_mode=0\nhdg_hold_mode=0\nautoland_mode=" + std::to_string(autoland) + "\n";
}
const Phase kPhases[] = {
    {"ground", true, 0.0, 0.0, 0, kNoModes},
    {"takeoff", true, 0.0, 120.0, 0, kNoModes + LnavVnavState(0) + "ap_master=0\nthrust_hold=1\nto_pitch_mode=1\n"},
    {"climb", false, 7600.0, 250.0, 0, kNoModes + LnavVnavState(0)},
    {"cruise", false, 19500.0, 318.0, 0, kNoModes + LnavVnavState(1)},
    {"descent", false, 11600.0, 290.0, 0, kNoModes + LnavVnavState(1) + "tod=1\ninit_tod=1\nalt_sel_num=10000\n"},
    {"approach", false, 1100.0, 150.0, kBothBeams, ApproachState(2)},
    {"flare", false, 40.0, 140.0, kBothBeams, ApproachState(3)},
    {"rollout", true, 0.0, 110.0, kBothBeams, ApproachState(4)},
};

class RestoredModesTest : public cockpit_test::CockpitTest {
 protected:
  void Fly() override {
    CockpitTest::Fly();
    if (phase_ != nullptr) {  // hydraulics pressed and the IRSs aligned: no channel drops of itself
      for (const auto& [token, value] : {std::pair{60, phase_->on_ground ? 1.0 : 0.0}, {61, phase_->ias_kt}, {123, 1.0},
                                         {614, phase_->radio_height_ft / 3.28}, {46, 1.0 * phase_->beams}}) {
        host_->SetToken(token, value);
      }
      host_->SetExpression("(A:INDICATED ALTITUDE, feet)", phase_->radio_height_ft + 400.0);
      c_elec_hyd1_pump_mode = 2;
      irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    }
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
  const Phase* phase_ = nullptr;
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

// Each phase's state loaded by name in each phase: a capture resumes only on both beams received here;
// the autoland only as APP arms it, on three channels under CMD (above 400 ft), and goes down only as
// the radio height takes it; no flare, retard or rollout is sent, the crew's autothrottle stays armed;
// under CMD each axis has a mode the simulator's holds fly.
TEST_F(RestoredModesTest, EachPhasesStateLoadedInEachPhase) {
  for (const Phase& here : kPhases) {
    for (const Phase& saved : kPhases) {
      SCOPED_TRACE(std::string(saved.name) + " state loaded in " + here.name);
      phase_ = &here;
      dir_.Write("Orvantel/PanelStates/SAVED.PNL", saved.state);
      Boot("");
      RunFrames(20);
      if (here.radio_height_ft > 400.0) Press("apleft_clicked");
      const int off = KeyEvents(0x100FF);
      LoadFromThePage("SAVED.PNL");
      RunFrames(6);  // the tick and the pass that takes the modes up, before a capture pass would run
      const int flare = KeyEvents(0x10417) + KeyEvents(0x10418) + KeyEvents(0x100E5) + KeyEvents(0x10210);
      const int on_beams = saved.beams != 0 && here.beams == kBothBeams;
      const bool armed = saved.beams != 0 && here.radio_height_ft > 400.0;
      EXPECT_EQ(std::tuple(loc_capture, gs_capture, flare, host_->Token(123)), std::tuple(on_beams, on_beams, 0, 1.0));
      EXPECT_EQ(autoland_mode, !armed ? 0 : here.radio_height_ft < 1500.0 ? 2 : 1);
      EXPECT_TRUE(ap_master == 0.0 || (KeyEvents(0x100FF) == off && (host_->Token(108) == 1.0 || gs_capture == 1) &&
                                       (host_->Token(106) == 1.0 || loc_capture == 1)));
    }
  }
}

}  // namespace
