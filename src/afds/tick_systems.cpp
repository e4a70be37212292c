#include "afds/tick_systems.h"

#include <cstdint>
#include <limits>

#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "afds/click_poller_steps.h"
#include "afds/setup_sequences.h"
#include "afds/click_poller.h"
#include "afds/hydraulic_pumps.h"
#include "afds/overhead_pass.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kLeftHydTargetPsi = 2960;
constexpr int32_t kCentreHydTargetPsi = 3040;
constexpr int32_t kRightHydTargetPsi = 3150;
constexpr int32_t kHydStepPsi = 30;
// Floors of the fall step, tested before the step (the engine-driven systems keep a residue).
constexpr int32_t kLeftHydFloorPsi = 100;
constexpr int32_t kRightHydFloorPsi = 50;

constexpr double kApuEgtRunDegC = 400.0;
constexpr double kApuRpmRunPct = 99.0;
constexpr double kApuRampStep = 2.0;

constexpr uint32_t kYawDamperEngageEvent = 0x10215;
// The IRS counts only while parked: alignment needs a still platform.
constexpr double kIrsAlignMaxGroundSpeedKt = 2.0;
// Alignment completes this many ticks before the count runs out.
constexpr int32_t kIrsAlignedAtCount = 3;

bool AcPowered() { return ac_power >= 2; }

// Both simulator power and the module's AC are off: the valve motors' timers run regardless.
bool NoPowerAtAll() { return ac_power < 2 && ReadTokenVar364() == 0.0; }

// One step of a timer: at 0 the end action runs and the panel lights are published.
template <typename EndAction>
void StepTimer(int32_t& timer, EndAction end_action) {
  if (timer <= 0) return;
  if (--timer == 0) {
    end_action();
    UpdateOverheadLights();
  }
}

void StepValveTimer(int32_t& timer, int32_t& valve, int32_t end_state) {
  StepTimer(timer, [&valve, end_state] { valve = end_state; });
}

void CountDown(int32_t& delay) {
  if (delay > 0) --delay;
}

// Engine start counts rise from the start click until the systems logic ends them.
void CountUp(int32_t& count) {
  if (count > 0 && count < std::numeric_limits<int32_t>::max()) ++count;
}

struct Irs {
  int32_t& count;
  int32_t& mode;
  bool right;
  void (*publish)();  // writes the mode's named variable
};

void StepOneIrs(const Irs& irs, const Irs& other_a, const Irs& other_b) {
  if (irs.count <= 0) return;
  // An IRS without power reads OFF, and its alignment waits for the power (electrical pass).
  if (irs.mode == 0) return;
  // IrsAlignSecs holds the whole alignment in ticks: the second phase begins at two thirds.
  if (irs.count <= IrsAlignSecs * 0.67 && irs.mode == 1) irs.mode = 2;
  if (irs.count == kIrsAlignedAtCount) {
    // Shown here: the overhead pass shows the mode only while the count runs, and a run of three
    // ticks or more ends this one at 0.
    irs.mode = 3;
    irs.publish();
    const bool others_aligned = other_a.mode == 3 && other_b.mode == 3;
    for (int32_t* yaw_damper : {&l_yaw_damper_mode, &r_yaw_damper_mode}) {
      if (*yaw_damper == 1 && others_aligned) {
        *yaw_damper = 2;
        if (irs.right) yaw_damper_sync_pending = 1;
      }
    }
    if (irs.right && (l_yaw_damper_mode == 2 || r_yaw_damper_mode == 2)) {
      host::TriggerKeyEvent(kYawDamperEngageEvent, 0);
    }
    PollClickedVars();
  }
  // In lite mode the right IRS aligns in flight too.
  if (ground_speed < kIrsAlignMaxGroundSpeedKt || (irs.right && lite_mode == 1)) --irs.count;
  if (irs.right && lite_mode == 1 && irs.count == 0) ProcOverheadClicksB();
}

constexpr int32_t kApuStartStepTicks = 9;
constexpr int32_t kApuFaultTestTicks = 40;
constexpr int32_t kApuRunDelayTicks = 300;
constexpr int32_t kApuRunLightTicks = 100;

