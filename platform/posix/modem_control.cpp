#include "modem_control.h"

#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>

#include "platform/serial_device.h"

namespace platform::posix {

namespace {

SysError result(int rc) { return rc == 0 ? kSuccess : static_cast<SysError>(errno); }

}  // namespace

SysError setModemLines(int fd, int lines, bool raised) {
  if (ioctl(fd, raised ? TIOCMBIS : TIOCMBIC, &lines) == 0) return kSuccess;
  return errno == ENOTTY || errno == EINVAL ? kSuccess : static_cast<SysError>(errno);
}

SysError escapeFunction(int fd, std::uint32_t function) {
  switch (function) {
    case SETDTR: return setModemLines(fd, TIOCM_DTR, true);
    case CLRDTR: return setModemLines(fd, TIOCM_DTR, false);
    case SETRTS: return setModemLines(fd, TIOCM_RTS, true);
    case CLRRTS: return setModemLines(fd, TIOCM_RTS, false);
    case SETBREAK: return result(ioctl(fd, TIOCSBRK));
    case CLRBREAK: return result(ioctl(fd, TIOCCBRK));
    // As if XOFF or XON had been received: output stops or goes on.
    case SETXOFF: return result(tcflow(fd, TCOOFF));
    case SETXON: return result(tcflow(fd, TCOON));
    default: return EINVAL;
  }
}

}  // namespace platform::posix
