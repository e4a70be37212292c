#include "cdu/pages/rte_page.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "fmc/route_model.h"

namespace rte {

namespace {

using cdu::Font;

constexpr int kRowsPerPage = 5;
constexpr double kToX = 290.0;
constexpr double kBoxCell = 20.0;
constexpr double kBoxHeight = 15.0;
constexpr int kBoxCells = 5;
constexpr int kBoxPen = 2;

bool IsOpenRow(const RteRow& row) { return row.to_fix == "THEN" || row.to_fix == "DISCO"; }

int32_t PageCount() {
  const int32_t rows = std::clamp<int32_t>(rte_row_cnt, 0, kLastRouteRow);
  return std::max(1 + (rows + 1 + kRowsPerPage - 1) / kRowsPerPage, 2);
}

void DrawOriginDestPage(cdu::CduScreen& cdu) {
  const bool mod = fms_fpln_active == 4;
  const bool has_origin = orig_ident != kNoProcSelection;
  cdu.Text(0, 26, "  O R I G I N", Font::kSmall);
  if (mod && !orig_entry.empty()) {
    cdu.Highlight(2, 42, static_cast<int32_t>(orig_entry.size()));
    cdu.Text(0, 43, orig_entry, Font::kLarge, cdu::Ink::kBlack);
  } else if (!has_origin) {
    cdu.EntryBox(5, 48, kBoxCells, kBoxCell, kBoxHeight, kBoxPen);
  } else {
    cdu.Text(-5, 43, cdu::Format("%5s", orig_ident.c_str()));
  }

  cdu.Text(300, 26, "D E S T", Font::kSmall);
  if (dest_ident.empty() || dest_ident == kNoProcSelection) {
    cdu.EntryBox(kToX, 48, kBoxCells, kBoxCell, kBoxHeight, kBoxPen);
  } else if (mod && !dest_entry.empty()) {
    cdu.Highlight(305, 42, static_cast<int32_t>(dest_entry.size()));
    cdu.Text(305, 43, dest_entry, Font::kLarge, cdu::Ink::kBlack);
  } else {
    cdu.Text(305, 43, cdu::Format("%5s", dest_ident.c_str()));
  }

  if (has_origin) {
    cdu.Text(0, 73, "  R U N W A Y", Font::kSmall);
    if (dep_rwy_sel == kNoProcSelection) {
      cdu.Text(-5, 88, "-----", Font::kDash);
    } else if (mod && IsChosen(rte_rwy_entry)) {
      cdu.Highlight(-3, 87, static_cast<int32_t>(rte_rwy_entry.size()));
      cdu.Text(-5, 88, rte_rwy_entry, Font::kLarge, cdu::Ink::kBlack);
    } else {
      cdu.Text(-5, 88, dep_rwy_sel);
    }
  }
  cdu.Text(267, 73, "C O   R O U T E", Font::kSmall);
  cdu.Text(260, 88, co_route);
  cdu.Text(5, 160, std::string(26, '-'), Font::kDash);
}

void DrawRouteRows(cdu::CduScreen& cdu, int32_t page) {
  cdu.Text(0, 26, "  V I A", Font::kSmall);
  cdu.Text(350, 26, "T O", Font::kSmall);
  int drawn = 0;
  for (int k = 1; k <= kRowsPerPage; ++k) {
    const int32_t j = kRowsPerPage * page - 9 + k - 1;
    if (j < 1 || j > std::min(rte_row_cnt, kLastRouteRow)) break;
    const RteRow& row = rte_rows[j];
    const double y = cdu::DataY(k);
    const double label_y = y - 11.0;
    if (IsOpenRow(row)) {
      cdu.Text(0, y, row.to_fix == "DISCO" ? "- - - - - -" : row.via);
      cdu.Text(180, label_y, "THEN", Font::kSmall);
      cdu.EntryBox(kToX, y + 5, kBoxCells, kBoxCell, kBoxHeight, kBoxPen);
    } else if (IsOpenRow(rte_rows[j - 1])) {
      cdu.Text(0, label_y, "- -   R O U T E    D I S C O N T I N U I T Y  -", Font::kSmall);
      cdu.Text(0, y, "------", Font::kDash);
      cdu.Text(kToX, y, cdu::Format("%7s", row.to_fix.c_str()));
    } else {
      cdu.Text(0, y, row.via);
      cdu.Text(kToX, y, cdu::Format("%7s", row.to_fix.c_str()));
    }
    ++drawn;
  }
  if (drawn < kRowsPerPage) {
    // The line after the route takes the next entry.
    const double y = cdu::DataY(drawn + 1);
    cdu.Text(0, y, "------", Font::kDash);
    cdu.Text(310, y, "-----", Font::kDash);
  }
  cdu.Text(5, 248, std::string(29, '-'), Font::kDash);
}

void DrawLine6(cdu::CduScreen& cdu) {
  cdu.ErasePrompt();
  if (fms_fpln_active == 1) {
    cdu.Text(260, cdu::kPromptY, "ACTIVATE>");
  } else if (fms_fpln_active >= 2) {
    cdu.Text(240, cdu::kPromptY, "PERF INIT>");
  }
  cdu.ScratchpadLine();
}

}  // namespace

}  // namespace rte

void DrawRtePage(DisplaySurface* surface, gfx::Graphics* graphics) {
  using namespace rte;
  cdu::CduScreen cdu(surface, graphics);

  if (cdu_rte_key == 1) {
    // The RTE key shows the route being flown, ready to be modified.
    if (fms_fpln_active == 3) CopyActiveToModRoute();
    BuildRteRows();
  }
  rte_page_cnt = PageCount();
  cdu::ApplyPaging(&rte_page, rte_page_cnt);

  // The title shows the state before the key: a change shows from the next paint.
  cdu.RouteStatePrefix(24);
  cdu.Title(92, "RTE");
  cdu.Text(210, 5, cdu::Format("%2d / %-2d", rte_page, rte_page_cnt), cdu::Font::kSmall);

  const int32_t page = rte_page;
  ApplyRteKey(page);
  if (page <= 1) {
    DrawOriginDestPage(cdu);
  } else {
    DrawRouteRows(cdu, page);
  }
  DrawLine6(cdu);
}