void BeginApuRunSequence() {
  apu_mode = 1;
  apu_run_delay = kApuRunDelayTicks;
  apu_run_light_seq = kApuRunLightTicks;
}

void StepApuStartAndLights() {
  if (apu_start_timer > 0) {
    if (apu_start_timer == 1) {
      apu_fault_light = 0;
      UpdateOverheadLights();
    }
    --apu_start_timer;
  }
  if (apu_run_light_seq > 0) {
    // The run light blinks twice during the start; the spool-up begins with the second blink.
    switch (apu_run_light_seq) {
      case 54:
        apu_run_light = 1;
        UpdateOverheadLights();
        break;
      case 36:
        apu_run_light = 0;
        UpdateOverheadLights();
        break;
      case 18:
        apu_run_light = 1;
        apu_spool_dir = 1;
        UpdateOverheadLights();
        break;
      case 1:
        apu_run_light = 0;
        UpdateOverheadLights();
        break;
      default:
        break;
    }
    --apu_run_light_seq;
  }
}

void StepApuRunDelayAndStartSwitch() {
  if (apu_run_delay > 0) {
    if (apu_run_delay == 1) {
      apu_mode = 2;
      apu_run_light = 1;
      UpdateOverheadLights();
    }
    --apu_run_delay;
  }
  // The START position is spring-loaded: it returns to ON on the next expiry.
  StepTimer(apu_start_step_timer, [] {
    if (apu_switch == 1) {
      apu_switch = 2;
      apu_start_step_timer = kApuStartStepTicks;
      BeginApuRunSequence();
    } else if (apu_switch == 2) {
      apu_switch = 1;
    }
  });
  // An APU bleed clicked open without the APU running waits at 1: once the APU runs it opens.
  if (apu_mode == 2 && apu_bleed == click_poller::kValveOpening && apu_bleed_on_timer == 0) {
    apu_bleed_on_timer = click_poller::kValveTransitTicks;
  }
}

// A valve a panel state left in transit moves on from the start of its transit; a settled one
// keeps no timer of the session before the load.
void ResumeValve(int32_t valve, int32_t& open_timer, int32_t& close_timer) {
  open_timer = valve == click_poller::kValveOpening ? click_poller::kValveTransitTicks : 0;
  close_timer = valve == click_poller::kValveClosing ? click_poller::kValveTransitTicks : 0;
}

// A START VALVE light a panel state leaves lit goes out on its own time, a start under way here
// keeping the time it has left; the file holds the light, not its timer.
void ResumeStartValveLight(int32_t light, int32_t& timer) {
  if (light == 0) {
    timer = 0;
  } else if (timer <= 0) {
    timer = kStartValveLightTicks;
  }
}

// An IRS a panel state leaves aligning aligns on its own time, an alignment under way here keeping the
// time it has left; no other IRS keeps a count. The file holds the mode, not the count.
void ResumeIrsAlignment(int32_t knob, int32_t mode, int32_t& count) {
  if (knob != 1 || (mode != 1 && mode != 2)) {
    count = 0;
  } else if (count <= 0) {
    count = IrsAlignSecs;
  }
}

// A switch the simulator turned on or off (token 14 reads exactly 1 or 0) follows it.
void FollowSimLandingLight(int32_t& light, double sim_lights, int32_t which) {
  if ((light == 1 && sim_lights == 0.0) || (light == 0 && sim_lights == 1.0)) {
    light = 1 - light;
    UpdateLandingLightVars(which);
  }
}

}  // namespace

