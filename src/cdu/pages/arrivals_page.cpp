// ARRIVALS (page 11): the destination's STARs with the chosen STAR's transitions on the left; on
// the right the approaches followed by the runways, then, once an approach is chosen, that approach
// with its transitions (the IAF list), or once a runway is chosen, that runway alone.
//
// Reads the destination block's pick lists and IAF list, appr_list, the selections and the route
// state. Writes the ARRIVALS page state (arr_page, arr_page_cnt, arr_sel_state, star_trans_chosen,
// appr_chosen, appr_trans_chosen, arr_appr_sel, arr_appr_trans_sel), the approach working
// selections (appr_sel, appr_trans_sel, arr_rwy_cur, arr_rwy_sel), fms_dest_rwy_pos for an approach
// to no runway, and fms_page.
#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/dep_arr_common.h"
#include "fmc/arr_proc.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_choice.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_state.h"
#include "navdb/approach_lists.h"
#include "navdb/navdb_globals.h"

namespace {

using cdu::Font;
using dep_arr::kLinesPerPage;

constexpr int32_t kApproachListRows = 50;
constexpr int32_t kTransPerPage = 4;  // approach transitions fill lines 2-5
constexpr double kTagX = 193.0;
constexpr double kRunwayX = 330.0;
constexpr double kRunwayLabelX = 270.0;
constexpr double kRunwayLabelAbove = 14.0;
constexpr double kApproachRight = 380.0;
constexpr double kApproachCell = 16.0;
constexpr double kTransRight = 385.0;
constexpr double kTransCell = 17.0;
constexpr double kChosenX = 280.0;
constexpr int kSeparatorDashes = 28;

dep_arr::ProcColumn StarColumn() {
  const AirportRecord& d = airport_recs[2];
  return dep_arr::ProcColumn{d.star_list,
                             std::clamp<int32_t>(d.star_list_cnt, 0, kAirportStarListRows - 1),
                             d.trans_list,
                             std::clamp<int32_t>(d.trans_list_cnt, 0, kAirportTransListRows - 1),
                             star_sel,
                             star_trans_sel,
                             arr_sel_state,
                             star_trans_chosen,
                             star_idx,
                             SelectArrProcedure,
                             -5.0,
                             "  S T A R S",
                             false};
}

int32_t ApproachCount() { return std::clamp<int32_t>(appr_list_cnt, 0, kApproachListRows); }
int32_t RunwayCount() { return std::clamp<int32_t>(airport_recs[2].rwy_list_cnt, 0, kAirportRwyListRows - 1); }
int32_t IafCount() { return std::clamp<int32_t>(airport_recs[2].iaf_cnt, 0, kAirportIafListRows - 1); }

// The runways follow the approaches in the right column; with no approach they leave one line empty.
int32_t RunwayBase() { return std::max(ApproachCount(), 1); }

int32_t RightColumnRows() {
  if (appr_chosen == 1) return appr_trans_chosen == 1 ? 2 : IafCount() + 1;
  if (arr_rwy_chosen == 1) return 1;
  return IafCount() + RunwayCount() + ApproachCount() + (ApproachCount() == 0 ? 1 : 0);
}

int32_t ArrivalsPageCount(const dep_arr::ProcColumn& stars) {
  int32_t n = dep_arr::PagesFor(std::max(dep_arr::ColumnRows(stars), RightColumnRows()));
  // Four transitions a sub-page: enough sub-pages to reach the last one.
  if (appr_chosen == 1 && appr_trans_chosen != 1) n = std::max(n, (IafCount() + kTransPerPage - 1) / kTransPerPage);
  return n;
}

std::string ApproachText(int32_t row) { return appr_list[row].identifier + appr_list[row].runway; }

std::string TransName(int32_t row) { return std::string(TextOf(airport_recs[2].iaf_list[row].name)); }

int32_t TransRowOnLine(int32_t page, int32_t line) { return kTransPerPage * page - 3 + line - 2; }

// An approach or transition the route cannot take is refused whole, the runway its approach chose
// (and the STAR re-inserted for it) included.
void ChooseApproach(int32_t row) {
  ChooseWhole([&] {
    arr_appr_sel = row;
    arr_appr_trans_sel = 0;
    appr_sel = appr_list[row].identifier;
    arr_rwy_cur = appr_list[row].runway;
    arr_rwy_sel = arr_rwy_cur;
    const int32_t rwy_row = FindArrRunwayIndex();
    // An approach to no runway of the list (a circling one) leaves no runway of an earlier choice.
    if (rwy_row == 0) fms_dest_rwy_pos = 0;
    if (!SelectArrRunway(rwy_row)) return false;
    appr_trans_sel = kNoProcSelection;
    BuildApproachLegList();
    if (!InsertTmpApprRoute(1)) return false;
    BuildIafList();
    appr_chosen = 1;
    arr_page = 1;
    return true;
  });
}

void ChooseApproachTransition(int32_t row) {
  ChooseWhole([&] {
    arr_appr_trans_sel = row;
    appr_trans_sel = TransName(row);
    BuildApproachLegList();
    if (!InsertTmpApprRoute(1)) return false;
    appr_trans_chosen = 1;
    return true;
  });
}

void ApplyRightKey(int32_t page) {
  const int32_t line = cdu::PendingLine();
  if (!cdu::PendingRight() || line < 1 || line > kLinesPerPage) return;
  const int32_t position = kLinesPerPage * (page - 1) + line;
  if (appr_chosen == 1) {
    const int32_t row = TransRowOnLine(page, line);
    if (line >= 2 && row >= 1 && row <= IafCount()) ChooseApproachTransition(row);
  } else if (arr_rwy_chosen == 1) {
    return;  // the chosen runway is shown alone: no key picks a row that is off the page
  } else if (position <= ApproachCount()) {
    ChooseApproach(position);
  } else {
    SelectArrRunway(position - RunwayBase());  // a line past the runways names no row
  }
}

void DrawChosenApproach(cdu::CduScreen& cdu, int32_t page) {
  const std::string approach = appr_sel + arr_rwy_cur;
  cdu.Data(1, kTagX, dep_arr::ChosenTag());
  cdu.Data(1, kChosenX, cdu::Format("%*s", 8, approach.c_str()));
  cdu.Text(300, 73, "T R A N S", Font::kSmall);
  if (appr_trans_chosen == 1) {
    cdu.Data(2, kTagX, dep_arr::ChosenTag());
    cdu.Data(2, kChosenX, cdu::Format("%*s", 8, appr_trans_sel.c_str()));
    return;
  }
  if (IafCount() == 0) {
    cdu.Text(200, 88, "-NONE-");
    return;
  }
  for (int32_t line = 2; line <= kLinesPerPage; ++line) {
    const int32_t row = TransRowOnLine(page, line);
    if (row < 1 || row > IafCount()) break;
    cdu.TextRight(cdu::DataY(line), TransName(row), Font::kLarge, kTransRight, kTransCell);
    if (row == arr_appr_trans_sel) cdu.Data(line, kTagX, dep_arr::ChosenTag());
  }
}

void DrawRunway(cdu::CduScreen& cdu, int32_t line, const std::string& ident, bool first) {
  const double y = cdu::DataY(line);
  if (first) cdu.Text(kRunwayLabelX, y - kRunwayLabelAbove, "R U N W A Y S", Font::kSmall);
  cdu.Text(kRunwayX, y, cdu::Format("%-3s", ident.c_str()));
  if (ident == arr_rwy_sel) cdu.Text(kTagX, y, dep_arr::ChosenTag());
}

void DrawApproachesAndRunways(cdu::CduScreen& cdu, int32_t page) {
  const int32_t first = kLinesPerPage * (page - 1) + 1;
  if (page <= 1 || first <= ApproachCount()) cdu.Text(220, dep_arr::kTopLabelY, "A P P R O A C H E S", Font::kSmall);
  for (int32_t line = 1; line <= kLinesPerPage; ++line) {
    const int32_t position = first + line - 1;
    const double y = cdu::DataY(line);
    if (position <= ApproachCount()) {
      cdu.TextRight(y, ApproachText(position), Font::kLarge, kApproachRight, kApproachCell);
      if (position == arr_appr_sel) cdu.Text(kTagX, y, dep_arr::ChosenTag());
      continue;
    }
    const int32_t r = position - RunwayBase();
    if (r == 1 && RunwayCount() == 0) {
      cdu.Text(275, y + 1, "-NONE -");
    } else if (r >= 1 && r <= RunwayCount()) {
      DrawRunway(cdu, line, std::string(TextOf(airport_recs[2].rwy_list[r])), r == 1);
    }
  }
}

}  // namespace

void DrawArrivalsPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);

  arr_page_cnt = ArrivalsPageCount(StarColumn());
  if (arr_page > arr_page_cnt) arr_page = arr_page_cnt;
  cdu::ApplyPaging(&arr_page, arr_page_cnt);

  // The key first, so that the columns show the choice it made.
  dep_arr::ApplyColumnKey(StarColumn(), arr_page, &arr_page);
  ApplyRightKey(arr_page);
  dep_arr::ApplyLine6Key();

  const dep_arr::ProcColumn stars = StarColumn();
  arr_page_cnt = ArrivalsPageCount(stars);
  if (arr_page < 1 || arr_page > std::max(arr_page_cnt, 1)) arr_page = 1;

  cdu.Text(-5, 0, cdu::Format("   %s ARRIVALS", LoadedDestination().c_str()));
  cdu.PageCounter(arr_page, arr_page_cnt);
  dep_arr::DrawColumn(cdu, stars, arr_page);
  if (appr_chosen == 1) {
    DrawChosenApproach(cdu, arr_page);
  } else if (arr_rwy_chosen == 1) {
    DrawRunway(cdu, 1, arr_rwy_sel, true);
  } else {
    DrawApproachesAndRunways(cdu, arr_page);
  }
  dep_arr::DrawBottom(cdu, kSeparatorDashes);
}
