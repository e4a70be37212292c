#include "sim/fsuipc_client.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "module/module_fixture.h"
#include "platform/host_api.h"

namespace {

class FsuipcTest : public FrameTest {
 protected:
  bool OpenShared() { return FsuipcOpen(0, &err_, fsuipc_buffer, sizeof fsuipc_buffer); }
  simhost::FsuipcServer& server() { return host().fsuipc(); }

  uint32_t err_ = 99;
};

TEST_F(FsuipcTest, OpenReadsTheServerIdentityAndWritesTheClientVersion) {
  ASSERT_TRUE(OpenShared());
  EXPECT_EQ(std::tuple(err_, fsuipc_version), std::tuple(0u, simhost::FsuipcServer::kDefaultVersion));
  EXPECT_EQ(fs_version, simhost::FsuipcServer::kDefaultSimId);  // check word dropped
  EXPECT_EQ(server().client_version(), 0x04B0);
  FsuipcClose();
  EXPECT_TRUE(OpenShared());  // the identity survives the client-version write
}

// Each failure leaves the link closed.
TEST_F(FsuipcTest, OpenFailsWithTheCodeOfItsCause) {
  const struct {
    bool present;
    uint32_t version;
    uint16_t check_word;
    uint32_t required_sim, error;
  } kCases[] = {{false, 0x49740000, 0xFADE, 0, kFsuipcNoServer},
                {true, 0x19980004, 0xFADE, 0, kFsuipcWrongVersion},
                {true, 0x49740000, 0xFADF, 0, kFsuipcWrongVersion},
                {true, 0x49740000, 0xFADE, 8, kFsuipcWrongSim}};
  const uint8_t b = 1;
  for (const auto& c : kCases) {
    server().set_present(c.present);
    server().set_version(c.version);
    server().set_check_word(c.check_word);
    EXPECT_FALSE(FsuipcOpen(c.required_sim, &err_, fsuipc_buffer, sizeof fsuipc_buffer));
    EXPECT_EQ(err_, c.error);
    EXPECT_FALSE(FsuipcWrite(0x310A, 1, &b, &err_));
    EXPECT_EQ(err_, kFsuipcNotOpen);
  }
}

// A buffer under 32 bytes (or none) fails with 6 before the server is looked for; the open's own
// requests need 66 bytes: two 4-byte reads (28 bytes of room each) and a 2-byte write.
TEST_F(FsuipcTest, OpenNeedsABufferWithRoomForItsOwnRequests) {
  std::vector<uint8_t> buffer(66);
  EXPECT_FALSE(FsuipcOpen(0, &err_, buffer.data(), 31));
  EXPECT_EQ(err_, kFsuipcBadBuffer);
  EXPECT_FALSE(FsuipcOpen(0, &err_, nullptr, 1024));
  EXPECT_EQ(err_, kFsuipcBadBuffer);
  EXPECT_EQ(server().sends(), 0);
  for (uint32_t size : {32u, 65u}) {
    EXPECT_FALSE(FsuipcOpen(0, &err_, buffer.data(), size));
    EXPECT_EQ(err_, uint32_t{kFsuipcNoRoom}) << size;
    FsuipcClose();
  }
  EXPECT_TRUE(FsuipcOpen(0, &err_, buffer.data(), 66));
  FsuipcClose();
}

// 40000 bytes are cut to 32512; a count that would wrap 32-bit arithmetic is refused, not written.
TEST_F(FsuipcTest, RequestFitsOnlyWithinTheUsableSize) {
  const struct {
    uint32_t size;
    bool write;  // else a read
    uint32_t n;
    bool fits;
  } kCases[] = {{1024, true, 1000, true},        {1024, true, 1001, false},      {1024, false, 996, true},
                {1024, false, 997, false},       {40000, true, 32488, true},     {40000, true, 32489, false},
                {1024, true, 0xFFFFFFF0u, false}, {1024, false, 0xFFFFFFF0u, false}};
  static std::vector<uint8_t> buffer(40000);
  static std::vector<uint8_t> data(40000);
  for (const auto& c : kCases) {
    ASSERT_TRUE(FsuipcOpen(0, &err_, buffer.data(), c.size));
    const bool ok = c.write ? FsuipcWrite(0x4000, c.n, data.data(), &err_) : IpcRead(0x4000, c.n, data.data(), &err_);
    EXPECT_EQ(std::tuple(ok, err_), std::tuple(c.fits, c.fits ? 0u : uint32_t{kFsuipcNoRoom})) << c.size << " " << c.n;
    FsuipcClose();
  }
}

// Closed link 9; nothing queued 10 (the link stays open); an answer other than 1 gives 13, delivers
// nothing and empties the queue.
// A server that answers a 1-byte read with 4 bytes: the client's first entry, as it comes back.
intptr_t OversizedAnswer(void*, uint32_t, uintptr_t, intptr_t lparam) {
  auto* entry = reinterpret_cast<uint8_t*>(lparam) + 4;
  const uint32_t n = 4;
  std::memcpy(entry + 8, &n, sizeof n);
  std::memset(entry + 16, 0xAB, n);
  return 1;
}

// A destination never receives more than it asked for, whatever size the server writes back.
TEST_F(FsuipcTest, AnAnswerOfAnotherSizeIsNotDelivered) {
  ASSERT_TRUE(OpenShared());
  host().table()->slot[host::kSendWindowMessage] = reinterpret_cast<host::AnyFn>(&OversizedAnswer);
  uint8_t into[4] = {0x11, 0x22, 0x22, 0x22};
  uint16_t later = 0;
  ASSERT_TRUE(IpcRead(0x0264, 1, into, &err_));
  ASSERT_TRUE(IpcRead(0x0266, 2, &later, &err_));  // room behind the first entry for the oversized answer
  EXPECT_TRUE(FsuipcProcess(&err_));
  EXPECT_EQ(std::vector<uint8_t>(into, into + 4), (std::vector<uint8_t>{0x11, 0x22, 0x22, 0x22}));
}

TEST_F(FsuipcTest, ProcessFailuresCarryTheirCodes) {
  uint16_t into = 0x5555;
  EXPECT_FALSE(IpcRead(0x0264, 2, &into, &err_));
  EXPECT_EQ(err_, kFsuipcNotOpen);
  EXPECT_FALSE(FsuipcProcess(&err_));
  EXPECT_EQ(err_, kFsuipcNotOpen);
  server().SetValue(0x0264, 2, 0x1234);
  ASSERT_TRUE(OpenShared());
  EXPECT_FALSE(FsuipcProcess(&err_));
  EXPECT_EQ(err_, kFsuipcNothingQueued);
  server().set_answer(0);
  ASSERT_TRUE(IpcRead(0x0264, 2, &into, &err_));
  EXPECT_FALSE(FsuipcProcess(&err_));
  EXPECT_EQ(std::tuple(err_, into), std::tuple(kFsuipcSendFailed, 0x5555));
  EXPECT_FALSE(FsuipcProcess(&err_));
  EXPECT_EQ(err_, kFsuipcNothingQueued);
}

TEST_F(FsuipcTest, SoundStoppedFollowsThePolledOffsets) {
  const struct {
    int32_t before;
    uint8_t state;   // 0x8320
    uint16_t pause;  // 0x0264
    uint16_t b24;    // 0x0B24
    uint16_t w5dc;   // 0x05DC
    int32_t after;
  } kCases[] = {{0, 3, 0, 1, 0, 1}, {0, 0, 0, 0, 0, 1}, {1, 2, 0, 1, 0, 0}, {1, 0, 0, 2, 0, 1}, {2, 3, 1, 0, 1, 2},
              {0, 0, 1, 1, 0, 1}};
  for (const auto& c : kCases) {
    server().SetValue(0x8320, 1, c.state);
    server().SetValue(0x0264, 2, c.pause);
    server().SetValue(0x0B24, 2, c.b24);
    server().SetValue(0x05DC, 2, c.w5dc);
    sim_sound_stopped = c.before;
    PollFsuipcState();
    EXPECT_EQ(sim_sound_stopped, c.after) << c.before << " " << int{c.state} << " " << c.b24;
  }
  EXPECT_TRUE(OpenShared());  // the poll closed its link
}

TEST_F(FsuipcTest, OneByteUsersWriteTheirOffsetsAndThePollWithoutServerKeepsTheState) {
  server().SetValue(0x310A, 1, 8);
  thr_disc_set = 1;
  FsuipcClear310A();
  EXPECT_EQ(std::tuple(server().Value(0x310A, 1), thr_disc_set, fsuipc_open_ok), std::tuple(0u, 0, 1));
  server().set_present(false);
  sim_sound_stopped = 1;
  PollFsuipcState();
  EXPECT_EQ(std::tuple(sim_sound_stopped, fsuipc_result), std::tuple(1, uint32_t{kFsuipcNoServer}));
}

// A stale link (opened and never closed) makes the next user's open fail with code 1; every user
// closes it then, so the user after that works again.
TEST_F(FsuipcTest, EveryUserClosesAStaleLinkAfterItsFailedOpen) {
  for (void (*user)() : {&PollFsuipcState, &FsuipcSet32F8, &FsuipcClear32F8, &FsuipcClear310A}) {
    ASSERT_TRUE(OpenShared());
    thr_disc_set = 1;
    const size_t writes = server().WritesTo(0x32F8).size();
    user();
    EXPECT_EQ(std::tuple(fsuipc_open_ok, fsuipc_result, thr_disc_set), std::tuple(0, uint32_t{kFsuipcAlreadyOpen}, 1));
    EXPECT_EQ(server().WritesTo(0x32F8).size(), writes);
    FsuipcSet32F8();
    EXPECT_EQ(std::tuple(fsuipc_open_ok, server().Value(0x32F8, 1)), std::tuple(1, 7u));
  }
}

}  // namespace
