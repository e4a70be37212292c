#include "fmc/engine_epr.h"

#include <algorithm>
#include <iterator>

#include "fmc/thrust_limits.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

RO_DEFINE_ARRAYS(ENGINE_EPR_ARRAYS)

namespace {

// Rows are {N1 %, EPR}.
// clang-format off
constexpr N1EprTable kN1EprTables[kN1EprTableCount] = {
    // A: "PW", token 342 at most 3650
    {27, 27, {
     {63.9, 1.00}, {64.7, 1.02}, {65.5, 1.04}, {66.1, 1.06}, {67, 1.08}, {67.9, 1.10}, {68.6, 1.12},
     {69.7, 1.14}, {70.8, 1.16}, {72, 1.18}, {73.2, 1.20}, {74.6, 1.22}, {75.9, 1.24}, {77.4, 1.26},
     {79, 1.28}, {80.6, 1.30}, {82.3, 1.32}, {83.7, 1.34}, {85, 1.36}, {86.2, 1.38}, {87.3, 1.40},
     {89.6, 1.42}, {90.7, 1.43}, {92, 1.44}, {94.9, 1.46}, {98.2, 1.48}, {100, 1.50},
    }},
    // B: "PW", token 342 above 3650; the last row only ends the top segment
    {27, 26, {
     {61, 1.00}, {62, 1.02}, {63.1, 1.04}, {64.1, 1.06}, {65.2, 1.08}, {66.4, 1.10}, {67.7, 1.12},
     {68.7, 1.14}, {69.9, 1.16}, {71, 1.18}, {72.3, 1.20}, {73.7, 1.22}, {75.1, 1.24}, {76.5, 1.26},
     {78, 1.28}, {79.4, 1.30}, {80.9, 1.32}, {81.4, 1.33}, {82.3, 1.34}, {83.2, 1.35}, {84.1, 1.36},
     {85.8, 1.38}, {86.6, 1.39}, {87.5, 1.40}, {88.5, 1.41}, {89.5, 1.42}, {90.7, 1.43},
    }},
    // C: other engines, token 342 at most 3650. The engine data leave four rows unsettled (after 73.8, at
    // 74.5, between 85.6 and 89.0, at 105.6); they are left out so that N1 and EPR ascend.
    {43, 43, {
     {62.9, 1.00}, {63.3, 1.02}, {63.7, 1.04}, {64.2, 1.06}, {64.6, 1.08}, {65.1, 1.10}, {65.5, 1.12},
     {66, 1.14}, {66.5, 1.16}, {66.9, 1.18}, {67.5, 1.20}, {68, 1.22}, {68.5, 1.24}, {69, 1.26},
     {69.6, 1.28}, {70.1, 1.30}, {70.6, 1.32}, {71.2, 1.34}, {71.7, 1.36}, {72.3, 1.38}, {73, 1.40},
     {73.8, 1.42}, {75.4, 1.46}, {76, 1.48}, {76.9, 1.50}, {77.9, 1.52}, {79.6, 1.54}, {81, 1.56},
     {82.6, 1.58}, {84.3, 1.60}, {85.6, 1.62}, {89, 1.66}, {90.4, 1.68}, {92.1, 1.70}, {93.9, 1.72},
     {95.3, 1.74}, {97, 1.76}, {98.6, 1.78}, {100.1, 1.80}, {101.3, 1.82}, {102.9, 1.84}, {104.1, 1.86},
     {106, 1.90},
    }},
    // D: other engines, token 342 above 3650; the last row only ends the top segment
    {46, 45, {
     {59.2, 1.00}, {59.8, 1.02}, {60.5, 1.04}, {61.2, 1.06}, {62, 1.08}, {62.7, 1.10}, {63.4, 1.12},
     {64.1, 1.14}, {64.8, 1.16}, {65.4, 1.18}, {66.2, 1.20}, {66.9, 1.22}, {67.5, 1.24}, {68.2, 1.26},
     {68.8, 1.28}, {69.4, 1.30}, {70, 1.32}, {70.6, 1.34}, {71.3, 1.36}, {71.8, 1.38}, {72.6, 1.40},
     {73.3, 1.42}, {74.1, 1.44}, {74.7, 1.46}, {75.5, 1.48}, {76.3, 1.50}, {77.1, 1.52}, {78.2, 1.54},
     {79.3, 1.56}, {80.5, 1.58}, {81.6, 1.60}, {82.2, 1.61}, {82.8, 1.62}, {83.3, 1.63}, {83.9, 1.64},
     {84.8, 1.65}, {85.5, 1.66}, {86.2, 1.67}, {87.1, 1.68}, {87.9, 1.69}, {88.7, 1.70}, {89.5, 1.71},
     {90.4, 1.72}, {91.4, 1.73}, {92.2, 1.74}, {93, 1.75},
    }},
};
// clang-format on

constexpr bool Ascends(const N1EprTable& t) {
  if (t.row_cnt < 1 || t.row_cnt > N1EprTable::kMaxRows) return false;
  if (t.search_cnt < t.row_cnt - 1 || t.search_cnt > t.row_cnt) return false;
  for (int32_t i = 1; i < t.row_cnt; ++i) {
    if (t.row[i].n1 <= t.row[i - 1].n1 || t.row[i].epr <= t.row[i - 1].epr) return false;
  }
  return true;
}
static_assert(Ascends(kN1EprTables[kN1EprA]) && Ascends(kN1EprTables[kN1EprB]) && Ascends(kN1EprTables[kN1EprC]) &&
              Ascends(kN1EprTables[kN1EprD]));

// The EPR on the segment that begins at the highest searched row at or below n1; the top row of a table
// without an end row gives its own EPR. Nothing at or below n1 (an empty table) gives 0.0.
double LookUp(const N1EprTable& t, double n1) {
  const N1EprRow* first = t.row;
  const N1EprRow* above =
      std::upper_bound(first, first + t.search_cnt, n1, [](double v, const N1EprRow& r) { return v < r.n1; });
  if (above == first) return 0.0;
  const auto i = static_cast<int32_t>(above - first) - 1;
  if (i + 1 >= t.row_cnt) return t.row[i].epr;
  const N1EprRow& a = t.row[i];
  const N1EprRow& b = t.row[i + 1];
  return a.epr + (b.epr - a.epr) / (b.n1 - a.n1) * (n1 - a.n1);
}

}  // namespace

