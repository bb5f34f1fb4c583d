#include "posix_serial_device.h"

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "modem_control.h"
#include "platform/posix/termios_settings.h"
#include "port_lock.h"
#include "timed_io.h"

namespace platform::posix {

PosixSerialDevice::PosixSerialDevice(int fd) : fd_(fd), lineStatus_(fd) {}

PosixSerialDevice::~PosixSerialDevice() { close(); }

SysError PosixSerialDevice::setupComm(std::uint32_t, std::uint32_t) {
  // The kernel sizes its own queues; only a closed device fails.
  return fd_ < 0 ? EBADF : kSuccess;
}

SysError PosixSerialDevice::getCommState(LineSettings& settings) {
  settings.dtrControl = dtrControl_;
  settings.rtsControl = rtsControl_;
  return readLineSettings(fd_, settings);
}

SysError PosixSerialDevice::setCommState(const LineSettings& settings) {
  // Linux terminals have no DTR/DSR handshake: a handshaking port holds DTR up while it is open,
  // which is what the peer sees from one that is ready. RTS toggling has no counterpart at all.
  if (settings.dtrControl > 2 || settings.rtsControl > 2) return EINVAL;
  if (const SysError error = applyLineSettings(fd_, settings)) return error;
  if (const SysError error = setModemLines(fd_, TIOCM_DTR, settings.dtrControl != 0)) return error;
  if (const SysError error = setModemLines(fd_, TIOCM_RTS, settings.rtsControl != 0)) return error;
  dtrControl_ = settings.dtrControl;
  rtsControl_ = settings.rtsControl;
  return kSuccess;
}

SysError PosixSerialDevice::setCommTimeouts(const CommTimeouts& timeouts) {
  if (fd_ < 0) return EBADF;
  timeouts_ = timeouts;
  return kSuccess;
}

SysError PosixSerialDevice::read(void* buffer, std::uint32_t count, std::uint32_t& received) {
  return timedRead(fd_, buffer, count, timeouts_, received);
}

SysError PosixSerialDevice::write(const void* buffer, std::uint32_t count, std::uint32_t& written) {
  return timedWrite(fd_, buffer, count, timeouts_, written);
}

SysError PosixSerialDevice::transmitChar(char byte) {
  // A terminal has no priority slot ahead of its queue; the byte is simply queued now.
  std::uint32_t written = 0;
  if (const SysError error = timedWrite(fd_, &byte, 1, timeouts_, written)) return error;
  return written == 1 ? kSuccess : static_cast<SysError>(ETIMEDOUT);
}

SysError PosixSerialDevice::flush() {
  while (tcdrain(fd_) != 0) {
    if (errno != EINTR) return static_cast<SysError>(errno);
  }
  return kSuccess;
}

SysError PosixSerialDevice::purge(std::uint32_t mask) {
  const bool input = (mask & (PURGE_RXABORT | PURGE_RXCLEAR)) != 0;
  const bool output = (mask & (PURGE_TXABORT | PURGE_TXCLEAR)) != 0;
  if (!input && !output) return fd_ < 0 ? EBADF : kSuccess;
  const int queues = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
  return tcflush(fd_, queues) == 0 ? kSuccess : static_cast<SysError>(errno);
}

SysError PosixSerialDevice::clearCommError(std::uint32_t& errors, CommStatus& status) {
  return lineStatus_.clear(fd_, errors, status);
}

SysError PosixSerialDevice::escape(std::uint32_t function) {
  if (fd_ < 0) return EBADF;
  return escapeFunction(fd_, function);
}

SysError PosixSerialDevice::close() {
  if (fd_ < 0) return EBADF;
  unlockPort(fd_);
  const int fd = fd_;
  fd_ = -1;
  // The descriptor is gone even when close reports an error (EINTR included): never retry.
  return ::close(fd) == 0 ? kSuccess : static_cast<SysError>(errno);
}

}  // namespace platform::posix
