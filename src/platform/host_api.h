// The host service table: the one seam between the module and everything outside it. Slots keep the
// numbers of the simulator's panel-service table; the stand-ins that table lacks (window lookup and
// message, SimConnect, the sound device, the clock, folders) are extension slots numbered from 100.
//
// The module calls only the wrappers below; each wrapper tolerates an empty slot (no host, or a host
// that does not offer the service) by doing nothing and returning 0.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// The import record the library exports: the host writes its service table into it at load, and
// every wrapper below reaches the host through it.
extern "C" {
extern gauge::ImportTableRecord ImportTable;
}

namespace host {

enum Slot : int {
  kIsPanelWindowVisible = 11,
  kElementQuery = 24,
  kElementInstall = 25,
  kElementInitialize = 26,
  kElementUpdate = 27,
  kElementGenerate = 28,
  kElementDraw = 29,
  kElementKill = 31,
  kTogglePanelWindow = 35,
  kTriggerKeyEvent = 36,
  kQueryModuleInterface = 39,
  kReadToken = 40,
  kUnregisterNamedVar = 41,
  kLookupNamedVar = 51,
  kRegisterNamedVar = 52,
  kGetNamedVar = 53,
  kSetNamedVar = 55,
  kExecuteExpression = 69,
  kRegisterKeyHandler = 80,
  kUnregisterKeyHandler = 81,
  // Extension slots.
  kGetCurrentDirectory = 100,
  kGetAppDataFolder = 101,
  kGetSystemTime = 102,
  kFindWindow = 103,
  kSendWindowMessage = 104,
  kSimConnectOpen = 105,
  kSimConnectClose = 106,
  kSimConnectFlightPlanLoad = 107,
  kSoundDeviceCreate = 108,
  kSoundDeviceRelease = 109,
  kSoundClock = 110,
  kSoundOutput = 111,
  kSoundEvent = 112,
  kSlotCount = 128,
};

using AnyFn = void (*)();

// What the interface lookup (slot 39) reports of another module: seven words, of which word 1 is the
// address of its connect routine and word 2 its interface version. Words are pointer-sized.
struct ModuleInterfaceRecord {
  uintptr_t word[7];
};

struct SystemTime {
  uint16_t year, month, day_of_week, day, hour, minute, second, milliseconds;
};

using KeyEventHandler = void (*)(uint32_t event_id, uint32_t event_data, void* user_data);

// Typed signatures of the slots.
using IsPanelWindowVisibleFn = int32_t (*)(uint32_t ident);
using ElementServiceFn = void (*)(gauge::ElementHeader* element, void* arg);
using TogglePanelWindowFn = int32_t (*)(uint32_t ident);
using TriggerKeyEventFn = void (*)(uint32_t event_id, int32_t value);
// Fills the record of the module whose identity text is given; a module the host does not know
// leaves it as it was.
struct ModuleInterfaceRecord;
using QueryModuleInterfaceFn = void (*)(ModuleInterfaceRecord* out, const char* identity);
using ReadTokenFn = void (*)(gauge::TokenVar* var);
using UnregisterNamedVarFn = void (*)(const char* name);
using LookupNamedVarFn = uint32_t (*)(const char* name);
using RegisterNamedVarFn = uint32_t (*)(const char* name);
using GetNamedVarFn = double (*)(uint32_t id);
using SetNamedVarFn = void (*)(uint32_t id, double value);
using ExecuteExpressionFn = int32_t (*)(const char* text, double* f_result, int32_t* i_result,
                                        const char** s_result);
using RegisterKeyHandlerFn = int32_t (*)(KeyEventHandler handler, void* user_data);
using GetCurrentDirectoryFn = uint32_t (*)(uint32_t capacity, char* buffer);
using GetAppDataFolderFn = int32_t (*)(char* buffer /* 260 bytes */);
using GetSystemTimeFn = void (*)(SystemTime* out);
using FindWindowFn = void* (*)(const char* class_name, const char* title);
using SendWindowMessageFn = intptr_t (*)(void* window, uint32_t message, uintptr_t wparam,
                                         intptr_t lparam);
using SimConnectOpenFn = int32_t (*)(void** handle, const char* name);
using SimConnectCloseFn = int32_t (*)(void* handle);
using SimConnectFlightPlanLoadFn = int32_t (*)(void* handle, const char* path);
using SoundDeviceCreateFn = int32_t (*)(void** device);
using SoundDeviceReleaseFn = void (*)(void* device);

// The sound device's seam: the host keeps simulated time and receives what the device mixes.
// Simulated time in samples at the given rate since the host started.
using SoundClockFn = int64_t (*)(void* device, int32_t sample_rate);
// Mixed mono 16-bit samples from first_sample on (samples at sample_rate; spans where nothing
// sounds are never sent and count as silence).
using SoundOutputFn = void (*)(void* device, int64_t first_sample, int32_t sample_rate, const int16_t* samples,
                               int32_t count);
enum SoundEventKind : int32_t {
  kSoundStarted = 1,
  kSoundStopped = 2,   // stopped or released while playing
  kSoundEnded = 3,     // a one-shot buffer reached its end
  kSoundVolume = 4,    // the volume of a playing buffer changed
};
struct SoundEvent {
  int32_t kind;
  uint32_t buffer_id;
  int64_t sample;       // when, in samples at sample_rate
  int32_t sample_rate;
  int32_t volume;       // hundredths of a decibel
  int32_t looping;
  const char* label;    // the buffer's label, never null
};
using SoundEventFn = void (*)(void* device, const SoundEvent* event);

}  // namespace host

