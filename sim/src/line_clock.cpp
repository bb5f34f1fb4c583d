#include "line_clock.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace sim {

bool StopWait::until(Clock::time_point deadline) const {
  for (;;) {
    const auto left = std::max(deadline - Clock::now(), Clock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const timespec timeout{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
    pollfd entry{stopEvent_, POLLIN, 0};
    const int ready = ppoll(&entry, 1, &timeout, nullptr);
    if (ready > 0) return false;
    if (ready == 0 || errno != EINTR) return ready == 0;
  }
}

bool sendPaced(int master, std::string_view bytes, int speed, const StopWait& wait) {
  const auto start = Clock::now();
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    std::size_t due = bytes.size();
    if (speed > 0) {
      due = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>((Clock::now() - start) / byteTime(speed)) + 1);
    }
    if (due > sent) {
      const ssize_t n = ::write(master, bytes.data() + sent, due - sent);
      if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
      if (n > 0) sent += static_cast<std::size_t>(n);
    }
    if (sent < bytes.size() && !wait.until(speed > 0 ? start + byteTime(speed) * static_cast<long>(sent + 1)
                                                     : Clock::now() + std::chrono::milliseconds(1))) {
      return false;
    }
  }
  return true;
}

}  // namespace sim
