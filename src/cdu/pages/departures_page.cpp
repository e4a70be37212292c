// DEP/ARR INDEX (page 24) and DEPARTURES (page 10): the index opens the departure or arrival
// choice for the route's airports; DEPARTURES offers the origin's SIDs, the chosen SID's
// transitions and the runways, each choice going to the departure procedure code.
//
// Reads the origin block's pick lists (SIDs, transitions, runways), the selections and the route
// state. Writes the DEPARTURES page state (dep_page_no, dep_page_cnt, dep_sel_state,
// dep_trans_chosen), the ARRIVALS opening state and fms_page.
#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/dep_arr_common.h"
#include "fmc/dep_proc.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_lists.h"
#include "fmc/proc_route.h"
#include "fmc/route_state.h"
#include "navdb/navdb_globals.h"

namespace {

using cdu::Font;
using dep_arr::kLinesPerPage;

constexpr int32_t k2R = cdu_lsk_code::k1R + 1;
constexpr double kRunwayX = 340.0;
constexpr double kRunwayTagX = 193.0;
constexpr int kSeparatorDashes = 27;

// The origin block's lists, their counts held inside the tables.
dep_arr::ProcColumn SidColumn() {
  const AirportRecord& o = airport_recs[1];
  return dep_arr::ProcColumn{o.sid_list,
                             std::clamp<int32_t>(o.sid_list_cnt, 0, kAirportSidListRows - 1),
                             o.trans_list,
                             std::clamp<int32_t>(o.trans_list_cnt, 0, kAirportTransListRows - 1),
                             sid_sel,
                             sid_trans_sel,
                             dep_sel_state,
                             dep_trans_chosen,
                             sid_idx,
                             SelectDepProcedure,
                             0.0,
                             "  S I D S",
                             true};
}

int32_t DepRunwayCount() { return std::clamp<int32_t>(airport_recs[1].rwy_list_cnt, 0, kAirportRwyListRows - 1); }

int32_t DeparturesPageCount(const dep_arr::ProcColumn& sids) {
  return dep_arr::PagesFor(std::max(dep_arr::ColumnRows(sids), DepRunwayCount()));
}

void DrawRunwayColumn(cdu::CduScreen& cdu, int32_t first) {
  cdu.Text(270, dep_arr::kTopLabelY, "R U N W A Y S", Font::kSmall);
  if (dep_rwy_chosen == 1) {
    cdu.Data(1, kRunwayX, cdu::Format("%-3s", dep_rwy_sel.c_str()));
    cdu.Data(1, kRunwayTagX, dep_arr::ChosenTag());
    return;
  }
  const AirportRecord& o = airport_recs[1];
  for (int32_t line = 1; line <= kLinesPerPage; ++line) {
    const int32_t row = first + line - 1;
    if (row < 1 || row > DepRunwayCount()) break;
    const std::string ident(TextOf(o.rwy_list[row]));
    cdu.Data(line, kRunwayX, cdu::Format("%-3s", ident.c_str()));
    if (ident == dep_rwy_sel) cdu.Data(line, kRunwayTagX, dep_arr::ChosenTag());
  }
}

}  // namespace

void DrawDepArrIndexPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);

  if (cdu_lsk == cdu_lsk_code::k1L && orig_ident != kNoProcSelection) {
    ResetDepArrSelection();
  } else if (cdu_lsk == k2R && LoadedDestination() != kNoProcSelection) {
    fms_page = kCduPageArrivals;
    arr_page = 1;
    if (arr_sel_state == 1) arr_sel_state = 2;
    star_trans_chosen = 0;
    BuildStarList(kNoProcSelection);
    BuildArrRunwayList(kNoProcSelection);
    arr_rwy_chosen = 0;
    appr_chosen = 0;
    appr_trans_chosen = 0;
  }

  cdu.Title(100, "DEP/ARR  INDEX");
  cdu.Text(310, 5, "1 / 1", Font::kSmall);
  cdu.Data(1, -5, "< DEP");
  cdu.Data(1, 150, orig_ident);
  cdu.Text(150, 88, LoadedDestination());
  cdu.Text(330, 88, "ARR>");
  cdu.ScratchpadLine();
}

void DrawDeparturesPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);

  dep_page_cnt = DeparturesPageCount(SidColumn());
  cdu::ApplyPaging(&dep_page_no, dep_page_cnt);

  // The key first, so that the columns show the choice it made.
  const int32_t first_row = dep_arr::FirstRowOfPage(SidColumn(), dep_page_no);
  dep_arr::ApplyColumnKey(SidColumn(), dep_page_no, &dep_page_no);
  // A chosen runway is shown alone: the other rows are off the page, and no key may pick one of them.
  if (cdu::PendingRight() && cdu::PendingLine() <= kLinesPerPage && dep_rwy_chosen != 1) {
    SelectDepRunway(first_row + cdu::PendingLine() - 1);
  }
  dep_arr::ApplyLine6Key();

  const dep_arr::ProcColumn sids = SidColumn();
  dep_page_cnt = DeparturesPageCount(sids);
  if (dep_page_no < 1 || dep_page_no > std::max(dep_page_cnt, 1)) dep_page_no = 1;

  cdu.Text(-5, 0, cdu::Format("   %4s DEPARTURES", orig_ident.c_str()));
  cdu.Text(310, 0, cdu::Format("%2d / %2d", dep_page_no, dep_page_cnt), Font::kSmall);
  dep_arr::DrawColumn(cdu, sids, dep_page_no);
  DrawRunwayColumn(cdu, dep_arr::FirstRowOfPage(sids, dep_page_no));
  dep_arr::DrawBottom(cdu, kSeparatorDashes);
}
