// Named panel variables: registration of the module's 253 names once per connection, their
// unregistration at disconnect, and the id caches every access leaves behind.
//
// Access convention (every reader and writer of the module): look the name up, keep the id in the
// name's `_id` global, then read or write through that id. NV_GET / NV_SET spell it for a name of
// the lists in named_var_list.h.
#pragma once

#include <cstdint>

#include "sim/named_var_list.h"
#include "platform/host_api.h"

#define RO_NV_DECLARE_ID_(ident, text) extern uint32_t ident##_id;
RO_NAMED_VARS(RO_NV_DECLARE_ID_)
RO_FOREIGN_NAMED_VARS(RO_NV_DECLARE_ID_)
#undef RO_NV_DECLARE_ID_

namespace nv {
#define RO_NV_TEXT_(ident, text) inline constexpr const char* ident = text;
RO_NAMED_VARS(RO_NV_TEXT_)
RO_FOREIGN_NAMED_VARS(RO_NV_TEXT_)
#undef RO_NV_TEXT_
}  // namespace nv

#define NV_GET(ident) host::ReadNamedVar(nv::ident, &ident##_id)
#define NV_SET(ident, value) host::WriteNamedVar(nv::ident, &ident##_id, static_cast<double>(value))

constexpr int kRegisteredNamedVarCount = 253;
// The registered names in registration order.
extern const char* const kRegisteredNamedVars[kRegisteredNamedVarCount];

// Registers the 253 names and gives "ehsi_mode" its first value (from nd_mode) after the 250th;
// sets named_vars_registered. Callers test the flag first.
void RegisterNamedVars();
// Unregisters each of the 253 names once; clears named_vars_registered.
void UnregisterNamedVars();
// Reads "ias_show" and "vs_show" for the panel-state writer, truncated toward zero.
void GetIasVsShowVars(int32_t* ias_out, int32_t* vs_out);

// Every id cache back to 0.
void ResetNamedVarIds();
