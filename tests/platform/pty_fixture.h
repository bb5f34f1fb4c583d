#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/posix/posix_serial_ports.h"
#include "platform/posix/pseudo_terminal.h"
#include "platform/serial_device.h"

// A pseudo-terminal whose slave side the tests open as a serial port; the test plays the other
// end on the master side. UUCP lock files live in a private directory.
class PtyTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string devicePath() const { return "/dev/" + pty_.slaveName; }
  std::unique_ptr<platform::SerialDevice> openDevice(platform::SysError& error);
  std::unique_ptr<platform::SerialDevice> openDevice();  // must succeed
  void writeMaster(const std::string& bytes);
  std::string readMaster();  // what has arrived so far
  void closeMaster();

  platform::posix::PseudoTerminal pty_;
  std::string lockDir_;
  std::unique_ptr<platform::posix::PosixSerialPorts> ports_;
};
