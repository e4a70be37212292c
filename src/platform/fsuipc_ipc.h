// The FSUIPC request protocol shared by the module's client and the host's server stand-in: the
// server's window class and message, and the request-buffer layout (little-endian u32 words).
//
//   +0   caller word
//   +4   entries, back to back:
//          read  (16 + n bytes): type 1, offset, n, destination word, n data bytes (filled by the server)
//          write (12 + n bytes): type 2, offset, n, n data bytes
//   end  u32 0
//
// The message's wParam is the byte count of the entries, its lParam the buffer's address. The
// destination word is the client's own business: the server never follows it. On 64-bit the client
// keeps a 32-bit handle there and maps it back to the pointer when the answer arrives.
#pragma once

#include <cstdint>

namespace fsuipc_ipc {

inline constexpr const char* kWindowClass = "UIPCMAIN";
constexpr uint32_t kMessage = 0x482;

constexpr uint32_t kEntryEnd = 0;
constexpr uint32_t kEntryRead = 1;
constexpr uint32_t kEntryWrite = 2;

constexpr uint32_t kReadHeaderBytes = 16;
constexpr uint32_t kWriteHeaderBytes = 12;

// Identification offsets: server version, simulator id (low 16 bits) with the check word in the high
// 16 bits, and the client library version the client writes.
constexpr uint32_t kOffsetServerVersion = 0x3304;
constexpr uint32_t kOffsetSimId = 0x3308;
constexpr uint32_t kOffsetClientVersion = 0x330A;
constexpr uint16_t kCheckWord = 0xFADE;

}  // namespace fsuipc_ipc
