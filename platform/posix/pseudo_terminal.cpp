#include "platform/posix/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

namespace platform::posix {

SysError openPseudoTerminal(PseudoTerminal& terminal) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) return static_cast<SysError>(errno);
  char path[64] = {};
  SysError error = kSuccess;
  if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, path, sizeof path) != 0 ||
      fcntl(master, F_SETFL, O_NONBLOCK) != 0) {
    error = static_cast<SysError>(errno);
    ::close(master);
    return error;
  }
  terminal.master = master;
  terminal.slaveName = path + 5;  // below "/dev/"
  return kSuccess;
}

}  // namespace platform::posix