void StepHydraulicPressures() {
  const bool l_pumps = LeftHydSystemPumps();
  const bool c_pumps = c_elec_hyd1_pump_mode > 0 || c_elec_hyd2_pump_mode > 0;
  const bool r_pumps = RightHydSystemPumps();
  const bool l_rises = l_pumps && l_hyd_press < kLeftHydTargetPsi;
  const bool c_rises = c_pumps && c_hyd_press < kCentreHydTargetPsi;
  const bool r_rises = r_pumps && r_hyd_press < kRightHydTargetPsi;
  if (AcPowered() && (l_rises || c_rises || r_rises)) {
    if (l_rises) l_hyd_press += kHydStepPsi;
    if (c_rises) c_hyd_press += kHydStepPsi;
    if (r_rises) r_hyd_press += kHydStepPsi;
    UpdateHydPressVals();
  }

  const bool falls = !AcPowered() || (l_elec_hyd_pump_mode == 0 && l_hyd_press > kLeftHydFloorPsi) ||
                     ((c_elec_hyd1_pump_mode == 0 || c_elec_hyd2_pump_mode == 1) && c_hyd_press > 0) ||
                     (r_elec_hyd_pump_mode == 0 && r_hyd_press > kRightHydFloorPsi);
  if (!falls) return;
  if (l_hyd_press > kLeftHydFloorPsi && (!AcPowered() || (l_elec_hyd_pump_mode == 0 && l_eng_hyd_pump_mode < 2))) {
    l_hyd_press -= kHydStepPsi;
  }
  // The centre system has no floor: it comes to rest at 0, never below.
  if (c_hyd_press > 0 && (!AcPowered() || (c_elec_hyd1_pump_mode == 0 && c_elec_hyd2_pump_mode == 0))) {
    c_hyd_press = c_hyd_press > kHydStepPsi ? c_hyd_press - kHydStepPsi : 0;
  }
  if (r_hyd_press > kRightHydFloorPsi && (!AcPowered() || (r_elec_hyd_pump_mode == 0 && r_eng_hyd_pump_mode < 2))) {
    r_hyd_press -= kHydStepPsi;
  }
  UpdateHydPressVals();
}

void StepApuSpool() {
  if (apu_spool_dir == 1) {
    if (apu_egt < kApuEgtRunDegC) apu_egt += kApuRampStep;
    if (apu_egt > kApuEgtRunDegC) apu_egt = kApuEgtRunDegC;
    if (apu_rpm < kApuRpmRunPct) apu_rpm += kApuRampStep;
    if (apu_rpm > kApuRpmRunPct) apu_rpm = kApuRpmRunPct;
    if (apu_egt == kApuEgtRunDegC && apu_rpm == kApuRpmRunPct) apu_spool_dir = 0;
  } else if (apu_spool_dir == 2) {
    if (apu_egt > 0.0) apu_egt -= kApuRampStep;
    if (apu_egt < 0.0) apu_egt = 0.0;
    if (apu_rpm > 0.0) apu_rpm -= kApuRampStep;
    if (apu_rpm < 0.0) apu_rpm = 0.0;
    if (apu_egt == 0.0 && apu_rpm == 0.0) apu_spool_dir = 0;
  }
}

void StepLandingLightFollowUp() {
  // A click this tick has already set the switch; the simulator catches up on the next one.
  if (ldg_light_clicked != 0) {
    ldg_light_clicked = 0;
    return;
  }
  const double sim_lights = ReadTokenVar14();
  FollowSimLandingLight(wingldglt, sim_lights, 1);
  FollowSimLandingLight(noseldglt, sim_lights, 2);
}

void StepSoundDelays() {
  CountDown(gpws_sound_delay);
  CountDown(alt_callout_delay);
  CountDown(crew_callout_delay);
  CountDown(cabin_announce_delay);
  CountDown(chime_delay);
  CountDown(spoiler_sound_delay);
  if (ldg_checklist_done_timer > 0 && --ldg_checklist_done_timer == 0) ldg_checklist_mode = 10;
}

void StepIrsAlignment() {
  const Irs left{irs_l_align_count, irs_l_anun_mode, false, [] { NV_SET(irs_l_anun_mode, irs_l_anun_mode); }};
  const Irs centre{irs_c_align_count, irs_c_anun_mode, false, [] { NV_SET(irs_c_anun_mode, irs_c_anun_mode); }};
  const Irs right{irs_r_align_count, irs_r_anun_mode, true, [] { NV_SET(irs_r_anun_mode, irs_r_anun_mode); }};
  StepOneIrs(left, centre, right);
  StepOneIrs(centre, left, right);
  StepOneIrs(right, left, centre);
}

