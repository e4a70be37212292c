#include "fmc/fmc_globals.h"

#include <algorithm>
#include <iterator>

#include "fmc/traffic_pattern.h"

RO_DEFINE_GLOBALS(FMC_SCALARS)
RO_DEFINE_ARRAYS(FMC_ARRAYS)
RO_DEFINE_GLOBALS(FMC_ROUTE_SCALARS)
RO_DEFINE_GLOBALS(FMC_CROSSING_SCALARS)
RO_DEFINE_GLOBALS(FMC_VERTICAL_PROFILE_GLOBALS)

std::string plan_dep_texts[2] = {"------", "------"};
std::string plan_arr_texts[3] = {"------", "------", "------"};

FplStoreEntry fpl_store[kFplStoreRows];
FplStoreEntry fpl_edit_store[kFplStoreRows];
int32_t fpl_store_rows_used = 0;
int32_t fpl_edit_store_rows_used = 0;

namespace {

void ResetStoreRows(FplStoreEntry* table, int32_t* rows_used) {
  const int64_t listed = int64_t{fpl_list_loaded} + 2;  // rows 0..fpl_list_loaded + 1
  const int64_t used = std::max<int64_t>(*rows_used, listed);
  const int32_t rows = static_cast<int32_t>(std::clamp<int64_t>(used, 0, kFplStoreRows));
  for (int32_t i = 0; i < rows; ++i) {
    FplStoreEntry& e = table[i];
    e.name.clear();
    e.orig.clear();
    e.dest.clear();
    e.leg_cnt = 0;
    std::fill_n(e.legs, kRouteRows, RouteLeg{});
  }
  *rows_used = 0;
}

}  // namespace

void ResetFmcGlobals() {
  // The stores first: their used-row bound reads fpl_list_loaded before it returns to 0.
  ResetStoreRows(fpl_store, &fpl_store_rows_used);
  ResetStoreRows(fpl_edit_store, &fpl_edit_store_rows_used);
  RO_RESET_GLOBALS(FMC_SCALARS)
  RO_RESET_ARRAYS(FMC_ARRAYS)
  RO_RESET_GLOBALS(FMC_ROUTE_SCALARS)
  RO_RESET_GLOBALS(FMC_CROSSING_SCALARS)
  std::fill(std::begin(plan_dep_texts), std::end(plan_dep_texts), "------");
  std::fill(std::begin(plan_arr_texts), std::end(plan_arr_texts), "------");
  RO_RESET_GLOBALS(FMC_VERTICAL_PROFILE_GLOBALS)
  ResetTrafficPatternGlobals();
}
