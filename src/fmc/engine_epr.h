// The EPR that the upper EICAS shows for an engine, converted from its N1 through one of four tables chosen
// by the engine family and the value of host token variable 342. InitPerformanceTables fills the tables
// (FillN1EprTables); until then they are empty and the conversion gives 0.0. Reads: engine_type,
// true_airspeed (kt), token 342.
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

struct N1EprRow {
  double n1 = 0.0;  // percent
  double epr = 0.0;
};

// Rows in ascending N1 and EPR. The lookup searches rows [0, search_cnt); a table whose row_cnt is one more
// holds a last row that only ends the top segment, which is extended beyond it.
struct N1EprTable {
  static constexpr int32_t kMaxRows = 46;
  int32_t row_cnt = 0;
  int32_t search_cnt = 0;
  N1EprRow row[kMaxRows] = {};
};

// A and B for the "PW" family, C and D for the other; B and D when token 342 is above 3650.
enum N1EprTableId : int32_t { kN1EprA, kN1EprB, kN1EprC, kN1EprD, kN1EprTableCount };

#define ENGINE_EPR_ARRAYS(X) X(N1EprTable, n1_epr_tables, kN1EprTableCount)

RO_DECLARE_ARRAYS(ENGINE_EPR_ARRAYS)

void ResetEngineEprGlobals();
void FillN1EprTables();

// The EPR of an engine running at n1_pct.
double ComputeEngineEpr(double n1_pct);
