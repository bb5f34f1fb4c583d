#pragma once

#include <cstdint>

#include "platform/sys_error.h"

namespace platform::posix {

// Raises or lowers modem lines (TIOCM_DTR, TIOCM_RTS). A device without modem lines, such as a
// pseudo-terminal, is not a failure: there is simply nothing to change.
SysError setModemLines(int fd, int lines, bool raised);

// One of the escape functions SETDTR .. CLRBREAK; EINVAL for any other code.
SysError escapeFunction(int fd, std::uint32_t function);

}  // namespace platform::posix
