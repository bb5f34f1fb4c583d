#include "pty_fixture.h"

#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

void PtyTest::SetUp() {
  ASSERT_EQ(platform::posix::openPseudoTerminal(pty_), platform::kSuccess);
  char dir[] = "/tmp/speedconf-locks-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  lockDir_ = dir;
  ports_ = std::make_unique<platform::posix::PosixSerialPorts>(lockDir_);
}

void PtyTest::TearDown() {
  closeMaster();
  std::filesystem::remove_all(lockDir_);
}

std::unique_ptr<platform::SerialDevice> PtyTest::openDevice(platform::SysError& error) {
  return ports_->open(devicePath(), error);
}

std::unique_ptr<platform::SerialDevice> PtyTest::openDevice() {
  platform::SysError error = platform::kSuccess;
  auto device = openDevice(error);
  EXPECT_EQ(error, platform::kSuccess) << platform::systemErrorText(error);
  return device;
}

void PtyTest::writeMaster(const std::string& bytes) {
  ASSERT_EQ(::write(pty_.master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

std::string PtyTest::readMaster() {
  std::string out;
  pollfd entry{pty_.master, POLLIN, 0};
  while (poll(&entry, 1, 100) > 0 && (entry.revents & POLLIN) != 0) {
    char buffer[4096];
    const ssize_t n = ::read(pty_.master, buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

void PtyTest::closeMaster() {
  if (pty_.master >= 0) ::close(pty_.master);
  pty_.master = -1;
}
