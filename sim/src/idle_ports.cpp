#include "sim/idle_ports.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "pty_end.h"

namespace sim {

BusyPort::BusyPort() : pty_(std::make_unique<PtyEnd>()) {
  // Its own open file description: an exclusive open elsewhere sees the flock and gives up.
  holder_ = ::open(("/dev/" + pty_->name()).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (holder_ < 0 || flock(holder_, LOCK_EX | LOCK_NB) != 0) {
    throw std::system_error(errno, std::generic_category(), "holding a pseudo-terminal");
  }
}

BusyPort::~BusyPort() {
  if (holder_ >= 0) ::close(holder_);
}

const std::string& BusyPort::portName() const { return pty_->name(); }

SilentPort::SilentPort() : pty_(std::make_unique<PtyEnd>()) {}
SilentPort::~SilentPort() = default;
const std::string& SilentPort::portName() const { return pty_->name(); }

}  // namespace sim
