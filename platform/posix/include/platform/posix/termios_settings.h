#pragma once

#include "platform/serial_device.h"

// Line settings on a terminal's file descriptor. The pseudo-terminal simulator uses these too:
// the master side of a pseudo-terminal reports the settings its slave side made.
namespace platform::posix {

// Fills speed (any whole number), data bits, parity and stop bits; rtsControl becomes 2 when
// RTS/CTS handshake is on and is left alone otherwise; dtrControl is left alone.
SysError readLineSettings(int fd, LineSettings& settings);

// Applies speed, data bits, parity, stop bits and the RTS/CTS handshake (rtsControl 2) over the
// terminal's other settings. Modem lines are not touched here. EINVAL for values the line lacks.
SysError applyLineSettings(int fd, const LineSettings& settings);

}  // namespace platform::posix
