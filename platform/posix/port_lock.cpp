#include "port_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace platform::posix {

namespace {

// "LCK.." + the name below /dev/, with any further "/" made "_" (pts/3 -> LCK..pts_3).
std::string lockFileName(std::string_view deviceName) {
  constexpr std::string_view kDev = "/dev/";
  if (deviceName.substr(0, kDev.size()) == kDev) deviceName.remove_prefix(kDev.size());
  std::string name = "LCK..";
  for (char c : deviceName) name += c == '/' ? '_' : c;
  return name;
}

// The owner's PID: ten ASCII digits (HDB style) or, in old files, a 4-byte binary number.
pid_t ownerOf(const char* content, std::size_t size) {
  bool text = size > 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = content[i];
    if (!(c == ' ' || c == '\n' || (c >= '0' && c <= '9'))) text = false;
  }
  if (text) {
    long pid = 0;
    for (std::size_t i = 0; i < size && pid < 0x7FFFFFFF; ++i) {
      if (content[i] >= '0' && content[i] <= '9') pid = pid * 10 + (content[i] - '0');
    }
    return static_cast<pid_t>(pid);
  }
  if (size == sizeof(std::int32_t)) {
    std::int32_t pid = 0;
    std::memcpy(&pid, content, sizeof pid);
    return pid;
  }
  return 0;
}

bool processLives(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }

}  // namespace

SysError checkUucpLock(const std::string& lockDirectory, std::string_view deviceName) {
  const std::string path = lockDirectory + "/" + lockFileName(deviceName);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return kSuccess;
  char content[32] = {};
  const ssize_t size = ::read(fd, content, sizeof content);
  ::close(fd);
  if (size <= 0) return kSuccess;
  return processLives(ownerOf(content, static_cast<std::size_t>(size))) ? EBUSY : kSuccess;
}

SysError lockPort(int fd) {
  // flock as well as TIOCEXCL: two processes racing to open would not see each other's
  // TIOCEXCL, and TIOCEXCL does not stop a privileged process at all.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? EBUSY : static_cast<SysError>(errno);
  return ioctl(fd, TIOCEXCL) == 0 ? kSuccess : static_cast<SysError>(errno);
}

void unlockPort(int fd) { ioctl(fd, TIOCNXCL); }

}  // namespace platform::posix
