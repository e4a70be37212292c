// The host's stand-in for the external TCAS module: offered through the interface lookup (slot 39)
// under tcas::kModuleIdentity with interface version 38 while enabled; its intruders come from the
// scenario. A client that connects gets its service record through its callback at once and again on
// every frame; disabling the module calls the callback once with null.
#pragma once

#include <array>
#include <cstdint>

#include "platform/host_api.h"
#include "platform/tcas_module.h"

namespace simhost {

class TcasServer {
 public:
  TcasServer() = default;
  TcasServer(const TcasServer&) = delete;
  TcasServer& operator=(const TcasServer&) = delete;

  // Off by default: without the module the maps draw no traffic.
  void Enable();
  void Disable();
  bool enabled() const { return enabled_; }
  // The interface version the lookup reports (38 unless a test wants another).
  void set_interface_version(uintptr_t version) { version_ = version; }

  // Appends an intruder; false when 255 are listed already. threat -8..7 and trend -8..7 are the
  // signed 4-bit indices of the flag word.
  bool Add(double dist_nm, double rel_brg_deg, double rel_alt_ft, int threat = 0, int trend = 0, bool valid = true);
  void Clear();
  int intruder_count() const { return record_.count; }

  // Slot 39: fills the record when the identity is the TCAS module's and the module is enabled.
  void Lookup(host::ModuleInterfaceRecord* out, const char* identity);
  int32_t Connect(const void* client_arg, tcas::ServiceCallback callback, uint32_t user_word);
  // Delivers the record to the connected client (once per frame).
  void Publish();

  int lookups() const { return lookups_; }
  int connects() const { return connects_; }
  const tcas::ServiceRecord& record() const { return record_; }
  tcas::ServiceRecord& record() { return record_; }

 private:
  bool enabled_ = false;
  uintptr_t version_ = tcas::kInterfaceVersion;
  tcas::ServiceCallback callback_ = nullptr;
  tcas::ServiceRecord record_{};
  std::array<tcas::IntruderRecord, tcas::kMaxIntruders> intruders_{};
  int lookups_ = 0;
  int connects_ = 0;
};

}  // namespace simhost
