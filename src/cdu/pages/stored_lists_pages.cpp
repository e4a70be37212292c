#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/index_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_files.h"
#include "state/panel_state_files.h"
#include "state/state_globals.h"

RO_DEFINE_GLOBALS(INDEX_PAGE_SCALARS)

void ResetIndexPageGlobals() { RO_RESET_GLOBALS(INDEX_PAGE_SCALARS) }

namespace {

constexpr int32_t kNamesPerPage = 6;
constexpr int32_t kLastListRow = 202;  // rows 1..202 of fpl_store and pnl_list

int32_t PageCount(int32_t names) { return (names + kNamesPerPage - 1) / kNamesPerPage; }

// Both paging keys step, PREV first. An empty list has no sub-page 0, and a list that shrank
// starts again at its first sub-page.
void StepListPage(int32_t* page, int32_t count) {
  if (cdu_prev_page == 1 && --*page < 1) *page = count;
  if (cdu_next_page == 1 && ++*page > count) *page = 1;
  if (*page < 1 || *page > std::max(count, 1)) *page = 1;
}

// The list entry on line 1..6 of sub-page `page`; 0 when the line shows none.
int32_t EntryOnLine(int32_t page, int32_t line, int32_t names) {
  const int32_t n = kNamesPerPage * (page - 1) + line;
  return line >= 1 && n <= names ? n : 0;
}

// Title, counter and the names of the sub-page; the entry the pending left key picks (0 none).
template <typename NameOf>
int32_t DrawList(cdu::CduScreen& cdu, const char* title, int32_t* page, int32_t* count, int32_t names,
                 NameOf name_of) {
  names = std::clamp(names, 0, kLastListRow);
  *count = PageCount(names);
  StepListPage(page, *count);
  cdu.Title(10, title);
  cdu.Text(320, 7, cdu::Format("%2d / %-2d", *page, *count), cdu::Font::kSmall);
  for (int32_t line = 1; line <= kNamesPerPage; ++line) {
    const int32_t n = EntryOnLine(*page, line, names);
    if (n != 0) cdu.Data(line, 0, name_of(n));
  }
  return cdu::PendingLeft() ? EntryOnLine(*page, cdu::PendingLine(), names) : 0;
}

}  // namespace

void DrawStoredFlightPlansPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  const int32_t picked = DrawList(cdu, "STORED FLIGHT PLANS", &fpl_list_page, &fpl_list_page_cnt, fpl_list_loaded,
                                  [](int32_t n) -> const std::string& { return fpl_store[n].name; });
  if (picked == 0) return;
  // The loader looks at the page shown while it sets up the destination: switch afterwards. A plan
  // that no longer reads stays on the list's page, said as a typed name not found is.
  if (!LoadFlightPlanFile(fpl_store[picked].name, 0)) {
    cdu_message = cdu::kNotInDatabase;
    return cdu.ScratchpadLine();
  }
  rte_page = 1;
  fms_page = kCduPageRte;
}

void DrawStoredPanelsPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  const int32_t picked = DrawList(cdu, "STORED PANELS", &pnl_list_page, &pnl_list_page_cnt, pnl_list_cnt,
                                  [](int32_t n) -> const std::string& { return pnl_list[n]; });
  if (picked != 0) LoadPanelState(pnl_list[picked]);
  cdu.ScratchpadLine();
}
