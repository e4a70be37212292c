#include "module/tmsp_eicas_flch_gauges.h"

#include "afds/afds_globals.h"
#include "afds/flch_thrust.h"
#include "afds/afds_services.h"
#include "displays/displays_globals.h"
#include "module/gauge_common.h"
#include "sim/sim_globals.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/tcas_link.h"
#include "module/gauge_elements.h"
#include "module/main_update.h"
#include "module/module_entry.h"
#include "sim/named_vars.h"
#include "module/panel_gauge_globals.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/aircraft_id_globals.h"

namespace {

constexpr int kFlchLamp200 = 1;
constexpr int kFlchLamp300 = 2;

void EicasMsgSwConnect() {
  LogLine("PANEL_SERVICE_CONNECT_TO_WINDOW:  #10 \n\n");
  // A pre-kill without the disconnect that should follow it left the key handler registered.
  if (pre_kill_seen == 1 && disconnect_seen == 0) dis_connect_stuff();
  connect_stuff();
  FillSimRootIfEmpty();
  LoadMissingData();
}

void FlchPreUpdate(gauge::GaugeHeader* g) {
  MainUpdate();
  // Each airframe has its own lamp picture; the other one is kept dark, also when the airframe
  // changes while FLCH is lit.
  const bool long_airframe = aircraft_model == "757 - 300";
  const GaugeElements<3> el(g);
  el.Show(long_airframe ? kFlchLamp300 : kFlchLamp200, flch == 1);
  el.Hide(long_airframe ? kFlchLamp200 : kFlchLamp300);

  // The controller counts passes a tick: a frame that brought no new tick (above 18 frames a
  // second, or a second instance of the gauge) steps nothing.
  const int32_t ticks = TicksDue(&flch_gauge_run);
  if (ticks == 0) return;
  const double pitch = ReadTokenVar77();
  flch_pitch_rate = (pitch - flch_pitch) / ticks;
  flch_pitch = pitch;

  if (flch != 1) return;
  // FLCH flies the speed in the window, in the window's units, from the pass the window changes: a
  // Mach target left from the Mach window would go on being converted over the crew's airspeed.
  ReadSpeedModeSelect();
  if (speed_mode_select == 1) {
    if (target_mach != ap_mach_bug) target_mach = ap_mach_bug;
  } else {
    target_mach = 0.0;
    if (target_ias != ap_spdbug) target_ias = ap_spdbug;
  }
  ProcFlch();
}

}  // namespace

void TmspGaugeCallback(gauge::GaugeHeader*, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) {
    MainUpdate();
  } else if (service_id == gauge::kConnectToWindow) {
    LogLine("PANEL_SERVICE_CONNECT_TO_WINDOW:  #9 \n\n");
    FillSimRootIfEmpty();
  }
}

void EicasMsgSwGaugeCallback(gauge::GaugeHeader*, int32_t service_id, uintptr_t) {
  switch (service_id) {
    case gauge::kPreInstall:
      LogLine("PANEL_SERVICE_PRE_INSTALL:  #10\n\n");
      connect_stuff();
      break;
    case gauge::kPreInitialize:
      LogLine("PANEL_SERVICE_PRE_INITIALIZE: #10 \n\n");
      LogLine("pre_initialize_flag=%d \n\n", server_start_state);
      connect_stuff();
      EicasMsgSwConnect();
      break;
    case gauge::kPreUpdate: MainUpdate(); break;
    case gauge::kConnectToWindow: EicasMsgSwConnect(); break;
    case gauge::kDisconnect:
      LogLine("PANEL_SERVICE_DISCONNECT: #10 \n\n");
      disconnect_seen = 1;
      dis_connect_stuff();
      break;
    default: break;
  }
}

void EicasEngStsGaugeCallback(gauge::GaugeHeader*, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) {
    MainUpdate();
  } else if (service_id == gauge::kConnectToWindow) {
    LogLine("PANEL_SERVICE_CONNECT_TO_WINDOW:  #11 \n\n");
    FillSimRootIfEmpty();
  }
}

void FlchGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) {
    FlchPreUpdate(g);
  } else if (service_id == gauge::kConnectToWindow) {
    FillSimRootIfEmpty();
  }
}

void PressTmspTempDown() {
  to_temp_decr_req = 1;
  sound_event_code = 2;
}
void PressTmspTempUp() {
  to_temp_incr_req = 1;
  sound_event_code = 2;
}

void PressEicasCancel() { eicas_cancel_req = 1; }
void PressEicasRecall() { eicas_recall_req = 1; }
void PressEicasEng() {
  if (lower_eicas_mode == 0 || lower_eicas_mode == 2) {
    lower_eicas_mode = 1;
  } else if (lower_eicas_mode == 1) {
    lower_eicas_mode = 0;
  }
  NV_SET(eng_lwr_eicas, lower_eicas_mode);
}
void PressEicasSts() {
  lower_eicas_mode = 2;
  NV_SET(sts_lwr_eicas, 2.0);
}
