#include "host/fsuipc_server.h"

#include <cstring>

#include "platform/fsuipc_ipc.h"

namespace simhost {

namespace {

constexpr uint32_t kIdentFirst = fsuipc_ipc::kOffsetServerVersion;
constexpr uint32_t kIdentEnd = fsuipc_ipc::kOffsetSimId + 4;

uint32_t Word(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

}  // namespace

FsuipcServer::FsuipcServer() : check_word_(fsuipc_ipc::kCheckWord), memory_(kMemoryBytes, 0) {}

bool FsuipcServer::Identification(uint32_t offset) const { return offset >= kIdentFirst && offset < kIdentEnd; }

// Offsets beyond the memory read as 0.
uint8_t FsuipcServer::Byte(uint32_t offset) const {
  if (Identification(offset)) {
    const uint64_t ident = static_cast<uint64_t>(version_) |
                           (static_cast<uint64_t>(sim_id_) << 32) | (static_cast<uint64_t>(check_word_) << 48);
    return static_cast<uint8_t>(ident >> (8 * (offset - kIdentFirst)));
  }
  return offset < kMemoryBytes ? memory_[offset] : 0;
}

uint64_t FsuipcServer::Value(uint32_t offset, uint32_t size) const {
  uint64_t v = 0;
  for (uint32_t i = 0; i < size && i < 8; ++i) v |= static_cast<uint64_t>(Byte(offset + i)) << (8 * i);
  return v;
}

void FsuipcServer::SetValue(uint32_t offset, uint32_t size, uint64_t value) {
  for (uint32_t i = 0; i < size && i < 8; ++i) {
    const uint64_t at = uint64_t{offset} + i;
    if (at < kMemoryBytes) memory_[at] = static_cast<uint8_t>(value >> (8 * i));
  }
}

intptr_t FsuipcServer::Process(uint8_t* buffer, uintptr_t entry_bytes, int64_t frame) {
  ++sends_;
  if (buffer == nullptr) return 0;
  const uintptr_t end = 4 + entry_bytes;
  uintptr_t at = 4;
  while (at + 4 <= end) {
    const uint32_t type = Word(buffer + at);
    if (type == fsuipc_ipc::kEntryEnd) break;
    const uint32_t header =
        type == fsuipc_ipc::kEntryRead ? fsuipc_ipc::kReadHeaderBytes : fsuipc_ipc::kWriteHeaderBytes;
    if ((type != fsuipc_ipc::kEntryRead && type != fsuipc_ipc::kEntryWrite) || at + header > end) return 0;
    const uint32_t offset = Word(buffer + at + 4);
    const uint32_t n = Word(buffer + at + 8);
    if (at + header + n > end) return 0;
    uint8_t* data = buffer + at + header;
    if (type == fsuipc_ipc::kEntryRead) {
      for (uint32_t i = 0; i < n; ++i) data[i] = Byte(offset + i);
    } else {
      writes_.push_back({offset, std::vector<uint8_t>(data, data + n), frame});
      for (uint32_t i = 0; i < n; ++i) {
        const uint64_t o = uint64_t{offset} + i;
        if (o == fsuipc_ipc::kOffsetClientVersion) client_version_ = (client_version_ & 0xFF00u) | data[i];
        if (o == fsuipc_ipc::kOffsetClientVersion + 1) {
          client_version_ = static_cast<uint16_t>((client_version_ & 0x00FFu) | (data[i] << 8));
        }
        if (o < kMemoryBytes && !Identification(static_cast<uint32_t>(o))) memory_[o] = data[i];
      }
    }
    at += header + n;
  }
  return answer_;
}

std::vector<FsuipcWriteRecord> FsuipcServer::WritesTo(uint32_t offset) const {
  std::vector<FsuipcWriteRecord> out;
  for (const FsuipcWriteRecord& w : writes_) {
    if (w.offset == offset) out.push_back(w);
  }
  return out;
}

}  // namespace simhost
