#pragma once

#include <cstdint>

#include "platform/serial_device.h"

namespace platform::posix {

// Reads from a non-blocking descriptor under the Windows read time-out rules, waiting in poll
// on steady-clock deadlines. A time-out is a short count; a hang-up is EIO.
SysError timedRead(int fd, void* buffer, std::uint32_t count, const CommTimeouts& timeouts,
                   std::uint32_t& received);

// Writes everything, or as much as fits before the write time-out (a short count).
SysError timedWrite(int fd, const void* buffer, std::uint32_t count, const CommTimeouts& timeouts,
                    std::uint32_t& written);

}  // namespace platform::posix
