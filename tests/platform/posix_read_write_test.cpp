#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "pty_fixture.h"

namespace {

using platform::CommTimeouts;
using platform::SysError;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::uint32_t kMaxDword = 0xFFFFFFFF;

struct ReadCase {
  const char* name;
  CommTimeouts timeouts;
  std::string waiting;      // bytes already in the input queue
  std::uint32_t count;
  std::uint32_t expected;   // bytes the read returns
  int minMs;                // the read must not return sooner
};

// Test names in CTest show the case, not its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadTimeoutTest : public PtyTest, public ::testing::WithParamInterface<ReadCase> {};

// Lower bounds are exact; upper bounds are loose, so a busy machine cannot fail the test.
TEST_P(ReadTimeoutTest, FollowsTheWindowsRules) {
  const auto& c = GetParam();
  auto device = openDevice();
  ASSERT_NE(device, nullptr);
  ASSERT_EQ(device->setCommTimeouts(c.timeouts), platform::kSuccess);
  if (!c.waiting.empty()) writeMaster(c.waiting);
  std::this_thread::sleep_for(milliseconds(20));  // let the bytes cross the pseudo-terminal

  std::vector<char> buffer(c.count);
  std::uint32_t received = 99;
  const auto start = Clock::now();
  EXPECT_EQ(device->read(buffer.data(), c.count, received), platform::kSuccess);
  const auto elapsed = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
  EXPECT_EQ(received, c.expected);
  EXPECT_EQ(std::string(buffer.data(), received), c.waiting.substr(0, received));
  EXPECT_GE(elapsed, c.minMs);
  EXPECT_LT(elapsed, c.minMs + 400);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadTimeoutTest,
    ::testing::Values(
        ReadCase{"ConstantByteThere", {0, 0, 100, 0, 0}, "A", 1, 1, 0},
        ReadCase{"ConstantSilence", {0, 0, 100, 0, 0}, "", 1, 0, 100},
        ReadCase{"MultiplierTimesCount", {0, 40, 0, 0, 0}, "AB", 5, 2, 200},
        ReadCase{"MultiplierPlusConstant", {0, 10, 100, 0, 0}, "", 4, 0, 140},
        ReadCase{"IntervalAfterLastByte", {50, 0, 0, 0, 0}, "ABC", 10, 3, 50},
        ReadCase{"IntervalEndsBeforeTotal", {50, 0, 1000, 0, 0}, "ABC", 10, 3, 50},
        ReadCase{"FullCountReturnsAtOnce", {50, 0, 1000, 0, 0}, "ABC", 3, 3, 0},
        ReadCase{"MaxDwordWhatIsThere", {kMaxDword, 0, 0, 0, 0}, "AB", 10, 2, 0},
        ReadCase{"MaxDwordNothing", {kMaxDword, 0, 0, 0, 0}, "", 10, 0, 0},
        ReadCase{"FirstBytesOnlyThere", {kMaxDword, kMaxDword, 300, 0, 0}, "AB", 10, 2, 0},
        ReadCase{"FirstBytesOnlyWaits", {kMaxDword, kMaxDword, 150, 0, 0}, "", 10, 0, 150}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(PtyTest, IntervalTimerStartsOnlyWithTheFirstByte) {
  auto device = openDevice();
  ASSERT_EQ(device->setCommTimeouts({50, 0, 0, 0, 0}), platform::kSuccess);
  std::thread peer([this] {
    std::this_thread::sleep_for(milliseconds(150));  // longer than the interval
    writeMaster("XY");
  });
  char buffer[8];
  std::uint32_t received = 0;
  EXPECT_EQ(device->read(buffer, sizeof buffer, received), platform::kSuccess);
  peer.join();
  EXPECT_EQ(received, 2u);
}

TEST_F(PtyTest, VanishedPeerEndsAWaitingReadWithAnError) {
  auto device = openDevice();
  ASSERT_EQ(device->setCommTimeouts({0, 0, 5000, 0, 0}), platform::kSuccess);
  std::thread peer([this] {
    std::this_thread::sleep_for(milliseconds(50));
    closeMaster();
  });
  char byte = 0;
  std::uint32_t received = 0;
  const auto start = Clock::now();
  const SysError error = device->read(&byte, 1, received);
  peer.join();
  EXPECT_EQ(error, static_cast<SysError>(EIO));
  EXPECT_EQ(received, 0u);
  EXPECT_LT(Clock::now() - start, milliseconds(1000));

  // And every later read fails at once instead of waiting out its time-out.
  const auto again = Clock::now();
  EXPECT_NE(device->read(&byte, 1, received), platform::kSuccess);
  EXPECT_LT(Clock::now() - again, milliseconds(100));
}

TEST_F(PtyTest, WriteReachesThePeerAndTimesOutWhenNobodyReads) {
  auto device = openDevice();
  std::uint32_t written = 0;
  ASSERT_EQ(device->write("\x01\x24\x21\x80", 4, written), platform::kSuccess);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(readMaster(), std::string("\x01\x24\x21\x80", 4));

  // The pseudo-terminal's queue holds a few kilobytes; a megabyte cannot fit before the time-out.
  ASSERT_EQ(device->setCommTimeouts({0, 0, 0, 0, 100}), platform::kSuccess);
  const std::vector<char> big(1 << 20, 'x');
  EXPECT_EQ(device->write(big.data(), static_cast<std::uint32_t>(big.size()), written), platform::kSuccess);
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, big.size());
}

TEST_F(PtyTest, PurgeDropsWaitingInputAndQueueCountsShowIt) {
  auto device = openDevice();
  writeMaster("12345");
  std::this_thread::sleep_for(milliseconds(20));
  std::uint32_t errors = 1;
  platform::CommStatus status;
  ASSERT_EQ(device->clearCommError(errors, status), platform::kSuccess);
  EXPECT_EQ(errors, 0u);
  EXPECT_EQ(status.inQueue, 5u);

  ASSERT_EQ(device->purge(platform::PURGE_RXCLEAR | platform::PURGE_TXCLEAR), platform::kSuccess);
  ASSERT_EQ(device->clearCommError(errors, status), platform::kSuccess);
  EXPECT_EQ(status.inQueue, 0u);
}

}  // namespace
