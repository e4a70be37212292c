#include "host/fsuipc_server.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A request buffer built by hand, as any client could send it.
class RequestBuffer {
 public:
  RequestBuffer() : bytes_(4, 0) {}
  void Word(uint32_t v) {
    const size_t at = bytes_.size();
    bytes_.resize(at + 4);
    std::memcpy(bytes_.data() + at, &v, 4);
  }
  void Bytes(size_t n, uint8_t v) { bytes_.insert(bytes_.end(), n, v); }
  uintptr_t entry_bytes() const { return bytes_.size() - 4; }
  uint8_t* data() { return bytes_.data(); }
  uint8_t At(size_t i) const { return bytes_[i]; }

 private:
  std::vector<uint8_t> bytes_;
};

TEST(FsuipcServerStandIn, ReadsBeyondTheOffsetMemoryGiveZeros) {
  simhost::FsuipcServer server;
  server.SetValue(0xFFFE, 4, 0xAABBCCDD);  // the two bytes past the end are dropped
  RequestBuffer b;
  b.Word(1); b.Word(0xFFFE); b.Word(4); b.Word(0); b.Bytes(4, 0x77);
  EXPECT_EQ(server.Process(b.data(), b.entry_bytes(), 0), 1);
  EXPECT_EQ(b.At(20), 0xDD);
  EXPECT_EQ(b.At(21), 0xCC);
  EXPECT_EQ(b.At(22), 0);
  EXPECT_EQ(b.At(23), 0);
}

TEST(FsuipcServerStandIn, EntryRunningPastTheSentBytesIsAnsweredZero) {
  simhost::FsuipcServer server;
  RequestBuffer b;
  b.Word(2); b.Word(0x0100); b.Word(100); b.Bytes(4, 1);  // claims 100 data bytes, carries 4
  EXPECT_EQ(server.Process(b.data(), b.entry_bytes(), 0), 0);
  EXPECT_TRUE(server.writes().empty());
  RequestBuffer unknown;
  unknown.Word(5); unknown.Word(0); unknown.Word(0);
  EXPECT_EQ(server.Process(unknown.data(), unknown.entry_bytes(), 0), 0);
}

TEST(FsuipcServerStandIn, WritesAreKeptAndRecordedButIdentificationStays) {
  simhost::FsuipcServer server;
  RequestBuffer b;
  b.Word(2); b.Word(0x0B7C); b.Word(4); b.Word(123456);
  b.Word(2); b.Word(0x3308); b.Word(4); b.Word(0);
  EXPECT_EQ(server.Process(b.data(), b.entry_bytes(), 9), 1);
  EXPECT_EQ(server.Value(0x0B7C, 4), 123456u);
  EXPECT_EQ(server.Value(0x3308, 4), 0xFADE0007u);
  ASSERT_EQ(server.writes().size(), 2u);
  EXPECT_EQ(server.writes()[0].frame, 9);
}

}  // namespace
