// The request protocol shared by the click poller and the MCP request pass: a cockpit control leaves
// a non-zero value in its named variable, one handler acts on it and writes 0.0 back. Every access
// looks the name up again and keeps the id in the name's `_id` cache.
//
// Raw panel values may be anything a panel writes, NaN included, so they are tested only with
// comparisons that stay quiet on NaN.
#pragma once

#include <cmath>
#include <cstdint>

#include "sim/named_vars.h"

// The (name, id cache) pair of a named variable of the lists in named_var_list.h.
#define RO_REQ(ident) nv::ident, &ident##_id

namespace panel_input {

// The variable's value; 0.0 means nothing is pending (any other value, NaN included, is one request).
inline double ReadRequest(const char* name, uint32_t* id) { return host::ReadNamedVar(name, id); }
inline void ClearRequest(const char* name, uint32_t* id) { host::WriteNamedVar(name, id, 0.0); }
inline void Publish(const char* name, uint32_t* id, double value) { host::WriteNamedVar(name, id, value); }

inline bool Pending(double value) { return value != 0.0; }
inline bool Positive(double value) { return std::isgreater(value, 0.0); }

// Runs `act(value)` on a pending request and then writes 0.0 back. Returns true when one was pending.
template <typename Act>
bool OnRequest(const char* name, uint32_t* id, Act act) {
  const double value = ReadRequest(name, id);
  if (!Pending(value)) return false;
  act(value);
  ClearRequest(name, id);
  return true;
}

// Flips a two-position switch: 0 becomes 1, any other value 0.
inline int32_t Flip01(int32_t v) { return v == 0 ? 1 : 0; }

}  // namespace panel_input
