// The stand-in's FSUIPC server answering one request buffer as the module would send it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "host/fsuipc_server.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // The caller word and entries, then the end word the client always writes; exactly that size, so
  // that a read past it is caught.
  const size_t entry_bytes = size - 4;
  auto buffer = std::make_unique<uint8_t[]>(size + 4);
  std::memcpy(buffer.get(), data, size);
  std::memset(buffer.get() + size, 0, 4);
  simhost::FsuipcServer server;
  server.Process(buffer.get(), entry_bytes, 1);
  return 0;
}
