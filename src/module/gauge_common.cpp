#include "module/gauge_common.h"

#include <cstring>

#include "fmc/fmc_globals.h"
#include "fmc/route_files.h"
#include "module/module_entry.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "sim/sim_globals.h"
#include "state/aircraft_id.h"

namespace {

constexpr int kMaxIdentificationAttempts = 10;

bool WindowShown(uint32_t ident) { return host::IsPanelWindowVisible(ident) != 0; }

}  // namespace

int32_t TogglePanelWindowUnlessBlocked(uint32_t popup) {
  if (WindowShown(panel_window::kClickBlock)) return 0;
  return host::TogglePanelWindow(popup);
}

bool IdentificationPending() { return aircraft_identified == 0 && acfg_attempts < kMaxIdentificationAttempts; }

void RunIdentificationStep() {
  if (IdentificationPending()) aircraft_identified = FindAircraftCfg();
}

void StartGdiplusOnce() {
  if (gdiplus_token == 0) gdiplus_token = StartGdiplus();
}

void StopGdiplusIfStarted() {
  if (gdiplus_token != 0) gdiplus_token = StopGdiplus(gdiplus_token);
}

void LoadMissingData() {
  if (nav_apts_cnt == 0) LoadNavDatabase();
  if (fpl_list_loaded == 0) LoadFplList();
}

bool GaugeParameterIs(const gauge::GaugeHeader* gauge, const char* text) {
  return gauge != nullptr && gauge->parameters != nullptr && std::strcmp(gauge->parameters, text) == 0;
}
