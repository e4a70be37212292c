// The module's FSUIPC client reading a server's answers: whatever the server leaves in the request
// buffer, the client copies only what its own reads asked for. The input is a list of answers (each
// a 2-byte length and the bytes the server writes over the buffer from its start, then one byte:
// the send's result, 1 for success) followed by the client's requests (a kind byte, a 2-byte offset
// and a 2-byte size each).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "sim/fsuipc_client.h"
#include "fuzz_support.h"
#include "host/host.h"
#include "platform/fsuipc_ipc.h"
#include "platform/host_api.h"

namespace {

struct Input {
  const uint8_t* p;
  size_t left;
  uint32_t Take(size_t n) {
    uint32_t v = 0;
    for (size_t i = 0; i < n && left > 0; ++i, --left) v |= uint32_t{*p++} << (8 * i);
    return v;
  }
  const uint8_t* Bytes(size_t n, size_t* got) {
    *got = n < left ? n : left;
    const uint8_t* at = p;
    p += *got;
    left -= *got;
    return at;
  }
};

Input g_in{nullptr, 0};
int g_window = 0;

void* FindServer(const char*, const char*) { return &g_window; }

intptr_t Answer(void*, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  if (message != fsuipc_ipc::kMessage) return 0;
  auto* buffer = reinterpret_cast<uint8_t*>(lparam);
  size_t got = 0;
  const uint8_t* bytes = g_in.Bytes(g_in.Take(2), &got);
  // The server writes inside what it was sent: the caller word, the entries and the end word.
  std::memcpy(buffer, bytes, got < wparam + 8 ? got : wparam + 8);
  return static_cast<intptr_t>(g_in.Take(1) & 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  simhost::Host& host = fuzz::FreshModule();
  host.table()->slot[host::kFindWindow] = reinterpret_cast<host::AnyFn>(&FindServer);
  host.table()->slot[host::kSendWindowMessage] = reinterpret_cast<host::AnyFn>(&Answer);
  g_in = Input{data, size};

  PollFsuipcState();
  uint8_t sink[256];
  std::vector<uint8_t> buffer(kFsuipcMinBufferBytes + g_in.Take(1) * 8);
  uint32_t error = 0;
  if (FsuipcOpen(0, &error, buffer.data(), static_cast<uint32_t>(buffer.size()))) {
    while (g_in.left > 0) {
      const uint32_t kind = g_in.Take(1) % 3;
      const uint32_t offset = g_in.Take(2);
      const uint32_t n = g_in.Take(2) % (sizeof sink + 1);
      if (kind == 0) {
        IpcRead(offset, n, sink, &error);
      } else if (kind == 1) {
        FsuipcWrite(offset, n, sink, &error);
      } else {
        FsuipcProcess(&error);
      }
    }
    FsuipcProcess(&error);
  }
  FsuipcClose();
  return 0;
}
