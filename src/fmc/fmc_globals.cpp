#include "fmc/fmc_globals.h"

#include <algorithm>
#include <iterator>

#include "fmc/route_following.h"
#include "fmc/traffic_pattern.h"

RO_DEFINE_GLOBALS(FMC_SCALARS)
RO_DEFINE_ARRAYS(FMC_ARRAYS)
RO_DEFINE_GLOBALS(FMC_ROUTE_SCALARS)
RO_DEFINE_GLOBALS(FMC_CROSSING_SCALARS)
RO_DEFINE_GLOBALS(FMC_VERTICAL_PROFILE_GLOBALS)

std::string plan_dep_texts[2] = {"------", "------"};
std::string plan_arr_texts[3] = {"------", "------", "------"};

FplStoreTable fpl_store;
FplStoreTable fpl_edit_store;

void ResetFmcGlobals() {
  fpl_store.Reset();
  fpl_edit_store.Reset();
  RO_RESET_GLOBALS(FMC_SCALARS)
  RO_RESET_ARRAYS(FMC_ARRAYS)
  RO_RESET_GLOBALS(FMC_ROUTE_SCALARS)
  RO_RESET_GLOBALS(FMC_CROSSING_SCALARS)
  std::fill(std::begin(plan_dep_texts), std::end(plan_dep_texts), "------");
  std::fill(std::begin(plan_arr_texts), std::end(plan_arr_texts), "------");
  RO_RESET_GLOBALS(FMC_VERTICAL_PROFILE_GLOBALS)
  ResetTrafficPatternGlobals();
  ResetRouteFollowingGlobals();
}
