#include "platform/host_api.h"

extern "C" {
__attribute__((visibility("default"))) gauge::ImportTableRecord ImportTable = {0x0000000F, nullptr, 0, 0};
}

namespace host {

gauge::HostServiceTable* Services() { return ImportTable.services; }

int32_t IsPanelWindowVisible(uint32_t ident) {
  auto fn = SlotAs<IsPanelWindowVisibleFn>(kIsPanelWindowVisible);
  return fn ? fn(ident) : 0;
}

int32_t TogglePanelWindow(uint32_t ident) {
  auto fn = SlotAs<TogglePanelWindowFn>(kTogglePanelWindow);
  return fn ? fn(ident) : 0;
}

namespace {
SentKeyEvent g_sent[kSentKeyEventLog];
uint32_t g_sent_count = 0;
}  // namespace

void TriggerKeyEvent(uint32_t event_id, int32_t value) {
  auto fn = SlotAs<TriggerKeyEventFn>(kTriggerKeyEvent);
  if (fn == nullptr) return;
  // Noted before the send: the host may echo the event, and act on it, within the call.
  g_sent[g_sent_count % kSentKeyEventLog] = SentKeyEvent{event_id, value};
  ++g_sent_count;
  fn(event_id, value);
}

uint32_t SentKeyEventCount() { return g_sent_count; }

SentKeyEvent SentKeyEventAt(uint32_t n) { return g_sent[n % kSentKeyEventLog]; }

void ResetSentKeyEvents() {
  g_sent_count = 0;
  for (SentKeyEvent& e : g_sent) e = SentKeyEvent{};
}

void QueryModuleInterface(ModuleInterfaceRecord* out, const char* identity) {
  if (auto fn = SlotAs<QueryModuleInterfaceFn>(kQueryModuleInterface)) fn(out, identity);
}

void ReadToken(gauge::TokenVar* var) {
  if (auto fn = SlotAs<ReadTokenFn>(kReadToken)) fn(var);
}

void UnregisterNamedVar(const char* name) {
  if (auto fn = SlotAs<UnregisterNamedVarFn>(kUnregisterNamedVar)) fn(name);
}

uint32_t LookupNamedVar(const char* name) {
  auto fn = SlotAs<LookupNamedVarFn>(kLookupNamedVar);
  return fn ? fn(name) : 0xFFFFFFFFu;
}

uint32_t RegisterNamedVar(const char* name) {
  auto fn = SlotAs<RegisterNamedVarFn>(kRegisterNamedVar);
  return fn ? fn(name) : 0xFFFFFFFFu;
}

double GetNamedVar(uint32_t id) {
  auto fn = SlotAs<GetNamedVarFn>(kGetNamedVar);
  return fn ? fn(id) : 0.0;
}

void SetNamedVar(uint32_t id, double value) {
  if (auto fn = SlotAs<SetNamedVarFn>(kSetNamedVar)) fn(id, value);
}

void ExecuteExpression(const char* text, double* f_result, int32_t* i_result, const char** s_result) {
  if (auto fn = SlotAs<ExecuteExpressionFn>(kExecuteExpression)) fn(text, f_result, i_result, s_result);
}

void RegisterKeyHandler(KeyEventHandler handler, void* user_data) {
  if (auto fn = SlotAs<RegisterKeyHandlerFn>(kRegisterKeyHandler)) fn(handler, user_data);
}

void UnregisterKeyHandler(KeyEventHandler handler, void* user_data) {
  if (auto fn = SlotAs<RegisterKeyHandlerFn>(kUnregisterKeyHandler)) fn(handler, user_data);
}

void ElementService(int slot, gauge::ElementHeader* element, void* arg) {
  if (auto fn = SlotAs<ElementServiceFn>(slot)) fn(element, arg);
}

double ReadNamedVar(const char* name, uint32_t* id_cache) {
  *id_cache = LookupNamedVar(name);
  return GetNamedVar(*id_cache);
}

void WriteNamedVar(const char* name, uint32_t* id_cache, double value) {
  *id_cache = LookupNamedVar(name);
  SetNamedVar(*id_cache, value);
}

}  // namespace host
