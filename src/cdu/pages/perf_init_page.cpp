// PERF INIT and PERF LIMITS (page 3, DrawPerfInitPage in cdu_pages.h): sub-page 1 takes the zero-fuel
// weight, the fuel reserves, the cruise altitude and the cost index, and shows gross weight and fuel;
// sub-page 2 shows the configured speed and Mach limits of each phase.
//
// Reads the fuel on board, gross_weight, reserves, cruise_alt, pending_cruise_alt, cost_index,
// weight_unit, trans_alt, the PERF LIMITS values and the route state. Writes gross_weight,
// reserves, cruise_alt and cruise_alt_prev, cost_index and cost_index_prev, perf_page, fms_page, and
// the route state through StepFplnState and ERASE.
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/perf_texts.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/route_state.h"
#include "base/int_conversion.h"
#include "sim/fuel_tanks.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;
using cdu_perf::BoxPrompt;
using cdu_perf::ShownThousands;
namespace lsk = cdu_perf::lsk;

constexpr int32_t kPerfPageCount = 2;
constexpr double kMaxWeightLb = 2000000.0;

// A weight entry in thousands of the display unit, in pounds; false when it lies beyond the
// largest weight the pages take. The limit is tested before anything is stored.
bool WeightEntryLb(double thousands, double* lb) {
  // Tested in the entry's own unit first, so that no product of a huge entry can overflow.
  if (thousands > kMaxWeightLb) return false;
  *lb = cdu_perf::EnteredWeightLb(thousands * 1000.0);
  return *lb <= kMaxWeightLb;
}

// ZFW (no weight of 0) and RESERVES (0 takes them away).
void EnterWeight(bool zero_taken, double* weight_lb) {
  double x = 0.0, lb = 0.0;
  if (!WeightEntryThousands(cdu_scratchpad, zero_taken, &x) || !WeightEntryLb(x, &lb)) {
    return cdu::RefuseEntry(cdu::kInvalidEntry);
  }
  *weight_lb = lb;
  cdu::AcceptEntry();
}

