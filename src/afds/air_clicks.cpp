// Air conditioning, anti-ice and bleed valves, NAV radio tuning mode, IRS knobs and yaw dampers,
// the thrust mode select panel and the EICAS buttons; then the probe heat light.
#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "afds/flch_thrust.h"
#include "afds/panel_input_globals.h"
#include "displays/displays_globals.h"

namespace click_poller {

namespace {

using panel_input::OnRequest;
using panel_input::Publish;

constexpr int32_t kPackLightLit = 0;
constexpr int32_t kPackLightDark = 2;

void PackClick(int32_t* sw, int32_t* reset_light, const char* name, uint32_t* id, const char* req,
               uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    if (*sw == 0) {
      *sw = 1;
      *reset_light = kPackLightDark;
      UpdateOverheadLights();
    } else if (*sw == 1) {
      *sw = 0;
      if (Powered()) {
        *reset_light = kPackLightLit;
        UpdateOverheadLights();
      }
    }
    Publish(name, id, *sw);
    sound_event_code = kSoundClick;
  });
}

void IsolationValveClick() {
  OnRequest(RO_REQ(isol_air_valve_clicked), [](double) {
    if (isol_air_valve == kValveClosed) {
      if (Powered()) {
        isol_air_valve = kValveOpening;
        isol_valve_on_timer = kValveTransitTicks;
      } else {
        isol_air_valve = kValveOpen;
      }
    } else if (isol_air_valve == kValveOpen) {
      if (Powered()) {
        isol_air_valve = kValveClosing;
        isol_valve_off_timer = kValveTransitTicks;
      } else {
        isol_air_valve = kValveClosed;
      }
    }
    NV_SET(isol_air_valve, isol_air_valve);
    sound_event_code = kSoundPush;
    isol_air_valve_timer = 0;
  });
}

struct AntiIceValve {
  int32_t* valve;
  int32_t* open_timer;
  int32_t* close_timer;
  int32_t* auto_close;
};

// A click while opening turns the valve round at once; a closing valve ignores clicks.
void AntiIceClick(const AntiIceValve& v, const char* name, uint32_t* id, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    switch (*v.valve) {
      case kValveClosed:
        *v.valve = kValveOpening;
        *v.open_timer = kValveTransitTicks;
        break;
      case kValveOpening:
        *v.valve = kValveClosing;
        *v.open_timer = 0;
        *v.close_timer = kValveTransitTicks;
        break;
      case kValveOpen:
        *v.valve = kValveClosing;
        *v.close_timer = kValveTransitTicks;
        break;
      default: break;
    }
    Publish(name, id, *v.valve);
    sound_event_code = kSoundPush;
    *v.auto_close = 0;
  });
}

// Engine bleed: 0 off, 1 on lit, 2 on dark.
int32_t FlipBleed(int32_t v) { return v == 0 ? 2 : (v == 1 || v == 2) ? 0 : v; }

void EngineBleedClicks() {
  OnRequest(RO_REQ(l_eng_bleed_clicked), [](double) {
    l_eng_bleed = FlipBleed(l_eng_bleed);
    UpdateOverheadLights();
    // Looked up here as well: the lights routine is not the place to rely on for this id.
    NV_SET(l_eng_bleed, l_eng_bleed);
    sound_event_code = kSoundPush;
  });
  OnRequest(RO_REQ(r_eng_bleed_clicked), [](double) {
    r_eng_bleed = FlipBleed(r_eng_bleed);
    NV_SET(r_eng_bleed, r_eng_bleed);
    sound_event_code = kSoundPush;
  });
}

// Without a running APU the valve waits at 1 until the APU logic moves it.
void ApuBleedClick() {
  OnRequest(RO_REQ(apu_bleed_clicked), [](double) {
    switch (apu_bleed) {
      case kValveClosed:
        if (Powered()) {
          apu_bleed = kValveOpening;
          if (apu_mode >= 2) apu_bleed_on_timer = kValveTransitTicks;
        } else {
          apu_bleed = kValveOpen;
        }
        break;
      case kValveOpening: apu_bleed = kValveClosed; break;
      case kValveOpen:
        if (apu_mode == 2 && Powered()) {
          apu_bleed = kValveClosing;
          apu_bleed_off_timer = kValveTransitTicks;
        } else {
          apu_bleed = kValveClosed;
        }
        break;
      default: break;
    }
    NV_SET(apu_bleed, apu_bleed);
    sound_event_code = kSoundPush;
  });
}

// The IRS and yaw damper routines publish their switches and queue their own sounds.
void RoutineClick(const char* req, uint32_t* req_id, void (*routine)()) {
  OnRequest(req, req_id, [routine](double) { routine(); });
}

