#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/index_pages.h"
#include "cdu/pages/pos_init_page.h"
#include "fmc/fmc_globals.h"
#include "fmc/gps_uplink.h"
#include "fmc/perf_tables.h"
#include "fmc/route_files.h"
#include "fmc/route_model.h"
#include "sim/tick_globals.h"
#include "state/fuel_file.h"
#include "state/panel_state_files.h"

namespace {

constexpr double kSearchBelowKt = 30.0;
constexpr const char* kNoFix = "----";

// SAVE FPL: the active route as a route file, named by the scratchpad or, when it is empty, by the
// route's two airports; ".RTE" is added to a name without a point.
void SaveFlightPlan() {
  if (fms_fpln_active < 3 || fp_cnt < 1) {
    cdu_message = "NO ACTIVE FLIGHT PLAN";
    return;
  }
  std::string name = cdu_scratchpad;
  if (name.empty()) name = fms_fpln_act[0].ident + fms_fpln_act[ClampedLastRow(fp_cnt)].ident;
  if (name.find('.') == std::string::npos) name += ".RTE";
  // The name is typed by the pilot: it must not reach outside the plan folder, and STORED FLIGHT
  // PLANS must list and load what it saves.
  if (!IsSafePlanFileName(name) || !IsStoredRouteFileName(name)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  cdu_message = WriteRouteFile(name) == 1 ? name + " Saved" : name + "Unable to Save";
  cdu::AcceptEntry();
}

void OpenPosInit() {
  fms_page = kCduPagePosInit;
  if (ground_speed < kSearchBelowKt) FindNearestRefAirport();
}

void OpenTakeoffRef() {
  fms_page = kCduPageTakeoffRef;
  if (to_flaps > 0) ComputeTakeoffSpeeds(to_flaps);
}

void OpenApproachRef() {
  fms_page = kCduPageApproachRef;
  SelectSpeedsByWeight();
}

void OpenRefNavData() {
  fms_page = kCduPageRefNavData;
  cur_fix_ident = kNoFix;
  cur_fix_extra.clear();  // no fix, no frequency
}

void OpenStoredPlans() {
  fms_page = kCduPageStoredFlightPlans;
  LoadFplList();
}

void OpenStoredPanels() {
  fms_page = kCduPageStoredPanels;
  ListPanelStates();
}

void SavePanel() {
  SavePanelState(cdu_scratchpad);  // reports its own outcome; an empty name makes its own
  cdu_scratchpad.clear();
}

struct Prompt {
  int32_t lsk;
  double x, y;
  const char* text;
  void (*action)();
};

const Prompt kIndexPrompts[] = {
    {cdu_lsk_code::k1L, 0, 43, "<IDENT", [] { fms_page = kCduPageIdent; }},
    {cdu_lsk_code::k1L + 1, 0, 88, "<POS", OpenPosInit},
    {cdu_lsk_code::k1L + 2, 0, 132, "<PERF", [] {
       fms_page = kCduPagePerfInit;
       perf_page = 1;
     }},
    {cdu_lsk_code::k1L + 3, 0, 175, "<TAKEOFF", OpenTakeoffRef},
    {cdu_lsk_code::k5L, 0, 220, "<APPROACH", OpenApproachRef},
    {cdu_lsk_code::k6L, 0, 263, "<ANN STATUS", [] { fms_page = kCduPageAnnouncementStatus; }},
    {cdu_lsk_code::k1R, 260, 43, "NAV DATA>", OpenRefNavData},
    {cdu_lsk_code::k1R + 1, 215, 88, "FLIGHT PLANS>", OpenStoredPlans},
    {cdu_lsk_code::k1R + 2, 210, 132, "LOAD ATC RTE>", UplinkGpsRoute},  // the page stays; it reports itself
    {cdu_lsk_code::k1R + 3, 265, 175, "LOAD PNL>", OpenStoredPanels},
    {cdu_lsk_code::k5R, 265, 220, "SAVE PNL>", SavePanel},
    {cdu_lsk_code::k6R, 265, 263, "SAVE FPL>", SaveFlightPlan},
};

const Prompt kFuelPrompts[] = {
    {cdu_lsk_code::k1L, 0, 43, "<LOAD FUEL>", LoadFuelCfg},
};

template <size_t N>
void ApplyAndDraw(cdu::CduScreen& cdu, const Prompt (&prompts)[N]) {
  for (const Prompt& p : prompts) {
    if (cdu_lsk == p.lsk) p.action();
  }
  for (const Prompt& p : prompts) cdu.Text(p.x, p.y, p.text);
}

}  // namespace

void DrawInitRefIndexPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  if (init_ref_page != 2) init_ref_page = 1;
  cdu.Title(63, "INIT/REF  INDEX");
  cdu.Text(300, 0, cdu::Format("%d / 2", init_ref_page));
  // Each paging key switches sub-pages, so both pressed together cancel out.
  if (cdu_prev_page == 1) init_ref_page = 3 - init_ref_page;
  if (cdu_next_page == 1) init_ref_page = 3 - init_ref_page;

  if (init_ref_page == 1) {
    ApplyAndDraw(cdu, kIndexPrompts);
  } else {
    ApplyAndDraw(cdu, kFuelPrompts);
  }
  cdu.ScratchpadLine();
}
