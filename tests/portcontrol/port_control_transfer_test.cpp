#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "fake_process_control.h"
#include "platform/fake/fake_serial_device.h"
#include "platform/platform_id.h"
#include "portcontrol/port_control.h"

namespace {

using platform::fake::Call;
using Process = FakeProcessControl::Call;

// A component on a fake device named pts/1, with descriptions on.
class PortOnFakeDevice : public ::testing::Test {
 protected:
  PortOnFakeDevice() : device(ports.add("/dev/pts/1")), port(nullptr, ports, process) {
    port.SetNumPort("pts/1");
    port.SetEnableDescr(true);
  }

  void openWithSession() {
    ASSERT_EQ(port.OpenPort(), 0);
    ASSERT_EQ(port.StartSession(false), 0);
  }

  platform::ScopedPlatformId other{platform::kPlatformOther};
  platform::fake::FakeSerialPorts ports;
  platform::fake::FakeSerialDevice& device;
  FakeProcessControl process;
  TPortControl port;
};

std::string described(platform::SysError error) {
  return platform::systemErrorText(error) + "\r\n\nError = 0x" + ([&] {
           char hex[16];
           std::snprintf(hex, sizeof hex, "%x", error);
           return std::string(hex);
         })();
}

struct WrongState {
  const char* operation;
  std::function<int(TPortControl&, std::uint32_t&)> call;
  int closedCode;
  const char* closedText;
  int noSessionCode;  // 0: needs no session
  const char* noSessionText;
};

const WrongState kWrongStates[] = {
    {"ClosePort", [](TPortControl& p, std::uint32_t&) { return p.ClosePort(); }, -1,
     "Port was not opened!\nError = -1", 0, nullptr},
    {"StartSession", [](TPortControl& p, std::uint32_t&) { return p.StartSession(true); }, -1,
     "Port was not opened!\nError = -1", 0, nullptr},
    {"EndSession", [](TPortControl& p, std::uint32_t&) { return p.EndSession(true); }, -1,
     "Port was not opened!\nError = -1", -21, "Session was not opened!\nError = -21"},
    {"WriteData", [](TPortControl& p, std::uint32_t& n) { return p.WriteData("ab", 2, &n); }, -1,
     "Port was not opened.\nError = -1", -21, "Session was not opened.\nError = -21"},
    {"ReadData", [](TPortControl& p, std::uint32_t& n) { char b[4]; return p.ReadData(b, 4, &n); }, -1,
     "Port was not opened!\nError = -1", -21, "Session was not opened!!\nError = -21"},
    {"ClearError", [](TPortControl& p, std::uint32_t&) { return p.ClearError(); }, -1,
     "Port was not opened!\nError = -1", -21, "Session was not opened\nError = -21"},
    {"SetPortTimeouts", [](TPortControl& p, std::uint32_t&) { return p.SetPortTimeouts(); }, -1,
     "Port was not opened!\nError = -1", 0, nullptr},
    {"EscapeCommFunction", [](TPortControl& p, std::uint32_t&) { return p.EscapeCommFunction(platform::SETDTR); },
     -1, "Port was not opened!\nError = -1", -21, "Session was not opened.\nError = -21"},
    {"ClearBuffers", [](TPortControl& p, std::uint32_t&) { return p.ClearBuffers(15); }, -1,
     "Port was not opened!\nError = -1", -21, "Session was not opened.\nError = -21"},
};

TEST_F(PortOnFakeDevice, EachOperationRefusesTheWrongStateWithItsCodeAndText) {
  ports.failOpen("/dev/pts/2", ENOENT);  // leaves a system error behind to be cleared
  port.SetNumPort("pts/2");
  ASSERT_EQ(port.OpenPort(), -2);
  for (const WrongState& c : kWrongStates) {
    std::uint32_t count = 77;
    EXPECT_EQ(c.call(port, count), c.closedCode) << c.operation;
    EXPECT_EQ(port.Descr(), c.closedText) << c.operation;
    EXPECT_EQ(port.LastError(), 0u) << c.operation;
    EXPECT_EQ(count, 77u) << c.operation;
  }
  port.SetNumPort("pts/1");
  ASSERT_EQ(port.OpenPort(), 0);
  for (const WrongState& c : kWrongStates) {
    if (c.noSessionCode == 0) continue;
    std::uint32_t count = 77;
    EXPECT_EQ(c.call(port, count), c.noSessionCode) << c.operation;
    EXPECT_EQ(port.Descr(), c.noSessionText) << c.operation;
    EXPECT_EQ(count, 77u) << c.operation;
  }
}

TEST_F(PortOnFakeDevice, OpenRefusesAnOpenPortKeepingTheLastError) {
  device.failAt(Call::SetCommState, 1, EIO);
  EXPECT_EQ(port.OpenPort(), -4);
  EXPECT_TRUE(port.IsOpen());  // the handle stays for ClosePort to free
  EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(EIO));
  EXPECT_EQ(port.Descr(), described(EIO));

