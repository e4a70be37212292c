// The APU's start and bleed, and the valves and the APU across a restart with a saved panel state:
// no sequence is left stuck half-way, and none runs on once its switch is put off.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "sim/sim_globals.h"
#include "cockpit_fixture.h"

namespace {

using cockpit_test::CockpitTest;

constexpr char kSaveOnFlightSave[] = "simver=10\nSavePanelStateonFlightSave=1\nLoadPanelStateonAcLoad=1\n";
constexpr uint32_t kFlightSaved = 0x10027;

// Bleed closed and opened again while the APU starts: it waits, and opens once the APU runs.
TEST_F(CockpitTest, ApuBleedReopenedDuringTheStartOpensOnceTheApuRuns) {
  Boot("");
  Press("apu_switch_clicked");
  RunFrames(60);
  ASSERT_EQ(std::tuple(apu_mode, apu_bleed), std::tuple(1, 2));
  Press("apu_bleed_clicked");
  Press("apu_bleed_clicked");
  ASSERT_EQ(apu_bleed, 1);
  ASSERT_TRUE(RunUntil([] { return apu_mode == 2; }, 400));
  RunFrames(40);
  EXPECT_EQ(std::tuple(apu_bleed, host_->Named("apu_bleed")), std::tuple(2, 2.0));
}

// OFF during the start: the run light stays dark and the APU spools down to nothing.
TEST_F(CockpitTest, ApuSwitchedOffDuringItsStartStopsAndSpoolsDown) {
  Boot("");
  Press("apu_switch_clicked");
  RunFrames(60);
  ASSERT_EQ(std::tuple(apu_switch, apu_mode), std::tuple(1, 1));
  Press("apu_switch_clicked");
  bool light_came_back = false;
  for (int i = 0; i < 400; ++i) {
    RunFrames(1);
    light_came_back = light_came_back || apu_run_light != 0;
  }
  EXPECT_FALSE(light_came_back);
  EXPECT_EQ(std::tuple(apu_switch, apu_mode, apu_egt, apu_rpm), std::tuple(0, 0, 0.0, 0.0));
}

// Saved while the isolation valve opens, restarted: it completes its movement and takes clicks.
TEST_F(CockpitTest, ValveSavedInTransitCompletesItsMovementAfterTheRestart) {
  Boot(kSaveOnFlightSave);
  RunFrames(3);
  Press("isol_air_valve_clicked");
  ASSERT_EQ(isol_air_valve, 1);
  host_->SendKeyEvent(kFlightSaved, 0);
  Boot(kSaveOnFlightSave);
  ASSERT_EQ(isol_air_valve, 1);
  RunFrames(40);
  EXPECT_EQ(std::tuple(isol_air_valve, host_->Named("isol_air_valve")), std::tuple(2, 2.0));
  Press("isol_air_valve_clicked");
  RunFrames(40);
  EXPECT_EQ(isol_air_valve, 0);
}

// START VALVE lights saved lit, with no start running here, go out on their own time.
TEST_F(CockpitTest, StartValveLightsSavedLitGoOutAfterTheRestart) {
  dir_.Write("Orvantel/PanelStates/START.PNL", "[OVERHEAD]\nl_eng_start_light=1\nr_eng_start_light=1\n");
  Boot("LoadPanelStateonAcLoad=1\nPanelState=START.PNL\n");
  ASSERT_EQ(std::tuple(l_eng_start_light, r_eng_start_light), std::tuple(1, 1));
  RunFrames(40);
  EXPECT_EQ(std::tuple(l_eng_start_light, r_eng_start_light, host_->Named("l_eng_start_light")),
            std::tuple(0, 0, 0.0));
}

// IRSs saved aligning (one in each half of the alignment) beside one switched off, parked after the
// restart: the two align on their own time; the one off, switched on and off again before it aligned,
// stays off.
TEST_F(CockpitTest, IrsAlignmentsFollowTheirKnobsAndTheLoadedState) {
  dir_.Write("Orvantel/PanelStates/ALIGN.PNL",
             "[OVERHEAD]\nirs_l_anun_mode=0\nirs_c_anun_mode=1\nirs_r_anun_mode=2\nirs_l_anun_knob=0\n"
             "irs_c_anun_knob=1\nirs_r_anun_knob=1\n");
  Boot("LoadPanelStateonAcLoad=1\nPanelState=ALIGN.PNL\nIrsAlignSecs=10\n");
  host_->SetToken(551, 0.0);
  Press("irs_l_anun_knob_clicked");
  Press("irs_l_anun_knob_clicked");
  RunFrames(200);
  EXPECT_EQ(std::tuple(irs_l_anun_mode, irs_c_anun_mode, irs_r_anun_mode), std::tuple(0, 3, 3));
}

// Saved with the APU running, restarted: the running APU shows its temperature and speed.
TEST_F(CockpitTest, ApuSavedRunningShowsItsRunningFiguresAfterTheRestart) {
  Boot(kSaveOnFlightSave);
  StartApu();
  host_->SendKeyEvent(kFlightSaved, 0);
  Boot(kSaveOnFlightSave);
  ASSERT_EQ(std::tuple(apu_switch, apu_mode, apu_run_light), std::tuple(1, 2, 1));
  RunFrames(3);
  EXPECT_EQ(std::tuple(apu_egt, apu_rpm), std::tuple(400.0, 99.0));
}

// Saved with the switch held at START: after the restart it springs back and the start runs on.
TEST_F(CockpitTest, ApuSavedDuringItsStartRunsUpAfterTheRestart) {
  Boot(kSaveOnFlightSave);
  Press("apu_switch_clicked");
  RunFrames(9);
  ASSERT_EQ(std::tuple(apu_switch, apu_mode), std::tuple(2, 1));
  host_->SendKeyEvent(kFlightSaved, 0);
  Boot(kSaveOnFlightSave);
  EXPECT_TRUE(RunUntil([] { return apu_mode == 2; }, 400));
  EXPECT_EQ(std::tuple(apu_switch, apu_run_light), std::tuple(1, 1));
}

// The file carries no APU figures, so a file of any age loads them: here one written by hand with
// the APU keys alone, and the same file with the APU stopped, which leaves the APU at rest.
TEST_F(CockpitTest, OlderPanelStateFilesLoadTheApuWithItsFigures) {
  for (const auto& [mode, figures] : {std::tuple{2, 400.0}, std::tuple{0, 0.0}}) {
    dir_.Write("Orvantel/PanelStates/OLDER.PNL", "[OVERHEAD]\napu_switch=" + std::to_string(mode / 2) +
                                                     "\napu_mode=" + std::to_string(mode) + "\n");
    Boot("LoadPanelStateonAcLoad=1\nPanelState=OLDER.PNL\n");
    ASSERT_EQ(apu_mode, mode);
    RunFrames(3);
    EXPECT_EQ(std::tuple(apu_egt, apu_rpm > 0.0), std::tuple(figures, mode == 2)) << mode;
  }
}

// The reduced panel's set-up button on a cold aircraft, pressed on a frame of the poller's pass and
// on one without: the battery it switches on is on when the APU switch is taken, so the APU starts.
TEST_F(CockpitTest, LiteStartUpFromColdStartsTheApuWhicheverFrameTheButtonIsPressed) {
  for (int32_t phase_before : {2, 0}) {
    Boot("LiteMode=1\n");
    for (uint32_t token : {364u, 566u, 576u, 627u, 646u}) host_->SetToken(token, 0.0);
    RunFrames(18);
    ASSERT_TRUE(RunUntil([phase_before] { return server_phase == phase_before; }, 18));
    host_->SetNamed("beg_start_button_clicked", 1.0);
    RunFrames(30);
    EXPECT_EQ(std::tuple(host_->Token(364), apu_switch, apu_mode), std::tuple(1.0, 1, 1)) << phase_before;
  }
}

}  // namespace
