#include "frame/sim_readers.h"

#include "frame/int_conversion.h"
#include "platform/host_api.h"

namespace {
constexpr gauge::TokenVar kSimVarsAtLoad = {61, nullptr, 0, {}, 0.0};
}  // namespace

gauge::TokenVar sim_vars = kSimVarsAtLoad;

gauge::TokenVar ReadTokenRecord(uint32_t id) {
  gauge::TokenVar tv{};
  tv.id = id;
  host::ReadToken(&tv);
  return tv;
}

double ReadTokenValue(uint32_t id) { return ReadTokenRecord(id).value.n; }

int32_t ReadOnGround() { return TruncToI32(ReadTokenValue(60)); }

double ReadTokenVar350() { return ReadTokenValue(350); }

void ResetSimReaders() { sim_vars = kSimVarsAtLoad; }