void StepSystemsTimers() {
  StepApuStartAndLights();

  StepValveTimer(apu_bleed_on_timer, apu_bleed, 2);
  StepValveTimer(apu_bleed_off_timer, apu_bleed, 0);
  StepValveTimer(isol_valve_on_timer, isol_air_valve, 2);
  StepValveTimer(isol_valve_off_timer, isol_air_valve, 0);
  StepValveTimer(fwd_xfeed_on_timer, fwd_xfeed_fuel_pump, 2);
  StepValveTimer(fwd_xfeed_off_timer, fwd_xfeed_fuel_pump, 0);
  StepValveTimer(aft_xfeed_on_timer, aft_xfeed_fuel_pump, 2);
  StepValveTimer(aft_xfeed_off_timer, aft_xfeed_fuel_pump, 0);

  // Anti-ice valves open only where they can be used (wing in the air, engine while it runs).
  if (ReadOnGround() == 0 || NoPowerAtAll()) StepValveTimer(wing_anti_ice_on_timer, wing_anti_ice_valve, 2);
  StepValveTimer(wing_anti_ice_off_timer, wing_anti_ice_valve, 0);
  if (ReadTokenVar566() != 0.0 || NoPowerAtAll()) {
    StepValveTimer(l_eng_anti_ice_open_timer, l_eng_anti_ice_valve, 2);
  }
  StepValveTimer(l_eng_anti_ice_close_timer, l_eng_anti_ice_valve, 0);
  if (ReadTokenVar576() != 0.0 || NoPowerAtAll()) {
    StepValveTimer(r_eng_anti_ice_open_timer, r_eng_anti_ice_valve, 2);
  }
  StepValveTimer(r_eng_anti_ice_off_timer, r_eng_anti_ice_valve, 0);

  StepValveTimer(l_eng_start_light_timer, l_eng_start_light, 0);
  StepValveTimer(r_eng_start_light_timer, r_eng_start_light, 0);
  CountUp(l_eng_start_count);
  CountUp(r_eng_start_count);

  StepApuRunDelayAndStartSwitch();
}

void ResumeSystemsAfterPanelLoad() {
  ResumeValve(isol_air_valve, isol_valve_on_timer, isol_valve_off_timer);
  ResumeValve(fwd_xfeed_fuel_pump, fwd_xfeed_on_timer, fwd_xfeed_off_timer);
  ResumeValve(aft_xfeed_fuel_pump, aft_xfeed_on_timer, aft_xfeed_off_timer);
  ResumeValve(wing_anti_ice_valve, wing_anti_ice_on_timer, wing_anti_ice_off_timer);
  ResumeValve(l_eng_anti_ice_valve, l_eng_anti_ice_open_timer, l_eng_anti_ice_close_timer);
  ResumeValve(r_eng_anti_ice_valve, r_eng_anti_ice_open_timer, r_eng_anti_ice_off_timer);
  // An opening APU bleed waits for the running APU (the timers' pass opens it).
  ResumeValve(apu_bleed, apu_bleed_on_timer, apu_bleed_off_timer);
  if (apu_bleed == click_poller::kValveOpening) apu_bleed_on_timer = 0;
  ResumeStartValveLight(l_eng_start_light, l_eng_start_light_timer);
  ResumeStartValveLight(r_eng_start_light, r_eng_start_light_timer);
  ResumeIrsAlignment(irs_l_anun_knob, irs_l_anun_mode, irs_l_align_count);
  ResumeIrsAlignment(irs_c_anun_knob, irs_c_anun_mode, irs_c_align_count);
  ResumeIrsAlignment(irs_r_anun_knob, irs_r_anun_mode, irs_r_align_count);

  apu_start_step_timer = apu_switch == 2 ? kApuStartStepTicks : 0;  // START springs back to ON
  apu_start_timer = apu_fault_light == 1 ? kApuFaultTestTicks : 0;
  apu_run_delay = apu_run_light_seq = 0;
  if (apu_mode == 1) BeginApuRunSequence();  // a start under way starts its run sequence again
  if (apu_mode == 2) {
    apu_egt = kApuEgtRunDegC;
    apu_rpm = kApuRpmRunPct;
    apu_spool_dir = 0;
  } else {
    apu_spool_dir = apu_egt > 0.0 || apu_rpm > 0.0 ? 2 : 0;
  }
}
