// The module's time base at any frame rate: the simulator's tick counter moves 18 times a second of
// simulator time whatever the frame rate, and what the module counts in ticks follows it, not the
// frames: the speed trend (arrow, callouts, VNAV) and the tick-counted timers of the aircraft systems.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/cockpit_fixture.h"
#include "afds/panel_input_globals.h"
#include "afds/tick_autoflight.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "host/cdu_keyboard.h"
#include "host/paint_record.h"
#include "displays/displays_globals.h"
#include "sim/derived_samples.h"
#include "sim/sim_globals.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"

namespace {

class FrameRateTest : public cockpit_test::CockpitTest {
 protected:
  std::vector<const char*> Gauges() const override {
    return {"SERVER", "TMSP", "UPPER_EICAS", "FP_PFD", "FLCH", "FMS", "FMS_NB"};
  }

  void BootAt(int32_t fps, const std::string& config = "") {
    Boot(config);
    host_->set_frame_rate(fps);
  }
  double Now() const { return host_->Token(604); }  // simulator seconds since the boot
  // Frames until `done` holds; the simulator time it took, or -1 past `limit` s.
  double SecondsUntil(const std::function<bool()>& done, double limit) {
    const double start = Now();
    while (!done() && Now() - start <= limit) host_->RunFrame();
    return done() ? Now() - start : -1.0;
  }
};

// The airspeed rising 2 kt a second, the frame's reading taken at its own time: after 10 s the
// trend the callouts and VNAV read and the trend arrow's lead are those of 18 frames a second.
TEST_F(FrameRateTest, SpeedTrendIsTheSameAtAnyFrameRate) {
  const auto accelerate = [&](int32_t fps) {
    BootAt(fps);
    for (; Now() < 10.0; host_->RunFrame()) host_->SetToken(61, 250.0 + 2.0 * (Now() + 1.0 / fps));
    return std::pair(pfd_ias_trend, ias_predicted - ias);  // kt a sample; the arrow's lead, kt
  };
  const auto [trend18, arrow18] = accelerate(18);
  ASSERT_NEAR(trend18, 2.0 / 18.0 * 15.0 / 14.0, 0.005);
  ASSERT_GT(arrow18, 15.0);
  for (int32_t fps : {10, 30, 60}) {
    const auto [trend, arrow] = accelerate(fps);
    // A frame's reading is of its own time, not a tick's: at 10 a second the history's span wanders.
    EXPECT_NEAR(trend, trend18, 0.01) << fps << " frames a second";
    EXPECT_NEAR(arrow, arrow18, 0.5) << fps << " frames a second";
  }
}

// Parked, the left IRS switched from OFF to NAV with a 60 s alignment; the APU switched on; the
// transponder's IDENT; the climb reference's refresh; the FLCH controller's cycle of passes; the
// retries to reach a TCAS module that is not there: below 18 frames a second a frame spans more than
// one tick, above it most frames none, and each still takes the simulator time it takes at 18 (a
// frame's time either way).
TEST_F(FrameRateTest, TickCountedTimersKeepSimulatorTime) {
  struct Timer {
    const char* name;
    std::function<void()> start;
    std::function<bool()> started, done;
    std::vector<int32_t> rates = {6, 10, 60};
  };
  const Timer timers[] = {
      {"IRS alignment", [&] { Press("irs_l_anun_knob_clicked"); }, [] { return irs_l_align_count > 0; },
       [] { return irs_l_anun_mode == 3; }},
      {"APU start", [&] { Press("apu_switch_clicked"); }, [] { return apu_mode == 1; }, [] { return apu_mode == 2; }},
      {"IDENT", [] { xpdr_ident_timer = 108; }, [] { return true; }, [] { return xpdr_ident_timer == 0; }},
      {"reference refresh",
       [] { std::tie(tmsp, thr_limit_refresh_cnt, thr_ref_to_req, epr_bug) = std::tuple(3, 1, 0, 0.0); },
       [] { return true; }, [] { return epr_bug > 0.0; }},
      {"FLCH passes",
       [&] {
         host_->SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 30000.0);
         std::tie(flch, spdhld_flsh_ctr) = std::tuple(1, 1);
       },
       [] { return true; },
       [] { return spdhld_flsh_ctr == 0; },
       {30, 60}},  // one pass a frame below 18
      {"TCAS retries", [] { tcas_flag = 0; }, [] { return true; }, [] { return tcas_flag == 20; }},
  };
  for (const Timer& timer : timers) {
    const auto run = [&](int32_t fps) {
      BootAt(fps, "IrsAlignSecs=60\n");
      host_->SetToken(551, 0.0);  // the IRS aligns parked
      timer.start();
      EXPECT_GE(SecondsUntil(timer.started, 3.0), 0.0) << timer.name << " at " << fps;
      return SecondsUntil(timer.done, 200.0);
    };
    const double at18 = run(18);
    ASSERT_GT(at18, 0.9) << timer.name;
    for (int32_t fps : timer.rates)
      EXPECT_NEAR(run(fps), at18, 0.25) << timer.name << " at " << fps << " frames a second";
  }
}

