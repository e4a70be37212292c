#include "sim/fsuipc_client.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "afds/afds_globals.h"
#include "platform/fsuipc_ipc.h"
#include "platform/win32.h"

RO_DEFINE_GLOBALS(SIM_FSUIPC_GLOBALS)

uint8_t fsuipc_buffer[kFsuipcSharedBufferBytes] = {};

namespace {

constexpr uint32_t kMinServerVersion = 0x19980005;
constexpr uint16_t kClientLibraryVersion = 0x04B0;
// Room a queued request must leave: the end word plus one spare word.
constexpr uint64_t kReadReserve = 24;
constexpr uint64_t kWriteReserve = 20;
constexpr uint64_t kOpenReadReserve = 28;
constexpr uint32_t kFirstEntry = 4;

constexpr uint32_t kOffsetPollState = 0x8320;
constexpr uint32_t kOffsetPollPause = 0x0264;
constexpr uint32_t kOffsetPollB24 = 0x0B24;
constexpr uint32_t kOffsetPoll5DC = 0x05DC;
constexpr uint32_t kOffsetHydFailures = 0x32F8;
constexpr uint32_t kOffsetThrottleDisconnect = 0x310A;

// A read entry takes at least 16 bytes of a buffer of at most 32512, so no queue holds more reads.
constexpr uint32_t kMaxReadEntries = kFsuipcMaxBufferBytes / fsuipc_ipc::kReadHeaderBytes;

struct Link {
  void* window = nullptr;
  uint8_t* buffer = nullptr;  // null: the link is closed
  uint32_t next = 0;          // byte offset in buffer where the next request goes
  uint32_t limit = 0;
  // Destinations of the queued reads and the byte counts asked for them; an entry's destination word
  // holds its index + 1 (0 = none).
  uint32_t destination_cnt = 0;
  void* destinations[kMaxReadEntries];
  uint32_t destination_bytes[kMaxReadEntries];
};

Link link;

void PutWord(uint32_t at, uint32_t v) { std::memcpy(link.buffer + at, &v, sizeof v); }
uint32_t GetWord(uint32_t at) {
  uint32_t v;
  std::memcpy(&v, link.buffer + at, sizeof v);
  return v;
}

uint32_t* Sink(uint32_t* error) {
  static uint32_t unused;
  return error != nullptr ? error : &unused;
}

// Walks the answered entries and copies each read's data to its destination. The walk stays inside
// the entries that were sent, whatever the server left in the buffer, and a destination receives
// only an answer of the size it asked for.
void DeliverReads(uint32_t end) {
  uint32_t at = kFirstEntry;
  while (at + 4 <= end) {
    const uint32_t type = GetWord(at);
    if (type == fsuipc_ipc::kEntryEnd) return;
    const uint32_t header =
        type == fsuipc_ipc::kEntryRead ? fsuipc_ipc::kReadHeaderBytes : fsuipc_ipc::kWriteHeaderBytes;
    if (type != fsuipc_ipc::kEntryRead && type != fsuipc_ipc::kEntryWrite) {
      PutWord(at, fsuipc_ipc::kEntryEnd);
      return;
    }
    if (uint64_t{at} + header > end) return;
    const uint32_t n = GetWord(at + 8);
    if (uint64_t{at} + header + n > end) return;
    if (type == fsuipc_ipc::kEntryRead) {
      const uint32_t handle = GetWord(at + 12);
      const bool known = handle >= 1 && handle <= link.destination_cnt;
      void* destination = known ? link.destinations[handle - 1] : nullptr;
      if (destination != nullptr && n > 0 && n == link.destination_bytes[handle - 1]) {
        std::memcpy(destination, link.buffer + at + header, n);
      }
    }
    at += header + n;
  }
}

}  // namespace