namespace gauge {
struct HostServiceTable {
  host::AnyFn slot[host::kSlotCount];
};
}  // namespace gauge

namespace host {

// The service table the module reads, taken from the exported import table.
gauge::HostServiceTable* Services();

template <typename Fn>
inline Fn SlotAs(int slot) {
  gauge::HostServiceTable* t = Services();
  return t == nullptr ? nullptr : reinterpret_cast<Fn>(t->slot[slot]);
}

int32_t IsPanelWindowVisible(uint32_t ident);
int32_t TogglePanelWindow(uint32_t ident);
// Sends the key event and notes it among the module's own sends (below).
void TriggerKeyEvent(uint32_t event_id, int32_t value);

// The key events the module itself has sent, numbered from 0 at load (wrapping at 2^32): the last
// kSentKeyEventLog are kept, so that a reader can tell a simulator value the module commanded from
// one the simulator changed on its own, whatever path sent the command.
struct SentKeyEvent {
  uint32_t event_id;
  int32_t value;
};
inline constexpr uint32_t kSentKeyEventLog = 128;
uint32_t SentKeyEventCount();
// Event number n, for n among the last kSentKeyEventLog numbers.
SentKeyEvent SentKeyEventAt(uint32_t n);
void ResetSentKeyEvents();
void QueryModuleInterface(ModuleInterfaceRecord* out, const char* identity);
void ReadToken(gauge::TokenVar* var);
void UnregisterNamedVar(const char* name);
uint32_t LookupNamedVar(const char* name);
uint32_t RegisterNamedVar(const char* name);
double GetNamedVar(uint32_t id);
void SetNamedVar(uint32_t id, double value);
void ExecuteExpression(const char* text, double* f_result, int32_t* i_result, const char** s_result);
void RegisterKeyHandler(KeyEventHandler handler, void* user_data);
void UnregisterKeyHandler(KeyEventHandler handler, void* user_data);
void ElementService(int slot, gauge::ElementHeader* element, void* arg);

// Lookup-then-access convenience used throughout the module: the id is stored in *id_cache.
double ReadNamedVar(const char* name, uint32_t* id_cache);
void WriteNamedVar(const char* name, uint32_t* id_cache, double value);

}  // namespace host
