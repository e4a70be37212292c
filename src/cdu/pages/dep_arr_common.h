// What the DEPARTURES and ARRIVALS pages share: the procedure column (SIDs or STARs, then the
// chosen procedure's transitions), the tag of a chosen row, the sub-page arithmetic and line 6.
//
// Reads the route state for the tag; the procedure column reads and writes the selection state it
// is given (chosen procedure, transition, choice flags) and calls its side's procedure choice.
#pragma once

#include <cstdint>
#include <string>

#include "cdu/cdu_page_framework.h"
#include "navdb/nav_records.h"

namespace dep_arr {

inline constexpr int kLinesPerPage = 5;
inline constexpr double kTopLabelY = 26.0;  // labels above line 1

// Sub-pages needed for n rows, five a page (0 for none).
constexpr int32_t PagesFor(int32_t rows) { return rows <= 0 ? 0 : (rows + kLinesPerPage - 1) / kLinesPerPage; }

// "<ACT>" on the rows of the active route's choices, "<SEL>" otherwise.
const char* ChosenTag();

// One side's procedure column and the selection state it works on.
struct ProcColumn {
  const char (*names)[32];   // procedure list, rows 1..name_cnt
  int32_t name_cnt;
  const NameListRow* trans;  // the chosen procedure's transitions, rows 1..trans_cnt
  int32_t trans_cnt;
  const std::string& proc_sel;
  std::string& trans_sel;
  int32_t& sel_state;        // 0 list, 1 a procedure chosen (transitions shown), 2 list after reopening
  int32_t& trans_chosen;
  int32_t proc_idx;          // the chosen procedure's record
  bool (*select)(int32_t index, int32_t by_name);  // false: refused whole
  double name_x;             // x of the procedure names
  const char* label;         // "  S I D S" / "  S T A R S"
  bool none_when_no_trans;   // an empty transition list shows "-NONE-"
};

// Rows the column needs: the procedures, or the chosen one and its transitions.
int32_t ColumnRows(const ProcColumn& c);

// The list row of the column's first line on sub-page `page` (the right column of DEPARTURES
// follows it).
int32_t FirstRowOfPage(const ProcColumn& c, int32_t page);

// Applies a pending 1L-5L to the column on sub-page `page`: a procedure or a transition choice,
// after which the page returns to sub-page 1. A choice the route cannot take changes nothing.
void ApplyColumnKey(const ProcColumn& c, int32_t page, int32_t* page_no);

void DrawColumn(cdu::CduScreen& cdu, const ProcColumn& c, int32_t page);

// 6L: ERASE while a modification is pending, otherwise back to the DEP/ARR INDEX; 6R: RTE.
void ApplyLine6Key();

// The dashed separator of `dashes` hyphens, "<ERASE" or "<INDEX", "ROUTE>" and the scratchpad line.
void DrawBottom(cdu::CduScreen& cdu, int dashes);

}  // namespace dep_arr