  EXPECT_EQ(port.OpenPort(), -20);
  EXPECT_EQ(port.Descr(), "Port was opened!\nError = -20");
  EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(EIO));

  EXPECT_EQ(port.ClosePort(), 0);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.OpenPort(), 0);
  EXPECT_EQ(port.Descr(), "");
  EXPECT_EQ(port.LastError(), 0u);
  EXPECT_EQ(ports.openRequests(), (std::vector<std::string>{"/dev/pts/1", "/dev/pts/1"}));
}

TEST_F(PortOnFakeDevice, SystemFailuresGiveTheirCodes) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::function<int()> act;
    int code;
  };
  std::uint32_t count = 0;
  char buffer[4] = {};
  const Case cases[] = {
      {"GetCommState", [&] { device.failAt(Call::GetCommState, device.uses(Call::GetCommState) + 1, EIO); },
       [&] { return port.OpenPort(); }, -3},
      {"GetCommState after the write", [&] { device.failAt(Call::GetCommState, device.uses(Call::GetCommState) + 2, EIO); },
       [&] { return port.OpenPort(); }, -3},
      {"SetCommTimeouts", [&] { device.failAt(Call::SetCommTimeouts, device.uses(Call::SetCommTimeouts) + 1, EIO); },
       [&] { return port.OpenPort(); }, -5},
      {"Flush on close", [&] { device.failAt(Call::Flush, device.uses(Call::Flush) + 1, EIO); },
       [&] { return port.ClosePort(); }, -6},
      {"Purge on close", [&] { device.failAt(Call::Purge, device.uses(Call::Purge) + 1, EIO); },
       [&] { return port.ClosePort(); }, -15},
      {"Close", [&] { device.failAt(Call::Close, device.uses(Call::Close) + 1, EIO); },
       [&] { return port.ClosePort(); }, -7},
  };
  for (const Case& c : cases) {
    if (port.IsOpen()) {
      ASSERT_EQ(port.ClosePort(), 0) << c.what;
    }
    if (c.code != -3 && c.code != -5) {
      ASSERT_EQ(port.OpenPort(), 0) << c.what;
    }
    c.arrange();
    EXPECT_EQ(c.act(), c.code) << c.what;
    EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(EIO)) << c.what;
    EXPECT_TRUE(port.IsOpen()) << c.what;  // each of these leaves the port open
  }

  ASSERT_EQ(port.StartSession(false), 0);
  const Case inSession[] = {
      {"Write", [&] { port.SetBuffering(true); device.failAt(Call::Write, device.uses(Call::Write) + 1, EIO); },
       [&] { return port.WriteData("ab", 2, &count); }, -18},
      {"Flush after writing", [&] { device.failAt(Call::Flush, device.uses(Call::Flush) + 1, EIO); },
       [&] { return port.WriteData("ab", 2, &count); }, -6},
      {"Read", [&] { device.failAt(Call::Read, device.uses(Call::Read) + 1, EIO); },
       [&] { return port.ReadData(buffer, 4, &count); }, -17},
      {"ClearCommError", [&] { device.failAt(Call::ClearCommError, device.uses(Call::ClearCommError) + 1, EIO); },
       [&] { return port.ClearError(); }, -14},
      {"Purge after ClearCommError", [&] { device.failAt(Call::Purge, device.uses(Call::Purge) + 1, EIO); },
       [&] { return port.ClearError(); }, -15},
      {"Escape", [&] { device.failAt(Call::Escape, device.uses(Call::Escape) + 1, EIO); },
       [&] { return port.EscapeCommFunction(platform::SETBREAK); }, -22},
      {"Purge by mask", [&] { device.failAt(Call::Purge, device.uses(Call::Purge) + 1, EIO); },
       [&] { return port.ClearBuffers(platform::PURGE_RXCLEAR); }, -23},
      {"SetCommTimeouts later", [&] { device.failAt(Call::SetCommTimeouts, device.uses(Call::SetCommTimeouts) + 1, EIO); },
       [&] { return port.SetPortTimeouts(); }, -5},
  };
  for (const Case& c : inSession) {
    c.arrange();
    EXPECT_EQ(c.act(), c.code) << c.what;
    EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(EIO)) << c.what;
    EXPECT_EQ(port.Descr(), described(EIO)) << c.what;
  }
  EXPECT_EQ(port.ClearBuffers(platform::PURGE_RXCLEAR), 0);
  EXPECT_EQ(device.purges().back(), platform::PURGE_RXCLEAR);
}

