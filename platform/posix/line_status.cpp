#include "line_status.h"

#include <sys/ioctl.h>

#include <cerrno>

namespace platform::posix {

namespace {

bool readCounters(int fd, serial_icounter_struct& counters) { return ioctl(fd, TIOCGICOUNT, &counters) == 0; }

SysError queueCount(int fd, unsigned long request, std::uint32_t& count) {
  int value = 0;
  if (ioctl(fd, request, &value) != 0) {
    count = 0;
    return errno == ENOTTY || errno == EINVAL ? kSuccess : static_cast<SysError>(errno);
  }
  count = static_cast<std::uint32_t>(value);
  return kSuccess;
}

}  // namespace

LineStatus::LineStatus(int fd) { readCounters(fd, seen_); }

SysError LineStatus::clear(int fd, std::uint32_t& errors, CommStatus& status) {
  errors = 0;
  serial_icounter_struct now{};
  if (readCounters(fd, now)) {
    if (now.buf_overrun != seen_.buf_overrun) errors |= CE_RXOVER;
    if (now.overrun != seen_.overrun) errors |= CE_OVERRUN;
    if (now.parity != seen_.parity) errors |= CE_RXPARITY;
    if (now.frame != seen_.frame) errors |= CE_FRAME;
    if (now.brk != seen_.brk) errors |= CE_BREAK;
    seen_ = now;
  } else if (errno != ENOTTY && errno != EINVAL) {
    return static_cast<SysError>(errno);
  }
  if (const SysError error = queueCount(fd, FIONREAD, status.inQueue)) return error;
  return queueCount(fd, TIOCOUTQ, status.outQueue);
}

}  // namespace platform::posix
