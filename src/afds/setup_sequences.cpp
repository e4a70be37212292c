#include "afds/setup_sequences.h"

#include <cstdint>

#include "afds/afds_globals.h"
#include "sim/named_vars.h"
#include "sim/readers_systems.h"
#include "platform/host_api.h"

namespace {

constexpr uint32_t kBatteryToggle = 0x102C1;
constexpr uint32_t kAutoEngineStart = 0x102B0;
constexpr uint32_t kShutDownEvent = 0x103E3;

// Every click variable of the sequences gets its id refreshed, as the panel's own clicks would.
void LookUpClickIds() {
  irs_l_anun_knob_clicked_id = host::LookupNamedVar(nv::irs_l_anun_knob_clicked);
  irs_c_anun_knob_clicked_id = host::LookupNamedVar(nv::irs_c_anun_knob_clicked);
  irs_r_anun_knob_clicked_id = host::LookupNamedVar(nv::irs_r_anun_knob_clicked);
  apu_switch_clicked_id = host::LookupNamedVar(nv::apu_switch_clicked);
  l_pack_switch_clicked_id = host::LookupNamedVar(nv::l_pack_switch_clicked);
  r_pack_switch_clicked_id = host::LookupNamedVar(nv::r_pack_switch_clicked);
  l_yaw_damper_clicked_id = host::LookupNamedVar(nv::l_yaw_damper_clicked);
  r_yaw_damper_clicked_id = host::LookupNamedVar(nv::r_yaw_damper_clicked);
  stdby_power_switch_clicked_id = host::LookupNamedVar(nv::stdby_power_switch_clicked);
}

void ClickIrsKnobsAt(int32_t position) {
  if (irs_l_anun_knob == position) NV_SET(irs_l_anun_knob_clicked, 1.0);
  if (irs_c_anun_knob == position) NV_SET(irs_c_anun_knob_clicked, 1.0);
  if (irs_r_anun_knob == position) NV_SET(irs_r_anun_knob_clicked, 1.0);
}

void ClickPacksAt(int32_t position) {
  if (l_pack_switch == position) NV_SET(l_pack_switch_clicked, 1.0);
  if (r_pack_switch == position) NV_SET(r_pack_switch_clicked, 1.0);
}

// A damper is on at 2 or 3. The poller takes the IRS knob clicks before the yaw damper's, and an
// IRS switched off drops a damper at 2 to off; so only a side still on then is clicked (the switch
// gives both dampers its new mode, and clicked at off it would switch them on).
void ClickYawDampersOff() {
  const bool left_dropped = irs_c_anun_knob == 1 || irs_r_anun_knob == 1;
  const bool right_dropped = left_dropped || irs_l_anun_knob == 1;
  auto still_on = [](int32_t mode, bool dropped) { return mode == 3 || (mode == 2 && !dropped); };
  if (still_on(l_yaw_damper_mode, left_dropped)) {
    NV_SET(l_yaw_damper_clicked, 1.0);
  } else if (still_on(r_yaw_damper_mode, right_dropped)) {
    NV_SET(r_yaw_damper_clicked, 1.0);
  }
}

}  // namespace

void ProcOverheadClicksB() {
  LookUpClickIds();
  isol_air_valve_clicked_id = host::LookupNamedVar(nv::isol_air_valve_clicked);
  if (ReadTokenVar364() == 0.0) host::TriggerKeyEvent(kBatteryToggle, 0);
  ClickIrsKnobsAt(0);
  // The rest waits while the right IRS aligns; the end of its alignment runs the sequence again.
  if (irs_r_align_count != 0) return;
  if (l_yaw_damper_mode == 0 || r_yaw_damper_mode == 0) NV_SET(l_yaw_damper_clicked, 1.0);
  if (apu_switch == 0) NV_SET(apu_switch_clicked, 1.0);
  ClickPacksAt(0);
  if (isol_air_valve == 0) {
    isol_air_valve = 2;
    NV_SET(isol_air_valve, isol_air_valve);
  }
  if (stdby_power_switch == 0) NV_SET(stdby_power_switch_clicked, 1.0);
  host::TriggerKeyEvent(kAutoEngineStart, 0);
  beg_start_button = 2;
}

void OverheadClickA() {
  LookUpClickIds();
  if (stdby_power_switch == 1) NV_SET(stdby_power_switch_clicked, 1.0);
  host::TriggerKeyEvent(kShutDownEvent, 0);
  if (apu_switch == 1) NV_SET(apu_switch_clicked, 1.0);
  ClickIrsKnobsAt(1);
  ClickYawDampersOff();
  ClickPacksAt(1);
  if (ReadTokenVar364() != 0.0) host::TriggerKeyEvent(kBatteryToggle, 0);
  beg_start_button = 1;
}
