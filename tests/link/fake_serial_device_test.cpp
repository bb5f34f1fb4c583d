#include "platform/fake/fake_serial_device.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using platform::fake::Call;
using platform::fake::FakeSerialDevice;
using platform::fake::FakeSerialPorts;
using namespace std::chrono_literals;

platform::CommTimeouts oneByteIn100ms() {
  platform::CommTimeouts t;
  t.ReadTotalTimeoutConstant = 100;
  return t;
}

std::string readOne(FakeSerialDevice& device) {
  char byte = 0;
  std::uint32_t got = 0;
  EXPECT_EQ(device.read(&byte, 1, got), platform::kSuccess);
  return got == 1 ? std::string(1, byte) : std::string();
}

TEST(FakeSerialDevice, AnswersAScriptedRequestOnTheVirtualClock) {
  FakeSerialDevice device;
  device.setCommTimeouts(oneByteIn100ms());
  device.expect("ping", "ok", 250ms);
  std::uint32_t put = 0;
  device.write("pi", 2, put);
  device.transmitChar('n');
  device.write("g", 1, put);
  EXPECT_EQ(device.pendingExpectations(), 0u);
  EXPECT_EQ(device.written(), "ping");

  EXPECT_EQ(readOne(device), "");  // 100 ms of silence
  EXPECT_EQ(readOne(device), "");
  EXPECT_EQ(readOne(device), "o");  // arrives at 250 ms, inside the third read
  EXPECT_EQ(readOne(device), "k");
  EXPECT_EQ(device.now(), 250ms);
  EXPECT_EQ(readOne(device), "");
  EXPECT_EQ(device.now(), 350ms);
  EXPECT_EQ(device.waits(), (std::vector<FakeSerialDevice::Clock>{100ms, 100ms, 50ms, 100ms}));
  EXPECT_TRUE(device.unexpectedWrites().empty());
}

TEST(FakeSerialDevice, IntervalTimeoutEndsAMultiByteReadAtAGap) {
  FakeSerialDevice device;
  platform::CommTimeouts t;
  t.ReadIntervalTimeout = 20;
  t.ReadTotalTimeoutConstant = 1000;
  device.setCommTimeouts(t);
  device.arrive("ab", 10ms);
  device.arrive("c", 100ms);
  char buffer[8] = {};
  std::uint32_t got = 0;
  device.read(buffer, 8, got);
  EXPECT_EQ(std::string(buffer, got), "ab");
  EXPECT_EQ(device.now(), 30ms);
}

TEST(FakeSerialDevice, RecordsWritesThatMatchNoExpectation) {
  FakeSerialDevice device;
  device.expect("abc", "x");
  std::uint32_t put = 0;
  device.write("abd", 3, put);
  ASSERT_EQ(device.unexpectedWrites().size(), 1u);
  EXPECT_EQ(device.unexpectedWrites()[0], "abd");
  EXPECT_EQ(device.pendingExpectations(), 1u);
}

TEST(FakeSerialDevice, FailsTheNthUseOfACallWithTheGivenError) {
  FakeSerialDevice device;
  device.failAt(Call::TransmitChar, 5, EIO);
  device.failAt(Call::SetCommState, 1, EINVAL);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(device.transmitChar('x'), i == 5 ? EIO : platform::kSuccess) << "use " << i;
  }
  EXPECT_EQ(device.written(), "xxxxx");
  platform::LineSettings settings;
  settings.baudRate = 4800;
  EXPECT_EQ(device.setCommState(settings), static_cast<platform::SysError>(EINVAL));
  EXPECT_NE(device.lineSettings().baudRate, 4800u);  // a failed call changes nothing
  EXPECT_EQ(device.setCommState(settings), platform::kSuccess);
  EXPECT_EQ(device.lineSettings().baudRate, 4800u);
}

TEST(FakeSerialDevice, ADisconnectFailsEveryCallAndReadsReturnAtOnce) {
  FakeSerialDevice device;
  device.setCommTimeouts(oneByteIn100ms());
  device.arrive("late", 50ms);
  device.disconnect(EIO);
  char byte = 0;
  std::uint32_t got = 7;
  EXPECT_EQ(device.read(&byte, 1, got), static_cast<platform::SysError>(EIO));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(device.now(), 0ms);
  std::uint32_t put = 0;
  EXPECT_EQ(device.write("x", 1, put), static_cast<platform::SysError>(EIO));
  EXPECT_EQ(device.close(), platform::kSuccess);
}

TEST(FakeSerialPorts, OpensExclusivelyAndReportsFailures) {
  FakeSerialPorts ports;
  FakeSerialDevice& device = ports.add("/dev/ttyS9");
  ports.failOpen("/dev/ttyUSB0", EACCES);
  platform::SysError error = 0;

  auto first = ports.open("/dev/ttyS9", error);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(ports.isOpen("/dev/ttyS9"));
  EXPECT_EQ(ports.open("/dev/ttyS9", error), nullptr);
  EXPECT_EQ(error, static_cast<platform::SysError>(EBUSY));
  EXPECT_EQ(ports.open("/dev/ttyS1", error), nullptr);
  EXPECT_EQ(error, static_cast<platform::SysError>(ENOENT));
  EXPECT_EQ(ports.open("/dev/ttyUSB0", error), nullptr);
  EXPECT_EQ(error, static_cast<platform::SysError>(EACCES));

  std::uint32_t put = 0;
  first->write("hi", 2, put);
  EXPECT_EQ(device.written(), "hi");
  first.reset();  // dropping the handle closes the port
  EXPECT_FALSE(ports.isOpen("/dev/ttyS9"));
  EXPECT_NE(ports.open("/dev/ttyS9", error), nullptr);
  EXPECT_EQ(ports.openRequests().size(), 5u);
}

}  // namespace
