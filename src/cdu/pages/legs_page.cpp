#include "cdu/pages/legs_page.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/legs_page_rows.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"

namespace rte_legs {

namespace {

using cdu::Font;

constexpr const char* kDegree = "\xB0";

bool CarriesHold(int32_t leg) { return leg >= 1 && leg <= kLastRouteRow && fms_fpln_mod[leg].hold_idx > 0; }

int32_t LastLeg() { return ClampedLastRow(fms_fpln_active == 3 ? fp_cnt : fp_mod_cnt); }

// The first leg of page `page`, before holds pull it back.
int32_t PageBase(int32_t page) {
  int32_t base = stpos;
  if (fms_fpln_active == 4 && saved_stpos > 0) {
    base = saved_stpos;
  } else if (stpos == kNoActiveLeg && page == 1) {
    base = 1;
  }
  const int64_t first = static_cast<int64_t>(base) + 5 * (static_cast<int64_t>(std::max(page, 1)) - 1);
  return static_cast<int32_t>(std::min<int64_t>(first, kRouteRows));
}

// Where page `page` begins: its first leg, and whether its first row is the hold row of the leg before
// it. Pages after the first follow on from the rows before them, leg rows and hold rows alike, so a
// hold row that closed the page before is not listed again and no leg is left out.
struct PageStart {
  int32_t first;
  bool hold_row;
};

PageStart StartOfPage(int32_t page) {
  const int32_t base = PageBase(1);
  if (page <= 1) return {base, CarriesHold(base - 1)};
  int32_t leg = CarriesHold(base - 1) ? base - 1 : base;
  bool on_hold_row = leg != base;
  for (int64_t rows = 5 * (static_cast<int64_t>(page) - 1); rows > 0 && leg <= kLastRouteRow; --rows) {
    if (!on_hold_row && CarriesHold(leg)) {
      on_hold_row = true;
    } else {
      ++leg;
      on_hold_row = false;
    }
  }
  return on_hold_row ? PageStart{leg + 1, true} : PageStart{leg, false};
}

int32_t FirstLegOfPage(int32_t page) { return StartOfPage(page).first; }

int32_t PageCount(int32_t last) {
  if (stpos == kNoActiveLeg) return 1;
  const int32_t listed_from = fms_fpln_active == 4 ? saved_stpos : stpos;
  const int32_t rows = last + 1 + hold_cnt - listed_from;
  int32_t count = rows / 5;
  if (rows > 5 * count) ++count;
  // Never below one page, so that paging back from page 1 cannot reach page 0.
  return std::max(count, 1);
}

// Magnetic course text of a leg: folded into (0, 360], as the 0.5 rule shows north as 360.
std::string CourseText(double crs_deg) {
  if (crs_deg < 0.5) crs_deg += 360.0;
  return cdu::Format("%03.0f%s", crs_deg, kDegree);
}

std::string InterceptText(double crs_deg, bool active_listing) {
  if (active_listing && crs_deg >= 360.0) crs_deg = 360.0;
  return CourseText(crs_deg);
}

void DrawLegLabel(cdu::CduScreen& cdu, double y, const RouteLeg* route, int32_t L, bool active) {
  const RouteLeg& leg = route[L];
  const RouteLeg& prev = route[L - 1];
  // The leg flown now starts at the aircraft, in a modification's listing too: the row before it
  // lies behind the aircraft (the origin, after a direct-to).
  const bool from_aircraft = active ? L == stpos : fms_fpln_active == 4 && L == saved_stpos;
  // A leg after a discontinuity (or an airway still waiting for its exit) has no course from it,
  // unless it is flown from the aircraft.
  if (IsPlaceholder(prev) && !from_aircraft) {
    cdu.Text(7, y - 15, ". .  R O U T E  D I S C O N T I N U I T Y  .", Font::kSmall);
    return;
  }
  double dist_nm = 0.0, brg_deg = 0.0;
  if (from_aircraft) {
    CalcDistBrg(plane_lat, plane_lon, leg.lat, leg.lon, &dist_nm, &brg_deg);
  } else {
    CalcDistBrg(prev.lat, prev.lon, leg.lat, leg.lon, &dist_nm, &brg_deg);
  }
  const bool intercept = (from_aircraft || (!active && L == 1)) && leg.intc_crs > -1.0;
  const std::string crs = intercept ? InterceptText(leg.intc_crs, active) : CourseText(norm360(brg_deg - mag_var));
  cdu.Text(20, y - 15, crs, Font::kSmall);
  cdu.Text(100, y - 15, cdu::Format("%5.0f NM", dist_nm), Font::kSmall);
}

void DrawConstraint(cdu::CduScreen& cdu, double y, const RouteLeg& leg, bool active) {
  // -999.0 marks no constraint; no other value at or below 0 is one either.
  const bool has_alt = leg.alt > 0.0;
  const bool has_spd = leg.ias > 0.0;
  const double alt = active && has_alt ? std::floor(leg.alt / 100.0) * 100.0 : leg.alt;
  const double spd = leg.ias;
  const double mach = active && alt >= kMachAltFt ? leg.mach : 0.0;
  const int32_t restr = leg.restr >= 0 && leg.restr <= 3 ? leg.restr : 0;
  const auto alt_text = [&] {
    return alt > trans_alt ? cdu::Format("FL%03.0f", alt / 100.0) : cdu::Format("%-5.0f", alt);
  };

  if (!has_spd && !has_alt) {
    cdu.Text(235, y, "---- /", Font::kDash);
    cdu.TextRight(y, "------", Font::kDash);
  } else if (!has_spd) {
    cdu.Text(235, y, "---- /", Font::kDash);
    cdu.TextRight(y, alt_text(), restr == 1 ? Font::kLarge : Font::kMedium);
  } else if (!has_alt) {
    cdu.TextRight(y, cdu::Format(restr == 2 ? "%5.0f / -----" : "%5.0f / ------", spd));
  } else if (restr == 3 || restr == 2) {
    cdu.Text(225, y, cdu::Format("%5.0f", spd));
    cdu.Text(300, y + 5, "/");
    cdu.TextRight(y, alt_text());
  } else if (restr == 1) {
    cdu.Text(230, y, mach > 0.1 ? cdu::Format("%.2f", mach) : cdu::Format("%5.0f", spd), Font::kMedium);
    cdu.Text(300, y, "/");
    cdu.TextRight(y, alt_text());
  } else {
    if (mach > 0.1) {
      cdu.Text(242, y, cdu::Format("%.2f /", mach), Font::kMedium);
    } else {
      cdu.Text(230, y, cdu::Format("%5.0f / ", spd), Font::kMedium);
    }
    if (alt > trans_alt) {
      cdu.Text(320, y, cdu::Format("FL%03.0f", alt / 100.0), Font::kMedium);
    } else {
      cdu.TextRight(y, cdu::Format("%-5.0f", alt), Font::kMedium);
    }
  }
}

void DrawLegRow(cdu::CduScreen& cdu, double y, int32_t L, const Layout& layout) {
  const RouteLeg* route = ListedRoute();
  const RouteLeg& leg = route[L];
  if (IsPlaceholder(leg)) {
    cdu.Text(5, y - 14, "T H E N", Font::kSmall);
    cdu.EntryBox(1, y + 5, 5, 20, 15);
    return;
  }
  DrawLegLabel(cdu, y, route, L, layout.active_listing);
  const std::string ident = cdu::Format("%-5s", leg.ident.c_str());
  if (layout.active_listing && L == stpos) {
    cdu.HighlightedText(0, y, ident, static_cast<int32_t>(leg.ident.size()) + 2);
  } else {
    cdu.Text(0, y, ident);
  }
  if (PlanMap() && L == map_ctr_leg) cdu.Text(80, y, "<CTR>");
  DrawConstraint(cdu, y, leg, layout.active_listing);
}

void DrawRows(cdu::CduScreen& cdu, const Layout& layout) {
  const RouteLeg* route = ListedRoute();
  for (int k = 0; k < kRows; ++k) {
    const Row& row = layout.rows[k];
    const double y = cdu::DataY(k + 1);
    switch (row.kind) {
      case RowKind::kLeg:
        DrawLegRow(cdu, y, row.leg, layout);
        break;
      case RowKind::kHold:
        cdu.Text(20, y - 15, "H O L D   A T", Font::kSmall);
        cdu.Text(0, y, cdu::Format("%-5s", route[row.leg].ident.c_str()));
        cdu.Text(130, y, "- - - - / - - - - - -", Font::kDash);
        break;
      case RowKind::kEnd:
        cdu.Text(0, y + 7, "- - - - - -", Font::kSmall);
        break;
      case RowKind::kNone:
        break;
    }
  }
}

void DrawLine6(cdu::CduScreen& cdu) {
  const int32_t state = fms_fpln_active;
  const bool plan = PlanMap();
  switch (cdu_prompt_mode) {
    case 0:
      if (state == 4) {
        cdu.Dots(0, 238, plan ? 18 : 24);
      } else {
        cdu.Text(0, 248, "  R N P / A C T U A L", Font::kSmall);
        if (plan) {
          cdu.Dots(180, 238, 6);
        } else {
          cdu.Dots(170, 238, 13);
        }
        cdu.Text(0, 263, "  1 . 0 0 / 0 . 0 0 N M", Font::kSmall);
      }
      if (plan) cdu.Text(290, 248, "M A P  C T R", Font::kSmall);
      break;
    case 1:
      if (state > 1) {
        cdu.Text(0, 248, ". . . . . . . . . . . . . . . . . . . . . . . . . . . . . I N T C    C R S",
                 Font::kSmall);
        // The course the entry gave the leg flown to, wherever the route has come to.
        const RouteLeg& to = fms_fpln_mod[ModActiveLeg()];
        if (to.intc_crs > -1.0) {
          cdu.Text(320, 268, cdu::Format("%03.0f%s", to.intc_crs, kDegree));
        } else {
          cdu.EntryBox(320, 268, 3, 20, 15);
        }
      }
      break;
    case 2:
      cdu.Text(0, 248, "- - - - - - - H O L D  A T  - - - - - - - - - -", Font::kSmall);
      if (pattern_leg == 0) cdu.EntryBox(5, 268, 5, 20, 15);
      if (PposHoldOn6R()) cdu.Text(250, 263, "   PPOS>");
      break;
    default:
      break;
  }

  if (PposHoldOn6R()) {
    // 6R holds at the present position; no other prompt shares its place.
  } else if (state == 1) {
    if (plan) {
      cdu.Text(250, 263, "    STEP>");
    } else {
      cdu.Text(260, 263, "ACTIVATE>");
    }
  } else if (cdu_prompt_mode != 1) {
    if (plan) {
      cdu.Text(250, 263, "    STEP>");
    } else if (state >= 2 && state <= 4) {
      cdu.Text(245, 263, "RTE DATA>");
    }
  }
  cdu.ErasePrompt();
}

}  // namespace

bool PlanMap() { return nd_mode == kPlanMode || fpnd_mode == kPlanMode; }

bool PposHoldOn6R() { return cdu_prompt_mode == 2 && stpos != kNoActiveLeg; }

const RouteLeg* ListedRoute() { return fms_fpln_active == 3 ? fms_fpln_act : fms_fpln_mod; }

int32_t ModActiveLeg() {
  int32_t leg = stpos == kNoActiveLeg ? 1 : ModifiedActiveLeg();
  if (leg < fp_mod_cnt && IsDisco(fms_fpln_mod[leg])) ++leg;
  return std::clamp(leg, 1, std::max(ClampedLastRow(fp_mod_cnt), 1));
}

Layout WorkOutRows(int32_t first, bool hold_row_first) {
  Layout layout;
  layout.active_listing = fms_fpln_active == 3;
  layout.first = first;
  layout.last = LastLeg();
  int n = 0;
  if (hold_row_first && first - 1 < layout.last) layout.rows[n++] = {RowKind::kHold, first - 1};
  for (int32_t leg = std::max(first, 1); n < kRows && leg <= layout.last; ++leg) {
    if (leg == layout.last) {
      // The last leg ends the listing; the leg flown to is listed before that end, as the maps show
      // it (a route of an origin and a destination only, or the destination once the fixes before
      // it are passed).
      if (stpos != kNoActiveLeg && leg == PageBase(1) && n + 1 < kRows) layout.rows[n++] = {RowKind::kLeg, leg};
      layout.rows[n++] = {RowKind::kEnd, leg};
      break;
    }
    layout.rows[n++] = {RowKind::kLeg, leg};
    if (n < kRows && CarriesHold(leg)) layout.rows[n++] = {RowKind::kHold, leg};
  }
  // Lines past the listing stand for the legs after it.
  for (; n < kRows; ++n) {
    layout.rows[n] = {RowKind::kNone, n == 0 ? first : layout.rows[n - 1].leg + 1};
  }
  return layout;
}

}  // namespace rte_legs