TEST_F(PortOnFakeDevice, OpenWithNoNameOrAnAbsentDeviceLeavesThePortClosed) {
  TPortControl unnamed(nullptr, ports, process);
  EXPECT_EQ(unnamed.OpenPort(), -2);
  EXPECT_FALSE(unnamed.IsOpen());
  EXPECT_EQ(unnamed.LastError(), static_cast<std::uint32_t>(ENOENT));

  ports.failOpen("/dev/pts/1", EBUSY);
  EXPECT_EQ(port.OpenPort(), -2);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.Descr(), described(EBUSY));
  EXPECT_EQ(ports.openRequests(), std::vector<std::string>{"/dev/pts/1"});
}

TEST_F(PortOnFakeDevice, UnbufferedWriteSendsByteByByteAndCountsThoseSentBeforeAFailure) {
  openWithSession();
  std::uint32_t written = 99;
  ASSERT_EQ(port.WriteData("abc", 3, &written), 0);
  EXPECT_EQ(written, 3u);
  EXPECT_EQ(device.uses(Call::TransmitChar), 3);
  EXPECT_EQ(device.uses(Call::Write), 0);

  device.failAt(Call::TransmitChar, device.uses(Call::TransmitChar) + 5, EIO);
  EXPECT_EQ(port.WriteData("0123456789", 10, &written), -18);
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(device.written(), "abc0123");
}

TEST_F(PortOnFakeDevice, ReadWithAndWithoutTheEndCharacter) {
  openWithSession();
  char buffer[10] = {};
  std::uint32_t received = 99;

  device.arrive("abc");
  EXPECT_EQ(port.ReadData(buffer, 10, &received), 0);  // the time-out ends it short
  EXPECT_EQ(received, 3u);
  EXPECT_EQ(std::string(buffer, 3), "abc");

  port.SetWaitEndChar(true);
  port.SetEndChar('\n');
  struct Case {
    const char* arriving;
    std::uint32_t count;
    int code;
    std::string kept;
  };
  const Case cases[] = {
      {"", 0, -19, ""},
      {"\nxy", 10, 0, "\n"},
      {"ok\n", 10, 0, "ok\n"},
      {"abcd", 10, -19, "abcd"},   // silence before the end character
      {"abcdef", 3, -19, "abc"},   // room for three, no end character among them
  };
  for (const Case& c : cases) {
    ASSERT_EQ(port.ClearBuffers(15), 0);
    device.arrive(c.arriving);
    received = 99;
    EXPECT_EQ(port.ReadData(buffer, c.count, &received), c.code) << c.arriving;
    EXPECT_EQ(received, c.kept.size()) << c.arriving;
    EXPECT_EQ(std::string(buffer, received), c.kept) << c.arriving;
    if (c.code == -19) {
      EXPECT_EQ(port.Descr(), "End character is absent.\nError = -19");
      EXPECT_EQ(port.LastError(), 0u);
    }
  }
}

TEST_F(PortOnFakeDevice, BadBuffersFailWithoutTouchingMemory) {
  openWithSession();
  std::uint32_t count = 5;
  char buffer[4] = {};
  EXPECT_EQ(port.WriteData(nullptr, 3, &count), -18);
  EXPECT_EQ(port.WriteData("abc", 3, nullptr), -18);
  EXPECT_EQ(port.ReadData(nullptr, 3, &count), -17);
  EXPECT_EQ(port.ReadData(buffer, 3, nullptr), -17);
  EXPECT_NE(port.LastError(), 0u);
  EXPECT_EQ(device.written(), "");

  EXPECT_EQ(port.WriteData(nullptr, 0, &count), 0);
  EXPECT_EQ(count, 0u);
  count = 5;
  EXPECT_EQ(port.ReadData(nullptr, 0, &count), 0);
  EXPECT_EQ(count, 0u);
}

TEST_F(PortOnFakeDevice, DescriptionsStayWhenTurnedOffAndSuccessEmptiesThem) {
  ASSERT_EQ(port.ClosePort(), -1);
  port.SetEnableDescr(false);
  ASSERT_EQ(port.EndSession(false), -1);
  EXPECT_EQ(port.Descr(), "Port was not opened!\nError = -1");
  ASSERT_EQ(port.OpenPort(), 0);
  EXPECT_EQ(port.Descr(), "");
}