void ResetEngineEprGlobals() { RO_RESET_ARRAYS(ENGINE_EPR_ARRAYS) }

void FillN1EprTables() { std::copy(std::begin(kN1EprTables), std::end(kN1EprTables), n1_epr_tables); }

double ComputeEngineEpr(double n1_pct) {
  const double token342 = ReadTokenVar342();
  const bool high = token342 > 3650.0;
  double x = n1_pct;
  double lo = 0.0;
  double hi = 0.0;
  N1EprTableId id;
  if (IsPwEngine()) {
    if (high) {
      id = kN1EprB;
      x += true_airspeed * 0.005333333 - (16383.0 - token342) * 5.01e-05;
      lo = 61.2;
      hi = 99.3;
    } else {
      id = kN1EprA;
      lo = 63.9;
      hi = 100.0;
    }
  } else if (high) {
    id = kN1EprD;
    x += true_airspeed * 0.002533333 - (16383.0 - token342) * 2.51e-05;
    lo = 59.2;
    hi = 104.3;
  } else {
    id = kN1EprC;
    lo = 63.0;
    hi = 107.0;
  }
  // The lower bound first, as a maximum that also catches a value that is not a number.
  if (!(x >= lo)) x = lo;
  if (x > hi) x = hi;
  return LookUp(n1_epr_tables[id], x);
}