void EnterCruiseAlt() {
  int32_t ft = 0;
  if (!cdu_perf::CruiseAltEntryFt(cdu_scratchpad, &ft)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  TakeCruiseAltEntry(ft);
  if (fms_fpln_active == 1 || fms_fpln_active == 3) StepFplnState();
  cdu::AcceptEntry();
}

void EnterCostIndex() {
  const int32_t n = ParseLeadingInt(cdu_scratchpad);
  // Text that holds no number also reads 0, so 0 counts only when typed as such.
  const bool zero_ok = n != 0 || cdu_scratchpad == "0";
  if (!CostIndexAccepted(n) || !zero_ok) return cdu::RefuseEntry(cdu::kInvalidEntry);
  KeepCostIndexForErase();
  cost_index = n;
  if (fms_fpln_active == 3) StepFplnState();
  cdu::AcceptEntry();
}

void ApplyPerfInitKey() {
  // Every entry line takes a typed number: an empty key does nothing there.
  const bool entry = cdu_lsk == lsk::k3L || cdu_lsk == lsk::k4L || cdu_lsk == lsk::k1R || cdu_lsk == lsk::k2R;
  if (entry && cdu_scratchpad.empty()) return;
  switch (cdu_lsk) {
    case lsk::k3L: return EnterWeight(false, &gross_weight);
    case lsk::k4L: return EnterWeight(true, &reserves);
    case lsk::k1R: return EnterCruiseAlt();
    case lsk::k2R: return EnterCostIndex();
    case cdu_lsk_code::k6L:
      if (fms_fpln_active == 4) {
        EraseRouteModification();
      } else {
        fms_page = kCduPageInitRefIndex;
      }
      return;
    case cdu_lsk_code::k6R:
      fms_page = kCduPageTakeoffRef;
      if (to_flaps > 0) ComputeTakeoffSpeeds(to_flaps);
      return;
    default:
      return;
  }
}

void DrawPerfInit(cdu::CduScreen& cdu) {
  cdu.RouteStatePrefix(26);
  cdu.Title(120, "PERF INIT");
  cdu.Text(280, 5, cdu::Format("%2d / %-2d", perf_page, kPerfPageCount), Font::kSmall);

  const double fuel_lb = GetTotalFuelWeight();
  cdu.Text(0, 26, "  G W / C R Z  C G", Font::kSmall);
  cdu.Text(-5, 43, cdu::Format("%-3.1f", ShownThousands(fuel_lb + gross_weight)));

  cdu.Text(290, 26, "C R Z   A L T", Font::kSmall);
  const std::string crz = cdu_perf::CruiseAltText();
  if (crz.empty()) {
    BoxPrompt(cdu, 290, 47, 5);
  } else {
    cdu.Text(320, 43, crz);
  }

  cdu.Text(0, 73, "  F U E L", Font::kSmall);
  if (fuel_lb == 0.0) {
    BoxPrompt(cdu, 0, 93, 3);
  } else {
    cdu.Text(-5, 88, cdu::Format("%-2.1f", ShownThousands(fuel_lb)));
  }

  cdu.Text(250, 73, "C O S T    I N D E X", Font::kSmall);
  if (cost_index == -1) {
    BoxPrompt(cdu, 310, 95, 3);
  } else {
    cdu.Text(310, 88, cdu::Format("%3d", cost_index));
  }

  cdu.Text(0, 118, "  Z F W", Font::kSmall);
  if (gross_weight <= 0.0) {
    BoxPrompt(cdu, 0, 139, 4);
  } else {
    cdu.Text(-5, 132, cdu::Format(" %3.1f", ShownThousands(gross_weight)));
  }

  cdu.Text(0, 160, "  R E S E R V E S", Font::kSmall);
  if (reserves == 0.0) {
    BoxPrompt(cdu, 0, 184, 3);
  } else {
    cdu.Text(0, 175, cdu::Format("%2.1f", ShownThousands(reserves)));
  }

  cdu.Text(261, cdu::kPromptY, "TAKEOFF>");
}

// One phase's limits: the minimum under MIN SPD, the maximum under MAX SPD at the right edge (the
// blanks between them would push the maximum off the screen in the CDU font).
void DrawLimits(cdu::CduScreen& cdu, double y, double min_ias, double min_mach, double max_ias, double max_mach) {
  cdu.Text(0, y, cdu::Format("%3.0f /.%3.0f", min_ias, min_mach * 1000.0));
  cdu_perf::TextEndingAt(cdu, cdu::kRightEdge, y, cdu::Format("%3.0f / .%3.0f", max_ias, max_mach * 1000.0));
}

void DrawPerfLimits(cdu::CduScreen& cdu) {
  cdu.Title(0, "PERF  LIMITS");
  cdu.Text(220, 0, cdu::Format("%2d / %2d", perf_page, kPerfPageCount), Font::kSmall);
  cdu.Text(30, 26, "  T I M E    E R R O R    T O L E R A N C E", Font::kSmall);
  cdu.Text(42, 43, "   1 5    S E C    A T    R T A    W P T", Font::kSmall);
  cdu.Text(0, 73, "  M I N    S P D     - - C L B - -           M A X    S P D", Font::kSmall);
  DrawLimits(cdu, 88, clb_min_ias, clb_min_mach, clb_max_ias, clb_max_mach);
  cdu.Text(0, 118, "                            - -  C R Z - -", Font::kSmall);
  DrawLimits(cdu, 132, crz_min_ias, crz_min_mach, crz_max_ias, crz_max_mach);
  cdu.Text(0, 160, "                            - -  D E S - -", Font::kSmall);
  DrawLimits(cdu, 175, des_min_ias, des_min_mach, des_max_ias, des_max_mach);
}

}  // namespace

void DrawPerfInitPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  if (cdu_next_page == 1) {
    perf_page = perf_page + 1 > kPerfPageCount ? 1 : perf_page + 1;
  } else if (cdu_prev_page == 1) {
    perf_page = perf_page - 1 < 1 ? kPerfPageCount : perf_page - 1;
  }
  const bool limits = perf_page != 1;
  if (limits) {
    if (cdu_lsk == cdu_lsk_code::k6L) fms_page = kCduPageInitRefIndex;
  } else {
    ApplyPerfInitKey();
  }

  if (limits) {
    DrawPerfLimits(cdu);
  } else {
    DrawPerfInit(cdu);
  }
  cdu.Text(0, 248, "-------------------------", Font::kDash);
  cdu.Text(0, cdu::kPromptY, fms_fpln_active == 4 ? "<ERASE" : "<INDEX");
  cdu.ScratchpadLine();
}
