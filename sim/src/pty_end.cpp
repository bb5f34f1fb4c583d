#include "pty_end.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/posix/pseudo_terminal.h"

namespace sim {

PtyEnd::PtyEnd() {
  platform::posix::PseudoTerminal terminal;
  if (const auto error = platform::posix::openPseudoTerminal(terminal)) {
    throw std::system_error(static_cast<int>(error), std::generic_category(), "pseudo-terminal");
  }
  master_ = terminal.master;
  name_ = terminal.slaveName;
  slave_ = ::open(("/dev/" + name_).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    const int error = errno;
    ::close(master_);
    throw std::system_error(error, std::generic_category(), "pseudo-terminal slave");
  }
  // Raw from the start, so nothing the register sends is echoed back before a tool opens.
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
  }
}

PtyEnd::~PtyEnd() { vanish(); }

void PtyEnd::vanish() {
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
  master_ = slave_ = -1;
}

}  // namespace sim
