#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/serial_device.h"

namespace platform::posix {

// Opens terminal devices as serial ports, exclusively: a port is held when another open file
// description has flock on it, when TIOCEXCL keeps it, or when a live UUCP lock file names it.
class PosixSerialPorts final : public SerialPorts {
 public:
  // `uucpLockDirectory` is where other programs leave their LCK..name files; read only.
  explicit PosixSerialPorts(std::string uucpLockDirectory = "/var/lock");

  std::unique_ptr<SerialDevice> open(std::string_view deviceName, SysError& error) override;

 private:
  std::string uucpLockDirectory_;
};

}  // namespace platform::posix
