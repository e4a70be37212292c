#include "cdu/pages/select_wpt_page.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/pages/legs_page.h"
#include "fmc/fmc_globals.h"
#include "navdb/lat_lon_format.h"
#include "fmc/route_candidates.h"
#include "fmc/route_edit.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"

namespace {

constexpr int32_t kLinesPerPage = 6;
constexpr const char* kHoldAtPrefix = "HOLD AT ";

int32_t CandidateCount() { return std::clamp(nav_search_cnt, 0, kNavSearchCapacity); }

// The candidate on line 1..6 of the current sub-page; 0 when the line shows none.
int32_t CandidateOnLine(int32_t line) {
  const int32_t row = kLinesPerPage * (sel_wpt_page - 1) + line;
  return row >= 1 && row <= CandidateCount() ? row : 0;
}

const char* TypeWord(const NavRecord& r) {
  if (TextIs(r.type, "V")) return "VOR";
  if (TextIs(r.type, "N")) return "NDB";
  return "INT";  // fixes, airports and made points alike
}

void DrawCandidates(cdu::CduScreen& cdu) {
  for (int32_t line = 1; line <= kLinesPerPage; ++line) {
    const int32_t row = CandidateOnLine(line);
    if (row == 0) continue;
    const NavRecord& c = nav_search_list[row];
    const double y = cdu::DataY(line);
    const std::string ident(TextOf(c.ident));
    const std::string extra(TextOf(c.extra));
    cdu.Text(40, y, cdu::Format("%-6s  %3s  %6s", ident.c_str(), TypeWord(c), extra.c_str()));
    std::string lat_text, lon_text;
    FormatLatLonDms(c.lat, -c.lon, &lat_text, &lon_text, 1);  // the formatter takes west as positive
    cdu.Text(55, y + 20, cdu::Format("%-12s %-12s", lat_text.c_str(), lon_text.c_str()));
  }
}

void ApplyChoice() {
  const int32_t line = cdu::PendingLine();
  if (line == 0) return;
  const int32_t c = CandidateOnLine(line);
  if (cdu_return_page == kCduPageRefNavData) {
    if (c == 0) return;
    SetCurrentFix(c);
    fms_page = kCduPageRefNavData;
  } else if (cdu_return_page == kCduPageRte) {
    if (c == 0) return;
    SelectSearchResult(c);
    const int32_t before = fp_mod_cnt;
    InsertDisco(FindLegIndexOfFix(cdu_return_index));
    if (fp_mod_cnt != before) {
      BuildRteRows();
      if (fms_fpln_active == 0 || fms_fpln_active == 3) StepFplnState();
      cdu_scratchpad.clear();
    }
    fms_page = kCduPageRte;  // a refusal shows its message there
  } else if (cdu_return_index > 0) {
    if (c != 0) {
      InsertTmpFplanWpt(LegOfPendingChoice(cdu_return_index), c);
      fms_page = cdu_return_page;
    } else if (CandidateCount() == 0) {
      fms_page = cdu_return_page;  // nothing to choose: the pilot goes back to the legs
    }
    if (cdu_lsk != cdu_lsk_code::k6R) BuildRteRows();
  } else if (cdu_prompt_mode == 2) {
    // HOLD AT: RTE LEGS takes the chosen row when the pilot picks the line the fix goes on. A blank
    // line chooses nothing: no pick of an earlier list may stand in for one of this list.
    if (c != 0) {
      wpt_pick_row = c;
      cdu_scratchpad = kHoldAtPrefix + cdu_scratchpad;
      fms_page = cdu_return_page;
    } else if (CandidateCount() == 0) {
      fms_page = cdu_return_page;
    }
  }
}

}  // namespace

void DrawSelectWaypointPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  const int32_t count = CandidateCount();
  sel_wpt_page_cnt = std::max(1, (count + kLinesPerPage - 1) / kLinesPerPage);
  // A sub-page left over from a longer list would show no candidate.
  if (sel_wpt_page > sel_wpt_page_cnt || sel_wpt_page < 1) sel_wpt_page = 1;
  if (cdu_prev_page == 1) {
    sel_wpt_page = sel_wpt_page >= sel_wpt_page_cnt ? 1 : sel_wpt_page + 1;
  } else if (cdu_next_page == 1) {
    sel_wpt_page = sel_wpt_page <= 1 ? sel_wpt_page_cnt : sel_wpt_page - 1;
  }

  cdu.Title(40, "SELECT WAYPOINT");
  cdu.Text(300, 0, cdu::Format("%2d/%2d", sel_wpt_page, sel_wpt_page_cnt));
  DrawCandidates(cdu);
  ApplyChoice();
}
