#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "pty_fixture.h"

namespace {

using platform::SysError;

TEST_F(PtyTest, OpenPortIsHeldUntilClosed) {
  auto first = openDevice();
  ASSERT_NE(first, nullptr);
  SysError error = platform::kSuccess;
  EXPECT_EQ(openDevice(error), nullptr);
  EXPECT_EQ(error, static_cast<SysError>(EBUSY));

  EXPECT_EQ(first->close(), platform::kSuccess);
  EXPECT_NE(openDevice(), nullptr);
}

TEST_F(PtyTest, FlockFromAnotherHolderMakesThePortBusy) {
  const int holder = ::open(devicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
  SysError error = platform::kSuccess;
  EXPECT_EQ(openDevice(error), nullptr);
  EXPECT_EQ(error, static_cast<SysError>(EBUSY));
  ::close(holder);
}

TEST_F(PtyTest, MissingDeviceFailsWithItsErrorNumber) {
  SysError error = platform::kSuccess;
  EXPECT_EQ(ports_->open("/dev/pts/no-such-port", error), nullptr);
  EXPECT_EQ(error, static_cast<SysError>(ENOENT));
}

pid_t finishedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

// Lock file contents in the formats other programs leave behind.
struct LockFileCase {
  const char* name;
  bool live;       // the owner is this test process
  bool binary;     // 4-byte PID instead of ten ASCII digits
  bool held;
};

// Test names in CTest show the case, not its bytes.
void PrintTo(const LockFileCase& c, std::ostream* os) { *os << c.name; }

class UucpLockTest : public PtyTest, public ::testing::WithParamInterface<LockFileCase> {};

TEST_P(UucpLockTest, OnlyALiveOwnerHoldsThePort) {
  const auto& c = GetParam();
  std::string lockName = pty_.slaveName;
  for (char& ch : lockName) ch = ch == '/' ? '_' : ch;
  const pid_t owner = c.live ? getpid() : finishedProcess();
  std::ofstream file(lockDir_ + "/LCK.." + lockName, std::ios::binary);
  if (c.binary) {
    const std::int32_t pid = owner;
    file.write(reinterpret_cast<const char*>(&pid), sizeof pid);
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(owner));
    file << text;
  }
  file.close();

  SysError error = platform::kSuccess;
  auto device = openDevice(error);
  EXPECT_EQ(device == nullptr, c.held);
  EXPECT_EQ(error, c.held ? static_cast<SysError>(EBUSY) : platform::kSuccess);
}

INSTANTIATE_TEST_SUITE_P(LockFiles, UucpLockTest,
                         ::testing::Values(LockFileCase{"LiveAscii", true, false, true},
                                           LockFileCase{"LiveBinary", true, true, true},
                                           LockFileCase{"StaleAscii", false, false, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(PtyTest, ClosedDeviceFailsEveryCall) {
  auto device = openDevice();
  ASSERT_EQ(device->close(), platform::kSuccess);
  char byte = 0;
  std::uint32_t count = 0;
  platform::LineSettings settings;
  EXPECT_EQ(device->read(&byte, 1, count), static_cast<SysError>(EBADF));
  EXPECT_EQ(device->write(&byte, 1, count), static_cast<SysError>(EBADF));
  EXPECT_EQ(device->getCommState(settings), static_cast<SysError>(EBADF));
  EXPECT_EQ(device->escape(platform::SETDTR), static_cast<SysError>(EBADF));
  EXPECT_EQ(device->close(), static_cast<SysError>(EBADF));
}

}  // namespace