// In runs of 1, 3 and 18 ticks (18, 6 and 1 frames a second) and at 60: what a count sets as it passes
// a value is set and shown, and a step of fixed size goes once a tick, so that the lights, levers,
// brakes, flare (pitch rate per simulator time) and decision height keep simulator time.
TEST_F(FrameRateTest, PerTickStepsActAlikeInRunsOfOneThreeAndEighteenTicks) {
  using H = simhost::Host;
  const auto sent = [this](uint32_t id) { return [this, id] { return 0.0 + KeyEvents(id); }; };
  const auto lever = [this] { return host_->Token(128); };
  const auto cmd = [](H& h) { apleft = 1, h.SetToken(103, 1.0), h.SetToken(123, 1.0); };
  const auto ground = [](H& h) { h.SetToken(60, 1.0), h.SetToken(614, 2.74), h.SetToken(77, 0.0); };
  const auto pitching_up = [this](H& h) {  // 0.027 degrees a tick
    h.SetToken(77, -2.5);
    h.set_after_frame([this, t0 = Now()] { host_->SetToken(77, -2.5 - 0.486 * (Now() - t0)); });
  };
  const char* const kDh = "(A:DECISION HEIGHT,FEET)";
  struct Row {
    const char* name;
    std::function<void(H&)> set;
    std::function<double()> measure;
    double seconds;
  };
  double shut_after_s = 0.0;  // whole simulator seconds from a valve's time-out start to its close
  const auto valve_timeout = [&](const char* name, int32_t* timer, int32_t* valve, bool airborne) {
    const auto set = [=, this, &shut_after_s](H& h) {
      h.SetToken(643, 25.0), h.SetToken(60, airborne ? 0.0 : 1.0), *valve = 2, *timer = 0;
      for (int i = 0; i < 40 && *timer == 0; ++i) h.RunFrame();  // open in warm air: phase 0 starts it
      EXPECT_GT(*timer, 0) << name;
      *valve = 3, shut_after_s = 0.0;  // left closing with no transit timer: only the time-out shuts it
      h.set_after_frame([=, this, &shut_after_s, t0 = Now()] {
        if (*valve == 0 && shut_after_s == 0.0) shut_after_s = std::round(Now() - t0);
      });
    };
    return Row{name, set, [&shut_after_s] { return shut_after_s; }, 21.0};
  };
  const Row rows[] = {
      valve_timeout("isolation valve time-out", &isol_air_valve_timer, &isol_air_valve, false),
      valve_timeout("wing anti-ice time-out", &wing_anti_ice_timer, &wing_anti_ice_valve, true),
      valve_timeout("L engine anti-ice time-out", &l_eng_anti_ice_timer, &l_eng_anti_ice_valve, false),
      valve_timeout("R engine anti-ice time-out", &r_eng_anti_ice_timer, &r_eng_anti_ice_valve, false),
      {"IRS light",
       [](H& h) {
         h.SetToken(551, 0.0), h.SetNamed("irs_l_anun_mode", 1.0);  // parked, the light at ALIGN
         irs_l_align_count = 36, irs_l_anun_mode = 1, irs_c_anun_knob = irs_r_anun_knob = 0;
       },
       [this] { return host_->Named("irs_l_anun_mode"); }, 3.0},
      {"IDENT", [](H& h) { xpdr_ident_timer = 108, h.SetNamed("859id", 1.0); },
       [this] { return host_->Named("859id"); }, 7.0},
      {"APU start", [](H& h) { h.SetNamed("apu_switch_clicked", 1.0); }, [] { return 0.0 + apu_mode; }, 20.0},
      {"autothrottle levers", [](H&) { thrust_hold = 1; }, lever, 1.0},
      {"FLCH levers", [&](H& h) { cmd(h), flch = 1, h.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 3e4); },
       lever, 2.0},
      {"flare", [&](H& h) { cmd(h), autoland_mode = 3, h.SetToken(614, 15.0), pitching_up(h); }, sent(0x10418), 1.0},
      {"roll-out", [&](H& h) { cmd(h), ground(h), autoland_mode = 4; }, sent(0x10418), 1.0},
      {"brakes", [&](H& h) { ground(h), auto_brake_switch = 6, h.SetToken(551, 236.3); }, sent(0x10034), 1.0},
      {"decision height", [&](H& h) { h.SetExpression(kDh, 0.0), dh_set_done = 0; },
       [&] { return host_->Expression(kDh); }, 3.0},
  };
  for (const Row& row : rows) {
    double at18 = 0.0;
    for (int32_t fps : {18, 6, 1, 60}) {
      BootAt(fps);
      RunFrames(fps);
      row.set(*host_);
      const double before = row.measure();
      RunFrames(static_cast<int>(row.seconds * fps));
      if (fps == 18) at18 = row.measure() - before;
      EXPECT_EQ(row.measure() - before, at18) << row.name << " at " << fps << " frames a second";
    }
    EXPECT_NE(at18, 0.0) << row.name;
  }
}

