// The FSUIPC client: one link at a time to the FSUIPC server (window "UIPCMAIN", message 0x482) on a
// caller's request buffer. A user opens the link, queues reads and writes, sends them in one message
// and closes again within one call. Failures are reported only through the error code and a false
// result (codes below).
//
// Also this subsystem's small users: the simulator-state poll (sets sim_sound_stopped), the
// hydraulic-failure byte 0x32F8 and the autothrottle-disconnect byte 0x310A (clears thr_disc_set).
#pragma once

#include <cstdint>

#include "base/globals_macros.h"

// Error codes written to the error out-parameter.
enum FsuipcError : uint32_t {
  kFsuipcOk = 0,
  kFsuipcAlreadyOpen = 1,
  kFsuipcNoServer = 2,         // no "UIPCMAIN" window
  kFsuipcBadBuffer = 6,        // null buffer or size below 32
  kFsuipcWrongVersion = 7,     // server version below 0x19980005 or check word not 0xFADE
  kFsuipcWrongSim = 8,
  kFsuipcNotOpen = 9,
  kFsuipcNothingQueued = 10,
  kFsuipcSendFailed = 13,      // the server did not answer 1
  kFsuipcNoRoom = 15,
};

constexpr uint32_t kFsuipcMinBufferBytes = 32;
constexpr uint32_t kFsuipcMaxBufferBytes = 32512;  // usable part of a larger buffer
constexpr uint32_t kFsuipcSharedBufferBytes = 1024;

// The link's results; the poll flags are read by the systems publisher.
#define SIM_FSUIPC_GLOBALS(X)                                                      \
  X(uint32_t, fsuipc_result, 0)     /* error out-parameter of every user's calls */  \
  X(int32_t, fsuipc_open_ok, 0)     /* result of the last open */                   \
  X(uint32_t, fsuipc_version, 0)    /* server version read at open */               \
  X(uint32_t, fs_version, 0)        /* simulator id read at open (low 16 bits) */   \
  X(int32_t, sim_sound_stopped, 0)  /* 1 while the simulator's sound is stopped */  \
  X(int32_t, fsuipc_poll_flag, 0)

RO_DECLARE_GLOBALS(SIM_FSUIPC_GLOBALS)

// The request buffer every user of the module shares.
extern uint8_t fsuipc_buffer[kFsuipcSharedBufferBytes];

// Opens the link on `buffer` (usable size min(size, 32512)) and checks the server; required_sim 0
// accepts any simulator. A failed open leaves the link closed, except when it was already open.
bool FsuipcOpen(uint32_t required_sim, uint32_t* error, void* buffer, uint32_t size);
// Queues a read of n bytes of an offset into `destination` (may be null: the bytes are dropped).
bool IpcRead(uint32_t offset, uint32_t n, void* destination, uint32_t* error);
// mode 0 queues zeroed data bytes; mode 1 queues a copy of the destination's present bytes.
bool FsuipcQueueRead(int32_t mode, uint32_t offset, uint32_t n, void* destination, uint32_t* error);
// Queues a write of a copy of the n source bytes (a null source writes zeros).
bool FsuipcWrite(uint32_t offset, uint32_t n, const void* source, uint32_t* error);
// Sends the queue and, when the server answered 1, delivers the read results. The queue is empty
// afterwards whatever the answer.
bool FsuipcProcess(uint32_t* error);
// Forgets the window and the buffer.
void FsuipcClose();

// Opens the link on the shared buffer (fsuipc_open_ok and fsuipc_result record the outcome); a
// failed open also closes the link.
bool FsuipcOpenShared();
// One byte through a link of its own on the shared buffer: open, write, send, close. False when the
// link did not open.
bool FsuipcWriteByte(uint32_t offset, uint8_t value);

// The simulator-state poll of the systems publisher.
void PollFsuipcState();
// Sets (7) or clears (0) the hydraulic-failure bits of offset 0x32F8.
void FsuipcSet32F8();
void FsuipcClear32F8();
// Clears the autothrottle-disconnect byte 0x310A and thr_disc_set.
void FsuipcClear310A();

void ResetFsuipcClient();