bool FsuipcOpen(uint32_t required_sim, uint32_t* error, void* buffer, uint32_t size) {
  error = Sink(error);
  if (link.buffer != nullptr) {
    *error = kFsuipcAlreadyOpen;
    return false;
  }
  if (buffer == nullptr || size < kFsuipcMinBufferBytes) {
    *error = kFsuipcBadBuffer;
    return false;
  }
  fsuipc_version = 0;
  fs_version = 0;
  link.window = win32::FindWindowA(fsuipc_ipc::kWindowClass, nullptr);
  if (link.window == nullptr) {
    *error = kFsuipcNoServer;
    return false;
  }
  link.limit = std::min(size, kFsuipcMaxBufferBytes);
  link.buffer = static_cast<uint8_t*>(buffer);
  link.next = kFirstEntry;
  link.destination_cnt = 0;

  for (auto [offset, into] : {std::pair{fsuipc_ipc::kOffsetServerVersion, &fsuipc_version},
                              std::pair{fsuipc_ipc::kOffsetSimId, &fs_version}}) {
    if (link.next + kOpenReadReserve > link.limit) {
      *error = kFsuipcNoRoom;
      FsuipcClose();
      return false;
    }
    IpcRead(offset, sizeof *into, into, error);
  }
  const uint16_t client_version = kClientLibraryVersion;
  if (!FsuipcWrite(fsuipc_ipc::kOffsetClientVersion, sizeof client_version, &client_version, error) ||
      !FsuipcProcess(error)) {
    FsuipcClose();
    return false;
  }
  if (fsuipc_version < kMinServerVersion || (fs_version >> 16) != fsuipc_ipc::kCheckWord) {
    *error = kFsuipcWrongVersion;
    FsuipcClose();
    return false;
  }
  fs_version &= 0xFFFFu;
  if (required_sim != 0 && required_sim != fs_version) {
    *error = kFsuipcWrongSim;
    FsuipcClose();
    return false;
  }
  *error = kFsuipcOk;
  return true;
}

bool IpcRead(uint32_t offset, uint32_t n, void* destination, uint32_t* error) {
  return FsuipcQueueRead(0, offset, n, destination, error);
}

bool FsuipcQueueRead(int32_t mode, uint32_t offset, uint32_t n, void* destination, uint32_t* error) {
  error = Sink(error);
  if (link.buffer == nullptr) {
    *error = kFsuipcNotOpen;
    return false;
  }
  if (uint64_t{link.next} + n + kReadReserve > link.limit || link.destination_cnt >= kMaxReadEntries) {
    *error = kFsuipcNoRoom;
    return false;
  }
  uint32_t handle = 0;
  if (destination != nullptr) {
    link.destinations[link.destination_cnt] = destination;
    link.destination_bytes[link.destination_cnt] = n;
    handle = ++link.destination_cnt;
  }
  PutWord(link.next, fsuipc_ipc::kEntryRead);
  PutWord(link.next + 4, offset);
  PutWord(link.next + 8, n);
  PutWord(link.next + 12, handle);
  uint8_t* data = link.buffer + link.next + fsuipc_ipc::kReadHeaderBytes;
  if (mode == 1 && destination != nullptr) {
    std::memcpy(data, destination, n);
  } else {
    std::memset(data, 0, n);
  }
  link.next += fsuipc_ipc::kReadHeaderBytes + n;
  *error = kFsuipcOk;
  return true;
}

bool FsuipcWrite(uint32_t offset, uint32_t n, const void* source, uint32_t* error) {
  error = Sink(error);
  if (link.buffer == nullptr) {
    *error = kFsuipcNotOpen;
    return false;
  }
  if (uint64_t{link.next} + n + kWriteReserve > link.limit) {
    *error = kFsuipcNoRoom;
    return false;
  }
  PutWord(link.next, fsuipc_ipc::kEntryWrite);
  PutWord(link.next + 4, offset);
  PutWord(link.next + 8, n);
  uint8_t* data = link.buffer + link.next + fsuipc_ipc::kWriteHeaderBytes;
  if (source != nullptr) {
    std::memcpy(data, source, n);
  } else {
    std::memset(data, 0, n);
  }
  link.next += fsuipc_ipc::kWriteHeaderBytes + n;
  *error = kFsuipcOk;
  return true;
}

