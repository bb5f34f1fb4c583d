#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <string>

#include "fake_process_control.h"
#include "platform/platform_id.h"
#include "portcontrol/port_control.h"

namespace {

// The master side of a fresh pseudo-terminal; the component opens its slave as "pts/N".
class PseudoTerminal {
 public:
  PseudoTerminal() {
    int slave = -1;
    char name[64] = {};
    if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
      ::close(slave);
      name_ = std::string(name).substr(5);  // past "/dev/"
    }
  }
  ~PseudoTerminal() {
    if (master_ >= 0) ::close(master_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& name() const { return name_; }
  void send(const std::string& bytes) const {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // What arrived within a second, up to `count` bytes.
  std::string receive(std::size_t count) const {
    std::string bytes;
    while (bytes.size() < count) {
      pollfd ready{master_, POLLIN, 0};
      if (::poll(&ready, 1, 1000) <= 0) break;
      char buffer[64];
      const ssize_t got = ::read(master_, buffer, std::min(sizeof buffer, count - bytes.size()));
      if (got <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
  }

 private:
  int master_ = -1;
  std::string name_;
};

class PortOnPseudoTerminal : public ::testing::Test {
 protected:
  PortOnPseudoTerminal() {
    port.SetNumPort(terminal.name());
    port.SetEnableDescr(true);  // with its default DTR and RTS handshake
  }
  platform::ScopedPlatformId other{platform::kPlatformOther};
  PseudoTerminal terminal;
  FakeProcessControl process;  // a real-time session has no place on a shared test machine
  TPortControl port{nullptr, platform::systemSerialPorts(), process};
};

TEST_F(PortOnPseudoTerminal, OpensExclusivelyAndFreesThePortOnClose) {
  ASSERT_EQ(port.Port(), terminal.name());
  ASSERT_EQ(port.OpenPort(), 0);
  TPortControl second(nullptr, platform::systemSerialPorts(), process);
  second.SetNumPort(terminal.name());
  EXPECT_EQ(second.OpenPort(), -2);
  EXPECT_NE(second.LastError(), 0u);
  ASSERT_EQ(port.ClosePort(), 0);
  EXPECT_EQ(second.OpenPort(), 0);
  EXPECT_EQ(second.ClosePort(), 0);
}

TEST_F(PortOnPseudoTerminal, WritesAndReadsInASession) {
  ASSERT_EQ(port.OpenPort(), 0);
  ASSERT_EQ(port.StartSession(true), 0);

  std::uint32_t count = 0;
  ASSERT_EQ(port.WriteData("byte", 4, &count), 0);
  EXPECT_EQ(count, 4u);
  port.SetBuffering(true);
  ASSERT_EQ(port.WriteData(" by byte", 8, &count), 0);
  EXPECT_EQ(count, 8u);
  EXPECT_EQ(terminal.receive(12), "byte by byte");

  char buffer[16] = {};
  port.SetWaitEndChar(true);
  port.SetEndChar('\x03');
  terminal.send(std::string("ok\x03rest", 7));
  ASSERT_EQ(port.ReadData(buffer, sizeof buffer, &count), 0);
  EXPECT_EQ(std::string(buffer, count), "ok\x03");

  // The rest, then the read's time-out ends it short.
  port.SetWaitEndChar(false);
  port.Timeout()->ReadTotalTimeoutConstant = 100;
  ASSERT_EQ(port.SetPortTimeouts(), 0);
  ASSERT_EQ(port.ReadData(buffer, 10, &count), 0);
  EXPECT_EQ(std::string(buffer, count), "rest");

  EXPECT_EQ(port.ClearError(), 0);
  EXPECT_EQ(port.EndSession(true), 0);
  EXPECT_EQ(port.ClosePort(), 0);
}

}  // namespace
