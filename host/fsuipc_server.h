// The host's FSUIPC server stand-in: the offset memory of an FSUIPC server and the handling of the
// request buffers the module's client sends (window "UIPCMAIN", message 0x482). Reads fill the entry's
// data bytes from the memory; writes store them and are recorded. The identification offsets
// (0x3304..0x330B) answer the version and simulator id and are not writable, as in a real server.
#pragma once

#include <cstdint>
#include <vector>

namespace simhost {

struct FsuipcWriteRecord {
  uint32_t offset;
  std::vector<uint8_t> bytes;
  int64_t frame;
};

class FsuipcServer {
 public:
  static constexpr uint32_t kMemoryBytes = 0x10000;  // offsets 0x0000..0xFFFF
  static constexpr uint32_t kDefaultVersion = 0x49740000;
  static constexpr uint16_t kDefaultSimId = 7;

  FsuipcServer();

  // Without a server the module finds no "UIPCMAIN" window. Present by default.
  void set_present(bool present) { present_ = present; }
  bool present() const { return present_; }

  void set_version(uint32_t version) { version_ = version; }
  void set_sim_id(uint16_t sim_id) { sim_id_ = sim_id; }
  void set_check_word(uint16_t word) { check_word_ = word; }
  // The answer of the following sends (1 is success).
  void set_answer(intptr_t answer) { answer_ = answer; }

  // Little-endian value of `size` bytes (1..8) at an offset, as the module would read it.
  uint64_t Value(uint32_t offset, uint32_t size) const;
  void SetValue(uint32_t offset, uint32_t size, uint64_t value);

  // One request buffer: the entries (`entry_bytes` of them after the caller word) are answered in
  // order. Returns the answer; a malformed buffer is answered 0 from its first bad entry on.
  intptr_t Process(uint8_t* buffer, uintptr_t entry_bytes, int64_t frame);

  int sends() const { return sends_; }
  const std::vector<FsuipcWriteRecord>& writes() const { return writes_; }
  // Writes to one offset, in order.
  std::vector<FsuipcWriteRecord> WritesTo(uint32_t offset) const;
  uint16_t client_version() const { return client_version_; }

 private:
  uint8_t Byte(uint32_t offset) const;
  bool Identification(uint32_t offset) const;

  bool present_ = true;
  uint32_t version_ = kDefaultVersion;
  uint16_t sim_id_ = kDefaultSimId;
  uint16_t check_word_;
  intptr_t answer_ = 1;
  uint16_t client_version_ = 0;
  std::vector<uint8_t> memory_;
  std::vector<FsuipcWriteRecord> writes_;
  int sends_ = 0;
};

}  // namespace simhost