bool FsuipcProcess(uint32_t* error) {
  error = Sink(error);
  if (link.buffer == nullptr) {
    *error = kFsuipcNotOpen;
    return false;
  }
  if (link.next <= kFirstEntry) {
    *error = kFsuipcNothingQueued;
    return false;
  }
  const uint32_t end = link.next;
  PutWord(end, fsuipc_ipc::kEntryEnd);
  // Any address inside the client serves as the caller word; only the server looks at it.
  PutWord(0, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&FsuipcProcess)));
  const intptr_t answer = win32::SendMessageA(link.window, fsuipc_ipc::kMessage, end - kFirstEntry,
                                              reinterpret_cast<intptr_t>(link.buffer));
  link.next = kFirstEntry;
  if (answer != 1) {
    link.destination_cnt = 0;
    *error = kFsuipcSendFailed;
    return false;
  }
  DeliverReads(end);
  link.destination_cnt = 0;
  *error = kFsuipcOk;
  return true;
}

void FsuipcClose() {
  link.window = nullptr;
  link.buffer = nullptr;
  link.next = 0;
  link.limit = 0;
  link.destination_cnt = 0;
}

bool FsuipcOpenShared() {
  fsuipc_open_ok = FsuipcOpen(0, &fsuipc_result, fsuipc_buffer, sizeof fsuipc_buffer) ? 1 : 0;
  // A failed open may be the "already open" case: closing ends that stale link, so that it does not
  // make every later user fail.
  if (fsuipc_open_ok == 0) FsuipcClose();
  return fsuipc_open_ok != 0;
}

bool FsuipcWriteByte(uint32_t offset, uint8_t value) {
  if (!FsuipcOpenShared()) return false;
  FsuipcWrite(offset, 1, &value, &fsuipc_result);
  FsuipcProcess(&fsuipc_result);
  FsuipcClose();
  return true;
}

void PollFsuipcState() {
  if (!FsuipcOpenShared()) return;
  uint8_t state = 0;
  uint16_t pause = 0, b24 = 0, w5dc = 0;
  IpcRead(kOffsetPollState, sizeof state, &state, &fsuipc_result);
  IpcRead(kOffsetPollPause, sizeof pause, &pause, &fsuipc_result);
  IpcRead(kOffsetPollB24, sizeof b24, &b24, &fsuipc_result);
  IpcRead(kOffsetPoll5DC, sizeof w5dc, &w5dc, &fsuipc_result);
  FsuipcProcess(&fsuipc_result);
  FsuipcClose();
  if (sim_sound_stopped == 0) {
    if (state >= 3 || pause == 1 || b24 == 0 || w5dc == 1) sim_sound_stopped = 1;
  } else if (sim_sound_stopped == 1) {
    if (state < 3 && pause == 0 && b24 == 1 && w5dc == 0) sim_sound_stopped = 0;
  }
  // Kept as it is: 1 stays 1 with 0x05DC = 0 and 0 stays 0, so the flag never leaves its load value.
  if (fsuipc_poll_flag == 1 && w5dc == 0) {
    fsuipc_poll_flag = 1;
  } else if (fsuipc_poll_flag == 0) {
    fsuipc_poll_flag = 0;
  }
}

void FsuipcSet32F8() { FsuipcWriteByte(kOffsetHydFailures, 7); }

void FsuipcClear32F8() { FsuipcWriteByte(kOffsetHydFailures, 0); }

void FsuipcClear310A() {
  if (FsuipcWriteByte(kOffsetThrottleDisconnect, 0)) thr_disc_set = 0;
}

void ResetFsuipcClient() {
  RO_RESET_GLOBALS(SIM_FSUIPC_GLOBALS)
  std::fill(std::begin(fsuipc_buffer), std::end(fsuipc_buffer), uint8_t{0});
  FsuipcClose();
}