// Every CDU key typed while the simulator is paused (the tick counter stands) is applied and shown by
// both CDUs' paints in the next frame, so keys typed in a pause are taken in the order typed.
TEST_F(FrameRateTest, CduKeysTypedInAPauseArePaintedInTurn) {
  std::filesystem::copy(RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata", dir_ / "Orvantel/Navdata");
  BootAt(18);
  RunFrames(18);
  simhost::PaintRecorder rec;
  rec.Attach(*host_);
  simhost::GaugeInstance *fms = host_->FindInstance("FMS"), *fms_nb = host_->FindInstance("FMS_NB");
  const double paused_at = host_->Token(1);
  const auto press = [&](const char* key) {
    simhost::CduKeyPoint p;
    ASSERT_TRUE(simhost::FindCduKey(key, &p)) << key;
    host_->Click(fms, p.x, p.y);
    host_->SetToken(1, paused_at - 1.0);  // the frame brings no tick
    host_->RunFrame();
    rec.EndFrame(host_->frame());
    for (simhost::GaugeInstance* cdu : {fms, fms_nb}) EXPECT_TRUE(rec.PaintedLastFrame(cdu->surfaces[0].get())) << key;
  };
  for (const char* key : {"RTE", "K", "S", "E", "A", "1L", "K", "P", "D", "X", "1R"}) press(key);
  EXPECT_EQ(orig_ident + "-" + dest_ident + "-" + cdu_message, "KSEA-KPDX-");
  for (const simhost::MouseArea& a : simhost::ListMouseAreas(fms->header.mouse_rect)) {
    if (const char* key = simhost::CduKeyNameOfBox(a.x, a.y)) press(key);
  }
}

// Several CDU keys that reach the module in one frame (a fast crew at 6 frames a second): a key
// typed while a line-select or paging key waits for the paint waits behind it, so that each is taken
// in the order typed; beyond its capacity the queue drops keys (SP has no length limit).
TEST_F(FrameRateTest, CduKeysTypedInOneFrameAreTakenInTurn) {
  std::filesystem::copy(RO757_SOURCE_DIR "/examples/sim/Orvantel/Navdata", dir_ / "Orvantel/Navdata");
  const std::string blanks(CduKeyQueue::kCapacity, ' ');
  struct Row {
    std::vector<const char*> before, in_one_frame;  // typed one a frame, then all in one frame
    std::string after;  // origin, destination, scratchpad, message, route state, page, RTE sub-page
  };
  std::vector<const char*> many_sp = {"1L"};
  many_sp.insert(many_sp.end(), CduKeyQueue::kCapacity + 8, "SP");
  const Row rows[] = {
      {{"RTE", "K", "S", "E", "A"}, {"1L", "K"}, "KSEA|------|K||0|22|1"},
      {{"RTE"}, {"K", "S", "E", "A", "1L", "K", "P", "D", "X", "1R"}, "KSEA|KPDX|||0|22|1"},
      {{"RTE", "K", "S", "E", "A"}, {"1L", "CLR"}, "KSEA|------|||0|22|1"},
      {{"RTE", "K", "S", "E", "A"}, {"1L", "LEGS"}, "KSEA|------|||0|6|1"},
      {{"RTE", "K", "S", "E", "A", "1L", "K", "P", "D", "X", "1R", "NEXT_PAGE", "T", "A", "C", "M", "A", "1R"},
       {"6R", "EXEC"},
       "KSEA|KPDX|||3|22|2"},
      {{"RTE"}, {"NEXT_PAGE", "PREV_PAGE"}, "------|------|||0|22|1"},
      {{"RTE", "K", "S", "E", "A"}, many_sp, "KSEA|------|" + blanks + "||0|22|1"},
  };
  for (const Row& row : rows) {
    for (int32_t fps : {6, 18, 60}) {
      BootAt(fps);
      RunFrames(fps);
      simhost::GaugeInstance* fms = host_->FindInstance("FMS");
      const auto click = [&](const char* key) {
        simhost::CduKeyPoint p;
        ASSERT_TRUE(simhost::FindCduKey(key, &p)) << key;
        host_->Click(fms, p.x, p.y);
      };
      for (const char* key : row.before) click(key), RunFrames(1);
      for (const char* key : row.in_one_frame) click(key);
      RunFrames(fps);
      const std::string after = orig_ident + "|" + dest_ident + "|" + cdu_scratchpad + "|" + cdu_message + "|" +
                                std::to_string(fms_fpln_active) + "|" + std::to_string(fms_page) + "|" +
                                std::to_string(rte_page);
      EXPECT_EQ(after, row.after) << row.in_one_frame[0] << " " << row.in_one_frame[1] << " at " << fps;
    }
  }
}

}  // namespace
