#pragma once

#include <string>

#include "platform/sys_error.h"

namespace platform::posix {

// A fresh pseudo-terminal: its master side open (non-blocking) and the kernel name of its slave
// side ("pts/7", opened as "/dev/pts/7"). Closing `master` hangs the slave side up.
struct PseudoTerminal {
  int master = -1;
  std::string slaveName;
};

SysError openPseudoTerminal(PseudoTerminal& terminal);

}  // namespace platform::posix
