#pragma once

#include <linux/serial.h>

#include <cstdint>

#include "platform/serial_device.h"

namespace platform::posix {

// Line errors since the previous call, from the driver's counters (TIOCGICOUNT), and the queue
// counts. Drivers without counters (pseudo-terminals) report no errors.
class LineStatus {
 public:
  explicit LineStatus(int fd);
  SysError clear(int fd, std::uint32_t& errors, CommStatus& status);

 private:
  serial_icounter_struct seen_{};
};

}  // namespace platform::posix
