#include "cdu/pages/dep_arr_common.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_choice.h"

namespace dep_arr {

namespace {

using cdu::Font;

constexpr double kTagX = 110.0;
constexpr double kTransLabelY = 73.0;
constexpr double kTransChosenY = 88.0;

std::string NameText(const char* format, std::string_view name) {
  return cdu::Format(format, std::string(name).c_str());
}

// The transition on line n (1..5) of sub-page `page`, 0 for a line that lists none: sub-page 1
// keeps line 1 for the chosen procedure.
int32_t TransRowOnLine(int32_t page, int32_t line) {
  return page <= 1 ? line - 1 : kLinesPerPage * page - kLinesPerPage + line - 1;
}

void DrawTransitions(cdu::CduScreen& cdu, const ProcColumn& c, int32_t page) {
  if (c.trans_chosen == 1) {
    cdu.Text(0, kTransLabelY, "  T R A N S", Font::kSmall);
    for (int32_t i = 1; i <= c.trans_cnt; ++i) {
      if (TextOf(c.trans[i].name) != c.trans_sel) continue;
      cdu.Text(0, kTransChosenY, NameText("%-5s", c.trans_sel));
      cdu.Text(kTagX, kTransChosenY, ChosenTag());
      break;
    }
    return;
  }
  cdu.Text(0, page <= 1 ? kTransLabelY : kTopLabelY, "  T R A N S", Font::kSmall);
  if (c.trans_cnt == 0) {
    if (c.none_when_no_trans && page <= 1) cdu.Text(-5, kTransChosenY, "-NONE-");
    return;
  }
  for (int32_t line = 1; line <= kLinesPerPage; ++line) {
    const int32_t row = TransRowOnLine(page, line);
    if (row < 1 || row > c.trans_cnt) continue;
    cdu.Data(line, 0, NameText("%-5s", TextOf(c.trans[row].name)));
  }
}

}  // namespace

const char* ChosenTag() { return fms_fpln_active == 3 ? "<ACT>" : "<SEL>"; }

int32_t ColumnRows(const ProcColumn& c) { return c.sel_state == 1 ? c.trans_cnt + 1 : c.name_cnt; }

int32_t FirstRowOfPage(const ProcColumn& c, int32_t page) {
  if (c.sel_state == 1) return page <= 1 ? 1 : kLinesPerPage * page - kLinesPerPage;
  return kLinesPerPage * (page - 1) + 1;
}

void ApplyColumnKey(const ProcColumn& c, int32_t page, int32_t* page_no) {
  const int32_t line = cdu::PendingLine();
  if (!cdu::PendingLeft() || line < 1 || line > kLinesPerPage) return;
  // One choice per key: a procedure chosen here shows its transitions from the next key on.
  if (c.sel_state == 0 || c.sel_state == 2) {
    const int32_t row = kLinesPerPage * (page - 1) + line;
    if (row < 1 || row > c.name_cnt || !c.select(row, 0)) return;
    c.sel_state = 1;
    *page_no = 1;
  } else if (c.sel_state == 1) {
    const int32_t row = TransRowOnLine(page, line);
    if (row < 1 || row > c.trans_cnt) return;
    const bool taken = ChooseWhole([&] {
      c.trans_sel = TextOf(c.trans[row].name);
      return c.select(c.proc_idx, 1);
    });
    if (!taken) return;
    c.trans_chosen = 1;
    *page_no = 1;
  }
}

void DrawColumn(cdu::CduScreen& cdu, const ProcColumn& c, int32_t page) {
  const bool listing = c.sel_state == 0 || c.sel_state == 2;
  if (listing || (c.sel_state == 1 && page <= 1)) {
    cdu.Text(0, kTopLabelY, c.label, Font::kSmall);
    if (c.name_cnt == 0) {
      cdu.Data(1, -5, "- N O N E -");
    } else if (listing) {
      for (int32_t line = 1; line <= kLinesPerPage; ++line) {
        const int32_t row = kLinesPerPage * (page - 1) + line;
        if (row < 1 || row > c.name_cnt) break;
        const std::string_view name = TextOf(c.names[row]);
        cdu.Data(line, c.name_x, NameText("%-6s", name));
        if (name == c.proc_sel) cdu.Data(line, kTagX, ChosenTag());
      }
    } else {
      cdu.Data(1, c.name_x, NameText("%-6s", c.proc_sel));
      cdu.Data(1, kTagX, ChosenTag());
    }
  }
  if (c.sel_state == 1) DrawTransitions(cdu, c, page);
}

void ApplyLine6Key() {
  if (cdu_lsk == cdu_lsk_code::k6L) {
    if (fms_fpln_active == 4) {
      EraseRouteModification();
    } else {
      fms_page = kCduPageDepArrIndex;
    }
  } else if (cdu_lsk == cdu_lsk_code::k6R) {
    fms_page = kCduPageRte;
  }
}

void DrawBottom(cdu::CduScreen& cdu, int dashes) {
  cdu.Text(2, cdu::LabelY(cdu::kLines), std::string(static_cast<size_t>(dashes), '-'), Font::kDash);
  cdu.Text(-5, cdu::kPromptY, fms_fpln_active == 4 ? "<ERASE" : "<INDEX");
  cdu.Text(290, cdu::kPromptY, "ROUTE>");
  cdu.ScratchpadLine();
}

}  // namespace dep_arr
