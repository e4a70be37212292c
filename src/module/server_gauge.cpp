#include "module/server_gauge.h"

#include <cstring>
#include <iterator>

#include "afds/afds_globals.h"
#include "afds/overhead_pass.h"
#include "afds/restored_modes.h"
#include "afds/sound_dispatch.h"
#include "afds/sound_engine.h"
#include "afds/mcp_knobs.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/thrust_limits.h"
#include "module/display_gauges.h"
#include "sim/sim_globals.h"
#include "module/main_update.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/tcas_link.h"
#include "base/int_conversion.h"
#include "module/module_entry.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/sim_access.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "platform/paths.h"
#include "state/aircraft_id.h"
#include "state/config_file.h"
#include "state/initial_panel_state.h"
#include "state/panel_state_files.h"
#include "state/state_globals.h"
#include "state/title_rules.h"

namespace {

constexpr uint32_t kWindow37 = 37;  // while shown beside the 2-D panel, the panel is toggled
constexpr uint32_t kGroundStartEvent = 0x101F5;
constexpr int32_t kGroundStartValue = 200;
constexpr int kMaxTcasAttempts = 20;
constexpr int kLastServerPhase = 17;

// Names of the messages that write their name to the log; null for those that do not.
constexpr const char* kLoggedServiceNames[] = {
    "PRE_QUERY",     "POST_QUERY",  "PRE_INSTALL", "POST_INSTALL", nullptr,      nullptr,
    nullptr,         "POST_UPDATE", "PRE_GENERATE", "POST_GENERATE", "PRE_DRAW", "POST_DRAW",
    "PRE_KILL",      "POST_KILL",   nullptr,       "DISCONNECT",   "PANEL_OPEN", "PANEL_CLOSE"};

void LogServiceName(int32_t service_id) {
  if (service_id < 0 || service_id >= static_cast<int32_t>(std::size(kLoggedServiceNames))) return;
  if (const char* name = kLoggedServiceNames[service_id]) LogLine("PANEL_SERVICE_%s: \n\n", name);
}

bool Logging() { return LogFlightData == 1 && log_file != nullptr; }

bool WindowShown(uint32_t ident) { return host::IsPanelWindowVisible(ident) != 0; }

// The simulator's aircraft title, lower-cased byte by byte (ASCII letters only).
void ReadAircraftTitle() {
  aircraft = sim::ExpressionText("(A:TITLE,string)");
  for (char& c : aircraft) c = platform::LowerAscii(c);
  ApplyFreighterTitleRuleOnFirstTitle();
}

void StartupState0() {
  if (named_vars_registered == 0) RegisterNamedVars();
  NV_SET(ias_show, 1.0);
  if (panelstatus_init_done == 0) NV_SET(ov_panelstatus_init, 0.0);
  if (lite_mode == 0) NV_SET(vs_show, 0.0);
  NV_SET(adf_freq, ReadAdfFrequency());
  NV_SET(ov_animationlock, 0.0);
  to_epr_temp_sel = -99.0;
  if (cfg_loaded == 0) {
    // The built-in take-off and approach data stand until the file says otherwise.
    to_flaps = ToFlaps;
    ldg_flaps = LdgFlaps;
    v1 = v1_set = cfg_v1;
    vr = vr_set = cfg_vr;
    v2 = v2_set = cfg_v2;
    vref = cfg_vref;
    ReadConfigFile();
    InitPerformanceTables();
  }
  LoadMissingData();
  if (pnl_list_cnt == 0) ListPanelStates();
  NV_SET(ldg_checklist, ldg_checklist);
  if (DisplayVCOnLoad == 1) NV_SET(ov_vc_show, 1.0);
  if (DisplayWVOnLoad == 1) NV_SET(ov_wv_show, 1.0);
  if (play_announcements == 1) NV_SET(ov_cabin_announcements, 1.0);
  server_start_state = 1;
}

void StartupState1() {
  thr_ref_to_req = 1;
  tmsp = 1;
  to_epr_temp_sel = ReadTokenVar350();
  epr_bug = GetThrustLimitEpr(0.0);
  epr_bug_2 = epr_bug;
  FillSimRootIfEmpty();
  if (ground_key_sent == 0 && ReadOnGround() != 0 && ground_speed < 3.0) {
    host::TriggerKeyEvent(kGroundStartEvent, kGroundStartValue);
    ground_key_sent = 1;
  }
  server_start_state = 2;
}

void ServerPreInitialize() {
  connect_stuff();
  if (server_start_state == 0) StartupState0();
  if (server_start_state == 1) StartupState1();
  speed_mode_select_prev = TruncToI32(NV_GET(speed_mode_select));
}

void ServerPreUpdate(const gauge::GaugeHeader* gauge) {
  MainUpdate();
  // After the tick, as a button press is taken: its master then stands when the next tick samples it.
  ResumeRestoredModes();
  if (IdentificationPending()) {
    ReadAircraftTitle();
    if (simver < 10) DetectSimVersion();
    aircraft_identified = FindAircraftCfg();
  }
  bool systems_pass = true;
  if (WindowShown(panel_window::kMain)) {
    const bool is_vc = GaugeParameterIs(gauge, "VC");
    if (WindowShown(kWindow37)) host::TogglePanelWindow(panel_window::kMain);
    // The 3-D cockpit instance leaves the systems pass to the 2-D panel's instance.
    systems_pass = !is_vc;
  }
  if (systems_pass) {
    if (++server_phase > kLastServerPhase) server_phase = 0;
    UpdateOverheadVars();
    ProcMcpKnobs();
    if (toc == 1 && tod == 0 && Logging()) WriteThrLog();
  }
  if (sound_available != 0) ProcSounds();
}

void ServerPostUpdate() {
  LogServiceName(gauge::kPostUpdate);
  LogLine(tcas_serv == nullptr ? "tcas_serv == NULL\n" : "tcas_serv != NULL ***\n");
  LogLine("tcas_server_connect=%d , tcas_flag=%d\n", tcas_server_connect, tcas_flag);
  // Slot 0 of the redraw cycle only, once a run (every frame of a run sees its slots, and each
  // server instance posts); the count also runs while a connection is reported but its service
  // record has not arrived.
  if (tcas_serv == nullptr && tcas_flag < kMaxTcasAttempts && RedrawSlotPassed(0) && TicksDue(&tcas_retry_run) > 0) {
    if (tcas_server_connect == 0) TryConnectTcas('B');
    ++tcas_flag;
  }
}

void ServerConnectToWindow() {
  FillSimRootIfEmpty();
  if (simver < 10) DetectSimVersion();
  // A panel reload without a disconnect: drop the old registration so it is made once again.
  if (pre_kill_seen == 1 && disconnect_seen == 0) dis_connect_stuff();
  connect_stuff();
  if (named_vars_registered == 0) RegisterNamedVars();
  ReadAircraftTitle();
  RunIdentificationStep();
}

// Clears the hydraulic-failure bits this module set in the simulator, on a link of its own.
void ClearHydraulicFailures() {
  if (hyd_fail_l_sent != 1 && hyd_fail_r_sent != 1 && hyd_fail_c_sent != 1) {
    if (FsuipcOpenShared()) FsuipcClose();
    return;
  }
  if (!FsuipcWriteByte(0x32F8, 0)) return;
  FsuipcClear32F8();
  hyd_fail_l_sent = hyd_fail_r_sent = hyd_fail_c_sent = 0;
  FsuipcClear32F8();
}

void ServerDisconnect() {
  LogServiceName(gauge::kDisconnect);
  disconnect_seen = 1;
  dis_connect_stuff();
  if (named_vars_registered != 0) UnregisterNamedVars();
  StopGdiplusIfStarted();
  ClearHydraulicFailures();
}

}  // namespace

void ServerGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t /*extra*/) {
  OpenDebugLogIfEnabled();
  switch (service_id) {
    case gauge::kPreInstall:
      LogServiceName(service_id);
      FillSimRootIfEmpty();
      StartGdiplusOnce();
      connect_stuff();
      break;
    case gauge::kPostInstall:
      LogServiceName(service_id);
      connect_stuff();
      break;
    case gauge::kPreInitialize:
      ServerPreInitialize();
      break;
    case gauge::kPostInitialize:
      connect_stuff();
      break;
    case gauge::kPreUpdate:
      ServerPreUpdate(gauge);
      break;
    case gauge::kPostUpdate:
      ServerPostUpdate();
      break;
    case gauge::kPostGenerate:
      LogServiceName(service_id);
      LogLine("initialize_server=%d \n\n", initialize_server);
      if (initialize_server == 0) {
        // The automatic snapshot is checked against the title, which the identification step may
        // not have read yet.
        if (aircraft.empty()) ReadAircraftTitle();
        InitPanelState();
      }
      break;
    case gauge::kPreKill:
      pre_kill_seen = 1;
      LogServiceName(service_id);
      break;
    case gauge::kConnectToWindow:
      ServerConnectToWindow();
      break;
    case gauge::kDisconnect:
      ServerDisconnect();
      break;
    default:
      LogServiceName(service_id);
      break;
  }
}

void FmsGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t /*extra*/) {
  switch (service_id) {
    case gauge::kConnectToWindow:
      CduConnectToWindow();
      break;
    case gauge::kPreUpdate:
      MainUpdate();
      // The EXEC light: a route activated or modified and waiting for EXEC.
      if (fms_fpln_active == 2 || fms_fpln_active == 4) {
        gauge::ShowElement(gauge, 2);
      } else {
        gauge::HideElement(gauge, 2);
      }
      break;
    case gauge::kPreDraw:
      CduScreenPreDraw(gauge, 1);
      break;
    case gauge::kDisconnect:
      StopGdiplusIfStarted();
      break;
    default:
      break;
  }
}