// The 3-D cockpit's buttons press the 2-D panel's: the reference EPR, which the FLCH thrust flies,
// comes with the mode.
void ThrustModeClicks() {
  OnRequest(RO_REQ(tmsp_toga_clicked), [](double) { PressTmspTo(); });
  const auto set_mode = [](const char* req, uint32_t* req_id, int32_t mode) {
    OnRequest(req, req_id, [mode](double) { SelectThrustMode(mode); });
  };
  set_mode(RO_REQ(tmsp_clb_clicked), 3);
  set_mode(RO_REQ(tmsp_clb1_clicked), 4);
  set_mode(RO_REQ(tmsp_clb2_clicked), 5);
  set_mode(RO_REQ(tmsp_con_clicked), 7);
  OnRequest(RO_REQ(tmsp_crz_clicked), [](double) { PressTmspCrz(); });
  OnRequest(RO_REQ(tmsp_temp_sel_incr_clicked), [](double) { to_temp_incr_req = 1; });
  OnRequest(RO_REQ(tmsp_temp_sel_decr_clicked), [](double) { to_temp_decr_req = 1; });
}

// Lower EICAS: 0 blank, 1 engine page, 2 status page.
void EicasClicks() {
  OnRequest(RO_REQ(eng_lwr_eicas_clicked), [](double) {
    if (lower_eicas_mode == 0 || lower_eicas_mode == 2) {
      lower_eicas_mode = 1;
    } else if (lower_eicas_mode == 1) {
      lower_eicas_mode = 0;
    }
    NV_SET(eng_lwr_eicas, lower_eicas_mode);
  });
  OnRequest(RO_REQ(sts_lwr_eicas_clicked), [](double) {
    lower_eicas_mode = 2;
    NV_SET(sts_lwr_eicas, 2.0);
  });
  OnRequest(RO_REQ(eicas_msg_recall_clicked), [](double) { eicas_recall_req = 1; });
  OnRequest(RO_REQ(eicas_msg_cancel_clicked), [](double) { eicas_cancel_req = 1; });
}

}  // namespace

void PollAirIrsTmspEicasClicks() {
  PackClick(&l_pack_switch, &l_pack_reset, RO_REQ(l_pack_switch), RO_REQ(l_pack_switch_clicked));
  PackClick(&r_pack_switch, &r_pack_reset, RO_REQ(r_pack_switch), RO_REQ(r_pack_switch_clicked));
  IsolationValveClick();
  AntiIceClick({&wing_anti_ice_valve, &wing_anti_ice_on_timer, &wing_anti_ice_off_timer, &wing_anti_ice_timer},
               RO_REQ(wing_anti_ice_valve), RO_REQ(wing_anti_ice_valve_clicked));
  AntiIceClick({&l_eng_anti_ice_valve, &l_eng_anti_ice_open_timer, &l_eng_anti_ice_close_timer,
                &l_eng_anti_ice_timer},
               RO_REQ(l_eng_anti_ice_valve), RO_REQ(l_eng_anti_ice_valve_clicked));
  AntiIceClick({&r_eng_anti_ice_valve, &r_eng_anti_ice_open_timer, &r_eng_anti_ice_off_timer, &r_eng_anti_ice_timer},
               RO_REQ(r_eng_anti_ice_valve), RO_REQ(r_eng_anti_ice_valve_clicked));
  EngineBleedClicks();
  ApuBleedClick();
  OnRequest(RO_REQ(nav_radio_mode_clicked), [](double) {
    nav_radio_mode = nav_radio_mode == 1 ? 0 : 1;
    NV_SET(nav_radio_mode, nav_radio_mode);
    sound_event_code = kSoundClick;
  });
  RoutineClick(RO_REQ(irs_l_anun_knob_clicked), SyncYawIrsL);
  RoutineClick(RO_REQ(irs_c_anun_knob_clicked), SyncYawIrsC);
  RoutineClick(RO_REQ(irs_r_anun_knob_clicked), SyncYawIrsR);
  RoutineClick(RO_REQ(l_yaw_damper_clicked), SyncYawDampers2);
  RoutineClick(RO_REQ(r_yaw_damper_clicked), SyncYawDampersR);
  ThrustModeClicks();
  EicasClicks();
}

void UpdateProbeHeatLight() {
  const double shown = NV_GET(probe_heat_anun);
  if (shown != static_cast<double>(probe_heat_anun)) NV_SET(probe_heat_anun, probe_heat_anun);
}

}  // namespace click_poller
