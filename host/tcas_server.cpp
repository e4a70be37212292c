#include "host/tcas_server.h"

#include <cstring>
#include <numbers>

#include "host/host.h"

namespace simhost {

namespace {

// The connect routine the lookup hands out: a plain function, so it forwards to the current host.
int32_t ConnectRoutine(const void* client_arg, tcas::ServiceCallback callback, uint32_t user_word) {
  Host* h = Host::Current();
  return h != nullptr ? h->tcas().Connect(client_arg, callback, user_word) : 1;
}

uint32_t FlagField(int index, int shift) { return (static_cast<uint32_t>(index) & 0xFu) << shift; }

}  // namespace

void TcasServer::Enable() { enabled_ = true; }

void TcasServer::Disable() {
  enabled_ = false;
  if (callback_ != nullptr) {
    tcas::ServiceCallback cb = callback_;
    callback_ = nullptr;
    cb(nullptr);
  }
}

bool TcasServer::Add(double dist_nm, double rel_brg_deg, double rel_alt_ft, int threat, int trend, bool valid) {
  const int n = record_.count;
  if (n >= tcas::kMaxIntruders) return false;
  tcas::IntruderRecord& in = intruders_[n];
  in = {};
  in.rel_alt_ft = static_cast<float>(rel_alt_ft);
  in.flags = FlagField(trend, tcas::kTrendShift) | FlagField(threat, tcas::kThreatShift);
  in.valid = valid ? 1 : 0;
  in.dist_nm = static_cast<float>(dist_nm);
  in.rel_brg_rad = static_cast<float>(rel_brg_deg * std::numbers::pi / 180.0);
  record_.intruders[n] = &in;
  record_.count = static_cast<uint8_t>(n + 1);
  record_.taken = 1;  // a new list; the client writes 0 when it takes it
  return true;
}

void TcasServer::Clear() {
  record_.count = 0;
  record_.taken = 1;
}

void TcasServer::Lookup(host::ModuleInterfaceRecord* out, const char* identity) {
  ++lookups_;
  if (!enabled_ || out == nullptr || identity == nullptr || std::strcmp(identity, tcas::kModuleIdentity) != 0) return;
  out->word[1] = reinterpret_cast<uintptr_t>(&ConnectRoutine);
  out->word[2] = version_;
}

int32_t TcasServer::Connect(const void*, tcas::ServiceCallback callback, uint32_t) {
  ++connects_;
  if (!enabled_ || callback == nullptr) return 2;
  callback_ = callback;
  callback_(&record_);
  return 0;
}

void TcasServer::Publish() {
  if (enabled_ && callback_ != nullptr) callback_(&record_);
}

}  // namespace simhost
