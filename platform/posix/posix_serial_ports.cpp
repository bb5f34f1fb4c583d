#include "platform/posix/posix_serial_ports.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "port_lock.h"
#include "posix_serial_device.h"

namespace platform {

SerialPorts& systemSerialPorts() {
  static posix::PosixSerialPorts ports;
  return ports;
}

std::string_view deviceNamePrefix() { return "/dev/"; }

namespace posix {

namespace {

// Bytes pass untouched, reads never wait in the driver (the time-outs are ours) and modem
// status lines do not stop the receiver.
SysError makeRaw(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return static_cast<SysError>(errno);
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  return tcsetattr(fd, TCSANOW, &tio) == 0 ? kSuccess : static_cast<SysError>(errno);
}

}  // namespace

PosixSerialPorts::PosixSerialPorts(std::string uucpLockDirectory)
    : uucpLockDirectory_(std::move(uucpLockDirectory)) {}

std::unique_ptr<SerialDevice> PosixSerialPorts::open(std::string_view deviceName, SysError& error) {
  // The lock file is checked before opening: opening a terminal already raises its DTR.
  error = checkUucpLock(uucpLockDirectory_, deviceName);
  if (error != kSuccess) return nullptr;
  const std::string path(deviceName);
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = static_cast<SysError>(errno);
    return nullptr;
  }
  error = lockPort(fd);
  if (error == kSuccess) {
    error = makeRaw(fd);
    if (error != kSuccess) unlockPort(fd);
  }
  if (error != kSuccess) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixSerialDevice>(fd);
}

}  // namespace posix
}  // namespace platform
