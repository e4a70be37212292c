#include "sim/sim_access.h"

#include <cmath>
#include <cstring>

#include "platform/host_api.h"

gauge::TokenVar SimVarsAtLoad() {
  gauge::TokenVar tv{};
  tv.id = 61;
  return tv;
}

RO_DEFINE_GLOBALS(SIM_ACCESS_GLOBALS)

void ResetSimAccessGlobals() { RO_RESET_GLOBALS(SIM_ACCESS_GLOBALS) }

namespace {

// The host writes integer tokens into the first 4 bytes of the value field; copying the bytes keeps
// the read well defined whichever union member the host wrote.
uint32_t FirstWord(const gauge::TokenVar& tv) {
  uint32_t w;
  std::memcpy(&w, &tv.value, sizeof w);
  return w;
}

}  // namespace

namespace sim {

gauge::TokenVar ReadTokenRecord(uint32_t id) {
  gauge::TokenVar tv{};
  tv.id = id;
  host::ReadToken(&tv);
  return tv;
}

double TokenF64(uint32_t id) { return ReadTokenRecord(id).value.n; }

int32_t TokenTruncated(uint32_t id) { return TruncToI32(TokenF64(id)); }

int32_t TokenRawI32(uint32_t id) { return static_cast<int32_t>(TokenWord(id)); }

uint32_t TokenWord(uint32_t id) { return FirstWord(ReadTokenRecord(id)); }

std::string TokenText(uint32_t id) {
  const char* s = ReadTokenRecord(id).value.s;  // a host that writes nothing leaves it null
  return s == nullptr ? std::string() : std::string(s, strnlen(s, kTokenTextMax));
}

double ExpressionF64(const char* text) {
  double result = 0.0;
  host::ExecuteExpression(text, &result, nullptr, nullptr);
  return result;
}

int32_t ExpressionI32(const char* text) {
  int32_t result = 0;
  host::ExecuteExpression(text, nullptr, &result, nullptr);
  return result;
}

const char* ExpressionText(const char* text) {
  const char* result = nullptr;
  host::ExecuteExpression(text, nullptr, nullptr, &result);
  return result != nullptr ? result : "";
}

}  // namespace sim

int32_t TestTokenFlag(gauge::TokenVar tv, uint32_t mask) { return (tv.value.u & mask) != 0 ? 1 : 0; }