int32_t LegOfPendingChoice(int32_t typed_leg) { return std::max(typed_leg, rte_legs::PageBase(1)); }

void DrawLegsPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  using namespace rte_legs;
  cdu::CduScreen cdu(surface, graphics);

  if ((cdu_legs_key == 1 || cdu_hold_key == 1) && (fms_fpln_active == 0 || fms_fpln_active == 3)) {
    CopyActiveToModRoute();
  }
  const int32_t last = LastLeg();
  legs_page_cnt = PageCount(last);
  // A page left over from a longer route would list nothing.
  if (legs_page < 1 || legs_page > legs_page_cnt) legs_page = 1;
  const PageStart start = StartOfPage(legs_page);
  const int32_t first = start.first;
  const bool next = cdu_next_page == 1;
  const bool prev = cdu_prev_page == 1;
  // The counter shows the new page at once; its legs come with the next paint.
  cdu::ApplyPaging(&legs_page, legs_page_cnt);

  cdu.RouteStatePrefix(26);
  cdu.Title(92, "RTE    LEGS");
  cdu.PageCounter(legs_page, legs_page_cnt);

  if (PlanMap()) {
    if (next || prev) {
      const int32_t new_first = FirstLegOfPage(legs_page);
      if (prev || last > new_first) map_ctr_leg = new_first;
    } else if (map_ctr_leg == 0) {
      map_ctr_leg = first;
    }
  }

  ApplyLegsKey(WorkOutRows(first, start.hold_row));
  // The key may have changed the route and its state: the lines show the result.
  const Layout layout = WorkOutRows(first, start.hold_row);
  DrawRows(cdu, layout);
  DrawLine6(cdu);
  cdu.ScratchpadLine();
}