TEST_F(PortOnFakeDevice, SessionRaisesLocksAndGivesBack) {
  ASSERT_EQ(port.OpenPort(), 0);
  process.priorityClass = 0x20;
  process.threadPriority = 2;
  ASSERT_EQ(port.StartSession(true), 0);
  EXPECT_TRUE(port.SessionOpen());
  EXPECT_EQ(process.priorityClass, FakeProcessControl::kRealtime);
  EXPECT_EQ(process.threadPriority, FakeProcessControl::kTimeCritical);
  EXPECT_EQ(process.locked, port.LockAddress());
  EXPECT_EQ(process.lockedSize, 2000u);
  EXPECT_EQ(device.purges(), std::vector<std::uint32_t>{15});

  EXPECT_EQ(port.StartSession(false), -16);
  EXPECT_EQ(port.Descr(), "Session was opened!\nError = -16");

  ASSERT_EQ(port.EndSession(false), 0);
  EXPECT_FALSE(port.SessionOpen());
  EXPECT_EQ(process.priorityClass, 0x20u);
  EXPECT_EQ(process.threadPriority, 2);
  EXPECT_EQ(process.locked, nullptr);
  EXPECT_EQ(device.purges().size(), 1u);
}

TEST_F(PortOnFakeDevice, ARefusedSessionLeavesTheProcessAsItWas) {
  const std::pair<Process, int> refusals[] = {
      {Process::GetClass, -8}, {Process::GetThread, -10}, {Process::SetClass, -9},
      {Process::SetThread, -11}, {Process::Lock, -12},
  };
  ASSERT_EQ(port.OpenPort(), 0);
  for (const auto& [call, code] : refusals) {
    process.failures = {{call, EPERM}};
    EXPECT_EQ(port.StartSession(false), code);
    EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(EPERM));
    process.failures.clear();
    EXPECT_FALSE(port.SessionOpen());
    EXPECT_EQ(process.priorityClass, 32u);
    EXPECT_EQ(process.threadPriority, 0);
    EXPECT_EQ(process.locked, nullptr);
    EXPECT_EQ(port.EndSession(false), -21);
  }

  device.failAt(Call::Purge, device.uses(Call::Purge) + 1, EIO);
  EXPECT_EQ(port.StartSession(true), -15);
  EXPECT_EQ(process.priorityClass, 32u);
  EXPECT_EQ(process.locked, nullptr);
  EXPECT_EQ(port.EndSession(false), -21);
}

TEST_F(PortOnFakeDevice, AFailedEndSessionCanBeCalledAgain) {
  openWithSession();
  const std::pair<Process, int> refusals[] = {{Process::SetClass, -9}, {Process::SetThread, -11}, {Process::Unlock, -13}};
  for (const auto& [call, code] : refusals) {
    process.failures = {{call, EPERM}};
    EXPECT_EQ(port.EndSession(false), code);
    EXPECT_TRUE(port.SessionOpen());
  }
  process.failures.clear();
  device.failAt(Call::Purge, device.uses(Call::Purge) + 1, EIO);
  EXPECT_EQ(port.EndSession(true), -15);
  EXPECT_TRUE(port.SessionOpen());
  EXPECT_EQ(port.EndSession(true), 0);
  EXPECT_EQ(process.priorityClass, 32u);
  EXPECT_EQ(process.locked, nullptr);
}

TEST_F(PortOnFakeDevice, TheSessionOutlivesClosePort) {
  openWithSession();
  ASSERT_EQ(port.ClosePort(), 0);
  EXPECT_TRUE(port.SessionOpen());
  EXPECT_EQ(process.priorityClass, FakeProcessControl::kRealtime);
  EXPECT_EQ(port.EndSession(false), -1);

  ASSERT_EQ(port.OpenPort(), 0);
  EXPECT_EQ(port.StartSession(false), -16);
  EXPECT_EQ(port.EndSession(false), 0);
  EXPECT_EQ(process.priorityClass, 32u);
  EXPECT_EQ(process.locked, nullptr);
}

TEST(PortControlLifetime, DestroyingTheComponentGivesBackASessionStillOpen) {
  platform::ScopedPlatformId other(platform::kPlatformOther);
  platform::fake::FakeSerialPorts ports;
  ports.add("/dev/pts/1");
  FakeProcessControl process;
  {
    TPortControl port(nullptr, ports, process);
    port.SetNumPort("pts/1");
    ASSERT_EQ(port.OpenPort(), 0);
    ASSERT_EQ(port.StartSession(false), 0);
  }
  EXPECT_EQ(process.priorityClass, 32u);
  EXPECT_EQ(process.locked, nullptr);
  EXPECT_FALSE(ports.isOpen("/dev/pts/1"));
}

}  // namespace
