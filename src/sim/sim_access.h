// Access to the simulator's own variables: the one shared TokenVar `sim_vars`, the flag test on a
// token's bit word, and the small primitives every reader is built from (one token read or one
// expression evaluation through the host service table, on a zeroed record or result).
//
// Reads: host slots 40 (token read) and 69 (expression evaluation). Writes: nothing but `sim_vars`,
// and only ReadAirspeedSmoothed writes that.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/globals_macros.h"
#include "base/int_conversion.h"
#include "platform/gauge.h"

// The record at load: token 61 (indicated airspeed), every other field 0.
gauge::TokenVar SimVarsAtLoad();

#define SIM_ACCESS_GLOBALS(X) X(gauge::TokenVar, sim_vars, SimVarsAtLoad())

RO_DECLARE_GLOBALS(SIM_ACCESS_GLOBALS)

void ResetSimAccessGlobals();


namespace sim {

// A fresh zeroed record with `id` set, filled by one token read.
gauge::TokenVar ReadTokenRecord(uint32_t id);

// The record's value: as a double; truncated to i32; its first 4 bytes as a signed or unsigned
// 32-bit word.
double TokenF64(uint32_t id);
int32_t TokenTruncated(uint32_t id);
int32_t TokenRawI32(uint32_t id);
uint32_t TokenWord(uint32_t id);
// A text token's characters (at most kTokenTextMax of them); "" when the host gives none.
inline constexpr size_t kTokenTextMax = 64;
std::string TokenText(uint32_t id);

// One evaluation with a single result pointer, the result zeroed beforehand.
double ExpressionF64(const char* text);
int32_t ExpressionI32(const char* text);
// A string evaluation's text ("" when the host gives none); valid until the next string evaluation.
const char* ExpressionText(const char* text);

}  // namespace sim

// 1 when the first 32 bits of the record's value share a set bit with the mask, else 0.
int32_t TestTokenFlag(gauge::TokenVar tv, uint32_t mask);
