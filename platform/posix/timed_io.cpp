#include "timed_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>

namespace platform::posix {

namespace {

using Clock = std::chrono::steady_clock;
using Deadline = std::optional<Clock::time_point>;
constexpr std::uint32_t kMaxDword = 0xFFFFFFFF;

enum class WaitResult { Ready, TimedOut, Failed };

Deadline earliest(Deadline a, Deadline b) {
  if (!a) return b;
  if (!b) return a;
  return std::min(*a, *b);
}

// Waits until `fd` has the event or the deadline passes; no deadline waits without limit.
WaitResult waitFor(int fd, short event, Deadline deadline, SysError& error) {
  for (;;) {
    timespec timeout{};
    timespec* timeoutPtr = nullptr;
    if (deadline) {
      const auto left = *deadline - Clock::now();
      if (left <= Clock::duration::zero()) return WaitResult::TimedOut;
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
      timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
      timeoutPtr = &timeout;
    }
    pollfd entry{fd, event, 0};
    const int ready = ppoll(&entry, 1, timeoutPtr, nullptr);
    if (ready < 0) {
      if (errno == EINTR) continue;
      error = static_cast<SysError>(errno);
      return WaitResult::Failed;
    }
    if (ready == 0) continue;  // the deadline check above decides
    if ((entry.revents & event) != 0) return WaitResult::Ready;
    // Hung up or broken with nothing left to read: the device is gone. Waiting again would spin.
    error = (entry.revents & POLLNVAL) != 0 ? EBADF : EIO;
    return WaitResult::Failed;
  }
}

Deadline totalDeadline(Clock::time_point start, std::uint32_t multiplier, std::uint32_t constant,
                       std::uint32_t count) {
  if (multiplier == 0 && constant == 0) return std::nullopt;
  const auto ms = static_cast<std::uint64_t>(multiplier) * count + constant;
  return start + std::chrono::milliseconds(ms);
}

}  // namespace

SysError timedRead(int fd, void* buffer, std::uint32_t count, const CommTimeouts& t,
                   std::uint32_t& received) {
  received = 0;
  if (count == 0) return kSuccess;
  const auto start = Clock::now();
  const bool intervalMax = t.ReadIntervalTimeout == kMaxDword;
  // MAXDWORD,0,0: what is there, at once. MAXDWORD,MAXDWORD,c: the first bytes, waiting up to c.
  const bool immediate = intervalMax && t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
  const bool firstBytesOnly = intervalMax && t.ReadTotalTimeoutMultiplier == kMaxDword &&
                              t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != kMaxDword;
  const Deadline total = firstBytesOnly ? Deadline(start + std::chrono::milliseconds(t.ReadTotalTimeoutConstant))
                                        : totalDeadline(start, t.ReadTotalTimeoutMultiplier,
                                                        t.ReadTotalTimeoutConstant, count);
  Deadline gap;  // the interval timer, running from the latest byte
  bool readable = false;
  auto* bytes = static_cast<unsigned char*>(buffer);
  for (;;) {
    const ssize_t n = ::read(fd, bytes + received, count - received);
    if (n > 0) {
      received += static_cast<std::uint32_t>(n);
      if (received == count || firstBytesOnly) return kSuccess;
      if (t.ReadIntervalTimeout != 0 && !intervalMax) {
        gap = Clock::now() + std::chrono::milliseconds(t.ReadIntervalTimeout);
      }
      readable = false;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return static_cast<SysError>(errno);
    // With VMIN = VTIME = 0 an empty queue reads as 0 bytes; after poll said "readable" that
    // means the device hung up.
    if (readable) return EIO;
    if (immediate) return kSuccess;
    SysError error = kSuccess;
    switch (waitFor(fd, POLLIN, earliest(total, gap), error)) {
      case WaitResult::Ready: readable = true; break;
      case WaitResult::TimedOut: return kSuccess;
      case WaitResult::Failed: return error;
    }
  }
}

SysError timedWrite(int fd, const void* buffer, std::uint32_t count, const CommTimeouts& t,
                    std::uint32_t& written) {
  written = 0;
  const Deadline total =
      totalDeadline(Clock::now(), t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant, count);
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (written < count) {
    const ssize_t n = ::write(fd, bytes + written, count - written);
    if (n > 0) {
      written += static_cast<std::uint32_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return static_cast<SysError>(errno);
    SysError error = kSuccess;
    switch (waitFor(fd, POLLOUT, total, error)) {
      case WaitResult::Ready: break;
      case WaitResult::TimedOut: return kSuccess;
      case WaitResult::Failed: return error;
    }
  }
  return kSuccess;
}

}  // namespace platform::posix
