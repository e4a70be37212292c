#include "sim/named_vars.h"

#include <iterator>

#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "base/int_conversion.h"
#include "nd/nd_globals.h"

#define RO_NV_DEFINE_ID_(ident, text) uint32_t ident##_id = 0;
RO_NAMED_VARS(RO_NV_DEFINE_ID_)
RO_FOREIGN_NAMED_VARS(RO_NV_DEFINE_ID_)
#undef RO_NV_DEFINE_ID_

#define RO_NV_TEXT_ROW_(ident, text) text,
const char* const kRegisteredNamedVars[kRegisteredNamedVarCount] = {RO_NAMED_VARS(RO_NV_TEXT_ROW_)};
namespace {
const char* const kFirstNames[] = {RO_NAMED_VARS_FIRST(RO_NV_TEXT_ROW_)};
const char* const kLastNames[] = {RO_NAMED_VARS_LAST(RO_NV_TEXT_ROW_)};
}  // namespace
#undef RO_NV_TEXT_ROW_

static_assert(std::size(kFirstNames) == 250 && std::size(kLastNames) == 3);

void RegisterNamedVars() {
  for (const char* name : kFirstNames) host::RegisterNamedVar(name);
  NV_SET(ehsi_mode, nd_mode);
  for (const char* name : kLastNames) host::RegisterNamedVar(name);
  named_vars_registered = 1;
}

void UnregisterNamedVars() {
  for (const char* name : kRegisteredNamedVars) host::UnregisterNamedVar(name);
  named_vars_registered = 0;
}

void GetIasVsShowVars(int32_t* ias_out, int32_t* vs_out) {
  const double ias = NV_GET(ias_show);
  if (ias_out != nullptr) *ias_out = TruncToI32(ias);
  const double vs = NV_GET(vs_show);
  if (vs_out != nullptr) *vs_out = TruncToI32(vs);
}

void ResetNamedVarIds() {
#define RO_NV_RESET_ID_(ident, text) ident##_id = 0;
  RO_NAMED_VARS(RO_NV_RESET_ID_)
  RO_FOREIGN_NAMED_VARS(RO_NV_RESET_ID_)
#undef RO_NV_RESET_ID_
}
